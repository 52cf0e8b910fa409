// The inspector driven from outside the workbench process as a user drives
// it: New Dialog, a QButton placed from Velpack's palette, its Text typed
// into the inspector's grid, the page saved under a name, closed and opened
// again. The live button shows the text before and after, and the file
// holds the text's line once; a new text for the button read back replaces
// that line. With E2E_SHOT_DIR set it leaves pictures of the screen with the
// button and with the dialog in the inspector.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/win32_test_windows.h"
#include "workbench/main_window.h"
#include "workbench_process.h"

namespace {

std::string tavrinExe;
std::string appFolder;

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

int Occurrences(const std::string& text, const std::string& part) {
    int count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

std::string TextOf(HWND window) {
    char text[256] = {};
    SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

// The visible top-level window of the process of that class (and caption, when given).
HWND WaitForWindow(DWORD processId, const std::string& className, const std::string& caption = "",
                   HWND besides = nullptr) {
    HWND found = nullptr;
    e2e::WaitFor(
        [&] {
            for (HWND window = GetTopWindow(nullptr); window; window = GetWindow(window, GW_HWNDNEXT)) {
                DWORD owner = 0;
                GetWindowThreadProcessId(window, &owner);
                char cls[64] = {};
                GetClassNameA(window, cls, sizeof cls);
                if (owner == processId && cls == className && IsWindowVisible(window) && window != besides &&
                    (caption.empty() || TextOf(window) == caption)) {
                    found = window;
                    return true;
                }
            }
            return false;
        },
        10000);
    return found;
}

void Mouse(HWND window, UINT message, int x, int y, WPARAM keys = 0) {
    SendMessageA(window, message, keys, MAKELPARAM(x, y));
}

void AnswerFileBox(e2e::WorkbenchProcess& process, HWND box, const std::string& path) {
    HWND name = GetDlgItem(box, 0x47c);
    if (!name) name = GetDlgItem(box, 0x480);
    ASSERT_NE(name, nullptr) << "no file name field in the box";
    SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    process.PressButton(box, IDOK);
}

void SaveScreen(const std::string& name) {
    const char* folder = std::getenv("E2E_SHOT_DIR");
    if (!folder) return;
    Sleep(300);
    RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    tavrin::test::SaveScreenArea(screen, e2e::WindowsPath(folder) + "\\" + name);
}

// The grid's value editor shows the row selected by the keyboard: steps down
// from the first row until the editor shows the value (false when no row does).
bool SelectRowShowing(HWND list, HWND editor, const std::string& value) {
    SendMessageA(list, WM_KEYDOWN, VK_HOME, 0);
    for (int row = 0; row < 40; ++row) {
        if (IsWindowVisible(editor) && TextOf(editor) == value) return true;
        SendMessageA(list, WM_KEYDOWN, VK_DOWN, 0);
    }
    return false;
}

TEST(InspectorEndToEnd, TextTypedIntoTheInspectorReachesTheButtonAndTheSavedFileOnce) {
    if (appFolder.empty()) GTEST_SKIP() << "no application folder given";
    e2e::AppFolder folder(tavrinExe);
    folder.CopyIn(appFolder + "/Velpack.dll", "Velpack.dll");
    folder.WriteText("DataBase.ini", "QFORM=C:\\FreeBASIC\\inc\\velpack.bi\r\n");
    folder.WriteIni("[libs]\r\nVelpack.dll=true\r\n");
    e2e::WorkbenchProcess process(folder);
    ASSERT_GE(process.WaitUntilIdle(), 0);
    DWORD pid = process.ProcessId();

    process.PostCommand(tavrin::cmdNewDialog);
    HWND dialog = WaitForWindow(pid, "TDialog", "Dialog1");
    ASSERT_NE(dialog, nullptr) << "New Dialog showed no Dialog1";
    std::vector<HWND> pages;
    e2e::WaitFor([&] { return !(pages = e2e::ChildrenOfClass(process.Main(), "TPalettePage")).empty(); }, 5000);
    ASSERT_EQ(pages.size(), 1u);
    std::vector<HWND> buttons = e2e::ChildrenOfClass(pages[0], "Button");
    ASSERT_GE(buttons.size(), 4u);
    e2e::ClickPaletteButton(buttons[3]);  // QButton
    Mouse(dialog, WM_LBUTTONDOWN, 21, 19, MK_LBUTTON);
    Mouse(dialog, WM_MOUSEMOVE, 100, 50, MK_LBUTTON);
    Mouse(dialog, WM_LBUTTONUP, 100, 50);
    std::vector<HWND> live = e2e::ChildrenOfClass(dialog, "QButton");
    ASSERT_EQ(live.size(), 1u) << "no live button was placed";

    HWND inspector = WaitForWindow(pid, "TInspector");
    ASSERT_NE(inspector, nullptr);
    std::vector<HWND> lists = e2e::ChildrenOfClass(inspector, "SysListView32");
    std::vector<HWND> edits = e2e::ChildrenOfClass(inspector, "Edit");
    ASSERT_EQ(lists.size(), 1u);
    ASSERT_FALSE(edits.empty());
    ASSERT_TRUE(SelectRowShowing(lists[0], edits[0], "Container1")) << "no row shows the button's text";
    SendMessageA(edits[0], WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Hello"));
    SendMessageA(edits[0], WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(TextOf(live[0]), "Hello") << "the live button";
    SaveScreen("inspector_button.bmp");

    // The dialog itself in the inspector and the tree, on the Events tab.
    Mouse(dialog, WM_LBUTTONDOWN, 400, 200, MK_LBUTTON);
    Mouse(dialog, WM_LBUTTONUP, 400, 200);
    SaveScreen("inspector_dialog.bmp");
    std::vector<HWND> tabs = e2e::ChildrenOfClass(inspector, "SysTabControl32");
    ASSERT_EQ(tabs.size(), 1u);
    SendMessageA(tabs[0], WM_KEYDOWN, VK_RIGHT, 0);
    SaveScreen("inspector_dialog_events.bmp");
    SendMessageA(tabs[0], WM_KEYDOWN, VK_LEFT, 0);

    std::string file = folder.Path() + "\\hello.bas";
    process.PostCommand(tavrin::cmdSaveAs);
    HWND box = process.WaitForBox();
    ASSERT_NE(box, nullptr) << "no save box";
    AnswerFileBox(process, box, file);
    e2e::WaitFor([&] { return !ReadFile(file).empty(); }, 5000);
    std::string saved = ReadFile(file);
    EXPECT_EQ(Occurrences(saved, "Container1.Text=\"Hello\""), 1) << saved;
    EXPECT_EQ(Occurrences(saved, ".Text="), 1) << saved;

    process.PostCommand(tavrin::cmdClose);
    e2e::WaitFor([&] { return !IsWindowVisible(dialog); }, 5000);
    process.PostCommand(tavrin::cmdOpen);
    box = process.WaitForBox();
    ASSERT_NE(box, nullptr) << "no open box";
    AnswerFileBox(process, box, file);
    HWND reopened = WaitForWindow(pid, "TDialog", "Dialog1", dialog);
    ASSERT_NE(reopened, nullptr) << "the opened file showed no dialog";
    live = e2e::ChildrenOfClass(reopened, "QButton");
    ASSERT_EQ(live.size(), 1u);
    EXPECT_EQ(TextOf(live[0]), "Hello") << "the button read back";
    EXPECT_EQ(ReadFile(file), saved) << "opening changes nothing";

    // The button read back takes a new text into the line it was read from.
    std::vector<HWND> containers = e2e::ChildrenOfClass(reopened, "TContainer");
    ASSERT_EQ(containers.size(), 1u);
    Mouse(containers[0], WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    Mouse(containers[0], WM_LBUTTONUP, 5, 5);
    ASSERT_TRUE(SelectRowShowing(lists[0], edits[0], "Hello")) << "no row shows the text read back";
    SendMessageA(edits[0], WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Bye"));
    SendMessageA(edits[0], WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(TextOf(live[0]), "Bye");
    process.PostCommand(tavrin::cmdSave);
    e2e::WaitFor([&] { return ReadFile(file) != saved; }, 5000);
    std::string again = ReadFile(file);
    EXPECT_EQ(Occurrences(again, "Container1.Text=\"Bye\""), 1) << again;
    EXPECT_EQ(Occurrences(again, ".Text="), 1) << again;

    process.PostCommand(tavrin::cmdCloseAll);
    EXPECT_EQ(process.CloseAndWait(), 0);
}

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: inspector_e2e_test <path of Tavrin2.exe> <application folder>\n");
        return 2;
    }
    tavrinExe = argv[1];
    appFolder = argv[2];
    return RUN_ALL_TESTS();
}
