// The input box: a small modal window with a caption, a prompt, an edit field
// that starts with a default text, OK and Cancel (Enter and Escape answer
// them). It runs the modal loop of every modal window (FormWindow::ShowModal).
#pragma once

#include <windows.h>

#include <string>

#include "ui/form_window.h"

namespace tavrin {

class TInputBox : public FormWindow {
public:
    static constexpr const char* kClassName = "TInputBox";
    static constexpr int kPromptId = 101;
    static constexpr int kEditId = 100;

    TInputBox(const std::string& caption, std::string prompt);

    // Shows the box modally over owner (may be null) with value as the
    // default text. Returns true on OK with the edited text in value;
    // otherwise value is left as it was.
    bool Ask(HWND owner, std::string& value);

protected:
    DWORD Style() const override { return WS_POPUP | WS_CAPTION | WS_SYSMENU; }
    DWORD ExStyle() const override { return WS_EX_DLGMODALFRAME; }
    SIZE InitialSize() const override;
    void OnCreate() override;
    void OnShow() override;
    void OnCommand(int id, int code, HWND control) override;
    LRESULT HandleMessage(UINT message, WPARAM wp, LPARAM lp) override;

private:
    std::string prompt_;
    std::string text_;   // the default text, then the text accepted
    HWND edit_ = nullptr;
    HWND focus_ = nullptr;  // the control that had the focus when the box was deactivated
};

// Returns true on OK with the edited text in value.
bool ShowInputBox(HWND owner, const std::string& caption, const std::string& prompt,
                  std::string& value);

}  // namespace tavrin
