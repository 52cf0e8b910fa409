// A dialog designed in the workbench started as a process: New Dialog, a
// button placed from Velpack's palette and dragged, the page saved under a
// name and closed, and the file opened again, which brings the dialog back
// where it stood with the button where it was dropped. And a file with a menu
// and a button inside a group box: opened, it shows the menu bar and the
// nesting; a move of the inner button and Save on the active dialog write
// the file again.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <memory>
#include <string>
#include <vector>

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

struct WindowSearch {
    DWORD processId;
    std::string caption;
    const char* className;
    HWND found;
};

BOOL CALLBACK FindTopLevel(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<WindowSearch*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char text[256] = {}, cls[256] = {};
    GetWindowTextA(window, text, sizeof text);
    GetClassNameA(window, cls, sizeof cls);
    if (owner == search->processId && IsWindowVisible(window) && search->caption == text &&
        std::string(cls) == search->className) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// The visible dialog window of that caption, waited for.
HWND WaitForDialog(DWORD processId, const std::string& caption, DWORD timeoutMs = 10000) {
    DWORD start = GetTickCount();
    do {
        WindowSearch search{processId, caption, "TDialog", nullptr};
        EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&search));
        if (search.found) return search.found;
        Sleep(20);
    } while (GetTickCount() - start < timeoutMs);
    return nullptr;
}

BOOL CALLBACK CollectChild(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<std::pair<const char*, std::vector<HWND>>*>(data);
    char cls[256] = {};
    GetClassNameA(window, cls, sizeof cls);
    if (std::string(cls) == search->first) search->second.push_back(window);
    return TRUE;
}

std::vector<HWND> ChildrenOfClass(HWND parent, const char* className) {
    std::pair<const char*, std::vector<HWND>> search{className, {}};
    EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&search));
    return search.second;
}

std::vector<HWND> VisibleChildrenOfClass(HWND parent, const char* className) {
    std::vector<HWND> visible;
    for (HWND child : ChildrenOfClass(parent, className))
        if (IsWindowVisible(child)) visible.push_back(child);
    return visible;
}

// Mouse messages as the system sends them, each handled before the next.
void Mouse(HWND window, UINT message, int x, int y, WPARAM keys = 0) {
    SendMessageA(window, message, keys, MAKELPARAM(x, y));
}

// Types a path into a file box and presses its OK button.
void AnswerFileBox(e2e::WorkbenchProcess& process, HWND box, const std::string& path) {
    HWND name = GetDlgItem(box, 0x47c);  // the file name combo box
    if (!name) name = GetDlgItem(box, 0x480);  // the file name edit
    ASSERT_NE(name, nullptr) << "no file name field in the box";
    SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    process.PressButton(box, IDOK);
}

// The application folder with Velpack loaded at start.
// A file command whose box is answered with the file's path (Open, Save As).
void AnswerCommandBox(e2e::WorkbenchProcess& process, int command, const std::string& file) {
    process.PostCommand(command);
    HWND box = process.WaitForBox();
    ASSERT_NE(box, nullptr) << "no file box";
    AnswerFileBox(process, box, file);
}

void WithVelpack(e2e::AppFolder& folder) {
    folder.CopyIn(appFolder + "/Velpack.dll", "Velpack.dll");
    folder.WriteText("DataBase.ini", "QFORM=C:\\FreeBASIC\\inc\\velpack.bi\r\n");
    folder.WriteIni("[libs]\r\nVelpack.dll=true\r\n");
}

RECT BoundsIn(HWND window, HWND parent) {
    RECT r{};
    GetWindowRect(window, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// A 24-bit picture of the screen, when a folder for pictures is given.
void SaveScreen(const std::string& name) {
    const char* folder = std::getenv("E2E_SHOT_DIR");
    if (!folder) return;
    e2e::SaveScreen(e2e::WindowsPath(folder) + "\\" + name);
}

// The first visible pop-up menu window of the process.
HWND WaitForPopupMenu(DWORD processId) {
    for (int tries = 0; tries < 250; ++tries, Sleep(20)) {
        WindowSearch search{processId, "", "#32768", nullptr};
        EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&search));
        if (search.found) return search.found;
    }
    return nullptr;
}

// Opens the dialog's pop-up menu from the keyboard (Shift+F10 arrives as a
// context menu message without a position) and picks the entry that many
// entries up from the bottom with the arrow keys and Enter, as a user
// without a mouse does. From the bottom: Tab Order..., Redo, Undo, Select
// All, Delete, Paste, Copy, Cut, Alignment...
bool ChoosePopupEntry(DWORD processId, HWND dialog, int upFromBottom) {
    PostMessageA(dialog, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(dialog), -1);
    HWND menuWindow = WaitForPopupMenu(processId);
    if (!menuWindow) return false;
    for (int i = 0; i < upFromBottom; ++i) PostMessageA(menuWindow, WM_KEYDOWN, VK_UP, 0);
    PostMessageA(menuWindow, WM_KEYDOWN, VK_RETURN, 0);
    for (int i = 0; i < 250 && IsWindowVisible(menuWindow); ++i) Sleep(20);
    return !IsWindowVisible(menuWindow);
}

HWND WaitForTopLevel(DWORD processId, const char* className, const std::string& caption) {
    for (int tries = 0; tries < 250; ++tries, Sleep(20)) {
        WindowSearch search{processId, caption, className, nullptr};
        EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&search));
        if (search.found) return search.found;
    }
    return nullptr;
}

const char* const kTwoButtons =
    "type QDialog1 extends QForm\r\n"
    "   Container1 as QButton\r\n"
    "   Container2 as QButton\r\n"
    "   declare constructor\r\n"
    "   declare operator cast as QForm ptr\r\n"
    "end type\r\n"
    "\r\n"
    "var shared Dialog1=QDialog1\r\n"
    "\r\n"
    "constructor QDialog1\r\n"
    "this.Parent=application'0\r\n"
    "this.SetBounds(368,188,814,328)\r\n"
    "Container1.Parent=@This\r\n"
    "Container1.SetBounds(16,16,80,32)\r\n"
    "Container1.Text=\"One\"\r\n"
    "Container2.Parent=@This\r\n"
    "Container2.SetBounds(200,96,40,24)\r\n"
    "end constructor\r\n"
    "\r\n"
    "operator QDialog1.cast as QForm ptr\r\n"
    "   return @this\r\n"
    "end operator";

// A workbench started on an application folder with Velpack and a file
// holding a dialog of two buttons.
struct TwoButtonsWorkbench {
    TwoButtonsWorkbench() {
        WithVelpack(folder);
        folder.WriteText("two.bas", kTwoButtons);
        file = folder.Path() + "\\two.bas";
        process = std::make_unique<e2e::WorkbenchProcess>(folder);
    }
    e2e::AppFolder folder{tavrinExe};
    std::string file;
    std::unique_ptr<e2e::WorkbenchProcess> process;
};

TEST(DialogDesign, DraggedAndAlignedThenUndoneTwiceTheSavedFileIsTheOriginal) {
    if (appFolder.empty()) GTEST_SKIP() << "no application folder given";
    TwoButtonsWorkbench workbench;
    const std::string& file = workbench.file;
    e2e::WorkbenchProcess& process = *workbench.process;
    ASSERT_GE(process.WaitUntilIdle(), 0);

    AnswerCommandBox(process, tavrin::cmdOpen, file);
    HWND dialog = WaitForDialog(process.ProcessId(), "Dialog1");
    ASSERT_NE(dialog, nullptr) << "the opened file showed no dialog";
    std::vector<HWND> containers = ChildrenOfClass(dialog, "TContainer");
    ASSERT_EQ(containers.size(), 2u);

    // Drag the first button by (45,13): it moves by (48,16).
    Mouse(containers[0], WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
    Mouse(dialog, WM_MOUSEMOVE, 16 + 10 + 45, 16 + 10 + 13, MK_LBUTTON);
    Mouse(dialog, WM_LBUTTONUP, 16 + 10 + 45, 16 + 10 + 13);
    EXPECT_EQ(BoundsIn(containers[0], dialog).left, 64);

    // Select both (the first one first) and centre them on the first one.
    Mouse(containers[1], WM_LBUTTONDOWN, 5, 5, MK_LBUTTON | MK_SHIFT);
    Mouse(containers[1], WM_LBUTTONUP, 5, 5, MK_SHIFT);
    ASSERT_TRUE(ChoosePopupEntry(process.ProcessId(), dialog, 9));
    HWND alignment = WaitForTopLevel(process.ProcessId(), "TControlAlignment", "Control Alignment");
    ASSERT_NE(alignment, nullptr) << "no alignment dialog";
    Sleep(200);
    SaveScreen("alignment_dialog.bmp");
    SendMessageA(GetDlgItem(alignment, 703), BM_CLICK, 0, 0);  // horizontal "center"
    SendMessageA(GetDlgItem(alignment, 713), BM_CLICK, 0, 0);  // vertical "center"
    SendMessageA(GetDlgItem(alignment, IDOK), BM_CLICK, 0, 0);
    // The alignment runs once the dialog's modal loop has ended, across and
    // then down: wait until both have happened.
    e2e::WaitFor([&] {
        RECT now = BoundsIn(containers[1], dialog);
        return now.left != 200 && now.top != 96;
    }, 5000);
    RECT first = BoundsIn(containers[0], dialog);
    RECT second = BoundsIn(containers[1], dialog);
    EXPECT_EQ((first.left + first.right) / 2, (second.left + second.right) / 2) << "centred";
    EXPECT_EQ(second.left, 64 + 40 - 20);
    EXPECT_EQ(second.top, 32 + 16 - 12);

    // Each undo runs once the menu has gone; undoing recreates the components.
    auto lefts = [&] {
        std::vector<LONG> found;
        for (HWND c : ChildrenOfClass(dialog, "TContainer")) found.push_back(BoundsIn(c, dialog).left);
        return found;
    };
    ASSERT_TRUE(ChoosePopupEntry(process.ProcessId(), dialog, 3));
    e2e::WaitFor([&] { return lefts() == std::vector<LONG>{64, 200}; }, 5000);
    ASSERT_TRUE(ChoosePopupEntry(process.ProcessId(), dialog, 3));
    e2e::WaitFor([&] { return lefts() == std::vector<LONG>{16, 200}; }, 5000);
    std::vector<HWND> restored = ChildrenOfClass(dialog, "TContainer");
    ASSERT_EQ(restored.size(), 2u);
    EXPECT_EQ(BoundsIn(restored[0], dialog).left, 16);
    EXPECT_EQ(BoundsIn(restored[1], dialog).left, 200);

    auto writeTime = [&] {
        WIN32_FILE_ATTRIBUTE_DATA data{};
        GetFileAttributesExA(file.c_str(), GetFileExInfoStandard, &data);
        return (static_cast<unsigned long long>(data.ftLastWriteTime.dwHighDateTime) << 32) |
               data.ftLastWriteTime.dwLowDateTime;
    };
    unsigned long long before = writeTime();
    Sleep(50);
    process.PostCommand(tavrin::cmdSave);
    for (int i = 0; i < 250 && writeTime() == before; ++i) Sleep(20);
    EXPECT_NE(writeTime(), before) << "the page was saved";
    // The file may be read while it is being written: wait until it is whole.
    for (int i = 0; i < 250 && ReadFile(file) != kTwoButtons; ++i) Sleep(20);
    EXPECT_EQ(ReadFile(file), kTwoButtons) << "the saved file is the original, byte for byte";
    process.PostCommand(tavrin::cmdCloseAll);
    EXPECT_EQ(process.CloseAndWait(), 0);
}

struct DialogCount {
    DWORD processId;
    int windows;
};

BOOL CALLBACK CountDialog(HWND window, LPARAM data) {
    auto* count = reinterpret_cast<DialogCount*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char cls[64] = {};
    GetClassNameA(window, cls, sizeof cls);
    if (owner == count->processId && std::string(cls) == "TDialog") ++count->windows;
    return TRUE;
}

// Every dialog window of the process, shown or hidden.
int DialogWindowCount(DWORD processId) {
    DialogCount count{processId, 0};
    EnumWindows(CountDialog, reinterpret_cast<LPARAM>(&count));
    return count.windows;
}

TEST(DialogDesign, ClosingAndReopeningAFileManyTimesKeepsOneDialogNotOnePerOpening) {
    if (appFolder.empty()) GTEST_SKIP() << "no application folder given";
    TwoButtonsWorkbench workbench;
    const std::string& file = workbench.file;
    e2e::WorkbenchProcess& process = *workbench.process;
    ASSERT_GE(process.WaitUntilIdle(), 0);
    int first = 0;
    for (int opening = 0; opening < 4; ++opening) {
        AnswerCommandBox(process, tavrin::cmdOpen, file);
        HWND dialog = WaitForDialog(process.ProcessId(), "Dialog1");
        ASSERT_NE(dialog, nullptr) << "opening " << opening;
        ASSERT_EQ(ChildrenOfClass(dialog, "TContainer").size(), 2u);
        if (opening == 0) first = DialogWindowCount(process.ProcessId());
        EXPECT_EQ(DialogWindowCount(process.ProcessId()), first)
            << "the dialog of the closed page went with its windows (opening " << opening << ")";
        process.PostCommand(tavrin::cmdCloseAll);
        for (int i = 0; i < 250 && IsWindowVisible(dialog); ++i) Sleep(20);
        EXPECT_FALSE(IsWindowVisible(dialog));
    }
    EXPECT_EQ(process.CloseAndWait(), 0);
}

const char* const kExpectedFile =
    "type QDialog1 extends QForm\r\n"
    "   Container1 as QButton\r\n"
    "   declare constructor\r\n"
    "   declare operator cast as QForm ptr\r\n"
    "end type\r\n"
    "\r\n"
    "var shared Dialog1=QDialog1\r\n"
    "\r\n"
    "constructor QDialog1\r\n"
    "this.Parent=application'0\r\n"
    "this.SetBounds(400,200,814,328)\r\n"
    "Container1.Parent=@This\r\n"
    "Container1.SetBounds(64,32,80,32)\r\n"
    "end constructor\r\n"
    "\r\n"
    "operator QDialog1.cast as QForm ptr\r\n"
    "   return @this\r\n"
    "end operator";

TEST(DialogDesign, APlacedAndDraggedButtonIsSavedAndComesBackWhenTheFileIsOpened) {
    if (appFolder.empty()) GTEST_SKIP() << "no application folder given";
    e2e::AppFolder folder(tavrinExe);
    WithVelpack(folder);
    e2e::WorkbenchProcess process(folder);
    ASSERT_GE(process.WaitUntilIdle(), 0);

    process.PostCommand(tavrin::cmdNewDialog);
    HWND dialog = WaitForDialog(process.ProcessId(), "Dialog1");
    ASSERT_NE(dialog, nullptr) << "New Dialog showed no Dialog1";
    RECT outer{};
    GetWindowRect(dialog, &outer);
    EXPECT_EQ(outer.left, 368);
    EXPECT_EQ(outer.top, 188);

    // "View" > "Forms..." lists the new dialog, without the "OK" and "Cancel" buttons.
    process.PostCommand(tavrin::cmdViewForms);
    HWND forms = nullptr;
    for (int i = 0; i < 250 && !forms; ++i, Sleep(20)) {
        WindowSearch search{process.ProcessId(), "FormsList", "TFormsList", nullptr};
        EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&search));
        forms = search.found;
    }
    ASSERT_NE(forms, nullptr) << "no forms list";
    std::vector<HWND> lists = ChildrenOfClass(forms, "ListBox");
    ASSERT_EQ(lists.size(), 1u);
    EXPECT_EQ(SendMessageA(lists[0], LB_GETCOUNT, 0, 0), 1);
    std::vector<HWND> formButtons = VisibleChildrenOfClass(forms, "Button");
    EXPECT_EQ(formButtons.size(), 2u) << "Show and Destroy only";
    Sleep(200);
    SaveScreen("forms_list.bmp");
    SendMessageA(forms, WM_CLOSE, 0, 0);

    // QButton on the palette: the arrow, QStatic, QImage, then QButton.
    std::vector<HWND> pages;
    for (int tries = 0; tries < 100 && pages.empty(); ++tries, Sleep(20))
        pages = ChildrenOfClass(process.Main(), "TPalettePage");
    ASSERT_EQ(pages.size(), 1u);
    std::vector<HWND> buttons = ChildrenOfClass(pages[0], "Button");
    ASSERT_EQ(buttons.size(), 11u);
    e2e::ClickPaletteButton(buttons[3]);

    // An insert drag from (21,19) to (100,50): from the grid point (16,16).
    Mouse(dialog, WM_LBUTTONDOWN, 21, 19, MK_LBUTTON);
    Mouse(dialog, WM_MOUSEMOVE, 60, 30, MK_LBUTTON);
    Mouse(dialog, WM_MOUSEMOVE, 100, 50, MK_LBUTTON);
    Mouse(dialog, WM_LBUTTONUP, 100, 50);
    std::vector<HWND> containers = ChildrenOfClass(dialog, "TContainer");
    ASSERT_EQ(containers.size(), 1u) << "nothing was placed";
    RECT placed = BoundsIn(containers[0], dialog);
    EXPECT_EQ(placed.left, 16);
    EXPECT_EQ(placed.top, 16);
    EXPECT_EQ(ChildrenOfClass(containers[0], "QButton").size(), 1u) << "no live button in the container";
    EXPECT_EQ(VisibleChildrenOfClass(dialog, "TGrabHandle").size(), 8u) << "the new button is selected";

    // A second click inserts nothing: the palette's selection was used up.
    Mouse(dialog, WM_LBUTTONDOWN, 300, 200, MK_LBUTTON);
    Mouse(dialog, WM_LBUTTONUP, 300, 200);
    EXPECT_EQ(ChildrenOfClass(dialog, "TContainer").size(), 1u);

    // Drag the button by (45,13): it moves by the grid-snapped (48,16).
    Mouse(containers[0], WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
    Mouse(dialog, WM_MOUSEMOVE, 16 + 10 + 45, 16 + 10 + 13, MK_LBUTTON);
    Mouse(dialog, WM_LBUTTONUP, 16 + 10 + 45, 16 + 10 + 13);
    RECT moved = BoundsIn(containers[0], dialog);
    EXPECT_EQ(moved.left, 64);
    EXPECT_EQ(moved.top, 32);
    EXPECT_EQ(moved.right - moved.left, placed.right - placed.left) << "a move keeps the size";
    EXPECT_EQ(VisibleChildrenOfClass(dialog, "TGrabHandle").size(), 8u);
    Sleep(300);
    SaveScreen("dialog_design.bmp");

    // Moving the dialog window rewrites its own bounds statement.
    SetWindowPos(dialog, nullptr, 400, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Sleep(200);

    // Save As, then close the page: its dialog goes.
    std::string file = folder.Path() + "\\form1.bas";
    AnswerCommandBox(process, tavrin::cmdSaveAs, file);
    for (int i = 0; i < 200 && ReadFile(file).empty(); ++i) Sleep(20);
    EXPECT_EQ(ReadFile(file), kExpectedFile);
    process.PostCommand(tavrin::cmdClose);
    for (int i = 0; i < 200 && IsWindowVisible(dialog); ++i) Sleep(20);
    EXPECT_FALSE(IsWindowVisible(dialog)) << "closing the page hides its dialog";

    // Open the file again: a new Dialog1 at the saved place with the button where it was dropped.
    AnswerCommandBox(process, tavrin::cmdOpen, file);
    HWND reopened = nullptr;
    for (int i = 0; i < 500 && !reopened; ++i) {
        HWND found = WaitForDialog(process.ProcessId(), "Dialog1", 20);
        if (found && found != dialog) reopened = found;
    }
    ASSERT_NE(reopened, nullptr) << "the opened file showed no dialog";
    GetWindowRect(reopened, &outer);
    EXPECT_EQ(outer.left, 400);
    EXPECT_EQ(outer.top, 200);
    EXPECT_EQ(outer.right - outer.left, 814);
    EXPECT_EQ(outer.bottom - outer.top, 328);
    std::vector<HWND> read = ChildrenOfClass(reopened, "TContainer");
    ASSERT_EQ(read.size(), 1u);
    RECT again = BoundsIn(read[0], reopened);
    EXPECT_EQ(again.left, moved.left);
    EXPECT_EQ(again.top, moved.top);
    EXPECT_EQ(again.right - again.left, moved.right - moved.left);
    EXPECT_EQ(again.bottom - again.top, moved.bottom - moved.top);
    EXPECT_EQ(ChildrenOfClass(read[0], "QButton").size(), 1u);
    EXPECT_EQ(ReadFile(file), kExpectedFile) << "opening changes nothing";

    process.PostCommand(tavrin::cmdCloseAll);
    EXPECT_EQ(process.CloseAndWait(), 0);
}

const char* const kNestedFile =
    "type QForm1 extends QForm\r\n"
    "   Box as QGroupBox\r\n"
    "   Ok as QButton\r\n"
    "   MainMenu as QMainMenu\r\n"
    "   File as QMenu\r\n"
    "   Quit as QMenu\r\n"
    "   Help as QMenu\r\n"
    "   declare constructor\r\n"
    "   declare operator cast as QForm ptr\r\n"
    "end type\r\n"
    "\r\n"
    "var shared Form1=QForm1\r\n"
    "\r\n"
    "constructor QForm1\r\n"
    "this.Parent=application'0\r\n"
    "this.SetBounds(360,180,420,300)\r\n"
    "Box.Parent=@This\r\n"
    "Box.SetBounds(16,16,240,160)\r\n"
    "Box.Text=\"Options\"\r\n"
    "Ok.Parent=@Box\r\n"
    "Ok.SetBounds(24,32,96,32)\r\n"
    "Ok.Text=\"Press me\"\r\n"
    "Quit.Caption=\"&Quit\"\r\n"
    "Quit.CommandID=2\r\n"
    "File.Caption=\"&File\"\r\n"
    "File.CommandID=1\r\n"
    "File.Add(@Quit)\r\n"
    "Help.Caption=\"&Help\"\r\n"
    "Help.CommandID=3\r\n"
    "MainMenu.Add(@File)\r\n"
    "MainMenu.Add(@Help)\r\n"
    "base.MainMenu=@MainMenu\r\n"
    "end constructor\r\n"
    "\r\n"
    "operator QForm1.cast as QForm ptr\r\n"
    "   return @this\r\n"
    "end operator\r\n";

TEST(DialogDesign, AFileWithAMenuAndANestedButtonOpensAsDesignedAndSaveWritesTheMove) {
    if (appFolder.empty()) GTEST_SKIP() << "no application folder given";
    e2e::AppFolder folder(tavrinExe);
    WithVelpack(folder);
    folder.WriteText("form1.bas", kNestedFile);
    std::string file = folder.Path() + "\\form1.bas";
    e2e::WorkbenchProcess process(folder);
    ASSERT_GE(process.WaitUntilIdle(), 0);

    AnswerCommandBox(process, tavrin::cmdOpen, file);
    HWND dialog = WaitForDialog(process.ProcessId(), "Form1");
    ASSERT_NE(dialog, nullptr) << "the opened file showed no Form1";

    // A menu bar above the client area (its entries belong to the workbench's
    // process: their texts are checked by the designer's own tests).
    EXPECT_NE(GetMenu(dialog), nullptr) << "no menu bar";
    RECT outer{}, client{};
    GetWindowRect(dialog, &outer);
    GetClientRect(dialog, &client);
    EXPECT_GE((outer.bottom - outer.top) - client.bottom, GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYMENU));

    // The button lies in the group box.
    std::vector<HWND> containers = ChildrenOfClass(dialog, "TContainer");
    ASSERT_EQ(containers.size(), 2u);
    HWND groupBox = containers[0], inner = containers[1];
    EXPECT_EQ(GetParent(inner), groupBox);
    EXPECT_EQ(ChildrenOfClass(groupBox, "QGroupBox").size(), 1u);
    RECT placed = BoundsIn(inner, groupBox);
    EXPECT_EQ(placed.left, 24);
    EXPECT_EQ(placed.top, 32);

    // A move of the inner button by (13,11): snapped to (16,8), in the box.
    Mouse(inner, WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
    POINT press{10, 10};
    MapWindowPoints(inner, dialog, &press, 1);
    Mouse(dialog, WM_MOUSEMOVE, press.x + 13, press.y + 11, MK_LBUTTON);
    Mouse(dialog, WM_LBUTTONUP, press.x + 13, press.y + 11);
    RECT moved = BoundsIn(inner, groupBox);
    EXPECT_EQ(moved.left, 40);
    EXPECT_EQ(moved.top, 40);
    std::vector<HWND> handles = VisibleChildrenOfClass(dialog, "TGrabHandle");
    ASSERT_EQ(handles.size(), 8u) << "the moved button is selected";
    RECT innerOnScreen{};
    GetWindowRect(inner, &innerOnScreen);
    LONG handlesLeft = LONG_MAX, handlesTop = LONG_MAX;
    for (HWND handle : handles) {
        RECT r{};
        GetWindowRect(handle, &r);
        handlesLeft = std::min(handlesLeft, r.left);
        handlesTop = std::min(handlesTop, r.top);
    }
    EXPECT_EQ(handlesLeft, innerOnScreen.left - 2) << "the handles stand around the nested button";
    EXPECT_EQ(handlesTop, innerOnScreen.top - 2);
    Sleep(300);
    SaveScreen("dialog_nested_menu.bmp");

    // Save with the dialog window active writes its code page, though another page is the active one.
    process.PostCommand(tavrin::cmdNewCode);
    ASSERT_GE(process.WaitUntilIdle(), 0);
    SendMessageA(dialog, WM_ACTIVATE, WA_ACTIVE, 0);
    process.PostCommand(tavrin::cmdSave);
    std::string expected = kNestedFile;
    expected.replace(expected.find("Ok.SetBounds(24,32,"), 19, "Ok.SetBounds(40,40,");
    for (int i = 0; i < 200 && ReadFile(file) != expected; ++i) Sleep(20);
    EXPECT_EQ(ReadFile(file), expected);

    process.PostCommand(tavrin::cmdCloseAll);
    EXPECT_EQ(process.CloseAndWait(), 0);
}

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: dialog_design_e2e_test <path of Tavrin2.exe> <application folder>\n");
        return 2;
    }
    tavrinExe = argv[1];
    appFolder = argv[2];
    return RUN_ALL_TESTS();
}
