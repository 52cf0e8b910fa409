// TConfirmReplaceDialog ("Confirm replace"): asked for each occurrence that
// Replace all would replace, with the system's question icon and the buttons
// "&Yes" (default), "&No", "Cancel" and "Yes to &all". Stays on top.
#pragma once

#include <string>

#include "search/search_session.h"
#include "ui/form_window.h"

namespace tavrin {

class TConfirmReplaceDialog : public FormWindow {
public:
    // The window's results: those of the system's Yes, No, Cancel and Yes to all.
    enum Result { resultYes = 6, resultNo = 7, resultCancel = 2, resultYesToAll = 10 };

    TConfirmReplaceDialog();

    // Shows the window modally about the occurrence found.
    ReplaceAnswer Ask(const std::string& found);
    static ReplaceAnswer AnswerOf(int result);
    std::string Question() const;

protected:
    DWORD Style() const override { return WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME; }
    DWORD ExStyle() const override { return WS_EX_DLGMODALFRAME | WS_EX_TOPMOST; }
    SIZE InitialSize() const override { return SIZE{380, 130}; }
    void OnCreate() override;
    void OnCommand(int id, int code, HWND control) override;

private:
    HWND question_ = nullptr;
};

}  // namespace tavrin
