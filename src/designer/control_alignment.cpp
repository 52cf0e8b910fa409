#include "designer/control_alignment.h"

#include "designer/design_surface.h"

namespace tavrin {

namespace {

constexpr const char* kHorizontalItems[] = {"no changes", "left sides", "center", "right sides", "space equaly",
                                            "conter on window"};
constexpr const char* kVerticalItems[] = {"no changes", "left sides", "center", "right sides", "space equaly",
                                          "center on window"};

}  // namespace

AlignmentChoice& RememberedAlignment() {
    static AlignmentChoice choice;
    return choice;
}

TControlAlignment::TControlAlignment() : FormWindow("TControlAlignment", "ControlAlignment", "Control Alignment") {}

void TControlAlignment::OnCreate() {
    RECT outer{0, 0, kClientWidth, kClientHeight};
    AdjustWindowRectEx(&outer, Style(), FALSE, ExStyle());
    SetWindowPos(Handle(), nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    auto group = [this](int id, const char* caption, const char* const* items, int left) {
        AddControl("BUTTON", caption, BS_GROUPBOX, left, 8, 185, 166, id);
        for (int i = 0; i < kItems; ++i)
            AddControl("BUTTON", items[i], WS_TABSTOP * (i == 0) | (i == 0 ? WS_GROUP : 0) | BS_AUTORADIOBUTTON,
                       left + 12, 28 + i * 23, 160, 20, id + 1 + i);
        SelectItem(id, 0);
    };
    group(rgxHorizontal, "&Horizontal", kHorizontalItems, 8);
    group(rgxVertical, "&Vertical", kVerticalItems, 222);
    AddButton("OK", 246, 184, 75, 25, IDOK);
    AddButton("Cancel", 332, 184, 75, 25, IDCANCEL, true);
}

int TControlAlignment::SelectedItem(int group) const {
    for (int i = 0; i < kItems; ++i)
        if (SendMessageA(ItemButton(group, i), BM_GETCHECK, 0, 0) == BST_CHECKED) return i;
    return 0;
}

void TControlAlignment::SelectItem(int group, int index) {
    for (int i = 0; i < kItems; ++i)
        SendMessageA(ItemButton(group, i), BM_SETCHECK, i == index ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TControlAlignment::PressOk() {
    RememberedAlignment() = {SelectedItem(rgxHorizontal), SelectedItem(rgxVertical)};
    if (InModalLoop()) EndModal(IDOK);
    else Hide();
}

void TControlAlignment::PressCancel() {
    RememberedAlignment() = {0, 0};
    if (InModalLoop()) EndModal(IDCANCEL);
    else Hide();
}

void TControlAlignment::OnCommand(int id, int code, HWND) {
    if (code != BN_CLICKED) return;
    if (id == IDOK) PressOk();
    else if (id == IDCANCEL) PressCancel();
}

LRESULT TControlAlignment::HandleMessage(UINT message, WPARAM wp, LPARAM lp) {
    if (message == DM_GETDEFID) return MAKELRESULT(IDCANCEL, DC_HASDEFID);
    // The close box answers like "Cancel".
    if (message == WM_CLOSE) {
        PressCancel();
        return 0;
    }
    return FormWindow::HandleMessage(message, wp, lp);
}

void RunAlignmentDialog(TELDesigner& surface, HWND owner) {
    TControlAlignment dialog;
    dialog.Create(owner);
    if (dialog.ShowModal() != IDOK) return;
    surface.Align(RememberedAlignment().horizontal, RememberedAlignment().vertical);
}

}  // namespace tavrin
