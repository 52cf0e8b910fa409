// The workbench started as a process and driven from outside against files
// and settings that try to make it lose work: saves that fail at exit, a
// user's file named like a temporary file, a recent file whose name holds
// "&", a read-only file, window bounds far off the screen and a recent-file
// list of twenty thousand entries.
#include <gtest/gtest.h>

#include <cstdio>
#include <algorithm>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "workbench/main_window.h"
#include "workbench_process.h"

namespace {

using tavrin::cmdMRUFirst;
using tavrin::cmdSave;

std::string tavrinExe;

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

bool IsReadOnly(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

// A workbench in a folder of its own; the files it works on lie in the same folder.
class Session : public e2e::Session {
public:
    Session() : e2e::Session(tavrinExe) {}

    // Starts the workbench with the named files of the folder as its recent
    // files, in menu order, and more settings after them.
    bool Start(const std::vector<std::string>& recentNames, const std::string& moreSettings = "") {
        std::string ini = "[mru]\r\n";
        for (size_t i = 0; i < recentNames.size(); ++i)
            ini += Path(recentNames[i]) + "=" + std::to_string(i) + "\r\n";
        folder_.WriteIni(ini + moreSettings);
        return Restart();
    }

    // Opens the recent file at that position of the menu and returns its
    // editor once the file is loaded and the open command has ended, so that
    // typing counts as an edit.
    HWND OpenRecent(int position, const std::string& name) {
        std::set<HWND> before = process_->Editors();
        process_->PostCommand(cmdMRUFirst + position);
        HWND editor = process_->WaitForNewEditor(before);
        if (!editor) return nullptr;
        const LRESULT length = static_cast<LRESULT>(ReadFile(Path(name)).size());
        for (int i = 0; i < 500 && SendMessageA(editor, WM_GETTEXTLENGTH, 0, 0) != length; ++i) Sleep(10);
        Sleep(300);
        return editor;
    }

    // Waits for the next box and returns its text ("<no box>" when none came).
    std::string NextBox(HWND& box) {
        box = process_->WaitForBox();
        return box ? e2e::BoxText(box) : "<no box>";
    }

    // Answers the close question of the one modified page and returns the
    // box that follows the answer, if any.
    HWND CloseAnswering(int answer, const std::string& question) {
        process_->PostClose();
        HWND box = nullptr;
        EXPECT_EQ(NextBox(box), question);
        if (!box) return nullptr;
        process_->PressButton(box, answer);
        return process_->WaitForBox(1500);
    }
};

const char* const kSaveQuestion = "The y.bas page was modified.\nDo you want to Save it?";

TEST(FileSafety, ASaveThatFailsAtExitKeepsTheWorkbenchAndTheEdit) {
    Session session;
    const std::string file = session.Path("y.bas");
    WriteFile(file, "print 1\r\n");
    ASSERT_TRUE(session.Start({"y.bas"}));
    HWND editor = session.OpenRecent(0, "y.bas");
    ASSERT_NE(editor, nullptr);
    e2e::TypeInto(editor, "x");

    // Another program holds the file: it cannot be replaced while it is open.
    HANDLE lock = CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    HWND error = session.CloseAnswering(IDYES, kSaveQuestion);
    ASSERT_NE(error, nullptr) << "the failed save was not reported";
    EXPECT_NE(e2e::BoxText(error).find("y.bas"), std::string::npos) << e2e::BoxText(error);
    session.Process().PressButton(error, IDOK);
    Sleep(300);
    EXPECT_TRUE(session.Process().Running()) << "the workbench ended although the edit was not saved";

    // Cancel keeps it open as well; the page is still modified, so the question comes again.
    EXPECT_EQ(session.CloseAnswering(IDCANCEL, kSaveQuestion), nullptr);
    EXPECT_TRUE(session.Process().Running());
    CloseHandle(lock);
    EXPECT_EQ(ReadFile(file), "print 1\r\n");

    // Once the file can be written, Yes saves the edit and the workbench ends.
    session.Process().PostClose();
    HWND question = nullptr;
    EXPECT_EQ(session.NextBox(question), kSaveQuestion);
    if (question) session.Process().PressButton(question, IDYES);
    EXPECT_EQ(session.Process().WaitForExit(), 0);
    EXPECT_EQ(ReadFile(file), "xprint 1\r\n");
}

TEST(FileSafety, SavingLeavesAUsersFileNamedLikeATemporaryFileAlone) {
    Session session;
    WriteFile(session.Path("y.bas"), "print 1\r\n");
    WriteFile(session.Path("y.bas.tmp"), "the user's own notes");
    WriteFile(session.Path("z.bas"), "print 2\r\n");
    ASSERT_TRUE(CreateDirectoryA(session.Path("z.bas.tmp").c_str(), nullptr));
    ASSERT_TRUE(session.Start({"y.bas", "z.bas"}));

    HWND editor = session.OpenRecent(0, "y.bas");
    ASSERT_NE(editor, nullptr);
    e2e::TypeInto(editor, "a");
    session.Process().PostCommand(cmdSave);
    editor = session.OpenRecent(1, "z.bas");
    ASSERT_NE(editor, nullptr);
    e2e::TypeInto(editor, "b");
    session.Process().PostCommand(cmdSave);
    HWND box = session.Process().WaitForBox(1500);
    EXPECT_EQ(box, nullptr) << "a folder beside the file made the save fail: " << e2e::BoxText(box);
    if (box) session.Process().PressButton(box, IDOK);

    EXPECT_EQ(session.Process().CloseAndWait(), 0);
    EXPECT_EQ(ReadFile(session.Path("y.bas")), "aprint 1\r\n");
    EXPECT_EQ(ReadFile(session.Path("y.bas.tmp")), "the user's own notes");
    EXPECT_EQ(ReadFile(session.Path("z.bas")), "bprint 2\r\n");
    std::vector<std::string> names = e2e::NamesIn(session.Folder().Path());
    std::sort(names.begin(), names.end());
    // The languages window made at start makes its folder beside the program.
    EXPECT_EQ(names, (std::vector<std::string>{"DataBase.ini", "Languages", "Tavrin2.exe", "Tavrin2.ini", "y.bas",
                                               "y.bas.tmp", "z.bas", "z.bas.tmp"}))
        << "no temporary file is left behind";
}

TEST(FileSafety, ARecentFileWhoseNameHoldsAnAmpersandOpensThatFile) {
    Session session;
    WriteFile(session.Path("a&b.bas"), "print 1\r\n");
    WriteFile(session.Path("ab.bas"), "print 2\r\n");
    ASSERT_TRUE(session.Start({"a&b.bas"}));
    HWND editor = session.OpenRecent(0, "a&b.bas");
    ASSERT_NE(editor, nullptr);
    e2e::TypeInto(editor, "x");
    session.Process().PostCommand(cmdSave);
    EXPECT_EQ(session.Process().CloseAndWait(), 0);
    EXPECT_EQ(ReadFile(session.Path("a&b.bas")), "xprint 1\r\n");
    EXPECT_EQ(ReadFile(session.Path("ab.bas")), "print 2\r\n");
}

TEST(FileSafety, SaveOverAReadOnlyFileAsksForAnotherNameAndKeepsTheFile) {
    Session session;
    const std::string file = session.Path("y.bas");
    WriteFile(file, "print 1\r\n");
    ASSERT_TRUE(SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY));
    ASSERT_TRUE(session.Start({"y.bas"}));
    HWND editor = session.OpenRecent(0, "y.bas");
    ASSERT_NE(editor, nullptr);
    e2e::TypeInto(editor, "x");

    session.Process().PostCommand(cmdSave);
    HWND box = nullptr;
    std::string text = session.NextBox(box);
    EXPECT_NE(text.find("read-only"), std::string::npos) << text;
    if (box) session.Process().PressButton(box, IDOK);
    HWND saveBox = session.Process().WaitForBox(3000);
    ASSERT_NE(saveBox, nullptr) << "no save box for another name";
    EXPECT_EQ(e2e::BoxText(saveBox), "") << "a file box, not a message";
    session.Process().PressButton(saveBox, IDCANCEL);
    EXPECT_EQ(ReadFile(file), "print 1\r\n");
    EXPECT_TRUE(IsReadOnly(file));

    // At exit, Yes leads to the same message and box; cancelling the box keeps the page.
    HWND message = session.CloseAnswering(IDYES, kSaveQuestion);
    ASSERT_NE(message, nullptr);
    EXPECT_NE(e2e::BoxText(message).find("read-only"), std::string::npos);
    session.Process().PressButton(message, IDOK);
    saveBox = session.Process().WaitForBox(3000);
    ASSERT_NE(saveBox, nullptr);
    session.Process().PressButton(saveBox, IDCANCEL);
    Sleep(300);
    EXPECT_TRUE(session.Process().Running());

    EXPECT_EQ(session.CloseAnswering(IDNO, kSaveQuestion), nullptr);
    EXPECT_EQ(session.Process().WaitForExit(), 0);
    EXPECT_EQ(ReadFile(file), "print 1\r\n");
    EXPECT_TRUE(IsReadOnly(file)) << "the read-only flag was cleared";
    SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(FileSafety, WindowBoundsOffEveryScreenAreBroughtBackAndSavedSo) {
    Session session;
    ASSERT_TRUE(session.Start({}, "[general]\r\nforms=Main,Code,Inspector,ObjectsTree\r\n"
                                  "[Main]\r\nleft=-32000\r\ntop=-32000\r\nwidth=900\r\nheight=119\r\n"
                                  "[Code]\r\nleft=2147483647\r\ntop=2147483647\r\nwidth=640\r\nheight=420\r\n"
                                  "[Inspector]\r\nleft=-2147483648\r\ntop=300\r\nwidth=2147483647\r\nheight=400\r\n"
                                  "[ObjectsTree]\r\nleft=200\r\ntop=-50\r\nwidth=220\r\nheight=-7\r\n"));
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const int caption = GetSystemMetrics(SM_CYCAPTION);
    auto windows = session.Process().Windows();
    for (const char* name : {"TMain", "TCode", "TInspector", "TObjectsTree"}) {
        RECT r = windows[name].bounds;
        EXPECT_GE(r.top, work.top) << name;
        EXPECT_LE(r.top + caption, work.bottom) << name;
        EXPECT_GT(r.right, work.left + caption) << name;
        EXPECT_LT(r.left, work.right - caption) << name;
        EXPECT_LE(r.right - r.left, work.right - work.left) << name;
    }
    EXPECT_EQ(session.Process().CloseAndWait(), 0);
    for (const char* name : {"Main", "Code", "Inspector", "ObjectsTree"}) {
        int left = std::stoi(session.Folder().IniValue(name, "left"));
        int top = std::stoi(session.Folder().IniValue(name, "top"));
        EXPECT_GE(top, work.top) << name;
        EXPECT_LT(top, work.bottom) << name;
        EXPECT_LT(left, work.right) << name;
        EXPECT_GT(left + std::stoi(session.Folder().IniValue(name, "width")), work.left) << name;
    }
}

TEST(FileSafety, AHugeRecentFileListIsCutAndTheExitStaysQuick) {
    Session session;
    std::string mru = "[mru]\r\n";
    for (int i = 0; i < 20000; ++i) mru += "C:\\projects\\file" + std::to_string(i) + ".bas=" + std::to_string(i) + "\r\n";
    session.Folder().WriteIni(mru);
    e2e::WorkbenchProcess process(session.Folder());
    ASSERT_GE(process.WaitUntilIdle(60000), 0);
    DWORD start = GetTickCount();
    ASSERT_EQ(process.CloseAndWait(30000), 0) << "the workbench did not end in time";
    std::printf("exit with 20000 recent files: %lu ms\n", GetTickCount() - start);
    std::vector<char> keys(1 << 20, '\0');
    DWORD length = GetPrivateProfileSectionA("mru", keys.data(), static_cast<DWORD>(keys.size()),
                                             session.Folder().Ini().c_str());
    int count = 0;
    for (DWORD i = 0; i < length; ++i) count += keys[i] == '\0';
    EXPECT_EQ(count, 50);
    EXPECT_EQ(session.Folder().IniValue("mru", "C:\\projects\\file0.bas"), "0");
    EXPECT_EQ(session.Folder().IniValue("mru", "C:\\projects\\file49.bas"), "49");
    EXPECT_EQ(session.Folder().IniValue("mru", "C:\\projects\\file50.bas"), "<missing>");
}

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: file_safety_e2e_test <path of Tavrin2.exe>\n");
        return 2;
    }
    tavrinExe = argv[1];
    return RUN_ALL_TESTS();
}
