#include "languages/languages_window.h"

#include <windowsx.h>

#include "common/commands.h"
#include "ui/component_names.h"

namespace tavrin {

namespace {
constexpr int kMargin = 8;
constexpr int kButtonWidth = 90;
constexpr int kButtonHeight = 26;
}  // namespace

TLanguagesDlg::TLanguagesDlg(LanguagesHost host)
    : FormWindow("TLanguagesDlg", "LanguagesDlg", "Languages"), logic_(std::move(host)) {}

TLanguagesDlg::~TLanguagesDlg() {
    if (popup_) DestroyMenu(popup_);
}

void TLanguagesDlg::OnCreate() {
    list_ = NameComponent(AddControl("LISTBOX", "", WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                                     0, 0, 10, 10, idList, WS_EX_CLIENTEDGE),
                          "ListBox");
    load_ = NameComponent(AddButton("L&oad...", 0, 0, kButtonWidth, kButtonHeight, cmdLoad), "btnLoad");
    set_ = NameComponent(AddButton("&Set", 0, 0, kButtonWidth, kButtonHeight, cmdSet), "btnSet");
    show_ = NameComponent(AddButton("&Show", 0, 0, kButtonWidth, kButtonHeight, cmdShow), "btnShow");
    close_ = NameComponent(AddButton("&Close", 0, 0, kButtonWidth, kButtonHeight, IDCANCEL), "btnClose");
    popup_ = CreatePopupMenu();
    AppendMenuA(popup_, MF_STRING, cmdRemove, "Remove");
    AppendMenuA(popup_, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(popup_, MF_STRING, cmdSaveBase, "Save Base Language");
    RegisterPopupMenu(Handle(), popup_);
    EnableWindow(set_, FALSE);
    EnableWindow(show_, FALSE);
    RECT client{};
    GetClientRect(Handle(), &client);
    OnSize(client.right, client.bottom);
    logic_.Created();
}

void TLanguagesDlg::OnSize(int width, int height) {
    if (!list_) return;
    const int margin = Scale(kMargin), buttonWidth = Scale(kButtonWidth), buttonHeight = Scale(kButtonHeight);
    int buttonsLeft = width - margin - buttonWidth;
    MoveWindow(list_, margin, margin, std::max(Scale(20), buttonsLeft - 2 * margin),
               std::max(Scale(20), height - 2 * margin), TRUE);
    int top = margin;
    for (HWND button : {load_, set_, show_}) {
        MoveWindow(button, buttonsLeft, top, buttonWidth, buttonHeight, TRUE);
        top += buttonHeight + margin;
    }
    MoveWindow(close_, buttonsLeft, height - margin - buttonHeight, buttonWidth, buttonHeight, TRUE);
}

void TLanguagesDlg::OnShow() {
    logic_.Shown();
    Refresh();
}

void TLanguagesDlg::Refresh() {
    SendMessageA(list_, LB_RESETCONTENT, 0, 0);
    for (const std::string& entry : logic_.Entries())
        SendMessageA(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    SendMessageA(list_, LB_SETCURSEL, static_cast<WPARAM>(logic_.Selected()), 0);
    EnableWindow(set_, logic_.SetEnabled());
    EnableWindow(show_, logic_.ShowEnabled());
}

void TLanguagesDlg::ClickEntry(int index) {
    SendMessageA(list_, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    logic_.Choose(index);
    Refresh();
}

void TLanguagesDlg::RunCommandId(int id) {
    switch (id) {
    case cmdLoad: logic_.Load(); break;
    case cmdSet: logic_.Set(); break;
    case cmdShow: logic_.Show(); break;
    case cmdRemove: logic_.Remove(); break;
    case cmdSaveBase: logic_.SaveBase(); break;
    case IDCANCEL: OnClose(); return;
    default: return;
    }
    Refresh();
}

void TLanguagesDlg::OnCommand(int id, int code, HWND) {
    if (id == idList) {
        if (code == LBN_SELCHANGE)
            RunCommand([this] { ClickEntry(static_cast<int>(SendMessageA(list_, LB_GETCURSEL, 0, 0))); });
        return;
    }
    RunCommand([this, id] { RunCommandId(id); });
}

LRESULT TLanguagesDlg::HandleMessage(UINT message, WPARAM wp, LPARAM lp) {
    if (message == WM_CONTEXTMENU && reinterpret_cast<HWND>(wp) == list_) {
        POINT at{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        if (at.x == -1 && at.y == -1) GetCursorPos(&at);
        EnableMenuItem(popup_, cmdRemove, MF_BYCOMMAND | (logic_.RemoveEnabled() ? MF_ENABLED : MF_GRAYED));
        TrackPopupMenu(popup_, TPM_RIGHTBUTTON, at.x, at.y, 0, Handle(), nullptr);
        return 0;
    }
    return FormWindow::HandleMessage(message, wp, lp);
}

}  // namespace tavrin
