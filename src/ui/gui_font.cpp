#include "ui/gui_font.h"

#include <map>

#include "ui/dpi_scale.h"

namespace tavrin {

namespace {

HFONT MakeMessageFont(int dpi) {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof(metrics);
    if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
        return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    LOGFONTA font = metrics.lfMessageFont;
    int systemDpi = SystemDpi();
    if (dpi != systemDpi) font.lfHeight = MulDiv(font.lfHeight, dpi, systemDpi);
    return CreateFontIndirectA(&font);
}

}  // namespace

HFONT GuiFontForDpi(int dpi) {
    if (dpi <= 0) dpi = SystemDpi();
    static std::map<int, HFONT> fonts;
    auto found = fonts.find(dpi);
    if (found != fonts.end()) return found->second;
    return fonts[dpi] = MakeMessageFont(dpi);
}

void ChangeGuiFontOfChildren(HWND parent, int oldDpi, int newDpi) {
    if (!parent || oldDpi == newDpi) return;
    HFONT oldFont = GuiFontForDpi(oldDpi), newFont = GuiFontForDpi(newDpi);
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (reinterpret_cast<HFONT>(SendMessageA(child, WM_GETFONT, 0, 0)) == oldFont)
            SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(newFont), TRUE);
}

}  // namespace tavrin
