#include "projects/units_window.h"

#include <string>

#include "common/commands.h"
#include "projects/units_rows.h"

namespace tavrin {

namespace {

constexpr int kButtonWidth = 80, kButtonHeight = 26, kMargin = 6;

void AddColumn(HWND list, int index, const char* caption, int width) {
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = const_cast<char*>(caption);
    column.cx = width;
    SendMessageA(list, LVM_INSERTCOLUMNA, index, reinterpret_cast<LPARAM>(&column));
}

}  // namespace

TUnits::TUnits() : ToolWindow("TUnits", "Units", "Units", {320, 300}) {}

void TUnits::OnCreate() {
    list_ = AddControl(WC_LISTVIEWA, "", WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS, 0, 0, 0, 0, idList,
                       WS_EX_CLIENTEDGE);
    SendMessageA(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    AddColumn(list_, 0, "Unit", 150);
    AddColumn(list_, 1, "Attached", 130);
    AddButton("OK", 0, 0, kButtonWidth, kButtonHeight, idOk, true);
    AddButton("Cancel", 0, 0, kButtonWidth, kButtonHeight, idCancel);
}

void TUnits::OnShow() { RunCommand([this] { RefreshUnits(); }); }

void TUnits::OnSize(int width, int height) {
    const int margin = Scale(kMargin), buttonWidth = Scale(kButtonWidth), buttonHeight = Scale(kButtonHeight);
    int buttonTop = height - buttonHeight - margin;
    MoveWindow(list_, 0, 0, width, std::max(0, buttonTop - margin), TRUE);
    MoveWindow(Button(idCancel), width - margin - buttonWidth, buttonTop, buttonWidth, buttonHeight, TRUE);
    MoveWindow(Button(idOk), width - 2 * (margin + buttonWidth), buttonTop, buttonWidth, buttonHeight, TRUE);
}

void TUnits::RefreshUnits() {
    SendMessageA(list_, LVM_DELETEALLITEMS, 0, 0);
    if (!host_) return;
    int index = 0;
    for (UnitRow& row : UnitRows(*host_)) {
        LVITEMA item{};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = index++;
        item.pszText = row.unit.data();
        item.lParam = reinterpret_cast<LPARAM>(row.page);
        int at = static_cast<int>(SendMessageA(list_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
        LVITEMA attached{};
        attached.iSubItem = 1;
        attached.pszText = row.attached.data();
        SendMessageA(list_, LVM_SETITEMTEXTA, at, reinterpret_cast<LPARAM>(&attached));
    }
}

void TUnits::RemovePage(PageRef page) {
    if (!list_) return;
    LVFINDINFOA find{};
    find.flags = LVFI_PARAM;
    find.lParam = reinterpret_cast<LPARAM>(page);
    int row = static_cast<int>(SendMessageA(list_, LVM_FINDITEMA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find)));
    if (row >= 0) SendMessageA(list_, LVM_DELETEITEM, row, 0);
}

void TUnits::ShowChosenPage() {
    int row = static_cast<int>(SendMessageA(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    if (row >= 0 && host_) {
        LVITEMA item{};
        item.mask = LVIF_PARAM;
        item.iItem = row;
        SendMessageA(list_, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        host_->ActivatePage(reinterpret_cast<PageRef>(item.lParam));
    }
    Hide();
}

void TUnits::OnCommand(int id, int, HWND) {
    if (id == idOk || id == IDOK) RunCommand([this] { ShowChosenPage(); });
    else if (id == idCancel || id == IDCANCEL) Hide();
}

LRESULT TUnits::HandleMessage(UINT message, WPARAM wp, LPARAM lp) {
    if (message == WM_NOTIFY) {
        auto* header = reinterpret_cast<NMHDR*>(lp);
        if (header->hwndFrom == list_ && header->code == NM_DBLCLK) {
            RunCommand([this] { ShowChosenPage(); });
            return 0;
        }
    }
    return ToolWindow::HandleMessage(message, wp, lp);
}

}  // namespace tavrin
