// The splash window shown while the include database loads or is built: a
// borderless white window with the product labels, a system line and a
// progress line.
#pragma once

#include <functional>
#include <string>

#include "ui/form_window.h"

namespace tavrin {

// "That %s application run under 32/64 bits system." for this process.
std::string SystemLineText(const std::string& title);

class TSplash : public FormWindow {
public:
    explicit TSplash(std::string title);

    void SetProgress(const std::string& text);
    const std::string& Progress() const { return progress_; }
    const std::string& SystemLine() const { return systemLine_; }

    // Runs the start-up database step: show, load (and build when empty),
    // hide, save. Hooks are set by the owner of the include database.
    void RunDatabaseStep();
    std::function<bool()> LoadDataBase;  // true when the database holds entries
    std::function<void()> BuildDataBase;
    std::function<void()> SaveDataBase;

protected:
    DWORD Style() const override { return WS_POPUP | WS_BORDER; }
    DWORD ExStyle() const override { return WS_EX_TOOLWINDOW | WS_EX_TOPMOST; }
    SIZE InitialSize() const override { return SIZE{720, 234}; }
    LRESULT HandleMessage(UINT message, WPARAM wp, LPARAM lp) override;

private:
    void Paint(HDC dc);
    std::string systemLine_;
    std::string progress_ = "...";
};

}  // namespace tavrin
