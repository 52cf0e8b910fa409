// A project made and used as a user does it, with the workbench started as a
// process: New in the project window, Add of two files through the open box,
// File > Save As through the save box, the workbench closed and started
// again, the project opened from the recent-files list with both units, and
// F9 compiling the project source with the fake compiler and running the
// program. Pictures of the project window and the units window are saved to
// the folder given as the second argument.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>

#include "../support/win32_test_windows.h"
#include "../win32/compiler/test_files.h"
#include "projects/project_window.h"
#include "workbench/main_window.h"
#include "workbench_process.h"

namespace {

using tavrin::test::ReadAll;
using e2e::WaitFor;

std::string tavrinExe;
std::string pictureFolder;

std::string WindowText(HWND window) {
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

int Occurrences(const std::string& text, const std::string& part) {
    int count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

// Types the path into the file name field of an open or save box and presses OK.
bool AnswerFileBox(const e2e::WorkbenchProcess& process, const std::string& path) {
    HWND box = process.WaitForBox();
    if (!box) return false;
    // The name field: the edit of the name combo box (cmb13), or a plain field (edt1).
    HWND combo = GetDlgItem(box, 0x47C);
    HWND name = combo ? reinterpret_cast<HWND>(SendMessageA(combo, CBEM_GETEDITCONTROL, 0, 0)) : nullptr;
    if (!name) name = GetDlgItem(box, 0x480);
    if (!name) return false;
    SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    process.PressButton(box, IDOK);
    return !IsWindow(box) || !IsWindowVisible(box);
}

// The project window's tree, seen from outside.
struct ProjectTree {
    HWND window = nullptr, tree = nullptr;
    explicit ProjectTree(const e2e::WorkbenchProcess& process) {
        window = process.Windows()["TProjects"].handle;
        tree = window ? FindWindowExA(window, nullptr, WC_TREEVIEWA, nullptr) : nullptr;
    }
    int Count() const { return static_cast<int>(SendMessageA(tree, TVM_GETCOUNT, 0, 0)); }
    HTREEITEM Root() const {
        return reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    }
    void Select(HTREEITEM item) const {
        SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
    }
    void Press(int command) const { PostMessageA(window, WM_COMMAND, command, 0); }
};

void SavePicture(HWND window, const char* name) {
    if (pictureFolder.empty()) return;
    CreateDirectoryA(pictureFolder.c_str(), nullptr);
    RECT area{};
    GetWindowRect(window, &area);
    std::string file = pictureFolder + "\\" + name + ".bmp";
    EXPECT_TRUE(tavrin::test::SaveScreenArea(area, file));
    std::printf("picture: %s\n", file.c_str());
}

// Answers the compiler switch question with OK, as it stands.
bool AcceptSwitchQuestion() {
    HWND question = nullptr;
    if (!WaitFor([&] {
            question = FindWindowA("TSwitch", "Compiler switch");
            return question && IsWindowVisible(question);
        }))
        return false;
    HWND ok = FindWindowExA(question, nullptr, "Button", "OK");
    PostMessageA(ok, BM_CLICK, 0, 0);
    return true;
}

TEST(ProjectsEndToEnd, NewAddSaveAsThenOpenFromTheRecentListAndCompileAndRun) {
    e2e::AppFolder folder(tavrinExe);
    std::string a = folder.Path() + "\\a.bas", b = folder.Path() + "\\units\\b.bas";
    folder.WriteText("a.bas", "dim shared a as integer\r\n");
    folder.WriteText("units\\b.bas", "dim shared b as integer\r\n");
    std::string record = folder.Path() + "\\record.txt", programLog = folder.Path() + "\\program.log";
    folder.WriteText("fake_fbc.script", "stdout compiling the project\n");
    SetEnvironmentVariableA("FAKE_FBC_SCRIPT", (folder.Path() + "\\fake_fbc.script").c_str());
    SetEnvironmentVariableA("FAKE_FBC_RECORD", record.c_str());
    SetEnvironmentVariableA("FAKE_PROGRAM_LOG", programLog.c_str());
    SetEnvironmentVariableA("FAKE_PROGRAM_SLEEP_MS", "300");
    std::string compiler = e2e::WindowsPath(FAKE_FBC_DIR) + "\\fake_fbc.exe";
    folder.WriteIni("[general]\r\ncompiler=" + compiler + "\r\n");
    std::string project = folder.Path() + "\\demo.bas";

    {
        e2e::WorkbenchProcess process(folder);
        ASSERT_GE(process.WaitUntilIdle(), 0);
        process.PostCommand(tavrin::cmdViewProjects);
        ASSERT_TRUE(WaitFor([&] { return process.Windows()["TProjects"].visible; }));
        ProjectTree tree(process);
        ASSERT_TRUE(tree.tree);
        tree.Press(tavrin::TProjects::tbNew);
        ASSERT_TRUE(WaitFor([&] { return tree.Count() == 1; })) << "New made no project";
        for (const std::string& unit : {a, b}) {
            int before = tree.Count();
            tree.Press(tavrin::TProjects::tbAdd);
            ASSERT_TRUE(AnswerFileBox(process, unit)) << "the open box of Add";
            ASSERT_TRUE(WaitFor([&] { return tree.Count() == before + 1; })) << unit << " was not added";
        }
        ASSERT_EQ(process.Editors().size(), 3u) << "the source page and one page per unit";

        // The project as the current document: File > Save As.
        tree.Select(tree.Root());
        process.PostCommand(tavrin::cmdSaveAs);
        ASSERT_TRUE(AnswerFileBox(process, folder.Path() + "\\demo")) << "the save box of Save As";
        ASSERT_TRUE(WaitFor([&] { return ReadAll(project).find("b.bas") != std::string::npos; }));

        // The project window with the project and its units, and the units window.
        SetWindowPos(tree.window, HWND_TOP, 20, 140, 260, 300, SWP_SHOWWINDOW);
        process.PostCommand(tavrin::cmdViewCodeModules);
        HWND units = nullptr;
        ASSERT_TRUE(WaitFor([&] {
            units = process.Windows()["TUnits"].handle;
            return units && IsWindowVisible(units);
        }));
        SetWindowPos(units, HWND_TOP, 300, 140, 340, 260, SWP_SHOWWINDOW);
        tree.Select(reinterpret_cast<HTREEITEM>(
            SendMessageA(tree.tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(tree.Root()))));
        Sleep(500);
        SavePicture(tree.window, "projects_window");
        SavePicture(units, "units_window");

        EXPECT_EQ(process.CloseAndWait(), 0) << "the workbench asked something at the end";
    }
    std::string saved = ReadAll(project);
    EXPECT_EQ(saved, "#Define Project Project1\r\n#include once \"" + a + "\"\r\n#include once \"" + b + "\"\r\n");
    EXPECT_EQ(folder.IniValue("mru", project.c_str()), "0") << folder.ReadIni();

    e2e::WorkbenchProcess process(folder);
    ASSERT_GE(process.WaitUntilIdle(), 0);
    process.PostCommand(tavrin::cmdMRUFirst);
    ASSERT_TRUE(WaitFor([&] { return process.Editors().size() == 3; })) << "the project and both units";
    ProjectTree tree(process);
    ASSERT_TRUE(WaitFor([&] { return tree.Count() == 3; })) << "the project and its units in the project window";

    HWND main = process.Main();
    PostMessageA(main, WM_KEYDOWN, VK_F9, 1);
    PostMessageA(main, WM_KEYUP, VK_F9, 0xC0000001);
    ASSERT_TRUE(AcceptSwitchQuestion()) << "F9 did not ask for switches";
    std::string program = folder.Path() + "\\demo.exe";
    EXPECT_TRUE(WaitFor([&] { return WindowText(main) == "Orvale Terminated [" + project + "]"; }))
        << WindowText(main);
    EXPECT_NE(ReadAll(record).find("\"" + project + "\""), std::string::npos) << ReadAll(record);
    EXPECT_EQ(Occurrences(ReadAll(programLog), program), 1) << "the program ran once: " << ReadAll(programLog);
    saved = ReadAll(project);
    EXPECT_EQ(Occurrences(saved, "application.run"), 1) << saved;
    EXPECT_EQ(Occurrences(saved, "#include once"), 2) << saved;
    EXPECT_EQ(process.CloseAndWait(), 0);
}

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: projects_e2e_test <path of Tavrin2.exe> [picture folder]\n");
        return 2;
    }
    tavrinExe = argv[1];
    if (argc > 2) pictureFolder = e2e::WindowsPath(argv[2]);
    return RUN_ALL_TESTS();
}
