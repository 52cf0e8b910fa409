// The workbench at 100 %, 150 % and 200 % display scale (96, 144 and 192
// dots per inch, set as the LogPixels value Wine reads at process start):
// the main window's fixed height, the toolbar buttons inside it, the palette
// cells, the status bar panels and the designer's grab handles follow the
// scale, and the user's pixel numbers on the design form do not.
//
// With E2E_SHOT_DIR naming a folder, the screen with a dialog under design
// is saved there as high_dpi_<dpi>.bmp.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "workbench/main_window.h"
#include "workbench_process.h"

namespace {

std::string tavrinExe;
std::string appFolder;

// What each scale must show; written out rather than computed, so that the
// program's own rounding is checked too.
struct Scale {
    int dpi;
    int mainHeight;
    int cell;      // palette cell
    int margin;    // palette margin
    int handle;    // grab handle
    int glyph;     // toolbar glyph
    int panel0, panel1;  // right edges of the first two status bar panels
};

const Scale kScales[] = {
    {96, 119, 28, 4, 5, 16, 150, 400},
    {144, 179, 42, 6, 8, 24, 225, 600},
    {192, 238, 56, 8, 10, 32, 300, 800},
};

// The LogPixels value of the current user, set for the test and put back
// as it was (removed when there was none) afterwards.
class LogPixelsSetting {
public:
    explicit LogPixelsSetting(int dpi) {
        RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE,
                        nullptr, &key_, nullptr);
        DWORD size = sizeof old_, type = 0;
        hadValue_ = key_ && RegQueryValueExA(key_, "LogPixels", nullptr, &type,
                                             reinterpret_cast<BYTE*>(&old_), &size) == ERROR_SUCCESS &&
                    type == REG_DWORD;
        Set(static_cast<DWORD>(dpi));
    }
    ~LogPixelsSetting() {
        if (!key_) return;
        if (hadValue_) Set(old_);
        else RegDeleteValueA(key_, "LogPixels");
        RegCloseKey(key_);
    }
    LogPixelsSetting(const LogPixelsSetting&) = delete;
    LogPixelsSetting& operator=(const LogPixelsSetting&) = delete;
    bool Ok() const { return key_ != nullptr; }

private:
    void Set(DWORD value) {
        if (key_) RegSetValueExA(key_, "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    }
    HKEY key_ = nullptr;
    bool hadValue_ = false;
    DWORD old_ = 0;
};

// Sends a message whose lParam points at a T to a window of another process:
// the T lives in that process's memory while the message runs.
template <typename T>
LRESULT SendWithRemote(HWND window, UINT message, WPARAM wp, T& value) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (!process) return 0;
    void* remote = VirtualAllocEx(process, nullptr, sizeof(T), MEM_COMMIT, PAGE_READWRITE);
    LRESULT result = 0;
    if (remote && WriteProcessMemory(process, remote, &value, sizeof(T), nullptr)) {
        result = SendMessageA(window, message, wp, reinterpret_cast<LPARAM>(remote));
        ReadProcessMemory(process, remote, &value, sizeof(T), nullptr);
    }
    if (remote) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return result;
}

RECT ScreenRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

RECT ClientScreenRect(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

RECT RectIn(HWND window, HWND parent) {
    RECT r = ScreenRect(window);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

bool Inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

std::string Text(const RECT& r) {
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" + std::to_string(r.right) + "," +
           std::to_string(r.bottom) + ")";
}

std::vector<HWND> VisibleChildrenOfClass(HWND parent, const char* className) {
    std::vector<HWND> visible;
    for (HWND child : e2e::ChildrenOfClass(parent, className))
        if (IsWindowVisible(child)) visible.push_back(child);
    return visible;
}

HWND WaitForDesignForm(DWORD processId) {
    HWND found = nullptr;
    e2e::WaitFor([&] {
        for (const auto& [cls, seen] : e2e::WindowsOfProcess(processId))
            if (cls == "TDialog" && seen.visible && seen.caption == "Dialog1") found = seen.handle;
        return found != nullptr;
    }, 10000);
    return found;
}

// Copies the palette glyphs of the application folder (with their larger
// versions) into the test's own folder.
void CopyGlyphs(const e2e::AppFolder& folder) {
    std::string source = e2e::WindowsPath(appFolder) + "\\controls";
    for (const char* sub : {"", "\\32", "\\48"}) {
        std::string from = source + sub, to = folder.Path() + "\\controls" + sub;
        CreateDirectoryA((folder.Path() + "\\controls").c_str(), nullptr);
        CreateDirectoryA(to.c_str(), nullptr);
        WIN32_FIND_DATAA found{};
        HANDLE search = FindFirstFileA((from + "\\*.bmp").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) continue;
        do CopyFileA((from + "\\" + found.cFileName).c_str(), (to + "\\" + found.cFileName).c_str(), FALSE);
        while (FindNextFileA(search, &found));
        FindClose(search);
    }
}

void SaveScreen(const std::string& name) {
    const char* folder = std::getenv("E2E_SHOT_DIR");
    if (!folder) return;
    e2e::SaveScreen(e2e::WindowsPath(folder) + "\\" + name);
}

class HighDpi : public testing::TestWithParam<Scale> {};

TEST_P(HighDpi, FixedSizesFollowTheScaleAndTheDesignFormKeepsTheUsersPixels) {
    if (appFolder.empty()) GTEST_SKIP() << "no application folder given";
    const Scale& scale = GetParam();
    LogPixelsSetting setting(scale.dpi);
    ASSERT_TRUE(setting.Ok());
    e2e::AppFolder folder(tavrinExe);
    folder.CopyIn(appFolder + "/Velpack.dll", "Velpack.dll");
    CopyGlyphs(folder);
    folder.WriteText("DataBase.ini", "QFORM=C:\\FreeBASIC\\inc\\velpack.bi\r\n");
    folder.WriteIni("[libs]\r\nVelpack.dll=true\r\n");
    e2e::WorkbenchProcess process(folder);
    ASSERT_GE(process.WaitUntilIdle(), 0);
    HWND main = process.Main();

    // The strip's fixed height, whatever the saved or first-start bounds.
    EXPECT_EQ(ScreenRect(main).bottom - ScreenRect(main).top, scale.mainHeight);

    // Every toolbar button wholly inside its toolbar and the main window's client area.
    RECT client = ClientScreenRect(main);
    std::vector<HWND> bars = e2e::ChildrenOfClass(main, TOOLBARCLASSNAMEA);
    ASSERT_EQ(bars.size(), 2u);
    int buttons = 0;
    for (HWND bar : bars) {
        RECT barRect = ScreenRect(bar);
        LRESULT size = SendMessageA(bar, TB_GETBUTTONSIZE, 0, 0);
        EXPECT_GE(LOWORD(size), scale.glyph + 4) << "buttons sized for glyphs of " << scale.glyph;
        EXPECT_GE(HIWORD(size), scale.glyph + 4);
        int count = static_cast<int>(SendMessageA(bar, TB_BUTTONCOUNT, 0, 0));
        for (int i = 0; i < count; ++i, ++buttons) {
            RECT item{};
            ASSERT_TRUE(SendWithRemote(bar, TB_GETITEMRECT, i, item)) << i;
            MapWindowPoints(bar, nullptr, reinterpret_cast<POINT*>(&item), 2);
            EXPECT_TRUE(Inside(item, barRect)) << "button " << i << " " << Text(item) << " toolbar " << Text(barRect);
            EXPECT_TRUE(Inside(item, client)) << "button " << i << " " << Text(item) << " main " << Text(client);
        }
    }
    EXPECT_EQ(buttons, 18) << "seven buttons and two separators on each toolbar";

    // Palette cells: the arrow in the first, each cell scaled, Velpack's 10 classes after it.
    std::vector<HWND> pages = VisibleChildrenOfClass(main, "TPalettePage");
    ASSERT_EQ(pages.size(), 1u);
    std::vector<HWND> cells = e2e::ChildrenOfClass(pages[0], "Button");
    ASSERT_EQ(cells.size(), 11u);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        RECT r = RectIn(cells[i], pages[0]);
        EXPECT_EQ(r.right - r.left, scale.cell) << i;
        EXPECT_EQ(r.bottom - r.top, scale.cell) << i;
    }
    RECT arrow = RectIn(cells[0], pages[0]), first = RectIn(cells[1], pages[0]);
    EXPECT_EQ(arrow.left, scale.margin);
    EXPECT_EQ(arrow.top, scale.margin);
    EXPECT_EQ(first.left, scale.margin + scale.cell);
    EXPECT_TRUE(Inside(ScreenRect(cells[1]), client)) << "the first row is seen whole";

    // The code window's status bar: panels scaled, in the same proportions.
    auto windows = process.Windows();
    std::vector<HWND> status = e2e::ChildrenOfClass(windows["TCode"].handle, STATUSCLASSNAMEA);
    ASSERT_EQ(status.size(), 1u);
    int edges[3] = {};
    ASSERT_EQ(SendWithRemote(status[0], SB_GETPARTS, 3, edges), 3);
    EXPECT_EQ(edges[0], scale.panel0);
    EXPECT_EQ(edges[1], scale.panel1);
    EXPECT_EQ(edges[0] * 8, edges[1] * 3) << "150 : 400 at every scale";
    EXPECT_EQ(edges[2], -1) << "the last panel takes the rest";

    // A button placed on a new dialog: the user's numbers stay pixels, the
    // grab handles grow with the scale.
    process.PostCommand(tavrin::cmdNewDialog);
    HWND dialog = WaitForDesignForm(process.ProcessId());
    ASSERT_NE(dialog, nullptr) << "New Dialog showed no Dialog1";
    // The form may still be settling as it is first shown: the insert is
    // tried again (a failed one leaves nothing behind).
    std::vector<HWND> containers;
    for (int attempt = 0; attempt < 5 && containers.empty(); ++attempt) {
        Sleep(attempt * 200);
        e2e::ClickPaletteButton(cells[3]);  // QButton: the arrow, QStatic, QImage, then QButton
        SendMessageA(dialog, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(21, 19));
        SendMessageA(dialog, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(60, 30));
        SendMessageA(dialog, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(100, 50));
        SendMessageA(dialog, WM_LBUTTONUP, 0, MAKELPARAM(100, 50));
        containers = e2e::ChildrenOfClass(dialog, "TContainer");
    }
    ASSERT_EQ(containers.size(), 1u) << "nothing was placed";
    RECT placed = RectIn(containers[0], dialog);
    EXPECT_EQ(placed.left, 16) << "grid points are the user's pixels";
    EXPECT_EQ(placed.top, 16);
    EXPECT_EQ(placed.right - placed.left, 80);
    std::vector<HWND> handles = VisibleChildrenOfClass(dialog, "TGrabHandle");
    ASSERT_EQ(handles.size(), 8u);
    for (HWND handle : handles) {
        RECT r = RectIn(handle, dialog);
        EXPECT_EQ(r.right - r.left, scale.handle);
        EXPECT_EQ(r.bottom - r.top, scale.handle);
    }
    // The top-left handle: centred on the outline's corner.
    int left = placed.right, top = placed.bottom;
    for (HWND handle : handles) {
        RECT r = RectIn(handle, dialog);
        left = std::min(left, static_cast<int>(r.left));
        top = std::min(top, static_cast<int>(r.top));
    }
    EXPECT_EQ(left, 16 - scale.handle / 2) << "centred on the outline";
    EXPECT_EQ(top, 16 - scale.handle / 2);
    Sleep(300);
    SaveScreen("high_dpi_" + std::to_string(scale.dpi) + ".bmp");

    process.PostClose();
    if (HWND box = process.WaitForBox(5000)) process.PressButton(box, IDNO);
    EXPECT_EQ(process.WaitForExit(), 0);
}

INSTANTIATE_TEST_SUITE_P(Scales, HighDpi, testing::ValuesIn(kScales),
                         [](const testing::TestParamInfo<Scale>& info) { return "Dpi" + std::to_string(info.param.dpi); });

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: high_dpi_e2e_test <path of Tavrin2.exe> <application folder>\n");
        return 2;
    }
    tavrinExe = argv[1];
    appFolder = argv[2];
    return RUN_ALL_TESTS();
}
