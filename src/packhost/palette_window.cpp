#include "packhost/palette_window.h"

#include <commctrl.h>

#include <algorithm>

#include "common/commands.h"
#include "ui/form_window.h"
#include "ui/gui_font.h"
#include "ui/window_class.h"
#include "ui/component_names.h"

namespace tavrin {

namespace {

constexpr const char* kStripClass = "TPaletteControl";
constexpr const char* kPageClass = "TPalettePage";
constexpr UINT kRefitMessage = WM_APP + 0x50;  // a page fits its rows again after a removal

}  // namespace

PaletteWindow::PaletteWindow(HWND parent, int x, int y, int width, int height) {
    const auto face = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    RegisterWindowClassOnce(kStripClass, StripProc, 0, face);
    RegisterWindowClassOnce(kPageClass, PageProc, 0, face);
    HINSTANCE instance = GetModuleHandleA(nullptr);
    handle_ = CreateWindowExA(0, kStripClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, x, y, width, height,
                              parent, nullptr, instance, nullptr);
    if (!handle_) throw CommandError("Cannot create the component palette.");
    SetWindowLongPtrA(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    tabs_ = CreateWindowExA(0, WC_TABCONTROLA, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, width, height,
                            handle_, nullptr, instance, nullptr);
    SendMessageA(tabs_, WM_SETFONT, reinterpret_cast<WPARAM>(GuiFont()), FALSE);
    MarkItemsAsData(tabs_);  // the packs' palette pages
    tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, handle_, nullptr,
                               instance, nullptr);
    arrowGlyph_ = LoadArrowGlyph(palette_.Dpi());
    palette_.SetView(this);
    Layout();
}

PaletteWindow::~PaletteWindow() {
    palette_.SetView(nullptr);
    if (handle_ && IsWindow(handle_)) {
        SetWindowLongPtrA(handle_, GWLP_USERDATA, 0);
        DestroyWindow(handle_);
    }
}

int PaletteWindow::ButtonSize() const { return PaletteCellSize(palette_.Dpi()); }

void PaletteWindow::SetDpi(int dpi) {
    if (dpi <= 0 || dpi == palette_.Dpi()) return;
    // The tab control's own size is the strip's; the buttons move with the
    // layout (each change shows through ButtonChanged).
    ChangeGuiFontOfChildren(handle_, palette_.Dpi(), dpi);  // the page tabs
    palette_.SetDpi(dpi);
    arrowGlyph_ = LoadArrowGlyph(dpi);
    for (auto& [button, state] : buttons_) ButtonChanged(*const_cast<TPaletteButton*>(button));
    for (TPalettePage* page : pageOrder_) FitPage(*page);
}

HWND PaletteWindow::PageWindow(const TPalettePage& page) const {
    auto found = pages_.find(&page);
    return found == pages_.end() ? nullptr : found->second;
}

HWND PaletteWindow::ButtonWindow(const TPaletteButton& button) const {
    auto found = buttons_.find(&button);
    return found == buttons_.end() ? nullptr : found->second.window;
}

int PaletteWindow::PageIndex(const TPalettePage* page) const {
    auto found = std::find(pageOrder_.begin(), pageOrder_.end(), page);
    return found == pageOrder_.end() ? -1 : static_cast<int>(found - pageOrder_.begin());
}

TPaletteButton* PaletteWindow::ButtonOf(HWND window) const {
    for (const auto& [button, state] : buttons_)
        if (state.window == window) return const_cast<TPaletteButton*>(button);
    return nullptr;
}

int PaletteWindow::ScrollOffset(const TPalettePage& page) const {
    auto found = scrollOffsets_.find(&page);
    return found == scrollOffsets_.end() ? 0 : found->second;
}

TPalettePage* PaletteWindow::PageOf(HWND window) const {
    for (const auto& [page, pageWindow] : pages_)
        if (pageWindow == window) return const_cast<TPalettePage*>(page);
    return nullptr;
}

void PaletteWindow::PlaceButton(const TPaletteButton& button, HWND window) {
    PalettePoint at = button.Position();
    SetWindowPos(window, nullptr, at.x, at.y - ScrollOffset(button.Page()), ButtonSize(), ButtonSize(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void PaletteWindow::FitPage(TPalettePage& page) {
    HWND window = PageWindow(page);
    if (!window || fitting_) return;
    fitting_ = true;
    RECT bounds{};
    GetWindowRect(window, &bounds);
    const int width = bounds.right - bounds.left, height = bounds.bottom - bounds.top;
    const int dpi = palette_.Dpi();
    int rowsWidth = width;
    int content = PaletteContentHeight(page.Buttons().size(), rowsWidth, dpi);
    if (content > height && height > 0) {
        rowsWidth = std::max(0, width - GetSystemMetrics(SM_CXVSCROLL));
        content = PaletteContentHeight(page.Buttons().size(), rowsWidth, dpi);
    }
    if (page.ClientWidth() != rowsWidth) page.SetClientWidth(rowsWidth);
    // Without scrolling the bar's page is larger than its range, which hides it.
    SCROLLINFO bar{sizeof bar, SIF_RANGE | SIF_PAGE};
    bool scrolls = content > height && height > 0;
    bar.nMax = scrolls ? content + PaletteMarginSize(dpi) - 1 : 0;
    bar.nPage = scrolls ? static_cast<UINT>(height) : 1;
    SetScrollInfo(window, SB_VERT, &bar, TRUE);
    ShowScrollBar(window, SB_VERT, scrolls ? TRUE : FALSE);
    fitting_ = false;
    ScrollPage(page, scrolls ? ScrollOffset(page) : 0);
}

void PaletteWindow::ScrollPage(TPalettePage& page, int offset) {
    HWND window = PageWindow(page);
    if (!window) return;
    SCROLLINFO bar{sizeof bar, SIF_RANGE | SIF_PAGE};
    GetScrollInfo(window, SB_VERT, &bar);
    int last = std::max(0, bar.nMax + 1 - static_cast<int>(bar.nPage));
    offset = std::clamp(offset, 0, last);
    scrollOffsets_[&page] = offset;
    SCROLLINFO position{sizeof position, SIF_POS};
    position.nPos = offset;
    SetScrollInfo(window, SB_VERT, &position, TRUE);
    PlaceButton(page.Arrow(), ButtonWindow(page.Arrow()));
    for (const auto& button : page.Buttons())
        if (HWND buttonWindow = ButtonWindow(*button)) PlaceButton(*button, buttonWindow);
}

RECT PaletteWindow::PageArea() const {
    RECT area{};
    GetClientRect(tabs_, &area);
    SendMessageA(tabs_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    return area;
}

void PaletteWindow::Layout() {
    RECT client{};
    GetClientRect(handle_, &client);
    MoveWindow(tabs_, 0, 0, client.right, client.bottom, TRUE);
    RECT area = PageArea();
    for (const auto& [page, window] : pages_)
        MoveWindow(window, area.left, area.top, std::max(0L, area.right - area.left),
                   std::max(0L, area.bottom - area.top), TRUE);
    palette_.SetPageClientWidth(std::max(0L, area.right - area.left));
    for (TPalettePage* page : pageOrder_) FitPage(*page);
}

void PaletteWindow::PageAdded(TPalettePage& page) {
    std::size_t index = 0;
    while (index < palette_.Pages().size() && palette_.Pages()[index].get() != &page) ++index;
    pageOrder_.insert(pageOrder_.begin() + static_cast<std::ptrdiff_t>(std::min(index, pageOrder_.size())), &page);
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(page.Caption().c_str());
    SendMessageA(tabs_, TCM_INSERTITEMA, static_cast<WPARAM>(PageIndex(&page)), reinterpret_cast<LPARAM>(&item));
    RECT area = PageArea();
    HWND window = CreateWindowExA(0, kPageClass, page.Caption().c_str(), WS_CHILD | WS_CLIPSIBLINGS, area.left,
                                  area.top, std::max(0L, area.right - area.left),
                                  std::max(0L, area.bottom - area.top), handle_, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    pages_[&page] = window;
    page.SetClientWidth(std::max(0L, area.right - area.left));
    CreateButtonWindow(page.Arrow());
}

void PaletteWindow::PageRemoving(TPalettePage& page) {
    ButtonRemoving(page.Arrow());
    for (const auto& button : page.Buttons()) ButtonRemoving(*button);
    int index = PageIndex(&page);
    if (index >= 0) {
        SendMessageA(tabs_, TCM_DELETEITEM, static_cast<WPARAM>(index), 0);
        pageOrder_.erase(pageOrder_.begin() + index);
    }
    auto found = pages_.find(&page);
    if (found != pages_.end()) {
        DestroyWindow(found->second);
        pages_.erase(found);
    }
}

void PaletteWindow::CreateButtonWindow(TPaletteButton& button) {
    HWND page = PageWindow(button.Page());
    if (!page) return;
    PalettePoint at = button.Position();
    HWND window = CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, at.x,
                                  at.y - ScrollOffset(button.Page()), ButtonSize(), ButtonSize(), page, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    ButtonWindowState& state = buttons_[&button];
    state.window = window;
    UpdateGlyph(state, button);
    TTTOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = page;
    tool.uId = reinterpret_cast<UINT_PTR>(window);
    tool.lpszText = const_cast<char*>(button.Hint().c_str());
    SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void PaletteWindow::ButtonAdded(TPaletteButton& button) {
    CreateButtonWindow(button);
    FitPage(button.Page());
}

void PaletteWindow::ButtonRemoving(TPaletteButton& button) {
    auto found = buttons_.find(&button);
    if (found == buttons_.end()) return;
    TTTOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = GetParent(found->second.window);
    tool.uId = reinterpret_cast<UINT_PTR>(found->second.window);
    SendMessageA(tooltip_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    HWND page = GetParent(found->second.window);
    DestroyWindow(found->second.window);
    buttons_.erase(found);
    // The page lays itself out again only after this returns: whether it still
    // needs to scroll is settled once that is done.
    PostMessageA(page, kRefitMessage, 0, 0);
}

void PaletteWindow::UpdateGlyph(ButtonWindowState& state, const TPaletteButton& button) {
    int size = PaletteGlyphSize(palette_.Dpi());
    if (state.glyph && state.glyphFile == button.Glyph() && state.glyphSize == size) return;
    state.glyphFile = button.Glyph();
    state.glyphSize = size;
    state.glyph = LoadGlyphFile(state.glyphFile, size);
}

void PaletteWindow::ButtonChanged(TPaletteButton& button) {
    auto found = buttons_.find(&button);
    if (found == buttons_.end()) return;
    UpdateGlyph(found->second, button);
    PlaceButton(button, found->second.window);
    InvalidateRect(found->second.window, nullptr, TRUE);
}

void PaletteWindow::ActivePageChanged(TPalettePage* page) {
    int index = PageIndex(page);
    if (index >= 0 && SendMessageA(tabs_, TCM_GETCURSEL, 0, 0) != index)
        SendMessageA(tabs_, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
    for (const auto& [candidate, window] : pages_) ShowWindow(window, candidate == page ? SW_SHOW : SW_HIDE);
}

void PaletteWindow::DrawButton(const DRAWITEMSTRUCT& item) {
    TPaletteButton* button = ButtonOf(item.hwndItem);
    if (!button) return;
    HDC dc = item.hDC;
    RECT area = item.rcItem;
    bool down = button->Pressed() || (item.itemState & ODS_SELECTED);
    if (down) {
        // The pressed button of a group: a lighter face, sunk in.
        HBRUSH light = CreateSolidBrush(RGB(236, 236, 244));
        FillRect(dc, &area, light);
        DeleteObject(light);
        DrawEdge(dc, &area, BDR_SUNKENOUTER, BF_RECT);
        OffsetRect(&area, 1, 1);
    } else {
        FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
        if (!button->Flat()) DrawEdge(dc, &area, EDGE_RAISED, BF_RECT);
    }
    const ButtonWindowState& state = buttons_[button];
    HBITMAP glyph = button->IsArrow() ? arrowGlyph_.Get() : state.glyph.Get();
    if (glyph) DrawGlyph(dc, glyph, area);
    else DrawFallbackGlyph(dc, button->Hint(), button->IsArrow(), area, palette_.Dpi());
}

LRESULT CALLBACK PaletteWindow::StripProc(HWND window, UINT message, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<PaletteWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self) return DefWindowProcA(window, message, wp, lp);
    LRESULT result = 0;
    if (!RunCommand([&] { result = self->StripMessage(message, wp, lp); })) return 0;
    return result;
}

LRESULT CALLBACK PaletteWindow::PageProc(HWND window, UINT message, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<PaletteWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self) return DefWindowProcA(window, message, wp, lp);
    LRESULT result = 0;
    if (!RunCommand([&] { result = self->PageMessage(window, message, wp, lp); })) return 0;
    return result;
}

LRESULT PaletteWindow::StripMessage(UINT message, WPARAM wp, LPARAM lp) {
    switch (message) {
    case WM_SIZE:
        Layout();
        return 0;
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lp);
        if (header->hwndFrom == tabs_ && header->code == TCN_SELCHANGE) {
            auto index = static_cast<std::size_t>(SendMessageA(tabs_, TCM_GETCURSEL, 0, 0));
            if (index < pageOrder_.size()) palette_.SetActivePalette(pageOrder_[index]);
        }
        return 0;
    }
    }
    return DefWindowProcA(handle_, message, wp, lp);
}

LRESULT PaletteWindow::PageMessage(HWND page, UINT message, WPARAM wp, LPARAM lp) {
    switch (message) {
    case WM_DRAWITEM:
        DrawButton(*reinterpret_cast<DRAWITEMSTRUCT*>(lp));
        return TRUE;
    case WM_COMMAND:
        if (HIWORD(wp) == BN_CLICKED || HIWORD(wp) == BN_DOUBLECLICKED)
            if (TPaletteButton* button = ButtonOf(reinterpret_cast<HWND>(lp))) button->Click();
        return 0;
    case WM_VSCROLL:
        if (TPalettePage* shown = PageOf(page)) {
            SCROLLINFO bar{sizeof bar, SIF_ALL};
            GetScrollInfo(page, SB_VERT, &bar);
            int offset = ScrollOffset(*shown);
            switch (LOWORD(wp)) {
            case SB_LINEUP: offset -= ButtonSize(); break;
            case SB_LINEDOWN: offset += ButtonSize(); break;
            case SB_PAGEUP: offset -= static_cast<int>(bar.nPage); break;
            case SB_PAGEDOWN: offset += static_cast<int>(bar.nPage); break;
            case SB_THUMBTRACK:
            case SB_THUMBPOSITION: offset = bar.nTrackPos; break;
            case SB_TOP: offset = 0; break;
            case SB_BOTTOM: offset = bar.nMax; break;
            }
            ScrollPage(*shown, offset);
        }
        return 0;
    case kRefitMessage:
        if (TPalettePage* shown = PageOf(page)) FitPage(*shown);
        return 0;
    case WM_MOUSEWHEEL:
        if (TPalettePage* shown = PageOf(page)) {
            int notches = GET_WHEEL_DELTA_WPARAM(wp) / WHEEL_DELTA;
            ScrollPage(*shown, ScrollOffset(*shown) - notches * ButtonSize());
        }
        return 0;
    }
    return DefWindowProcA(page, message, wp, lp);
}

}  // namespace tavrin
