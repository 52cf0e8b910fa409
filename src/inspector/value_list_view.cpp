#include "inspector/value_list_view.h"

#include <commctrl.h>

#include "ui/dpi_scale.h"
#include "ui/form_window.h"

namespace tavrin {

namespace {

constexpr int kNameWidth = 150;
constexpr int kValueWidth = 165;
constexpr int kButtonWidth = 20;

HWND Child(HWND parent, const char* windowClass, DWORD style, int id) {
    HWND window = CreateWindowExA(0, windowClass, "", WS_CHILD | WS_CLIPSIBLINGS | style, 0, 0, 10, 10, parent,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr),
                                  nullptr);
    SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(GuiFont()), FALSE);
    return window;
}

void AddColumn(HWND list, int index, const char* title, int width) {
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = const_cast<char*>(title);
    column.cx = width;
    ListView_InsertColumn(list, index, &column);
}

std::string WindowText(HWND window) {
    int length = GetWindowTextLengthA(window);
    std::string text(length + 1, '\0');
    GetWindowTextA(window, text.data(), length + 1);
    text.resize(length);
    return text;
}

}  // namespace

ValueListView::ValueListView(HWND parent, int firstId) : parent_(parent), firstId_(firstId) {
    list_ = Child(parent, WC_LISTVIEWA,
                  WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS, firstId);
    ListView_SetExtendedListViewStyle(list_, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    AddColumn(list_, 0, "Property", ScaleForWindow(parent_, kNameWidth));
    AddColumn(list_, 1, "Value", ScaleForWindow(parent_, kValueWidth));
    edit_ = Child(parent, "EDIT", ES_AUTOHSCROLL | WS_BORDER, firstId + 1);
    combo_ = Child(parent, "COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL, firstId + 2);
    button_ = Child(parent, "BUTTON", BS_PUSHBUTTON, firstId + 3);
    SetWindowTextA(button_, "...");
    editKeys_.Attach(edit_, [this](UINT message, WPARAM wp, LPARAM lp) -> LRESULT {
        if (message == WM_KEYDOWN && wp == VK_RETURN) {
            CommitEdit();
            return 0;
        }
        if (message == WM_CHAR && (wp == '\r' || wp == '\n')) return 0;
        if (message == WM_GETDLGCODE) return editKeys_.CallNext(message, wp, lp) | DLGC_WANTALLKEYS;
        return editKeys_.CallNext(message, wp, lp);
    });
    listScroll_.Attach(list_, [this](UINT message, WPARAM wp, LPARAM lp) -> LRESULT {
        LRESULT result = listScroll_.CallNext(message, wp, lp);
        if (message == WM_VSCROLL || message == WM_MOUSEWHEEL || message == WM_SIZE) PlaceEditor();
        return result;
    });
}

void ValueListView::SetBounds(int x, int y, int width, int height) {
    MoveWindow(list_, x, y, width, height, TRUE);
    PlaceEditor();
}

void ValueListView::ShowRows(const std::vector<InspectorRow>& rows) {
    filling_ = true;
    HideEditors();
    editedRow_ = -1;
    rows_ = rows;
    SendMessageA(list_, WM_SETREDRAW, FALSE, 0);
    ListView_DeleteAllItems(list_);
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        LVITEMA item{};
        item.mask = LVIF_TEXT;
        item.iItem = i;
        item.pszText = const_cast<char*>(rows[i].name.c_str());
        ListView_InsertItem(list_, &item);
        ListView_SetItemText(list_, i, 1, const_cast<char*>(rows[i].value.c_str()));
    }
    SendMessageA(list_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_, nullptr, TRUE);
    filling_ = false;
}

void ValueListView::SetValue(int row, const std::string& value) {
    if (row < 0 || row >= static_cast<int>(rows_.size())) return;
    rows_[row].value = value;
    ListView_SetItemText(list_, row, 1, const_cast<char*>(value.c_str()));
    if (row == editedRow_) PlaceEditor();
}

int ValueListView::SelectedRow() const { return ListView_GetNextItem(list_, -1, LVNI_SELECTED); }

void ValueListView::SelectRow(int row) {
    ListView_SetItemState(list_, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

HWND ValueListView::ValueEditor() const {
    if (IsWindowVisible(combo_)) return combo_;
    if (IsWindowVisible(edit_)) return edit_;
    return nullptr;
}

void ValueListView::HideEditors() {
    ShowWindow(edit_, SW_HIDE);
    ShowWindow(combo_, SW_HIDE);
    ShowWindow(button_, SW_HIDE);
}

std::string ValueListView::EditorText() const {
    HWND editor = ValueEditor();
    return editor ? WindowText(editor) : std::string();
}

void ValueListView::PlaceEditor() {
    HideEditors();
    int row = editedRow_;
    if (row < 0 || row >= static_cast<int>(rows_.size())) return;
    RECT cell{};
    cell.top = 1;
    cell.left = LVIR_BOUNDS;
    if (!SendMessageA(list_, LVM_GETSUBITEMRECT, row, reinterpret_cast<LPARAM>(&cell))) return;
    RECT client{};
    GetClientRect(list_, &client);
    if (cell.top < 0 || cell.bottom > client.bottom) return;  // scrolled out of sight
    if (cell.right > client.right) cell.right = client.right;  // the button stays inside the visible part
    const int buttonWidth = ScaleForWindow(parent_, kButtonWidth);
    if (cell.right - cell.left < 2 * buttonWidth) return;
    MapWindowPoints(list_, parent_, reinterpret_cast<POINT*>(&cell), 2);
    const InspectorRow& shown = rows_[row];
    int width = cell.right - cell.left;
    int height = cell.bottom - cell.top;
    if (shown.style == EditStyle::PickList) {
        SendMessageA(combo_, CB_RESETCONTENT, 0, 0);
        std::vector<std::string> items = PickList ? PickList(shown.name) : std::vector<std::string>{};
        for (const std::string& entry : items) SendMessageA(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
        SendMessageA(combo_, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(shown.value.c_str()));
        SetWindowPos(combo_, HWND_TOP, cell.left, cell.top - 1, width, height + ScaleForWindow(parent_, 160),
                     SWP_SHOWWINDOW);
        return;
    }
    bool ellipsis = shown.style == EditStyle::Ellipsis;
    SetWindowTextA(edit_, shown.value.c_str());
    SetWindowPos(edit_, HWND_TOP, cell.left, cell.top, width - (ellipsis ? buttonWidth : 0), height, SWP_SHOWWINDOW);
    if (ellipsis)
        SetWindowPos(button_, HWND_TOP, cell.right - buttonWidth, cell.top, buttonWidth, height, SWP_SHOWWINDOW);
}

void ValueListView::CommitEdit() {
    int row = editedRow_;
    if (row < 0 || row >= static_cast<int>(rows_.size()) || !ValueEditor()) return;
    std::string text = EditorText();
    if (text == rows_[row].value) return;
    SetValue(row, text);
    if (OnCommit) OnCommit(row, text);
}

bool ValueListView::HandleNotify(const NMHDR& header) {
    if (header.hwndFrom != list_) return false;
    if (header.code == LVN_ITEMCHANGED && !filling_) {
        const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
        if ((change.uChanged & LVIF_STATE) && (change.uNewState & LVIS_SELECTED) &&
            !(change.uOldState & LVIS_SELECTED)) {
            CommitEdit();
            editedRow_ = change.iItem;
            if (OnSelect) OnSelect(change.iItem);
            PlaceEditor();
        }
    }
    return true;
}

bool ValueListView::HandleCommand(int id, int code) {
    if (id == firstId_ + 1 && code == EN_KILLFOCUS) {
        CommitEdit();
        return true;
    }
    if (id == firstId_ + 2 && code == CBN_SELCHANGE) {
        CommitEdit();
        return true;
    }
    if (id == firstId_ + 3 && code == BN_CLICKED) {
        if (OnEllipsis && editedRow_ >= 0) OnEllipsis(editedRow_);
        return true;
    }
    return id >= firstId_ && id < firstId_ + 4;
}

}  // namespace tavrin
