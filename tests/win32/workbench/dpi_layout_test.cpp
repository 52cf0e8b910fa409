// Dialog-like windows that lay their controls out themselves (here the help
// files list and the compiler switch window) scale every margin and button
// size: moved to 150 % with a client area 1.5 times as large, each control is
// the 100 % one scaled, inside the client area and clear of its siblings.
// The controls' GUI font follows to the new scale and back.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "compiler/switch_window.h"
#include "ui/gui_font.h"
#include "workbench/helps_window.h"
#include "workbench_fixture.h"

namespace tavrin::test {
namespace {

std::vector<HWND> Children(HWND parent) {
    std::vector<HWND> found;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (IsWindowVisible(child)) found.push_back(child);
    return found;
}

RECT ClientRectOf(HWND child) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void SetClientSize(HWND window, int width, int height) {
    RECT client{}, outer{};
    GetClientRect(window, &client);
    GetWindowRect(window, &outer);
    SetWindowPos(window, nullptr, 0, 0, outer.right - outer.left + width - client.right,
                 outer.bottom - outer.top + height - client.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Pump(20);
}

void MoveToDpi(FormWindow& window, int dpi) {
    RECT r{};
    GetWindowRect(window.Handle(), &r);
    SendMessageA(window.Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&r));
    Pump(20);
}

int FontHeight(HWND control) {
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font.lfHeight;
}

bool Overlap(const RECT& a, const RECT& b) {
    RECT both{};
    return IntersectRect(&both, &a, &b) != FALSE;
}

// Lays the window out at 96 and at 144 dots per inch with a proportional
// client area and compares every visible child.
void ExpectScaledLayout(FormWindow& window, int width, int height) {
    window.Create();
    window.Show();
    Pump(20);
    ASSERT_EQ(96, window.Dpi()) << "the test prefix runs at 100 %";
    SetClientSize(window.Handle(), width, height);
    std::vector<HWND> children = Children(window.Handle());
    ASSERT_FALSE(children.empty());
    std::vector<RECT> at96;
    for (HWND child : children) at96.push_back(ClientRectOf(child));
    HWND button = FindWindowExA(window.Handle(), nullptr, "Button", nullptr);
    ASSERT_TRUE(button);
    ASSERT_EQ(reinterpret_cast<HFONT>(SendMessageA(button, WM_GETFONT, 0, 0)), GuiFont());
    const int fontAt96 = FontHeight(button);

    MoveToDpi(window, 144);
    SetClientSize(window.Handle(), width * 3 / 2, height * 3 / 2);
    RECT client{};
    GetClientRect(window.Handle(), &client);
    std::vector<RECT> at144;
    for (HWND child : children) at144.push_back(ClientRectOf(child));
    for (std::size_t i = 0; i < children.size(); ++i) {
        char className[64] = {};
        GetClassNameA(children[i], className, sizeof className);
        SCOPED_TRACE(std::string(className) + " #" + std::to_string(i));
        const RECT& was = at96[i];
        const RECT& is = at144[i];
        // Scaled to within a pixel of rounding (combo boxes keep their own height).
        EXPECT_LE(std::abs(is.left - was.left * 3 / 2), 1);
        EXPECT_LE(std::abs(is.top - was.top * 3 / 2), 1);
        EXPECT_LE(std::abs(is.right - was.right * 3 / 2), 1);
        if (std::string(className) != "ComboBox") EXPECT_LE(std::abs(is.bottom - was.bottom * 3 / 2), 1);
        EXPECT_TRUE(is.left >= 0 && is.top >= 0 && is.right <= client.right && is.bottom <= client.bottom);
        for (std::size_t j = i + 1; j < children.size(); ++j) EXPECT_FALSE(Overlap(is, at144[j])) << "and #" << j;
    }
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(button, WM_GETFONT, 0, 0)), GuiFontForDpi(144));
    EXPECT_EQ(FontHeight(button), MulDiv(fontAt96, 3, 2)) << "the message font at 150 %";
    MoveToDpi(window, 96);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(button, WM_GETFONT, 0, 0)), GuiFont()) << "and back";
    window.Hide();
}

TEST(DpiLayout, DialogsScaleTheirMarginsAndButtonsAt150Percent) {
    EnsureWorkbenchStarted();
    {
        THelps helps;
        ExpectScaledLayout(helps, 360, 260);
    }
    {
        std::string switches = "-g";
        TSwitch switchWindow(switches);
        ExpectScaledLayout(switchWindow, 420, 200);
    }
}

}  // namespace
}  // namespace tavrin::test
