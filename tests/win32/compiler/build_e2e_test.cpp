// Compile and Run as a user does it: the workbench started from a folder of
// its own with the fake compiler in its settings, a source file in a folder
// whose name holds a blank and parentheses opened from the recent-files list,
// the toolbar's Compile and Run pressed, the switch question answered, the
// program built and run, the "Terminated" caption; F9 does it again; then a
// failing F5 marks the message's line. Screenshots are written to the folder
// given as the second argument.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "../../e2e/workbench_process.h"
#include "support/win32_test_windows.h"
#include "test_files.h"

namespace {

using tavrin::test::ReadAll;
using tavrin::test::WriteAll;

std::string tavrinExe;
std::string screenshotFolder;

// Command numbers of the main window: the first recent file, Compile and Run.
constexpr int kFirstRecentFile = 5000;
constexpr int kCompileAndRunButton = 1031;
// Control identifier of the code window's result window.
constexpr int kResultsId = 12;
// Scintilla messages read from outside the process.
constexpr UINT kSciGetLineCount = 2154;
constexpr UINT kSciMarkerGet = 2046;

std::string WindowText(HWND window) {
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs = 20000) {
    DWORD start = GetTickCount();
    while (GetTickCount() - start < timeoutMs) {
        if (condition()) return true;
        Sleep(30);
    }
    return condition();
}

struct ChildSearch {
    const char* className;
    const char* text;  // null: any
    int id;            // -1: any
    HWND found;
};

BOOL CALLBACK MatchChild(HWND window, LPARAM lp) {
    auto* search = reinterpret_cast<ChildSearch*>(lp);
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    if (lstrcmpiA(className, search->className) != 0) return TRUE;
    if (search->text && WindowText(window) != search->text) return TRUE;
    if (search->id >= 0 && GetDlgCtrlID(window) != search->id) return TRUE;
    search->found = window;
    return FALSE;
}

HWND FindChild(HWND parent, const char* className, const char* text = nullptr, int id = -1) {
    ChildSearch search{className, text, id, nullptr};
    EnumChildWindows(parent, MatchChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

BOOL CALLBACK CollectScintilla(HWND window, LPARAM lp) {
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    if (lstrcmpA(className, "Scintilla") == 0)
        reinterpret_cast<std::vector<HWND>*>(lp)->push_back(window);
    return TRUE;
}

// Every Scintilla control of a window.
std::vector<HWND> ScintillaChildren(HWND parent) {
    std::vector<HWND> found;
    EnumChildWindows(parent, CollectScintilla, reinterpret_cast<LPARAM>(&found));
    return found;
}

// The visible top-level windows of the workbench, for failure messages.
std::string VisibleWindows(const e2e::WorkbenchProcess& process) {
    std::string list;
    for (const auto& [className, window] : process.Windows())
        if (window.visible) list += className + " \"" + window.caption + "\"; ";
    return list;
}

void PressKey(HWND window, UINT key) {
    PostMessageA(window, WM_KEYDOWN, key, 1);
    PostMessageA(window, WM_KEYUP, key, 0xC0000001);
}

// The whole screen as a 24-bit BMP file.
bool SaveScreenshot(const std::string& path) {
    RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return tavrin::test::SaveScreenArea(screen, path);
}

TEST(BuildEndToEnd, CompileAndRunFromAFolderWithBlanksAndParentheses) {
    e2e::AppFolder folder(tavrinExe);
    std::string project = folder.Path() + "\\app (v2)";
    ASSERT_TRUE(CreateDirectoryA(project.c_str(), nullptr));
    std::string source = project + "\\hello world.bas";
    std::string text;
    for (int i = 1; i <= 20; ++i) text += "Print \"line " + std::to_string(i) + "\"\r\n";
    WriteAll(source, text);
    std::string script = folder.Path() + "\\fake_fbc.script";
    std::string record = folder.Path() + "\\record.txt";
    std::string programLog = folder.Path() + "\\program.log";
    WriteAll(script, "stdout compiling hello world\n");
    SetEnvironmentVariableA("FAKE_FBC_SCRIPT", script.c_str());
    SetEnvironmentVariableA("FAKE_FBC_RECORD", record.c_str());
    SetEnvironmentVariableA("FAKE_PROGRAM_LOG", programLog.c_str());
    SetEnvironmentVariableA("FAKE_PROGRAM_SLEEP_MS", "1500");
    std::string compiler = e2e::WindowsPath(FAKE_FBC_DIR) + "\\fake_fbc.exe";
    folder.WriteIni("[general]\r\ncompiler=" + compiler + "\r\n[mru]\r\n" + source + "=0\r\n");

    e2e::WorkbenchProcess process(folder);
    ASSERT_GE(process.WaitUntilIdle(), 0);
    HWND main = process.Main();
    HWND code = process.Windows()["TCode"].handle;
    ASSERT_TRUE(code);

    // Open the file from the recent-files list.
    PostMessageA(main, WM_COMMAND, kFirstRecentFile, 0);
    HWND tabs = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        tabs = FindChild(code, "SysTabControl32");
        return tabs && SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0) == 1;
    })) << "the recent file did not open";

    // The toolbar's Compile and Run button, and the switch question.
    PostMessageA(main, WM_COMMAND, kCompileAndRunButton, 0);
    HWND question = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        question = FindWindowA("TSwitch", "Compiler switch");
        return question && IsWindowVisible(question);
    })) << "no switch question; windows: " << VisibleWindows(process);
    HWND memo = FindChild(question, "Edit");
    HWND ok = FindChild(question, "Button", "OK");
    ASSERT_TRUE(memo && ok);
    EXPECT_TRUE(FindChild(question, "Button", "Save switch as predefined ones "));
    EXPECT_EQ(WindowText(memo), "");
    SendMessageA(memo, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("-g"));
    PostMessageA(ok, BM_CLICK, 0, 0);

    std::string exe = project + "\\hello world.exe";
    EXPECT_TRUE(WaitFor([&] { return WindowText(main) == "Orvale Run [" + exe + "]"; }))
        << WindowText(main);
    EXPECT_TRUE(WaitFor([&] { return WindowText(main) == "Orvale Terminated [" + source + "]"; }))
        << WindowText(main);
    EXPECT_EQ(ReadAll(record), "\"" + compiler + "\"  -g \"" + source + "\"");
    EXPECT_EQ(ReadAll(programLog), "\"" + exe + "\"\r\n") << "the program ran once";
    if (!screenshotFolder.empty()) {
        CreateDirectoryA(screenshotFolder.c_str(), nullptr);
        std::string shot = screenshotFolder + "\\build_e2e_terminated.bmp";
        EXPECT_TRUE(SaveScreenshot(shot));
        std::printf("screenshot: %s\n", shot.c_str());
    }

    // Now that the program file exists, the F9 key compiles and runs again.
    // A key that arrives while the driver still winds the run down does
    // nothing (as specified), so the user's F9 is repeated until it asks.
    DeleteFileA(programLog.c_str());
    ASSERT_TRUE(WaitFor([&] {
        PressKey(main, VK_F9);
        return WaitFor([&] {
            question = FindWindowA("TSwitch", "Compiler switch");
            return question && IsWindowVisible(question);
        }, 3000);
    })) << "F9 did not ask";
    PostMessageA(FindChild(question, "Button", "OK"), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return !ReadAll(programLog).empty(); })) << "F9 did not run";
    EXPECT_TRUE(WaitFor([&] { return WindowText(main) == "Orvale Terminated [" + source + "]"; }));

    // A failing compilation (F5): the caption, and the marks beside the
    // message and beside line 12 of the page.
    WriteAll(script, "stdout compiling hello world\nerror 12 41 Variable not declared, x\n");
    PressKey(main, VK_F5);
    question = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        question = FindWindowA("TSwitch", "Compiler switch");
        return question && IsWindowVisible(question);
    }));
    PostMessageA(FindChild(question, "Button", "OK"), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return WindowText(main) == "Orvale File in Error [" + source + "]"; }))
        << WindowText(main);
    std::vector<HWND> editors = ScintillaChildren(code);
    HWND results = nullptr, page = nullptr;
    std::string seen;
    for (HWND editor : editors) {
        LRESULT lines = SendMessageA(editor, kSciGetLineCount, 0, 0);
        seen += std::to_string(GetDlgCtrlID(editor)) + ":" + std::to_string(lines) + " ";
        if (GetDlgCtrlID(editor) == kResultsId) results = editor;
        else if (lines == 21) page = editor;
    }
    ASSERT_TRUE(results && page) << seen;
    // The caption comes first; the output and the marks follow.
    EXPECT_TRUE(WaitFor([&] { return SendMessageA(results, kSciGetLineCount, 0, 0) == 6; }))
        << seen;
    EXPECT_TRUE(WaitFor([&] { return SendMessageA(page, kSciMarkerGet, 11, 0) != 0; }))
        << "mark beside line 12";
    EXPECT_TRUE(WaitFor([&] { return SendMessageA(results, kSciMarkerGet, 1, 0) != 0; }))
        << "mark beside the message";
    EXPECT_EQ(SendMessageA(page, kSciMarkerGet, 10, 0), 0);
    if (!screenshotFolder.empty())
        EXPECT_TRUE(SaveScreenshot(screenshotFolder + "\\build_e2e_error.bmp"));

    EXPECT_EQ(process.CloseAndWait(), 0);
}

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: build_e2e_test <path of Tavrin2.exe> [screenshot folder]\n");
        return 2;
    }
    tavrinExe = argv[1];
    if (argc > 2) screenshotFolder = e2e::WindowsPath(argv[2]);
    return RUN_ALL_TESTS();
}
