// A window moved to a display of another scale (WM_DPICHANGED, as the system
// sends it with the new resolution and a suggested rectangle): the main
// window takes its scaled fixed height, larger glyphs and palette cells, and
// the code window scales its status bar; moving back restores every size.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "common/dpi_units.h"
#include "packhost/palette_layout.h"
#include "packhost/palette_window.h"
#include "workbench/code_window.h"
#include "workbench/main_window.h"
#include "workbench/workbench.h"
#include "workbench_fixture.h"

namespace tavrin::test {
namespace {

void MoveToDpi(FormWindow& window, int dpi) {
    RECT r{};
    GetWindowRect(window.Handle(), &r);
    // The system's suggestion keeps the top-left corner and scales the size.
    int oldDpi = window.Dpi();
    RECT suggested{r.left, r.top, r.left + MulDiv(r.right - r.left, dpi, oldDpi),
                   r.top + MulDiv(r.bottom - r.top, dpi, oldDpi)};
    SendMessageA(window.Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    Pump(50);
}

int Height(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r.bottom - r.top;
}

int GlyphSize(HWND toolbar) {
    int cx = 0, cy = 0;
    ImageList_GetIconSize(reinterpret_cast<HIMAGELIST>(SendMessageA(toolbar, TB_GETIMAGELIST, 0, 0)), &cx, &cy);
    return cy;
}

// Every button of both toolbars lies inside its toolbar and the main window's client area.
void ExpectButtonsInside(TMain& main) {
    RECT client{};
    GetClientRect(main.Handle(), &client);
    for (HWND bar : {main.ToolBarFiles(), main.ToolBarActions()}) {
        RECT barRect{};
        GetClientRect(bar, &barRect);
        for (int i = 0, n = static_cast<int>(SendMessageA(bar, TB_BUTTONCOUNT, 0, 0)); i < n; ++i) {
            RECT item{};
            SendMessageA(bar, TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&item));
            EXPECT_TRUE(item.right <= barRect.right && item.bottom <= barRect.bottom) << "button " << i;
            MapWindowPoints(bar, main.Handle(), reinterpret_cast<POINT*>(&item), 2);
            EXPECT_TRUE(item.left >= 0 && item.top >= 0 && item.right <= client.right && item.bottom <= client.bottom)
                << "button " << i << " at " << item.left << "," << item.top << "-" << item.right << "," << item.bottom;
        }
    }
}

TEST(DpiChange, TheMainWindowAndCodeWindowFollowTheNewScaleAndComeBack) {
    EnsureWorkbenchStarted();
    TMain& main = *App().Main;
    TCode& code = *App().Code;
    const int startDpi = main.Dpi();
    ASSERT_EQ(96, startDpi) << "the test prefix runs at 100 %";
    // A page of our own when no pack filled the palette; removed at the end.
    bool ownPage = main.Palette().Pages().empty();
    if (ownPage) main.Palette().AddButton("DpiTest", "QDpiTest", "");
    TPalettePage& page = *main.Palette().Pages().front();
    HWND status = GetDlgItem(code.Handle(), 13);

    for (int dpi : {144, 192, 96}) {
        MoveToDpi(main, dpi);
        MoveToDpi(code, dpi);
        SCOPED_TRACE(dpi);
        EXPECT_EQ(dpi, main.Dpi());
        EXPECT_EQ(Height(main.Handle()), ScaleToDpi(TMain::kHeight, dpi)) << "the strip's fixed height";
        for (HWND bar : {main.ToolBarFiles(), main.ToolBarActions()})
            EXPECT_EQ(GlyphSize(bar), dpi == 96 ? 16 : dpi == 144 ? 24 : 32);
        ExpectButtonsInside(main);
        EXPECT_EQ(page.Arrow().Position(), ArrowButtonPosition(dpi));
        RECT cell{};
        GetWindowRect(main.PaletteStrip().ButtonWindow(page.Arrow()), &cell);
        EXPECT_EQ(cell.right - cell.left, PaletteCellSize(dpi));
        int edges[3] = {};
        ASSERT_EQ(SendMessageA(status, SB_GETPARTS, 3, reinterpret_cast<LPARAM>(edges)), 3);
        EXPECT_EQ(edges[0], ScaleToDpi(150, dpi));
        EXPECT_EQ(edges[1], ScaleToDpi(400, dpi));
    }
    EXPECT_EQ(Height(main.Handle()), TMain::kHeight) << "back at 100 % nothing is left changed";
    if (ownPage) main.Palette().RemovePage(page);
}

// Every cell of a page starts inside the page's client area (a row wraps
// once the next cell would start at the edge), counted in the page's client
// coordinates; with the last row shown, that row is wholly in view.
void ExpectCellsInside(PaletteWindow& strip, const TPalettePage& page, bool lastRowShown) {
    HWND window = strip.PageWindow(page);
    RECT client{};
    GetClientRect(window, &client);
    for (const auto& button : page.Buttons()) {
        RECT cell{};
        GetWindowRect(strip.ButtonWindow(*button), &cell);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&cell), 2);
        EXPECT_LT(cell.left, client.right) << button->Hint() << " starts past the right edge";
    }
    RECT last{};
    GetWindowRect(strip.ButtonWindow(*page.Buttons().back()), &last);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&last), 2);
    if (lastRowShown) EXPECT_TRUE(last.top >= 0 && last.bottom <= client.bottom) << last.top << "-" << last.bottom;
}

TEST(DpiChange, APaletteRowThatDoesNotFitTheStripCanBeScrolledIntoView) {
    EnsureWorkbenchStarted();
    TMain& main = *App().Main;
    PaletteWindow& strip = main.PaletteStrip();
    TPaletteControl& palette = main.Palette();
    for (int i = 0; i < 60; ++i) palette.AddButton("DpiWrap", "QDpiWrap" + std::to_string(i), "");
    TPalettePage& page = *palette.FindPage("DpiWrap");
    palette.SetActivePalette(&page);
    HWND window = strip.PageWindow(page);
    auto scrolls = [&] { return (GetWindowLongA(window, GWL_STYLE) & WS_VSCROLL) != 0; };

    for (int dpi : {192, 144, 96}) {
        SCOPED_TRACE(dpi);
        MoveToDpi(main, dpi);
        RECT client{};
        GetClientRect(window, &client);
        const int rows = PaletteContentHeight(page.Buttons().size(), page.ClientWidth(), dpi);
        EXPECT_EQ(scrolls(), rows > client.bottom) << "a bar only when the rows do not fit";
        EXPECT_EQ(page.ClientWidth(), client.right) << "the rows are laid out for the width left beside the bar";
        ExpectCellsInside(strip, page, !scrolls());
        if (scrolls()) {
            SendMessageA(window, WM_VSCROLL, SB_BOTTOM, 0);
            EXPECT_GT(strip.ScrollOffset(page), 0);
            ExpectCellsInside(strip, page, true);
            SendMessageA(window, WM_VSCROLL, SB_TOP, 0);
            EXPECT_EQ(strip.ScrollOffset(page), 0);
        }
    }
    // Removing buttons until one row is left takes the bar away again.
    for (int i = 59; i >= 3; --i) palette.RemoveButton("QDpiWrap" + std::to_string(i));
    Pump(50);
    EXPECT_FALSE(scrolls());
    EXPECT_EQ(strip.ScrollOffset(page), 0);
    palette.RemovePage(page);
}

}  // namespace
}  // namespace tavrin::test
