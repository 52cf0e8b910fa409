// The safety net for unsaved work, driven from outside: pages typed into and
// then lost with the process (killed, or ended by a fault inside a pack's
// window procedure) are offered at the next start and restored byte for
// byte; the files they came from are not touched; a clean exit leaves no
// copies behind.
#include <gtest/gtest.h>

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
using tavrin::cmdNewCode;

std::string tavrinExe;
std::string faultPack;

constexpr UINT kFaultAccess = WM_APP + 0x66;  // FaultPack's trigger messages
constexpr UINT kFaultThrow = WM_APP + 0x67;

// Reads a file sharing it fully, so that the workbench may remove it meanwhile.
std::string ReadFile(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "<missing>";
    std::string text;
    char buffer[65536];
    DWORD got = 0;
    while (::ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) text.append(buffer, got);
    CloseHandle(file);
    return text;
}

void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

// The texts kept in every session folder of the recovery root, in name order.
std::vector<std::string> KeptTexts(const std::string& root) {
    std::vector<std::string> texts;
    for (const std::string& session : e2e::NamesIn(root, e2e::Entries::Folders))
        for (const std::string& file : e2e::NamesIn(root + "\\" + session, e2e::Entries::Files))
            if (file.size() > 4 && file.compare(file.size() - 4, 4, ".txt") == 0 && file != "crash-report.txt")
                texts.push_back(ReadFile(root + "\\" + session + "\\" + file));
    return texts;
}

// Waits until the recovery root holds one session folder keeping exactly
// these texts (any order).
bool WaitForKeptTexts(const std::string& root, std::vector<std::string> expected, DWORD timeoutMs = 10000) {
    std::sort(expected.begin(), expected.end());
    DWORD start = GetTickCount();
    do {
        std::vector<std::string> kept = KeptTexts(root);
        std::sort(kept.begin(), kept.end());
        if (kept == expected && e2e::NamesIn(root, e2e::Entries::Folders).size() == 1) return true;
        Sleep(100);
    } while (GetTickCount() - start < timeoutMs);
    return false;
}

std::string EditorText(HWND editor) {
    LRESULT length = SendMessageA(editor, WM_GETTEXTLENGTH, 0, 0);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    LRESULT got = SendMessageA(editor, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(got));
    return text;
}

// A workbench in a folder of its own, with the files it works on beside it.
class Session : public e2e::Session {
public:
    Session() : e2e::Session(tavrinExe) {}

    std::string RecoveryRoot() const { return folder_.RecoveryRoot(); }

    bool Start(const std::string& settings) {
        folder_.WriteIni(settings);
        return Restart();
    }

    HWND NewEditorAfter(int command) {
        std::set<HWND> before = process_->Editors();
        process_->PostCommand(command);
        HWND editor = process_->WaitForNewEditor(before);
        Sleep(200);  // the command ends before typing counts as an edit
        return editor;
    }

    // The recovery window of the process, once visible; nullptr on time-out.
    HWND WaitForRecoveryWindow(DWORD timeoutMs = 10000) {
        DWORD start = GetTickCount();
        do {
            auto windows = process_->Windows();
            auto found = windows.find("TRecovery");
            if (found != windows.end() && found->second.visible) return found->second.handle;
            Sleep(50);
        } while (GetTickCount() - start < timeoutMs && process_->Running());
        return nullptr;
    }

    // Presses a button of the recovery window by its text.
    void Press(HWND window, const char* text) {
        HWND button = FindWindowExA(window, nullptr, "Button", text);
        ASSERT_NE(button, nullptr) << text;
        PostMessageA(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                     reinterpret_cast<LPARAM>(button));
    }

    // Waits for count editors that were not among before.
    std::vector<HWND> WaitForEditors(const std::set<HWND>& before, size_t count) {
        std::vector<HWND> found;
        DWORD start = GetTickCount();
        do {
            found.clear();
            for (HWND editor : process_->Editors())
                if (!before.count(editor)) found.push_back(editor);
            if (found.size() >= count) break;
            Sleep(50);
        } while (GetTickCount() - start < 10000);
        return found;
    }

    // Closes the workbench answering each save question in turn; the
    // questions asked, in order.
    std::vector<std::string> CloseAnswering(const std::vector<int>& answers) {
        std::vector<std::string> questions;
        process_->PostClose();
        for (int answer : answers) {
            HWND box = process_->WaitForBox();
            if (!box) break;
            questions.push_back(e2e::BoxText(box));
            process_->PressButton(box, answer);
        }
        return questions;
    }
};

TEST(Recovery, PagesOfAKilledWorkbenchAreRestoredByteForByteAndACleanExitKeepsNoCopies) {
    Session session;
    const std::string file = session.Path("kept.bas");
    const std::string original = "print 1\r\nprint \"\xE9t\xE9\"\r\n";
    WriteFile(file, original);
    ASSERT_TRUE(session.Start("[mru]\r\n" + file + "=0\r\n"));

    HWND opened = session.NewEditorAfter(cmdMRUFirst);
    ASSERT_NE(opened, nullptr);
    e2e::TypeInto(opened, "' edited ");
    HWND fresh = session.NewEditorAfter(cmdNewCode);
    ASSERT_NE(fresh, nullptr);
    e2e::TypeInto(fresh, "dim shared x as integer");
    const std::string editedText = EditorText(opened);
    const std::string freshText = EditorText(fresh);
    ASSERT_EQ(editedText, "' edited " + original);
    ASSERT_EQ(freshText, "dim shared x as integer");

    // Within a few seconds both texts are kept; then the process dies.
    ASSERT_TRUE(WaitForKeptTexts(session.RecoveryRoot(), {editedText, freshText}))
        << "the unsaved pages were not written to the recovery folder";
    session.Process().Kill();
    EXPECT_EQ(ReadFile(file), original);

    ASSERT_TRUE(session.Restart());
    HWND recovery = session.WaitForRecoveryWindow();
    ASSERT_NE(recovery, nullptr) << "no recovery window after the kill";
    HWND list = FindWindowExA(recovery, nullptr, "SysListView32", nullptr);
    EXPECT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 2);
    std::set<HWND> before = session.Process().Editors();
    session.Press(recovery, "Restore");
    std::vector<HWND> restored = session.WaitForEditors(before, 2);
    ASSERT_EQ(restored.size(), 2u);
    for (int i = 0; i < 500 && IsWindowVisible(recovery); ++i) Sleep(20);
    EXPECT_FALSE(IsWindowVisible(recovery)) << "the window stayed with every page restored";
    std::vector<std::string> texts{EditorText(restored[0]), EditorText(restored[1])};
    std::sort(texts.begin(), texts.end());
    std::vector<std::string> expected{editedText, freshText};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(texts, expected);
    EXPECT_EQ(ReadFile(file), original) << "restoring wrote over the user's file";

    // The restored pages are unsaved again, so this run keeps them too; the
    // clean exit then removes every copy. The file page kept its name: Yes
    // saves the restored text into it.
    ASSERT_TRUE(WaitForKeptTexts(session.RecoveryRoot(), {editedText, freshText}));
    std::vector<std::string> questions = session.CloseAnswering({IDNO, IDYES});
    EXPECT_EQ(questions, (std::vector<std::string>{"The noname1 page was modified.\nDo you want to Save it?",
                                                   "The kept.bas page was modified.\nDo you want to Save it?"}));
    EXPECT_EQ(session.Process().WaitForExit(), 0);
    EXPECT_EQ(ReadFile(file), editedText);
    EXPECT_TRUE(KeptTexts(session.RecoveryRoot()).empty());
    std::vector<std::string> left = e2e::NamesIn(session.RecoveryRoot(), e2e::Entries::Folders);
    for (const std::string& folder : std::vector<std::string>(left))
        for (const std::string& name : e2e::NamesIn(session.RecoveryRoot() + "\\" + folder)) left.push_back("  " + name);
    EXPECT_TRUE(left.empty()) << "left behind: " << testing::PrintToString(left);
}

// The workbench with FaultPack loaded, one new page typed into, and the
// pack's trigger window told to fail; returns the text of the fatal box.
std::string CrashInsidePack(Session& session, UINT fault, const std::string& typed) {
    session.Folder().CopyIn(faultPack, "FaultPack.dll");
    EXPECT_TRUE(session.Start("[libs]\r\nFaultPack.dll=true\r\n"));
    HWND editor = session.NewEditorAfter(cmdNewCode);
    EXPECT_NE(editor, nullptr);
    if (!editor) return {};
    e2e::TypeInto(editor, typed);
    auto windows = session.Process().Windows();
    EXPECT_TRUE(windows.count("QFaultTrigger")) << "the pack made no trigger window";
    PostMessageA(windows["QFaultTrigger"].handle, fault, 0, 0);
    HWND box = session.Process().WaitForBox();
    EXPECT_NE(box, nullptr) << "no fatal error box";
    if (!box) return {};
    std::string text = e2e::BoxText(box);
    session.Process().PressButton(box, IDOK);
    EXPECT_NE(session.Process().WaitForExit(), 0);
    return text;
}

std::string OnlyReport(const std::string& root) {
    std::vector<std::string> sessions = e2e::NamesIn(root, e2e::Entries::Folders);
    if (sessions.size() != 1) return "<" + std::to_string(sessions.size()) + " sessions>";
    return ReadFile(root + "\\" + sessions[0] + "\\crash-report.txt");
}

TEST(Recovery, AFaultInsideAPacksWindowProcedureKeepsThePagesAndWritesAReport) {
    Session session;
    const std::string typed = "print \"typed at once before the fault\"";
    std::string notice = CrashInsidePack(session, kFaultAccess, typed);
    std::vector<std::string> sessions = e2e::NamesIn(session.RecoveryRoot(), e2e::Entries::Folders);
    ASSERT_EQ(sessions.size(), 1u);
    const std::string folder = session.RecoveryRoot() + "\\" + sessions[0];
    EXPECT_NE(notice.find(folder), std::string::npos) << notice;
    EXPECT_NE(notice.find(folder + "\\crash-report.txt"), std::string::npos) << notice;
    // Written by the handler itself: the autosave's interval had not passed.
    EXPECT_EQ(KeptTexts(session.RecoveryRoot()), std::vector<std::string>{typed});
    std::string report = OnlyReport(session.RecoveryRoot());
    EXPECT_NE(report.find("Error: access violation (writing 0x00000010)"), std::string::npos) << report;
    EXPECT_NE(report.find("in FaultPack.dll + 0x"), std::string::npos) << report;
    EXPECT_NE(report.find("Last command: New Code (toolbar)"), std::string::npos) << report;
    EXPECT_NE(report.find("Pages kept: 1 in " + folder), std::string::npos) << report;

    // The next start offers the page; Discard deletes the copy, the report stays.
    ASSERT_TRUE(session.Restart());
    HWND recovery = session.WaitForRecoveryWindow();
    ASSERT_NE(recovery, nullptr);
    session.Press(recovery, "Discard");
    for (int i = 0; i < 200 && IsWindowVisible(recovery); ++i) Sleep(20);
    EXPECT_FALSE(IsWindowVisible(recovery)) << "the window stayed with no page left";
    EXPECT_TRUE(KeptTexts(session.RecoveryRoot()).empty());
    EXPECT_EQ(e2e::NamesIn(folder, e2e::Entries::Files), std::vector<std::string>{"crash-report.txt"});
    EXPECT_EQ(session.Process().CloseAndWait(), 0);
}

TEST(Recovery, ACppExceptionThrownOutOfAPacksWindowProcedureIsFatalButKeepsThePages) {
    Session session;
    const std::string typed = "sub Main";
    std::string notice = CrashInsidePack(session, kFaultThrow, typed);
    EXPECT_NE(notice.find("fatal error"), std::string::npos) << notice;
    EXPECT_EQ(KeptTexts(session.RecoveryRoot()), std::vector<std::string>{typed});
    std::string report = OnlyReport(session.RecoveryRoot());
    EXPECT_NE(report.find("Error: "), std::string::npos) << report;
    EXPECT_NE(report.find("Last command: New Code (toolbar)"), std::string::npos) << report;
}

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: recovery_e2e_test <path of Tavrin2.exe> <path of FaultPack.dll>\n");
        return 2;
    }
    tavrinExe = argv[1];
    faultPack = argv[2];
    return RUN_ALL_TESTS();
}
