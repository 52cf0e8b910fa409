#include "designer/global_designer.h"

namespace tavrin {

TGlobalDesigner::TGlobalDesigner() : FormWindow("TGlobalDesigner", "GlobalDesigner", "GlobalDesigner") {}

TGlobalDesigner::~TGlobalDesigner() { ELDesigner.SetActive(false); }

void TGlobalDesigner::OnCreate() {
    RECT outer{0, 0, kClientWidth, kClientHeight};
    AdjustWindowRectEx(&outer, Style(), FALSE, ExStyle());
    SetWindowPos(Handle(), nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    auto button = std::make_unique<TContainer>(Handle());
    button->SetName("btnX");
    button->SetText("x");
    button->SetBounds(56, 24, 75, 25);
    button->Handle();
    button->SetHost("BUTTON");
    button_ = &ELDesigner.AddComponent(std::move(button));
}

void TGlobalDesigner::PlaceOn(HWND parent, int left, int top) {
    if (!Handle()) Create();
    if (GetParent(Handle()) != parent) {
        LONG_PTR style = GetWindowLongPtrA(Handle(), GWL_STYLE);
        SetWindowLongPtrA(Handle(), GWL_STYLE, (style & ~static_cast<LONG_PTR>(WS_POPUP)) | WS_CHILD);
        SetParent(Handle(), parent);
    }
    SetWindowPos(Handle(), HWND_TOP, left, top, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    ShowWindow(Handle(), SW_SHOWNA);
    if (!ELDesigner.Active()) {
        ELDesigner.SetDesignControl(Handle());
        ELDesigner.SetActive(true);
    }
}

void TGlobalDesigner::TakeBack() {
    if (!Handle() || !(GetWindowLongPtrA(Handle(), GWL_STYLE) & WS_CHILD)) return;
    ShowWindow(Handle(), SW_HIDE);
    SetParent(Handle(), nullptr);
    LONG_PTR style = GetWindowLongPtrA(Handle(), GWL_STYLE);
    SetWindowLongPtrA(Handle(), GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_CHILD));
}

LRESULT TGlobalDesigner::HandleMessage(UINT message, WPARAM wp, LPARAM lp) {
    LRESULT result = 0;
    if (ELDesigner.HandleWindowMessage(message, wp, lp, result)) return result;
    if (message == WM_KEYDOWN && wp == VK_ESCAPE && ELDesigner.Active()) {
        ELDesigner.SelectParent();
        return 0;
    }
    return FormWindow::HandleMessage(message, wp, lp);
}

}  // namespace tavrin
