// The main window, code window and small windows of the workbench, started
// inside this test program: menu enable rules, the toolbar, the close query,
// the result window's commands, the about box and the help chooser.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include "workbench/code_window.h"
#include "analysis/include_database.h"
#include "workbench/about_window.h"
#include "ui/file_system.h"
#include "workbench/helps_window.h"
#include "settings/launcher.h"
#include "workbench/main_window.h"
#include "settings/help_file.h"
#include "workbench/splash_window.h"
#include "workbench/workbench.h"
#include "workbench_fixture.h"

namespace tavrin::test {
namespace {

using Kind = ScriptedPrompts::Kind;

bool MenuEnabled(HMENU menu, int id) {
    return !(GetMenuState(menu, static_cast<UINT>(id), MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED));
}

class MainWindowTest : public testing::Test {
protected:
    void SetUp() override {
        EnsureWorkbenchStarted();
        Prompts().shown.clear();
        Prompts().answers.clear();
        Prompts().inputs.clear();
        saved_ = App().Main->Hooks;
    }
    void TearDown() override {
        App().Main->Hooks = saved_;
        while (App().Code->PageCount() > 0) App().Code->FreePage(App().Code->Page(0));
    }
    FakeCodePage* AddPage(const std::string& caption, const std::string& file, bool modified = false) {
        auto page = std::make_unique<FakeCodePage>(caption, file, modified);
        FakeCodePage* raw = page.get();
        App().Code->AddPage(std::move(page));
        return raw;
    }
    HMENU TopMenu(int position) { return GetSubMenu(App().Main->MenuBar(), position); }

    MainHooks saved_;
};

TEST_F(MainWindowTest, ActionMenuFollowsTheOutputFileAndTheDebugFolder) {
    std::string exe = ExecutableFilePath();
    App().Main->Hooks.exeFile = [exe] { return exe; };
    std::string debug = App().ApplicationDirectory + "\\debug";
    RemoveDirectoryA(debug.c_str());
    HMENU action = TopMenu(3);
    App().Main->UpdateMenu(action);
    EXPECT_TRUE(MenuEnabled(action, cmdRun));
    EXPECT_FALSE(MenuEnabled(action, cmdCompile)) << "no code page is current";
    EXPECT_FALSE(MenuEnabled(action, cmdRunWithDebugger)) << "no debug folder";
    EXPECT_FALSE(MenuEnabled(action, cmdResetProgram));

    ASSERT_TRUE(CreateDirectoryA(debug.c_str(), nullptr));
    App().Main->UpdateMenu(action);
    EXPECT_TRUE(MenuEnabled(action, cmdRunWithDebugger));
    RemoveDirectoryA(debug.c_str());

    App().Main->Hooks.exeFile = [] { return std::string("C:\\no\\such\\program.exe"); };
    App().Main->Hooks.running = [] { return true; };
    App().Main->UpdateMenu(action);
    EXPECT_FALSE(MenuEnabled(action, cmdRun));
    EXPECT_FALSE(MenuEnabled(action, cmdCompileAndRun));
    EXPECT_TRUE(MenuEnabled(action, cmdResetProgram));
}

TEST_F(MainWindowTest, FindNextNeedsASuccessfulSearchWhileFindNeedsACodePage) {
    HMENU search = TopMenu(1);
    App().Main->UpdateMenu(search);
    EXPECT_FALSE(MenuEnabled(search, cmdFind));
    AddPage("a.bas", ExecutableFilePath());
    bool found = false;
    App().Main->Hooks.find = [] {};
    App().Main->Hooks.findNext = [] {};
    App().Main->Hooks.lastSearchFound = [&found] { return found; };
    App().Main->UpdateMenu(search);
    EXPECT_TRUE(MenuEnabled(search, cmdFind));
    EXPECT_TRUE(MenuEnabled(search, cmdGoToLine));
    EXPECT_FALSE(MenuEnabled(search, cmdFindNext));
    found = true;
    App().Main->UpdateMenu(search);
    EXPECT_TRUE(MenuEnabled(search, cmdFindNext));
}

// Every entry of the menu and its sub-menus, by its identifier and caption.
void ForEachEntry(HMENU menu, const std::function<void(HMENU, int, const std::string&)>& visit) {
    for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i) {
        char caption[128] = {};
        MENUITEMINFOA item{};
        item.cbSize = sizeof(item);
        item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        item.dwTypeData = caption;
        item.cch = sizeof(caption);
        ASSERT_TRUE(GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &item));
        if (item.fType & MFT_SEPARATOR) continue;
        if (item.hSubMenu) {
            App().Main->UpdateMenu(item.hSubMenu);  // as when the sub-menu opens
            ForEachEntry(item.hSubMenu, visit);
        } else {
            visit(menu, static_cast<int>(item.wID), caption);
        }
    }
}

TEST_F(MainWindowTest, EveryEntryIsLiveWhenWiredAndGreyWithNothingToRun) {
    // Every rule holds: a saved code page among two, a program that runs, a
    // debug folder, a search that found something.
    AddPage("a.bas", ExecutableFilePath());
    AddPage("b.bas", ExecutableFilePath());
    std::string exe = ExecutableFilePath(), debug = App().ApplicationDirectory + "\\debug";
    CreateDirectoryA(debug.c_str(), nullptr);
    MainHooks& hooks = App().Main->Hooks;
    hooks.exeFile = [exe] { return exe; };
    hooks.running = [] { return true; };
    hooks.lastSearchFound = [] { return true; };
    for (auto hook : {&MainHooks::openFiles, &MainHooks::save, &MainHooks::saveAs, &MainHooks::saveAll,
                      &MainHooks::close, &MainHooks::closeAll, &MainHooks::exportRtf, &MainHooks::exportHtml,
                      &MainHooks::compile, &MainHooks::run, &MainHooks::compileAndRun, &MainHooks::runWithDebugger,
                      &MainHooks::resetProgram, &MainHooks::find, &MainHooks::findNext, &MainHooks::findInFiles,
                      &MainHooks::replace, &MainHooks::goToLine, &MainHooks::settings, &MainHooks::resources,
                      &MainHooks::projects, &MainHooks::forms, &MainHooks::codeModules, &MainHooks::compilerSwitch,
                      &MainHooks::componentPalette, &MainHooks::newComponent, &MainHooks::installComponent,
                      &MainHooks::packs, &MainHooks::languages})
        hooks.*hook = [] {};
    hooks.newPage = [](bool) {};
    HMENU bar = App().Main->MenuBar();
    int entries = 0;
    for (int top = 0; top < GetMenuItemCount(bar); ++top) {
        App().Main->UpdateMenu(TopMenu(top));
        ForEachEntry(TopMenu(top), [&](HMENU menu, int id, const std::string& caption) {
            ++entries;
            EXPECT_TRUE(MenuEnabled(menu, id)) << caption << " stays grey although everything is wired";
            EXPECT_TRUE(App().Main->CommandAvailable(id)) << caption << " has nothing to run";
        });
    }
    EXPECT_GE(entries, 40);

    // The same state with the settings dialog and the search unwired: their entries turn grey.
    hooks.settings = nullptr;
    hooks.find = nullptr;
    hooks.replace = nullptr;
    hooks.findInFiles = nullptr;
    App().Main->UpdateMenu(TopMenu(1));
    App().Main->UpdateMenu(TopMenu(2));
    EXPECT_FALSE(MenuEnabled(TopMenu(2), cmdSettings));
    EXPECT_FALSE(MenuEnabled(TopMenu(1), cmdFind));
    EXPECT_FALSE(MenuEnabled(TopMenu(1), cmdReplace));
    EXPECT_TRUE(MenuEnabled(TopMenu(1), cmdFindInFiles)) << "its window is there to show";
    App().Main->UpdateToolbar();
    EXPECT_FALSE(App().Main->ToolButtonEnabled(cmdSettings));
    EXPECT_TRUE(App().Main->ToolButtonEnabled(cmdNew));
    hooks.settings = [] {};
    App().Main->UpdateMenu(TopMenu(2));
    App().Main->UpdateToolbar();
    EXPECT_TRUE(MenuEnabled(TopMenu(2), cmdSettings)) << "wired later, it comes back";
    EXPECT_TRUE(App().Main->ToolButtonEnabled(cmdSettings));
    RemoveDirectoryA(debug.c_str());
}

TEST_F(MainWindowTest, ShortcutKeysFollowTheirEntriesButF9BuildsTheFirstProgram) {
    int compiles = 0, compileRuns = 0, runs = 0;
    App().Main->Hooks.compile = [&] { ++compiles; };
    App().Main->Hooks.compileAndRun = [&] { ++compileRuns; };
    App().Main->Hooks.run = [&] { ++runs; };
    App().Main->Hooks.exeFile = [] { return std::string("C:\\no\\such\\program.exe"); };
    auto key = [](int command) {
        SendMessageA(App().Main->Handle(), WM_COMMAND, MAKEWPARAM(cmdShortcutBase + command, 1), 0);
    };
    key(cmdCompile);
    key(cmdCompileAndRun);
    EXPECT_EQ(compiles + compileRuns, 0) << "no code page is current";
    AddPage("a.bas", ExecutableFilePath());
    key(cmdCompile);
    key(cmdCompileAndRun);
    key(cmdRun);
    EXPECT_EQ(compiles, 1);
    EXPECT_EQ(compileRuns, 1) << "F9 builds the first program although the entry is grey";
    EXPECT_EQ(runs, 0) << "Ctrl+F5 keeps its entry's rule: no program exists";
}

TEST_F(MainWindowTest, FileMenuAndToolbarFollowTheDocumentState) {
    HMENU file = TopMenu(0);
    App().Main->UpdateMenu(file);
    App().Main->UpdateToolbar();
    EXPECT_FALSE(MenuEnabled(file, cmdSaveAs));
    EXPECT_FALSE(MenuEnabled(file, cmdClose));
    EXPECT_FALSE(App().Main->ToolButtonEnabled(cmdSave));
    EXPECT_FALSE(App().Main->ToolButtonEnabled(cmdCompileAndRun));

    AddPage("Untitled1", "");  // a page without a file
    App().Main->UpdateMenu(file);
    App().Main->UpdateToolbar();
    EXPECT_FALSE(MenuEnabled(file, cmdSave));
    EXPECT_TRUE(MenuEnabled(file, cmdSaveAs));
    EXPECT_TRUE(MenuEnabled(file, cmdClose));
    EXPECT_FALSE(MenuEnabled(file, cmdSaveAll)) << "one page only";
    EXPECT_FALSE(App().Main->ToolButtonEnabled(cmdSave));
    EXPECT_TRUE(App().Main->ToolButtonEnabled(cmdSaveAs));

    AddPage("b.bas", ExecutableFilePath());
    App().Main->UpdateMenu(file);
    App().Main->UpdateToolbar();
    EXPECT_TRUE(MenuEnabled(file, cmdSave));
    EXPECT_TRUE(MenuEnabled(file, cmdSaveAll));
    EXPECT_TRUE(MenuEnabled(file, cmdCloseAll));
    EXPECT_TRUE(App().Main->ToolButtonEnabled(cmdSave));
    EXPECT_TRUE(App().Main->ToolButtonEnabled(cmdSaveAll));
    EXPECT_TRUE(App().Main->ToolButtonEnabled(cmdCompileAndRun));
    EXPECT_FALSE(App().Main->ToolButtonEnabled(cmdResetProgram));
}

TEST_F(MainWindowTest, CloseQueryKeepsTheWindowWhenOnePageIsCancelled) {
    FakeCodePage* first = AddPage("first.bas", "", true);
    FakeCodePage* second = AddPage("second.bas", "", true);
    // Pages close from the last to the first: No on the second, Cancel on the first.
    Prompts().answers = {Answer::No, Answer::Cancel};
    EXPECT_FALSE(App().Main->CanClose());
    EXPECT_EQ(Prompts().Texts(),
              (std::vector<std::string>{"Save changes to second.bas?", "Save changes to first.bas?"}));
    ASSERT_EQ(App().Code->PageCount(), 1) << "the page answered with No is closed";
    EXPECT_EQ(App().Code->Page(0), first);
    (void)second;
}

TEST_F(MainWindowTest, CloseQueryAsksAboutARunningProgram) {
    bool killed = false;
    App().Main->Hooks.running = [] { return true; };
    App().Main->Hooks.exeFile = [] { return std::string("C:\\work\\app.exe"); };
    App().Main->Hooks.killRunning = [&killed] { killed = true; };
    Prompts().answers = {Answer::Cancel};
    EXPECT_FALSE(App().Main->CanClose());
    EXPECT_FALSE(killed);
    ASSERT_EQ(Prompts().shown.size(), 1u);
    EXPECT_EQ(Prompts().shown[0].text,
              "Was detected a running session.\n[C:\\work\\app.exe]\nDo you want to terminate it?");
    Prompts().answers = {Answer::No};
    EXPECT_TRUE(App().Main->CanClose());
    EXPECT_FALSE(killed);
    Prompts().answers = {Answer::Yes};
    EXPECT_TRUE(App().Main->CanClose());
    EXPECT_TRUE(killed);
}

TEST_F(MainWindowTest, ClosingTheLastPageClearsTheExplorerAndTheDocument) {
    AddPage("a.bas", "");
    TVINSERTSTRUCTA insert{};
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<char*>("Functions");
    SendMessageA(App().Code->TreeView(), TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert));
    ASSERT_EQ(TreeView_GetCount(App().Code->TreeView()), 1u);
    App().Code->ClosePage();
    EXPECT_EQ(App().Code->PageCount(), 0);
    EXPECT_EQ(TreeView_GetCount(App().Code->TreeView()), 0u);
    EXPECT_EQ(App().CurrentDocument, nullptr);
    EXPECT_EQ(App().ActiveCodePage, nullptr);
}

TEST_F(MainWindowTest, ClosePageActivatesTheLastPageWhenTheIndexRunsPast) {
    AddPage("a.bas", "");
    AddPage("b.bas", "");
    FakeCodePage* c = AddPage("c.bas", "");
    App().Code->SetActivePage(2);
    App().Code->ClosePage();
    ASSERT_EQ(App().Code->PageCount(), 2);
    EXPECT_EQ(App().Code->ActivePageIndex(), 1);
    EXPECT_EQ(App().ActiveCodePage, App().Code->Page(1));
    EXPECT_NE(App().ActiveCodePage, c);
    EXPECT_EQ(App().Code->PageIndexOf("B.BAS"), -1) << "pages without files match no file name";
}

TEST_F(MainWindowTest, PageIndexOfComparesFileNamesWithoutCase) {
    AddPage("a.bas", "C:\\src\\a.bas");
    AddPage("b.bas", "C:\\src\\B.bas");
    EXPECT_EQ(App().Code->PageIndexOf("c:\\SRC\\b.BAS"), 1);
    EXPECT_EQ(App().Code->PageIndexOf("C:\\src\\c.bas"), -1);
}

TEST_F(MainWindowTest, FindRecordMovesTheCaretOrReportsNothingFound) {
    ScintillaView& results = App().Code->Results();
    results.SetLines({"alpha", "Beta", "gamma"});
    Prompts().inputs = {"beta"};
    App().Code->FindRecord();
    EXPECT_EQ(results.CaretLine(), 1);
    EXPECT_TRUE(Prompts().TextsOf(Kind::Information).empty());
    Prompts().inputs = {"zeta"};
    App().Code->FindRecord();
    EXPECT_EQ(Prompts().TextsOf(Kind::Information),
              (std::vector<std::string>{"The zeta searches did not find anything."}));
    EXPECT_EQ(Prompts().TextsOf(Kind::InputBox),
              (std::vector<std::string>{"Type the record name:", "Type the record name:"}));
}

TEST_F(MainWindowTest, QueuedReportLinesArriveTogetherAndInOrder) {
    ScintillaView& results = App().Code->Results();
    results.SetText("");
    App().Code->QueueResultLine("a.bas(3) Line: dim");
    App().Code->QueueResultLine("a.bas(9) Line: type");
    EXPECT_EQ(results.LineCount(), 0) << "queued lines wait for the message loop";
    Pump(30);
    EXPECT_EQ(results.Lines(), (std::vector<std::string>{"a.bas(3) Line: dim", "a.bas(9) Line: type"}));
    App().Code->QueueResultLine("b.bas(1) Line: end");
    App().Code->FlushResultLines();
    EXPECT_EQ(results.LineCount(), 3);
    Pump(30);
    EXPECT_EQ(results.LineCount(), 3) << "a flushed line is not appended twice";
}

TEST_F(MainWindowTest, StatusPanelsKeepTheirTexts) {
    App().Code->SetStatusText(0, "1: 1");
    App().Code->SetStatusText(2, "Compilation Time: 0.25 seconds");
    EXPECT_EQ(App().Code->StatusText(0), "1: 1");
    EXPECT_EQ(App().Code->StatusText(2), "Compilation Time: 0.25 seconds");
}

TEST_F(MainWindowTest, SystemLineNamesTheBitsOfTheSystemTheProcessRunsOn) {
    // A 32-bit process on 64-bit Windows sees PROCESSOR_ARCHITEW6432.
    bool wow64 = GetEnvironmentVariableA("PROCESSOR_ARCHITEW6432", nullptr, 0) > 0;
    EXPECT_EQ(SystemLineText("Tavrin2"), std::string("That Tavrin2 application run under ") +
                                             (wow64 ? "64" : "32") + " bits system.");
}

TEST_F(MainWindowTest, AboutBoxStoresExportSymbolsAndShowsThePicture) {
    App().Launcher->ExportSymbols = false;
    App().About->Show();
    EXPECT_FALSE(App().About->ExportSymbolsChecked());
    HWND box = FindWindowExA(App().About->Handle(), nullptr, "BUTTON", "Export symbols");
    ASSERT_NE(box, nullptr);
    SendMessageA(box, BM_CLICK, 0, 0);
    App().About->ShowPicture();
    ASSERT_NE(App().ImageShow->Picture(), nullptr) << "the JPEG resource was not decoded";
    BITMAP info{};
    GetObjectA(App().ImageShow->Picture(), sizeof(info), &info);
    EXPECT_EQ(info.bmWidth, 480);
    EXPECT_EQ(std::abs(info.bmHeight), 320);
    EXPECT_TRUE(App().ImageShow->Visible());
    App().About->PressOk();
    EXPECT_TRUE(App().Launcher->ExportSymbols);
    EXPECT_FALSE(App().ImageShow->Visible());
    EXPECT_FALSE(App().About->Visible());
}

TEST_F(MainWindowTest, HelpChooserAppendsTheHelpFolderAtEveryShowing) {
    std::string help = App().ApplicationDirectory + "\\help";
    CreateDirectoryA(help.c_str(), nullptr);
    CreateDirectoryA((help + "\\sub").c_str(), nullptr);
    for (std::string file : {help + "\\a.chm", help + "\\sub\\b.chm"}) {
        HANDLE h = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        CloseHandle(h);
    }
    HWND list = App().Helps->List();
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    App().Helps->Show();
    EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 2);
    App().Helps->Hide();
    App().Helps->Show();
    EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 4) << "the list is not cleared between showings";
    SendMessageA(list, LB_SETCURSEL, 1, 0);
    App().Helps->PressOk();
    EXPECT_EQ(ApplicationHelpFile(), help + "\\sub\\b.chm");
    EXPECT_EQ(App().Launcher->HelpFile, help + "\\sub\\b.chm");
    DeleteFileA((help + "\\a.chm").c_str());
    DeleteFileA((help + "\\sub\\b.chm").c_str());
    RemoveDirectoryA((help + "\\sub").c_str());
    RemoveDirectoryA(help.c_str());
}

TEST_F(MainWindowTest, MRUMenuShowsOneMoreEntryThanTheLimit) {
    TLauncher& launcher = *App().Launcher;
    launcher.MRU.Clear();
    for (int i = 0; i < 8; ++i) launcher.MRU.Add("file" + std::to_string(i) + ".bas");
    int saved = launcher.MRUCount;
    launcher.MRUCount = 5;
    launcher.BuildMRUMenu();
    EXPECT_EQ(GetMenuItemCount(App().Main->MRUPopup()), 6);
    launcher.MRUCount = saved;
    std::string opened;
    App().Main->Hooks.openFile = [&opened](const std::string& file) { opened = file; };
    SendMessageA(App().Main->Handle(), WM_COMMAND,
                 GetMenuItemID(App().Main->MRUPopup(), 2), 0);
    EXPECT_EQ(opened, "file2.bas");
    launcher.MRU.Clear();
    launcher.BuildMRUMenu();
}

void WriteText(const std::string& path, const std::string& text) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
}

// A drop of files as a file manager makes it: a DROPFILES block of ANSI paths.
HDROP MakeDrop(const std::vector<std::string>& paths) {
    size_t size = sizeof(DROPFILES) + 1;
    for (const std::string& path : paths) size += path.size() + 1;
    HGLOBAL memory = GlobalAlloc(GHND, size);
    auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
    header->pFiles = sizeof(DROPFILES);
    char* at = reinterpret_cast<char*>(header) + sizeof(DROPFILES);
    for (const std::string& path : paths) {
        memcpy(at, path.c_str(), path.size() + 1);
        at += path.size() + 1;
    }
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

TEST_F(MainWindowTest, FilesDroppedOnTheMainOrCodeWindowOpenInOrderFoldersLeftOut) {
    std::string folder = TestProgramFolder();
    std::string first = folder + "\\dropped_first.bas", second = folder + "\\dropped_second.bas";
    WriteText(first, "print 1\r\n");
    WriteText(second, "print 2\r\n");
    for (HWND target : {App().Main->Handle(), App().Code->Handle()}) {
        EXPECT_TRUE(GetWindowLongA(target, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
        std::vector<std::string> opened;
        App().Main->Hooks.openDroppedFiles = [&](const std::vector<std::string>& files) { opened = files; };
        SendMessageA(target, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({second, folder, first})), 0);
        EXPECT_EQ(opened, (std::vector<std::string>{second, first}));
    }
    // Wired as the workbench wires it: both files open as pages, in the order dropped.
    App().Main->Hooks = saved_;
    SendMessageA(App().Code->Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({second, first})), 0);
    ASSERT_EQ(App().Code->PageCount(), 2);
    EXPECT_EQ(App().Code->PageIndexOf(second), 0);
    EXPECT_EQ(App().Code->PageIndexOf(first), 1);
    DeleteFileA(first.c_str());
    DeleteFileA(second.c_str());
}

TEST_F(MainWindowTest, SplashBuildsAnEmptyDatabaseFromTheCompilerFolderAndSavesIt) {
    std::string compiler = App().ApplicationDirectory + "\\fbc-test";
    CreateDirectoryA(compiler.c_str(), nullptr);
    CreateDirectoryA((compiler + "\\inc").c_str(), nullptr);
    WriteText(compiler + "\\inc\\windows.bi",
              "type RECT\r\n  left as long\r\n  top as long\r\nend type\r\n"
              "type POINT\r\n  x as long\r\nend type\r\n");
    std::string databaseFile = App().ApplicationDirectory + "\\DataBase.ini";
    DeleteFileA(databaseFile.c_str());
    std::string savedCompiler = App().Launcher->Compiler;
    App().Launcher->Compiler = compiler + "\\fbc.exe";

    App().Splash->RunDatabaseStep();

    EXPECT_FALSE(App().Splash->Visible());
    EXPECT_EQ(App().Splash->Progress().rfind("Scan tine :", 0), 0u) << App().Splash->Progress();
    TDataBase& database = *App().DataBase;
    ASSERT_NE(database.FindEntry("rect"), nullptr);
    ASSERT_NE(database.FindEntry("POINT"), nullptr);
    database.Clear();
    ASSERT_TRUE(database.LoadDataBase()) << "the database was not saved";
    EXPECT_EQ(database.Count(), 2u);

    // A database that holds entries is loaded, not rebuilt.
    WriteText(compiler + "\\inc\\more.bi", "type SIZE\r\n  cx as long\r\nend type\r\n");
    App().Splash->RunDatabaseStep();
    EXPECT_EQ(database.FindEntry("SIZE"), nullptr);

    App().Launcher->Compiler = savedCompiler;
    DeleteFileA(databaseFile.c_str());
    DeleteFileA((compiler + "\\inc\\windows.bi").c_str());
    DeleteFileA((compiler + "\\inc\\more.bi").c_str());
    RemoveDirectoryA((compiler + "\\inc").c_str());
    RemoveDirectoryA(compiler.c_str());
}

}  // namespace
}  // namespace tavrin::test
