#include "resources/dialog_units_font.h"

namespace tavrin {

DialogUnitsFont MeasureDialogUnitsFont(HWND window) {
    static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    DialogUnitsFont font;
    HDC dc = GetDC(window);
    if (!dc) return font;
    HGDIOBJ previous = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SIZE size{};
    if (GetTextExtentPoint32A(dc, kLetters, 52, &size)) font.letterWidth = size.cx;
    TEXTMETRICA metrics{};
    if (GetTextMetricsA(dc, &metrics)) font.fontHeight = metrics.tmHeight;
    SelectObject(dc, previous);
    ReleaseDC(window, dc);
    return font;
}

}  // namespace tavrin
