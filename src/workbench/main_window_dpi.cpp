// The main window moved to a display of another resolution: toolbars,
// glyphs, palette and the strip's fixed height follow the new scale.
#include "workbench/main_window.h"

#include "workbench/toolbar_glyphs.h"

namespace tavrin {

namespace {

constexpr int kSeparatorWidth = 6;

}  // namespace

// The toolbars and the palette strip are child windows: the base window has
// already moved and sized them for the new resolution.
void TMain::OnDpiChanged(int, int newDpi) {
    int glyph = ToolbarGlyphSize(newDpi);
    for (HWND bar : {toolBarFiles_, toolBarActions_}) {
        if (!bar) continue;
        SendMessageA(bar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(ToolbarImages(glyph)));
        SendMessageA(bar, TB_SETBITMAPSIZE, 0, MAKELONG(glyph, glyph));
        for (int i = 0, n = static_cast<int>(SendMessageA(bar, TB_BUTTONCOUNT, 0, 0)); i < n; ++i) {
            TBBUTTON button{};
            SendMessageA(bar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
            if (!(button.fsStyle & BTNS_SEP)) continue;
            TBBUTTONINFOA info{};
            info.cbSize = sizeof info;
            info.dwMask = TBIF_SIZE | TBIF_BYINDEX;
            info.cx = static_cast<WORD>(Scale(kSeparatorWidth));
            SendMessageA(bar, TB_SETBUTTONINFOA, i, reinterpret_cast<LPARAM>(&info));
        }
        SendMessageA(bar, TB_AUTOSIZE, 0, 0);
    }
    if (paletteWindow_) paletteWindow_->SetDpi(newDpi);
    RECT r{};
    GetWindowRect(Handle(), &r);
    SetWindowPos(Handle(), nullptr, 0, 0, r.right - r.left, Scale(kHeight), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace tavrin
