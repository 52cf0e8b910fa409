#include "packhost/check_list_view.h"

#include <commctrl.h>

namespace tavrin {

void CheckListView::Create(HWND parent, int id) {
    handle_ = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
                              WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_NOCOLUMNHEADER |
                                  LVS_SINGLESEL | LVS_SHOWSELALWAYS,
                              0, 0, 100, 100, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                              GetModuleHandleA(nullptr), nullptr);
    SendMessageA(handle_, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    LVCOLUMNA column{};
    column.mask = LVCF_WIDTH;
    column.cx = 100;
    SendMessageA(handle_, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
}

void CheckListView::SetEntries(const std::vector<std::string>& texts, const std::vector<bool>& checked) {
    filling_ = true;
    SendMessageA(handle_, LVM_DELETEALLITEMS, 0, 0);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        LVITEMA item{};
        item.mask = LVIF_TEXT;
        item.iItem = static_cast<int>(i);
        item.pszText = const_cast<char*>(texts[i].c_str());
        SendMessageA(handle_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
        SetChecked(static_cast<int>(i), i < checked.size() && checked[i]);
    }
    filling_ = false;
}

int CheckListView::Count() const {
    return static_cast<int>(SendMessageA(handle_, LVM_GETITEMCOUNT, 0, 0));
}

bool CheckListView::Checked(int index) const {
    auto state = static_cast<UINT>(SendMessageA(handle_, LVM_GETITEMSTATE, static_cast<WPARAM>(index),
                                                LVIS_STATEIMAGEMASK));
    return (state >> 12) == 2;
}

void CheckListView::SetChecked(int index, bool checked) {
    bool wasFilling = filling_;
    filling_ = true;
    LVITEMA item{};
    item.stateMask = LVIS_STATEIMAGEMASK;
    item.state = INDEXTOSTATEIMAGEMASK(checked ? 2 : 1);
    SendMessageA(handle_, LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    filling_ = wasFilling;
}

int CheckListView::Selected() const {
    return static_cast<int>(SendMessageA(handle_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void CheckListView::Select(int index) {
    bool wasFilling = filling_;
    filling_ = true;
    LVITEMA item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(handle_, LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    filling_ = wasFilling;
}

void CheckListView::Resize(int x, int y, int width, int height) {
    MoveWindow(handle_, x, y, width, height, TRUE);
    SendMessageA(handle_, LVM_SETCOLUMNWIDTH, 0, width > 30 ? width - 30 : width);
}

int CheckListView::CheckChangedBy(const NMHDR* header) const {
    if (filling_ || header->hwndFrom != handle_ || header->code != LVN_ITEMCHANGED) return -1;
    auto* change = reinterpret_cast<const NMLISTVIEW*>(header);
    if (!(change->uChanged & LVIF_STATE)) return -1;
    if (((change->uNewState ^ change->uOldState) & LVIS_STATEIMAGEMASK) == 0) return -1;
    if ((change->uOldState & LVIS_STATEIMAGEMASK) == 0) return -1;  // the item is being created
    return change->iItem;
}

int CheckListView::SelectedBy(const NMHDR* header) const {
    if (filling_ || header->hwndFrom != handle_ || header->code != LVN_ITEMCHANGED) return -1;
    auto* change = reinterpret_cast<const NMLISTVIEW*>(header);
    if (!(change->uChanged & LVIF_STATE)) return -1;
    bool nowSelected = (change->uNewState & LVIS_SELECTED) && !(change->uOldState & LVIS_SELECTED);
    return nowSelected ? change->iItem : -1;
}

}  // namespace tavrin
