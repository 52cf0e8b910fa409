#include "editor/completion_box.h"

#include <commctrl.h>

#include <algorithm>

#include "common/text.h"
#include "editor/popup_placement.h"
#include "ui/dpi_scale.h"

namespace tavrin {

namespace {

constexpr const char* kBoxClass = "TCompletionProposal";
constexpr int kWidth = 420, kHeight = 220;
constexpr int kColumnWidths[3] = {170, 100, 130};

bool StartsWithNoCase(const std::string& text, const std::string& prefix) {
    return text.size() >= prefix.size() && EqualsNoCase(std::string_view(text).substr(0, prefix.size()), prefix);
}

}  // namespace

CompletionBox::~CompletionBox() {
    DestroyBound();  // the list uses the font until then
    if (font_) DeleteObject(font_);
}

LRESULT CompletionBox::HandleMessage(UINT message, WPARAM wp, LPARAM lp) {
    switch (message) {
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;  // the editor keeps the focus
    case WM_CLOSE:
        Hide();
        return 0;
    case WM_NOTIFY:
        if (reinterpret_cast<NMHDR*>(lp)->code == NM_DBLCLK) {
            if (OnChoose) OnChoose();
            return 0;
        }
        break;
    }
    return DefaultProc(message, wp, lp);
}

void CompletionBox::Create(HWND owner) {
    WNDCLASSEXA description{};
    description.lpszClassName = kBoxClass;
    description.hCursor = LoadCursor(nullptr, IDC_ARROW);
    description.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    RegisterBoundClass(description);
    if (!CreateBound(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TOPMOST, kBoxClass, kTitle,
                     WS_POPUP | WS_CAPTION | WS_BORDER, 0, 0, ScaleForWindow(owner, kWidth), ScaleForWindow(owner, kHeight), owner))
        return;
    RECT client{};
    GetClientRect(Handle(), &client);
    list_ = CreateWindowExA(0, WC_LISTVIEWA, "",
                            WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS |
                                LVS_NOCOLUMNHEADER,
                            0, 0, client.right, client.bottom, Handle(), nullptr, GetModuleHandleA(nullptr),
                            nullptr);
    HDC dc = GetDC(nullptr);
    int height = -MulDiv(9, GetDeviceCaps(dc, LOGPIXELSY), 72);
    ReleaseDC(nullptr, dc);
    font_ = CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, "Lucida Console");
    SendMessageA(list_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    SendMessageA(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    for (int i = 0; i < 3; ++i) {
        LVCOLUMNA column{};
        column.mask = LVCF_WIDTH;
        column.cx = ScaleForWindow(Handle(), kColumnWidths[i]);
        SendMessageA(list_, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
    }
}

void CompletionBox::Show(HWND owner, POINT screen, const std::vector<std::string>& rows,
                         const std::vector<std::string>& insert, int lineHeight) {
    if (!Handle()) Create(owner);
    rows_ = rows;
    insert_ = insert;
    insert_.resize(rows_.size());
    Filter("");
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromPoint(screen, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    ScreenBox box = PlaceBelowLine(screen.x, screen.y - lineHeight, screen.y, ScaleForWindow(Handle(), kWidth),
                                   ScaleForWindow(Handle(), kHeight),
                                   {static_cast<int>(work.left), static_cast<int>(work.top),
                                    static_cast<int>(work.right), static_cast<int>(work.bottom)});
    SetWindowPos(Handle(), HWND_TOPMOST, box.left, box.top, box.right - box.left, box.bottom - box.top,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    RECT client{};
    GetClientRect(Handle(), &client);
    MoveWindow(list_, 0, 0, client.right, client.bottom, TRUE);  // the list fills a shrunk box too
}

void CompletionBox::Hide() {
    if (Handle()) ShowWindow(Handle(), SW_HIDE);
}

bool CompletionBox::Visible() const { return Handle() && IsWindowVisible(Handle()); }

void CompletionBox::Filter(const std::string& typed) {
    shown_.clear();
    for (size_t i = 0; i < rows_.size(); ++i)
        if (StartsWithNoCase(insert_[i], typed)) shown_.push_back(i);
    selected_ = 0;
    Fill();
}

void CompletionBox::Fill() {
    if (!list_) return;
    SendMessageA(list_, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list_, LVM_DELETEALLITEMS, 0, 0);
    for (size_t row = 0; row < shown_.size(); ++row) {
        std::vector<std::string> columns = Split(rows_[shown_[row]], '\t');
        for (int column = 0; column < 3 && column < static_cast<int>(columns.size()); ++column) {
            std::string text = columns[static_cast<size_t>(column)];
            LVITEMA item{};
            item.mask = LVIF_TEXT;
            item.iItem = static_cast<int>(row);
            item.iSubItem = column;
            item.pszText = text.data();
            SendMessageA(list_, column == 0 ? LVM_INSERTITEMA : LVM_SETITEMTEXTA, row,
                         reinterpret_cast<LPARAM>(&item));
        }
    }
    MoveSelection(0);
    SendMessageA(list_, WM_SETREDRAW, TRUE, 0);
}

void CompletionBox::MoveSelection(int delta) {
    if (shown_.empty()) return;
    LRESULT row = SendMessageA(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED);
    if (row >= 0 && row < static_cast<LRESULT>(shown_.size())) selected_ = static_cast<int>(row);
    selected_ = std::clamp(selected_ + delta, 0, static_cast<int>(shown_.size()) - 1);
    LVITEMA item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list_, LVM_SETITEMSTATE, selected_, reinterpret_cast<LPARAM>(&item));
    SendMessageA(list_, LVM_ENSUREVISIBLE, selected_, FALSE);
}

std::string CompletionBox::SelectedInsert() const {
    // The list's own selection (a click may have moved it).
    LRESULT row = list_ ? SendMessageA(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED) : -1;
    if (row < 0 || row >= static_cast<LRESULT>(shown_.size())) row = selected_;
    if (shown_.empty()) return {};
    return insert_[shown_[static_cast<size_t>(row)]];
}

bool CompletionBox::Owns(HWND window) const {
    return Handle() && window && (window == Handle() || IsChild(Handle(), window));
}

std::string CompletionBox::WindowTitle() const {
    char title[64] = {};
    if (Handle()) GetWindowTextA(Handle(), title, sizeof(title));
    return title;
}

int CompletionBox::ColumnCount() const {
    HWND header = reinterpret_cast<HWND>(SendMessageA(list_, LVM_GETHEADER, 0, 0));
    return header ? static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

}  // namespace tavrin
