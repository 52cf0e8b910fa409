// Autosave of unsaved code pages into the recovery session of this run. A
// window timer on the UI thread looks at the pages every couple of seconds;
// a page changed since its last copy has its text copied (without moving the
// editor's gap) and handed to the recovery writer's thread, which encodes
// and writes it. Typing costs nothing (a change only moves the page's change
// stamp) and any number of changes between two looks make one write. A page
// that is saved, or closed, loses its copy at the next look.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ui/bound_window.h"
#include "workbench/recovery_store.h"
#include "workbench/recovery_writer.h"

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
    // One look (UI thread): hands the unsaved pages changed since their last
    // copy to the writer, and the removal of the copies of pages saved or gone.
    void Tick();
    // Waits until the writer has written what it was given.
    void Flush();
    // A look that waits for its writes (after an unexpected error, on the UI
    // thread). Returns the number of pages whose copy is in the folder.
    int KeepNow();
    // The fatal error handler's look, on a thread of its own while the UI
    // thread stands still: the writer stops, and every unsaved page is
    // written at once on the calling thread. Returns the number of pages
    // whose copy is in the recovery folder.
    int WriteNow();
    // The clean end: the timer and the writer stop, the copies and the
    // session folder go.
    void Finish();
    int CopyCount() const { return static_cast<int>(copies_.size()); }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wp, LPARAM lp) override;

private:
    struct Copy {
        int id = 0;
        unsigned long long stamp = 0;
        bool stale = false;  // its last write failed
        std::string fileName, caption;
    };
    bool UpToDate(const Copy& copy, TCodePage& page) const;
    RecoveryPageInfo InfoOf(TCodePage& page) const;
    // Drops the copies of pages that are not among the unsaved ones.
    void DropCopiesExcept(const std::vector<TCodePage*>& unsaved, bool direct);

    RecoverySession& session_;
    PageSource pages_;
    std::map<const TCodePage*, Copy> copies_;
    RecoveryWriter writer_;
    int nextId_ = 1;
    bool finished_ = false;
};

}  // namespace tavrin
