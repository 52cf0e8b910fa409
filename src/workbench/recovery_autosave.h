// Autosave of unsaved code pages into the recovery session of this run. A
// window timer on the UI thread looks at the pages every couple of seconds
// and writes only those changed since their last copy: typing costs nothing
// (a change only moves the page's change stamp), and any number of changes
// between two looks make one write. A page that is saved, or closed, loses
// its copy at the next look.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ui/bound_window.h"
#include "workbench/recovery_store.h"

namespace tavrin {

class TCodePage;

class Autosaver : public BoundWindow {
public:
    using PageSource = std::function<std::vector<TCodePage*>()>;
    static constexpr unsigned kIntervalMs = 2000;

    // pages: the code pages open now, in page order.
    Autosaver(RecoverySession& session, PageSource pages);
    ~Autosaver() override;

    // Creates the timer's window and starts the timer.
    void Start(unsigned intervalMs = kIntervalMs);
    // One look: writes the unsaved pages changed since their last copy and
    // removes the copies of pages saved or gone.
    void Tick();
    // The fatal error handler's look, the same as Tick (also from a thread
    // of its own while the UI thread stands still). Returns the number of
    // pages whose copy is in the recovery folder.
    int WriteNow();
    // The clean end: the timer stops, the copies and the session folder go.
    void Finish();
    int CopyCount() const { return static_cast<int>(copies_.size()); }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wp, LPARAM lp) override;

private:
    struct Copy {
        int id = 0;
        unsigned long long stamp = 0;
        std::string fileName, caption;
    };
    bool WritePage(TCodePage& page, Copy& copy);

    RecoverySession& session_;
    PageSource pages_;
    std::map<const TCodePage*, Copy> copies_;
    int nextId_ = 1;
    bool finished_ = false;
};

}  // namespace tavrin
