// The help file chooser (caption "Helps") and the print window.
#pragma once

#include "ui/form_window.h"

namespace tavrin {

class THelps : public FormWindow {
public:
    THelps();
    HWND List() const { return list_; }
    void PressOk();

protected:
    DWORD Style() const override { return WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME; }
    DWORD ExStyle() const override { return WS_EX_TOOLWINDOW; }
    SIZE InitialSize() const override { return SIZE{420, 300}; }
    void OnCreate() override;
    void OnShow() override;
    void OnSize(int width, int height) override;
    void OnCommand(int id, int code, HWND control) override;

private:
    HWND list_ = nullptr;
    HWND ok_ = nullptr;
    HWND cancel_ = nullptr;
};

// The print window: a list and the buttons "Print", "Abort" and "Close".
class TPrintDialog : public FormWindow {
public:
    TPrintDialog();

protected:
    DWORD Style() const override { return WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME; }
    DWORD ExStyle() const override { return WS_EX_DLGMODALFRAME; }
    SIZE InitialSize() const override { return SIZE{360, 260}; }
    void OnCreate() override;
    void OnCommand(int id, int code, HWND control) override;
};

}  // namespace tavrin
