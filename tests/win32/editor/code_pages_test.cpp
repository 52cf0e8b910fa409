// Code pages and their files: new pages, opening by kind, saving in each
// file's own encoding and line ends, Save As, Close, Close All, the MRU list
// and the export names of a library.
#include <gtest/gtest.h>

#include <Scintilla.h>

#include <fstream>
#include <sstream>

#include "common/commands.h"
#include "common/text_codec.h"
#include "page_test_support.h"
#include "workbench/file_commands.h"
#include "ui/file_system.h"
#include "settings/launcher.h"
#include "workbench/page_rules.h"

namespace tavrin::test {

using Kind = ScriptedPrompts::Kind;

void PageTest::SetUp() {
    EnsureWorkbenchStarted();
    CloseCancelled() = false;
    while (App().Code->PageCount() > 0) App().Code->FreePage(App().Code->Page(0));
    Prompts().shown.clear();
    Prompts().answers.clear();
    Prompts().fileResults.clear();
    Prompts().fileRequests.clear();
    App().Code->Results().SetText("");
    folder_ = TestProgramFolder() + "\\pages_scratch";
    CreateDirectoryA(folder_.c_str(), nullptr);
}

void PageTest::TearDown() {
    while (App().Code->PageCount() > 0) App().Code->FreePage(App().Code->Page(0));
    EXPECT_TRUE(Prompts().answers.empty()) << "a scripted answer was not asked for";
}

std::string PageTest::WriteScratch(const std::string& name, const std::string& bytes) {
    std::string path = folder_ + "\\" + name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
}

std::string PageTest::ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
}

TCodePage* PageTest::ActivePage() { return dynamic_cast<TCodePage*>(App().Code->ActivePage()); }

void PageTest::AnswerSaveBox(const std::string& path, int filterIndex) {
    FileBoxResult result;
    result.accepted = true;
    result.files = {path};
    result.filterIndex = filterIndex;
    Prompts().fileResults.push_back(result);
}

namespace {

std::string Utf16(const std::string& ascii, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char c : ascii) {
        if (bigEndian) bytes += '\0';
        bytes += c;
        if (!bigEndian) bytes += '\0';
    }
    return bytes;
}

TEST_F(PageTest, UnnamedPagesAreNumberedAndNewDialogTakesANumberToo) {
    int before = Counters().unnamedPages;
    App().Main->Hooks.newPage(false);
    App().Main->Hooks.newPage(false);
    ASSERT_EQ(App().Code->PageCount(), 2);
    EXPECT_EQ(App().Code->Page(0)->Caption(), "noname" + std::to_string(before + 1));
    EXPECT_EQ(App().Code->Page(1)->Caption(), "noname" + std::to_string(before + 2));
    App().Main->Hooks.newPage(true);  // no designer yet: a page without a dialog
    App().Main->Hooks.newPage(false);
    EXPECT_EQ(App().Code->Page(3)->Caption(), "noname" + std::to_string(before + 4));
    EXPECT_EQ(App().ActiveCodePage, App().Code->Page(3));
    EXPECT_EQ(App().CurrentDocument, dynamic_cast<TDocument*>(App().Code->Page(3)));
    EXPECT_EQ(App().CurrentDialog, nullptr);
}

TEST_F(PageTest, EveryEncodingAndLineEndIsSavedBackByteForByte) {
    const std::string samples[] = {
        "dim a as integer\r\nprint a\r\n",
        "dim a as integer\nprint a\n",
        "dim a as integer\rprint a",
        "mixed\r\nends\nhere\rlast",
        std::string("nul\0inside\r\n\xE9\xFF", 14),
        "\xEF\xBB\xBF" "dim s as string = \"\xC3\xA9\"\r\n",
        Utf16("type T\r\n  x as integer\r\nend type\r\n", false),
        Utf16("' big endian\n", true),
        Utf16("odd", false) + "\x41",
        std::string("\xFF\xFE\0\0", 4) + std::string("A\0\0\0\r\0\0\0\n\0\0\0", 12),
        std::string("\0\0\xFE\xFF\0\0\0B", 8),
    };
    int index = 0;
    for (const std::string& bytes : samples) {
        std::string path = WriteScratch("sample" + std::to_string(index++) + ".bas", bytes);
        OpenFile(path);
        TCodePage* page = ActivePage();
        ASSERT_NE(page, nullptr);
        // An edit that is taken back: the text must come back exactly.
        TELSuperEdit& edit = page->Editor().Edit();
        edit.InsertBytes(0, "' edited" + std::string(LineEndText(page->Format().lineEnd)));
        EXPECT_FALSE(page->Saved());
        edit.Call(SCI_UNDO);
        page->Save();
        EXPECT_TRUE(page->Saved());
        EXPECT_EQ(ReadBytes(path), bytes) << "sample " << index - 1;
    }
}

TEST_F(PageTest, NewLinesAreWrittenInTheFilesOwnEncodingAndLineEnd) {
    std::string path = WriteScratch("be.bas", Utf16("a\nb\n", true));
    OpenFile(path);
    TCodePage* page = ActivePage();
    page->Editor().Lines().InsertLine(1, "\xC3\xA9");  // é typed between the lines
    page->Save();
    EXPECT_EQ(ReadBytes(path), Utf16("a\n", true) + std::string("\0\xE9\0\n", 4) + Utf16("b\n", true).substr(2));

    std::string lf = WriteScratch("lf.bas", "x\ny\n");
    OpenFile(lf);
    ActivePage()->Editor().Lines().InsertLine(2, "z");
    ActivePage()->Save();
    EXPECT_EQ(ReadBytes(lf), "x\ny\nz\n");
}

TEST_F(PageTest, SaveAsAppliesTheFilterExtensionAndShowsThePath) {
    App().Main->Hooks.newPage(false);
    TCodePage* page = ActivePage();
    page->Editor().Edit().InsertBytes(0, "print 1\r\n");
    std::string caption = CaptionWithoutMark(page->Caption());
    AnswerSaveBox(folder_ + "\\typed", 1);
    App().Main->Hooks.saveAs();
    ASSERT_EQ(Prompts().fileRequests.size(), 1u);
    const FileBoxRequest& request = Prompts().fileRequests[0];
    EXPECT_EQ(request.filter, "FreeBasic code (*.bas)|*.bas|FreeBasic header (*.bi)|*.bi|All files (*.*)|*.*");
    EXPECT_TRUE(request.confirmOverwrite);
    EXPECT_EQ(request.fileName, caption) << "the caption without its \"*\"";
    EXPECT_EQ(page->FileName(), folder_ + "\\typed.bas");
    EXPECT_EQ(ReadBytes(folder_ + "\\typed.bas"), "print 1\r\n");
    EXPECT_EQ(page->Caption(), "typed.bas");
    EXPECT_EQ(App().Code->StatusText(2), folder_ + "\\typed.bas");

    AnswerSaveBox(folder_ + "\\kept.name", 3);
    page->SaveAs();
    EXPECT_EQ(page->FileName(), folder_ + "\\kept.name");
    EXPECT_TRUE(FileExists(folder_ + "\\kept.name"));
    AnswerSaveBox(folder_ + "\\header.txt", 2);
    page->SaveAs();
    EXPECT_EQ(page->FileName(), folder_ + "\\header.bi");
}

TEST_F(PageTest, CloseAsksAboutAModifiedPageAndCancelKeepsIt) {
    std::string path = WriteScratch("close.bas", "a\r\n");
    OpenFile(path);
    TCodePage* page = ActivePage();
    page->Editor().Edit().InsertBytes(0, "b");
    EXPECT_EQ(page->Caption(), "*close.bas");

    Prompts().answers.push_back(Answer::Cancel);
    App().Main->Hooks.close();
    EXPECT_EQ(App().Code->PageCount(), 1);
    EXPECT_TRUE(CloseCancelled());
    EXPECT_EQ(Prompts().TextsOf(Kind::ConfirmYesNoCancel),
              (std::vector<std::string>{"The close.bas page was modified.\nDo you want to Save it?"}));

    Prompts().answers.push_back(Answer::No);
    App().Main->Hooks.close();
    EXPECT_EQ(App().Code->PageCount(), 0);
    EXPECT_FALSE(CloseCancelled());
    EXPECT_EQ(ReadBytes(path), "a\r\n") << "No does not write the file";

    OpenFile(path);
    ActivePage()->Editor().Edit().InsertBytes(0, "c");
    Prompts().answers.push_back(Answer::Yes);
    App().Main->Hooks.close();
    EXPECT_EQ(App().Code->PageCount(), 0);
    EXPECT_EQ(ReadBytes(path), "ca\r\n");
}

TEST_F(PageTest, YesOnANewPageWhoseSaveBoxIsCancelledKeepsThePage) {
    App().Main->Hooks.newPage(false);
    ActivePage()->Editor().Edit().InsertBytes(0, "work");
    Prompts().answers.push_back(Answer::Yes);  // then the save box is cancelled
    App().Main->Hooks.close();
    EXPECT_EQ(App().Code->PageCount(), 1) << "the text would be lost";
    EXPECT_TRUE(CloseCancelled());
}

TEST_F(PageTest, CloseAllClosesFiveSavedPagesAndStopsAtACancel) {
    for (int i = 0; i < 5; ++i) OpenFile(WriteScratch("all" + std::to_string(i) + ".bas", "x"));
    ASSERT_EQ(App().Code->PageCount(), 5);
    App().Main->Hooks.closeAll();
    EXPECT_EQ(App().Code->PageCount(), 0);
    EXPECT_TRUE(Prompts().shown.empty());

    for (int i = 0; i < 3; ++i) OpenFile(WriteScratch("all" + std::to_string(i) + ".bas", "x"));
    dynamic_cast<TCodePage*>(App().Code->Page(1))->Editor().Edit().InsertBytes(0, "y");
    Prompts().answers.push_back(Answer::Cancel);
    EXPECT_FALSE(RunCommand([] { App().Main->Hooks.closeAll(); }));
    EXPECT_EQ(App().Code->PageCount(), 2) << "the last page closed, the modified one stayed";
    EXPECT_TRUE(Prompts().TextsOf(Kind::Error).empty()) << "a Cancel ends the command silently";
}

TEST_F(PageTest, OpenedFilesEnterTheMRUListOnceAtTheFront) {
    StringList& mru = App().Launcher->MRU;
    std::string first = WriteScratch("mru_first.bas", "1");
    std::string second = WriteScratch("mru_second.bas", "2");
    OpenFile(first);
    OpenFile(second);
    ASSERT_GE(mru.Count(), 2u);
    EXPECT_EQ(mru[0], second);
    EXPECT_EQ(mru[1], first);
    size_t count = mru.Count();
    OpenFile(first);
    EXPECT_EQ(mru[0], second) << "a listed file does not move";
    EXPECT_EQ(mru.Count(), count);

    // The MRU menu's item opens the path it shows.
    App().Main->Hooks.openFile(first);
    EXPECT_EQ(App().Code->Page(App().Code->PageCount() - 1)->FileName(), first);
}

TEST_F(PageTest, OpenFilesUsesTheFilterAndRebuildsTheMRUMenu) {
    std::string a = WriteScratch("open_a.bas", "a");
    std::string b = WriteScratch("open_b.bi", "b");
    FileBoxResult result;
    result.accepted = true;
    result.files = {a, b};
    Prompts().fileResults.push_back(result);
    App().Main->Hooks.openFiles();
    ASSERT_EQ(Prompts().fileRequests.size(), 1u);
    EXPECT_EQ(Prompts().fileRequests[0].filter, kOpenFilesFilter);
    EXPECT_TRUE(Prompts().fileRequests[0].multiSelect);
    ASSERT_EQ(App().Code->PageCount(), 2);
    EXPECT_EQ(App().Code->Page(0)->Caption(), "open_a.bas");
    EXPECT_EQ(App().Code->Page(1)->Caption(), "open_b.bi");
    char caption[MAX_PATH] = {};
    GetMenuStringA(App().Main->MRUPopup(), 0, caption, sizeof(caption), MF_BYPOSITION);
    EXPECT_EQ(std::string(caption), b);
}

TEST_F(PageTest, AnUnreadableFileEndsTheOpenCommandWithAnError) {
    std::string good = WriteScratch("good.bas", "g");
    FileBoxResult result;
    result.accepted = true;
    result.files = {folder_ + "\\missing.bas", good};
    Prompts().fileResults.push_back(result);
    EXPECT_FALSE(RunCommand([] { App().Main->Hooks.openFiles(); }));
    EXPECT_EQ(App().Code->PageCount(), 0) << "the files after it are not opened";
    EXPECT_EQ(Prompts().TextsOf(Kind::Error).size(), 1u);
}

TEST_F(PageTest, ProjectAndComponentFilesOpenByTheirContent) {
    std::string project = WriteScratch("demo.txt", "#DEFINE Project Demo\r\n");
    void* linked = nullptr;
    PageHooks().openProject = [&](TCodePage& page, const std::string& path) -> void* {
        linked = &page;
        EXPECT_EQ(path, project);
        return &linked;
    };
    OpenFile(project);
    PageHooks().openProject = nullptr;
    ASSERT_EQ(App().Code->PageCount(), 1);
    EXPECT_EQ(linked, App().Code->Page(0));
    EXPECT_EQ(ActivePage()->LinkedObject, &linked);

    int parsed = 0;
    PageHooks().parseDialogs = [&](TCodePage&) { ++parsed; };
    OpenFile(WriteScratch("unit.bas", "#define ocu Unit1\r\n"));
    OpenFile(WriteScratch("plain.bas", "#define\r\n"));
    PageHooks().parseDialogs = nullptr;
    EXPECT_EQ(parsed, 1) << "only plain files are read for dialogs";
    EXPECT_EQ(App().Code->PageCount(), 3);
}

TEST_F(PageTest, OpeningALibraryListsItsExportsAndOpensIt) {
    char system[MAX_PATH];
    GetSystemDirectoryA(system, MAX_PATH);
    std::string library = folder_ + "\\copy of kernel32.dll";
    ASSERT_TRUE(CopyFileA((std::string(system) + "\\kernel32.dll").c_str(), library.c_str(), FALSE));
    OpenFile(library);
    std::vector<std::string> lines = App().Code->Results().Lines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "CreateFileA"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "GetProcAddress"), lines.end());
    EXPECT_EQ(App().Code->PageCount(), 1);

    App().Code->Results().SetText("");
    OpenFile(WriteScratch("broken.dll", "MZ not really a library"));
    EXPECT_EQ(App().Code->Results().Lines(),
              (std::vector<std::string>{"Except, on " + folder_ + "\\broken.dll"}));
}

TEST_F(PageTest, SaveAllSavesFilesAndAsksNamesForNewPages) {
    std::string path = WriteScratch("saveall.bas", "1");
    OpenFile(path);
    ActivePage()->Editor().Edit().InsertBytes(0, "0");
    App().Main->Hooks.newPage(false);
    ActivePage()->Editor().Edit().InsertBytes(0, "new");
    AnswerSaveBox(folder_ + "\\fresh", 1);
    App().Main->Hooks.saveAll();
    EXPECT_EQ(ReadBytes(path), "01");
    EXPECT_EQ(ReadBytes(folder_ + "\\fresh.bas"), "new");
}

TEST_F(PageTest, AFailedWriteKeepsTheOldFileAndReportsIt) {
    std::string path = WriteScratch("locked.bas", "old");
    OpenFile(path);
    ActivePage()->Editor().Edit().InsertBytes(0, "new ");
    // The target is locked against replacement while the save runs.
    HANDLE lock = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(RunCommand([] { App().Main->Hooks.save(); }));
    CloseHandle(lock);
    EXPECT_EQ(ReadBytes(path), "old");
    EXPECT_FALSE(ActivePage()->Saved());
    EXPECT_EQ(Prompts().TextsOf(Kind::Error).size(), 1u);
    ActivePage()->SetSaved(true);
}

}  // namespace
}  // namespace tavrin::test
