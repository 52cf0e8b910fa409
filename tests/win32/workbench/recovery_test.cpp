// The safety net inside the workbench started in this test program: the
// autosave writes only unsaved pages that changed, in each page's own
// encoding, and drops the copies of pages saved or closed; the recovery
// window restores kept texts into unsaved pages under their file names (the
// files untouched), discards copies, and keeps a copy whose restore failed;
// the about box says where the settings file is.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "common/commands.h"
#include "common/file_search.h"
#include "common/paths.h"
#include "common/platform_folders.h"
#include "common/text_codec.h"
#include "settings/launcher.h"
#include "ui/file_system.h"
#include "workbench/about_window.h"
#include "workbench/code_page.h"
#include "workbench/code_window.h"
#include "workbench/file_commands.h"
#include "workbench/main_window.h"
#include "workbench/recovery_autosave.h"
#include "workbench/recovery_window.h"
#include "workbench/workbench.h"
#include "workbench_fixture.h"

namespace tavrin::test {
namespace {

std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return "<missing>";
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void Write(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

void RemoveTree(const std::string& folder) {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

TextFormat Format(TextEncoding encoding) {
    TextFormat format;
    format.encoding = encoding;
    return format;
}

std::vector<TCodePage*> CodePages() {
    std::vector<TCodePage*> pages;
    for (int i = 0; i < App().Code->PageCount(); ++i)
        if (auto* page = dynamic_cast<TCodePage*>(App().Code->Page(i))) pages.push_back(page);
    return pages;
}

class RecoveryTest : public testing::Test {
protected:
    void SetUp() override {
        EnsureWorkbenchStarted();
        FreePages();
        Prompts().shown.clear();
        Prompts().answers.clear();
        folder_ = TestProgramFolder() + "\\recovery_scratch";
        RemoveTree(folder_);
        CreateDirectoryA(folder_.c_str(), nullptr);
        root_ = folder_ + "\\Recovery";
    }
    void TearDown() override {
        FreePages();
        RemoveTree(folder_);
    }
    static void FreePages() {
        while (App().Code->PageCount() > 0) App().Code->FreePage(App().Code->Page(0));
    }
    TCodePage* NewTypedPage(const std::string& text) {
        TCodePage* page = NewPage(false, "");
        page->Editor().Edit().InsertBytes(0, text);
        return page;
    }
    std::string Copy(const RecoverySession& session, int id) {
        return Read(session.Folder() + "\\page-" + std::to_string(id) + ".txt");
    }

    std::string folder_, root_;
};

TEST_F(RecoveryTest, AutosaveWritesOnlyChangedUnsavedPagesInTheirOwnEncoding) {
    RecoverySession session(root_, "s");
    Autosaver autosaver(session, CodePages);
    TCodePage* saved = NewPage(false, "");  // never changed: nothing to keep
    TCodePage* fresh = NewTypedPage("first");
    const std::string unicodeFile = folder_ + "\\wide.bas";
    Write(unicodeFile, EncodeSourceText("print \"\xC3\xA9\"\r\n", Format(TextEncoding::Utf16LE)));
    TCodePage* wide = NewPage(false, unicodeFile);
    wide->Editor().Edit().InsertBytes(0, "' ");
    ASSERT_FALSE(fresh->Saved());
    ASSERT_TRUE(saved->Saved());

    autosaver.Tick();
    autosaver.Flush();
    EXPECT_EQ(autosaver.CopyCount(), 2);
    EXPECT_EQ(Copy(session, 1), "first");
    EXPECT_EQ(Copy(session, 2), EncodeSourceText("' print \"\xC3\xA9\"\r\n", Format(TextEncoding::Utf16LE)))
        << "the copy is not in the page's encoding";
    EXPECT_EQ(Read(unicodeFile), EncodeSourceText("print \"\xC3\xA9\"\r\n", Format(TextEncoding::Utf16LE)));

    // An unchanged page is not written again; a changed one is.
    DeleteFileA((session.Folder() + "\\page-2.txt").c_str());
    fresh->Editor().Edit().InsertBytes(5, " and second");
    autosaver.Tick();
    autosaver.Flush();
    EXPECT_EQ(Copy(session, 1), "first and second");
    EXPECT_EQ(Copy(session, 2), "<missing>") << "a page without changes was written again";

    // Saving one page and closing the other drops their copies.
    ASSERT_TRUE(wide->Save());
    App().Code->FreePage(fresh);
    EXPECT_EQ(autosaver.WriteNow(), 0);
    EXPECT_EQ(Copy(session, 1), "<missing>");
    autosaver.Finish();
    EXPECT_EQ(GetFileAttributesA(session.Folder().c_str()), INVALID_FILE_ATTRIBUTES) << "the clean end left the folder";
}

TEST_F(RecoveryTest, AutosaveRunsOnItsTimerWithoutBeingAsked) {
    RecoverySession session(root_, "s");
    Autosaver autosaver(session, CodePages);
    autosaver.Start(50);
    NewTypedPage("typed");
    Pump(400);
    autosaver.Flush();
    EXPECT_EQ(Copy(session, 1), "typed");
    autosaver.Finish();
}

// A run that died with a page of a file and a new page.
std::vector<RecoveredSession> KeptPages(const std::string& root, const std::string& file, const std::string& fileText,
                                        const std::string& freshText) {
    {
        RecoverySession died(root, "20240501-102030-1");
        died.WritePage(1, {file, ExtractFileName(file)}, fileText);
        died.WritePage(2, {"", "noname7"}, freshText);
    }
    return FindRecoveredSessions(root);
}

TEST_F(RecoveryTest, RestoreOpensUnsavedPagesUnderTheirNamesAndLeavesTheFilesAlone) {
    const std::string file = folder_ + "\\main.bas";
    Write(file, "print 1\r\n");
    const std::string kept = EncodeSourceText("' kept\r\nprint \"\xC3\xA9\"\r\n", Format(TextEncoding::Utf8Bom));
    TRecovery window(KeptPages(root_, file, kept, "dim x\nx = 1"), RestoreRecoveredPage);
    window.Create(App().Main->Handle());
    ASSERT_EQ(window.RowCount(), 2);
    EXPECT_EQ(window.CellText(0, TRecovery::colPage), "main.bas");
    EXPECT_EQ(window.CellText(0, TRecovery::colTime),
              LocalTimeText(FileModifiedTime(root_ + "\\20240501-102030-1\\page-1.txt")));
    EXPECT_EQ(window.CellText(0, TRecovery::colSize), std::to_string(kept.size()) + " bytes");
    EXPECT_EQ(window.CellText(0, TRecovery::colFile), file);
    EXPECT_EQ(window.CellText(1, TRecovery::colPage), "noname7");

    window.SelectRow(1, false);
    window.RestoreSelected();
    ASSERT_EQ(App().Code->PageCount(), 1);
    auto* page = dynamic_cast<TCodePage*>(App().Code->Page(0));
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->FileName(), file);
    EXPECT_EQ(page->Caption(), "*main.bas");
    EXPECT_FALSE(page->Saved());
    EXPECT_EQ(page->Format().encoding, TextEncoding::Utf8Bom);
    EXPECT_EQ(EncodeSourceText(page->Editor().Edit().TextView(), page->Format()), kept);
    EXPECT_EQ(Read(file), "print 1\r\n") << "restoring wrote over the file";
    ASSERT_EQ(window.RowCount(), 1);
    EXPECT_EQ(window.CellText(0, TRecovery::colPage), "noname7");

    window.RestoreSelected();
    ASSERT_EQ(App().Code->PageCount(), 2);
    auto* fresh = dynamic_cast<TCodePage*>(App().Code->Page(1));
    EXPECT_EQ(fresh->FileName(), "");
    EXPECT_FALSE(fresh->Saved());
    EXPECT_EQ(std::string(fresh->Editor().Edit().TextView()), "dim x\nx = 1");
    EXPECT_EQ(window.RowCount(), 0);
    EXPECT_FALSE(window.Visible());
    EXPECT_TRUE(FindRecoveredSessions(root_).empty()) << "restored pages are offered again";
    EXPECT_EQ(GetFileAttributesA((root_ + "\\20240501-102030-1").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(RecoveryTest, DiscardDeletesCopiesAndAFailedRestoreKeepsItsCopy) {
    const std::string gone = folder_ + "\\gone.bas";  // the file was deleted since
    TRecovery window(KeptPages(root_, gone, "kept text", "fresh"), RestoreRecoveredPage);
    window.Create(App().Main->Handle());
    ASSERT_EQ(window.RowCount(), 2);

    // The second copy cannot be read any more: its restore fails, the first's goes on.
    DeleteFileA((root_ + "\\20240501-102030-1\\page-2.txt").c_str());
    EXPECT_THROW(window.RestoreSelected(), CommandError);
    ASSERT_EQ(App().Code->PageCount(), 1);
    auto* page = dynamic_cast<TCodePage*>(App().Code->Page(0));
    EXPECT_EQ(page->FileName(), gone) << "a page of a deleted file keeps its name for Save As";
    EXPECT_EQ(std::string(page->Editor().Edit().TextView()), "kept text");
    EXPECT_FALSE(page->Saved());
    ASSERT_EQ(window.RowCount(), 1) << "the failed page's copy was dropped";

    window.DiscardSelected();
    EXPECT_EQ(window.RowCount(), 0);
    EXPECT_TRUE(FindRecoveredSessions(root_).empty());
}

TEST_F(RecoveryTest, ARestoreIsNotStartedAgainMeanwhileAndEachCopyGoesOnceItsPageIsOpen) {
    TRecovery* window = nullptr;
    int opened = 0;
    bool firstCopyGone = false;
    auto restore = [&](const RecoveredPage&) {
        ++opened;
        // Messages that run while a page opens: another press of the buttons.
        window->RestoreSelected();
        window->DiscardSelected();
        window->CloseKeepingRest();
        if (opened == 2) firstCopyGone = GetFileAttributesA((root_ + "\\20240501-102030-1\\page-1.txt").c_str()) ==
                                         INVALID_FILE_ATTRIBUTES;
    };
    TRecovery recovery(KeptPages(root_, folder_ + "\\a.bas", "a", "b"), restore);
    window = &recovery;
    recovery.Create(App().Main->Handle());
    recovery.RestoreSelected();
    EXPECT_EQ(opened, 2);
    EXPECT_TRUE(firstCopyGone) << "a page's copy stayed while the next page opened";
    EXPECT_EQ(recovery.RowCount(), 0);
    EXPECT_TRUE(FindRecoveredSessions(root_).empty());
}

TEST_F(RecoveryTest, CloseKeepsTheRestForTheNextStart) {
    {
        TRecovery window(KeptPages(root_, folder_ + "\\a.bas", "a", "b"), RestoreRecoveredPage);
        window.Create(App().Main->Handle());
        window.SelectRow(0, false);
        window.DiscardSelected();
        EXPECT_EQ(window.RowCount(), 1);
        window.CloseKeepingRest();
    }
    std::vector<RecoveredSession> again = FindRecoveredSessions(root_);
    ASSERT_EQ(again.size(), 1u);
    ASSERT_EQ(again[0].pages.size(), 1u);
    EXPECT_EQ(again[0].pages[0].DisplayName(), "a.bas");
}

TEST_F(RecoveryTest, TheAboutBoxSaysWhereTheSettingsFileIs) {
    App().About->Show();
    EXPECT_EQ(App().About->SettingsPathShown(), App().Launcher->SettingsFile().Path());
    EXPECT_EQ(App().Launcher->SettingsFile().Path(), ChangeFileExt(ExecutableFilePath(), ".ini"))
        << "a program whose folder can be written keeps its settings beside it";
    App().About->PressOk();
}

}  // namespace
}  // namespace tavrin::test
