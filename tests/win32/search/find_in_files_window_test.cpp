// Find in files in the running workbench: the result window's lines and
// their jump, the open pages' editors, a folder with masks and subfolders,
// and a long search that keeps the workbench answering and can be stopped.
#include "search_test_support.h"

namespace tavrin::test {
namespace {

using Kind = ScriptedPrompts::Kind;

class FindInFilesWindowTest : public SearchWindowsTest {
protected:
    TFindInFilesDialog& Window() { return *TheSearchWindows().findInFiles; }
    void Find(const std::string& text, SearchPlace place, const std::string& folder = {}) {
        Hooks().findInFiles();
        Window().SetText(text);
        Window().SetPlace(place);
        Window().SetFolder(folder);
        SendMessageA(Window().Handle(), WM_COMMAND, TFindInFilesDialog::idOk, 0);
    }
    // A tree of files with the word at the end of each (long enough that the
    // search lets messages run several times before it ends).
    static std::string ManyFiles(const std::string& name, int folders, int files) {
        std::string folder = Scratch(name);
        for (int d = 0; d < folders; ++d)
            for (int f = 0; f < files; ++f)
                WriteBytes(folder + "\\dir" + std::to_string(d) + "\\file" + std::to_string(f) + ".bas",
                           std::string(2000, 'x') + "\r\nword\r\n");
        return folder;
    }
    static std::vector<std::string> ResultLines() { return App().Code->Results().Lines(); }
};

TEST_F(FindInFilesWindowTest, ReportsLinesFromOneAndJumpsToThem) {
    std::string folder = Scratch("find_scratch");
    std::string first = WriteBytes(folder + "\\first.bas", "needle at the start\r\n\r\nx = needle2\r\n");
    WriteBytes(folder + "\\sub\\second.bi", "a\nb\nc needle\n");
    WriteBytes(folder + "\\sub\\skip.txt", "needle");
    Hooks().findInFiles();
    SetWindowTextA(Window().Control(TFindInFilesDialog::idMasks), "*.bas;*.bi");
    Find("needle", SearchPlace::Directory, folder);
    EXPECT_EQ(ResultLines(), (std::vector<std::string>{"Find in " + first + " at line:1",
                                                       "Find in " + first + " at line:3",
                                                       "Find in " + folder + "\\sub\\second.bi at line:3"}));
    EXPECT_EQ(App().Code->ResultViews().ActiveName(), TFindInFilesDialog::kResultView);
    EXPECT_EQ(App().Code->StatusText(2), "3 found in 2 files");
    EXPECT_FALSE(Window().Visible()) << "a finished search closes the window";
    // A click in the gutter beside the third line opens that file at line 3.
    App().Code->ResultViews().Click(2);
    auto* page = dynamic_cast<TCodePage*>(App().Code->ActivePage());
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->FileName(), folder + "\\sub\\second.bi");
    EXPECT_EQ(page->Editor().Edit().CaretLine(), 2);
    // Whole words only: "needle2" is not reported.
    Hooks().findInFiles();
    SetChecked(Window().Control(TFindInFilesDialog::idWholeWord), true);
    SetWindowTextA(Window().Control(TFindInFilesDialog::idMasks), "*.bas");
    Find("needle", SearchPlace::Directory, folder);
    SetChecked(Window().Control(TFindInFilesDialog::idWholeWord), false);
    EXPECT_EQ(ResultLines(), (std::vector<std::string>{"Find in " + first + " at line:1"}));
}

TEST_F(FindInFilesWindowTest, OpenPagesAreSearchedAsTheyAreShown) {
    std::string folder = Scratch("find_open_scratch");
    std::string saved = WriteBytes(folder + "\\saved.bas", "nothing here\r\n");
    TCodePage* page = dynamic_cast<TCodePage*>(Hooks().openPage(saved));
    ASSERT_NE(page, nullptr);
    page->Editor().Edit().SetText("typed but not saved\r\nMarker\r\n");
    NewPage("Marker in a page without a file\r\n");
    SetWindowTextA(Window().Control(TFindInFilesDialog::idMasks), "*.*");
    SetChecked(Window().Control(TFindInFilesDialog::idMatchCase), true);
    Find("Marker", SearchPlace::OpenFiles);
    SetChecked(Window().Control(TFindInFilesDialog::idMatchCase), false);
    EXPECT_EQ(ResultLines(), (std::vector<std::string>{"Find in " + saved + " at line:2"}));
    EXPECT_EQ(Selected(page), "Marker");
}

TEST_F(FindInFilesWindowTest, InProjectFilesSearchesTheUnitsOfTheCurrentProject) {
    std::string folder = Scratch("find_project_scratch");
    std::string unit = WriteBytes(folder + "\\unit.bas", "\r\nSub Unit\r\n");
    WriteBytes(folder + "\\other.bas", "Sub Unit\r\n");
    Hooks().findInFiles();
    EXPECT_FALSE(IsWindowEnabled(Window().Control(TFindInFilesDialog::idProjectFiles))) << "no project";
    TProject& project = TheProjects().list->Create();
    project.UnitFiles.Add(unit);
    Find("Unit", SearchPlace::ProjectFiles);
    EXPECT_TRUE(IsWindowEnabled(Window().Control(TFindInFilesDialog::idProjectFiles)));
    EXPECT_EQ(ResultLines(), (std::vector<std::string>{"Find in " + unit + " at line:2"}));
    TheProjects().list->CloseProject(project, false);
}

TEST_F(FindInFilesWindowTest, EmptyTextsMissingFoldersAndBadExpressionsAreReported) {
    Find("", SearchPlace::OpenFiles);
    Find("x", SearchPlace::Directory, TestProgramFolder() + "\\no such folder");
    SetChecked(Window().Control(TFindInFilesDialog::idRegularExpression), true);
    Find("a[", SearchPlace::OpenFiles);
    SetChecked(Window().Control(TFindInFilesDialog::idRegularExpression), false);
    EXPECT_EQ(Prompts().TextsOf(Kind::Information),
              (std::vector<std::string>{"The text to find can't be wide.",
                                        "The folder \"" + TestProgramFolder() + "\\no such folder\" does not exist."}));
    EXPECT_EQ(Prompts().TextsOf(Kind::Error).size(), 1u);
    EXPECT_TRUE(Window().Visible()) << "nothing ran: the window stays";
}

// Records, while a search runs, what the workbench shows: the timer's
// messages only arrive when the search lets messages run.
struct Observer {
    static Observer* current;
    std::vector<std::pair<std::size_t, std::string>> seen;  // result lines, status text
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        if (current && TheSearchWindows().findInFiles->Running())
            current->seen.emplace_back(App().Code->Results().LineCount(), App().Code->StatusText(2));
    }
};
Observer* Observer::current = nullptr;

TEST_F(FindInFilesWindowTest, ALongSearchShowsItsProgressWhileItRuns) {
    std::string folder = ManyFiles("find_many_scratch", 10, 250);
    SetWindowTextA(Window().Control(TFindInFilesDialog::idMasks), "*.bas");
    Observer observer;
    Observer::current = &observer;
    UINT_PTR timer = SetTimer(nullptr, 0, 20, Observer::Tick);
    Find("word", SearchPlace::Directory, folder);
    KillTimer(nullptr, timer);
    Observer::current = nullptr;
    EXPECT_EQ(Window().LastSummary().occurrences, 2500);
    ASSERT_FALSE(observer.seen.empty()) << "no message ran during the search";
    bool linesWhileSearching = false, folderShown = false;
    for (const auto& [lines, status] : observer.seen) {
        linesWhileSearching |= lines > 0 && lines < 2500;
        folderShown |= status.rfind(folder + "\\dir", 0) == 0;
    }
    EXPECT_TRUE(linesWhileSearching);
    EXPECT_TRUE(folderShown);
    // The same tree again: the unchanged files are not read a second time.
    Find("word", SearchPlace::Directory, folder);
    EXPECT_EQ(Window().LastSummary().occurrences, 2500);
    EXPECT_EQ(Window().LastSummary().filesRead, 0);
}

TEST_F(FindInFilesWindowTest, EscapeStopsASearch) {
    std::string folder = ManyFiles("find_escape_scratch", 4, 250);
    SetWindowTextA(Window().Control(TFindInFilesDialog::idMasks), "*.bas");
    // Escape, as the user presses it while the search runs.
    PostMessageA(Window().Control(TFindInFilesDialog::idText), WM_KEYDOWN, VK_ESCAPE, 0);
    Find("word", SearchPlace::Directory, folder);
    EXPECT_TRUE(Window().LastSummary().stopped);
    EXPECT_LT(Window().LastSummary().files, 1000);
    EXPECT_EQ(App().Code->StatusText(2).rfind("Stopped: ", 0), 0u);
    EXPECT_TRUE(Window().Visible()) << "a stopped search leaves the window up";
    EXPECT_EQ(static_cast<int>(ResultLines().size()), Window().LastSummary().occurrences);
}

}  // namespace
}  // namespace tavrin::test
