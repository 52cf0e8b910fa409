#include "designer/tab_order_dialog.h"

#include <utility>

namespace tavrin {

TTabOrder::TTabOrder(std::vector<std::string> names, std::map<std::string, std::string> parents)
    : FormWindow("TTabOrder", "TabOrder", "Tab Order"), names_(std::move(names)), parents_(std::move(parents)) {}

std::string TTabOrder::Label(const std::string& name) const {
    auto parent = parents_.find(name);
    return parent == parents_.end() ? name : name + "  (in " + parent->second + ")";
}

void TTabOrder::OnCreate() {
    AddControl("LISTBOX", "", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 8, 8, 180, 240,
               lbxComponents, WS_EX_CLIENTEDGE);
    AddButton("&Up", 196, 8, 84, 25, btnUp);
    AddButton("&Down", 196, 38, 84, 25, btnDown);
    AddButton("OK", 110, 256, 80, 25, IDOK, true);
    AddButton("Cancel", 196, 256, 84, 25, IDCANCEL);
    Fill(names_.empty() ? -1 : 0);
}

void TTabOrder::Fill(int selected) {
    SendMessageA(List(), LB_RESETCONTENT, 0, 0);
    for (const std::string& name : names_)
        SendMessageA(List(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Label(name).c_str()));
    SendMessageA(List(), LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

void TTabOrder::MoveSelected(int by) {
    int selected = static_cast<int>(SendMessageA(List(), LB_GETCURSEL, 0, 0));
    int target = selected + by;
    if (selected < 0 || target < 0 || target >= static_cast<int>(names_.size())) return;
    std::swap(names_[static_cast<size_t>(selected)], names_[static_cast<size_t>(target)]);
    Fill(target);
}

void TTabOrder::OnCommand(int id, int code, HWND) {
    if (code != BN_CLICKED) return;
    switch (id) {
    case btnUp: MoveSelected(-1); break;
    case btnDown: MoveSelected(1); break;
    case IDOK:
    case IDCANCEL:
        if (InModalLoop()) EndModal(id);
        else Hide();
        break;
    }
}

}  // namespace tavrin
