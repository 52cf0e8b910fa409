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

    // The progress line. The text is kept at once; the window is repainted
    // at most every kProgressIntervalMs, so a scan of many small files does
    // not spend its time painting names nobody can read.
    void SetProgress(const std::string& text);
    // Keeps the text for the next painting without asking for one: the scan
    // time after each file, which the next file's name follows at once.
    void NoteProgress(const std::string& text) { progress_ = text; }
    const std::string& Progress() const { return progress_; }
    static constexpr DWORD kProgressIntervalMs = 50;
    // How often the progress line was painted (for tests).
    int ProgressPaints() const { return progressPaints_; }
    const std::string& SystemLine() const { return systemLine_; }

    // Runs the start-up database step: show, load (and build when empty),
    // hide, save. Hooks are set by the owner of the include database.
    // The splash is shown without taking the activation: under Wine without
    // a window manager, a window that was once active is handed to the
    // (absent) window manager and hiding it then stalls for two seconds. Its
    // style (a popup without caption, frame or system menu) keeps it out of
    // the window manager's hands as long as it is never active.
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
    DWORD lastProgressPaint_ = 0;
    bool progressPainted_ = false;
    int progressPaints_ = 0;
};

}  // namespace tavrin
