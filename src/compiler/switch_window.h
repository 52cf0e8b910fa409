// TSwitch, the compiler switch window: a memo of free switch text and the box
// that keeps it as the predefined switches of the current run. One modeless
// instance lives for the whole run ("View" > "Compiler Switch"); the compile
// command asks through a fresh modal instance (AskSwitches).
#pragma once

#include <string>

#include "ui/form_window.h"

namespace tavrin {

class TSwitch : public FormWindow {
public:
    // predefinedSwitches: the settings' predefined switches, which showing
    // reads and "OK" with the box checked replaces.
    explicit TSwitch(std::string& predefinedSwitches, std::string caption = "Switch");

    static constexpr const char* kSaveSwitchText = "Save switch as predefined ones ";

    // The memo's text; line breaks typed into it read as blanks, so that the
    // text can stand on one command line.
    std::string MemoText() const;
    void SetMemoText(const std::string& text);
    bool SaveSwitchChecked() const;
    void SetSaveSwitchChecked(bool checked);

    HWND Memo() const { return memo_; }
    HWND SaveSwitchBox() const { return saveSwitch_; }
    HWND OkButton() const { return ok_; }
    HWND CancelButton() const { return cancel_; }

    void PressOk();
    void PressCancel();

protected:
    DWORD Style() const override { return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME; }
    DWORD ExStyle() const override { return WS_EX_TOOLWINDOW; }
    SIZE InitialSize() const override { return SIZE{380, 180}; }
    void OnCreate() override;
    void OnShow() override;
    void OnSize(int width, int height) override;
    void OnCommand(int id, int code, HWND control) override;
    void OnGetMinMaxInfo(MINMAXINFO* info) override;
    LRESULT HandleMessage(UINT message, WPARAM wp, LPARAM lp) override;

private:
    std::string& predefinedSwitches_;
    HWND memo_ = nullptr;
    HWND saveSwitch_ = nullptr;
    HWND ok_ = nullptr;
    HWND cancel_ = nullptr;
};

// The modal switch question: a fresh switch window with the caption and the
// text (which showing replaces by the predefined switches). Whatever button
// closes it, text := the memo's text. True when closed with "OK".
bool AskSwitches(std::string& predefinedSwitches, const std::string& caption, std::string& text,
                 HWND owner = nullptr);

}  // namespace tavrin
