// TPropertyEditDialog, the modal box of the class editor (345 by 130 pixels),
// and its installation as the class editor's dialog.
#pragma once

#include "ui/form_window.h"

namespace tavrin {

class TPropertyEditDialog : public FormWindow {
public:
    TPropertyEditDialog();

protected:
    DWORD Style() const override { return WS_POPUP | WS_CAPTION | WS_SYSMENU; }
    SIZE InitialSize() const override { return SIZE{345, 130}; }
    void OnCreate() override;
    void OnCommand(int id, int code, HWND control) override;
};

// Makes the class editor show a TPropertyEditDialog.
void InstallPropertyEditDialog();

}  // namespace tavrin
