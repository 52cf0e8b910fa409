// Code pages against files that resist: saves that fail under every command
// that saves or closes, read-only files, recent files whose names hold "&",
// and the File menu's entries that must act like their toolbar twins.
#include <gtest/gtest.h>

#include "common/commands.h"
#include "page_test_support.h"
#include "settings/launcher.h"
#include "workbench/file_commands.h"
#include "workbench/page_rules.h"

namespace tavrin::test {
namespace {

using Kind = ScriptedPrompts::Kind;

// Holds a file open the way another program may: it can be read but neither
// replaced nor deleted while the lock lasts.
class FileLock {
public:
    explicit FileLock(const std::string& path)
        : handle_(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                              nullptr)) {}
    ~FileLock() { Release(); }
    bool Held() const { return handle_ != INVALID_HANDLE_VALUE; }
    void Release() {
        if (Held()) CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
    }

private:
    HANDLE handle_;
};

bool IsReadOnly(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

void Command(int id) { SendMessageA(App().Main->Handle(), WM_COMMAND, MAKEWPARAM(id, 0), 0); }

class FileSafetyTest : public PageTest {
protected:
    // Opens the file and types in front of its text.
    TCodePage* OpenEdited(const std::string& name, const std::string& bytes) {
        OpenFile(WriteScratch(name, bytes));
        ActivePage()->Editor().Edit().InsertBytes(0, "new ");
        return ActivePage();
    }
    size_t Errors() const { return Prompts().TextsOf(Kind::Error).size(); }
};

TEST_F(FileSafetyTest, AFailedSaveKeepsThePageUnderEveryCommandThatSavesOrCloses) {
    TCodePage* page = OpenEdited("fail.bas", "old");
    const std::string path = page->FileName();
    FileLock lock(path);
    ASSERT_TRUE(lock.Held());

    Prompts().answers = {Answer::Yes};
    RunCommand(App().Main->Hooks.close);
    EXPECT_EQ(App().Code->PageCount(), 1) << "Close";
    EXPECT_EQ(Errors(), 1u) << "Close reports the failed save";

    Prompts().answers = {Answer::Yes};
    RunCommand(App().Main->Hooks.closeAll);
    EXPECT_EQ(App().Code->PageCount(), 1) << "Close All";
    EXPECT_EQ(Errors(), 2u);

    RunCommand(App().Main->Hooks.saveAll);
    EXPECT_EQ(Errors(), 3u) << "Save All";

    Prompts().answers = {Answer::Yes};
    EXPECT_FALSE(App().Main->CanClose()) << "exit";
    EXPECT_EQ(Errors(), 4u);
    ASSERT_EQ(App().Code->PageCount(), 1);
    EXPECT_EQ(App().Code->Page(0), page);
    EXPECT_FALSE(page->Saved());
    EXPECT_EQ(page->Caption(), "*fail.bas");

    Prompts().answers = {Answer::Cancel};
    EXPECT_FALSE(App().Main->CanClose());
    EXPECT_EQ(App().Code->PageCount(), 1);
    EXPECT_EQ(ReadBytes(path), "old");

    // Once the file can be written, the same answer saves and lets the workbench go.
    lock.Release();
    Prompts().answers = {Answer::Yes};
    EXPECT_TRUE(App().Main->CanClose());
    EXPECT_EQ(App().Code->PageCount(), 0);
    EXPECT_EQ(ReadBytes(path), "new old");
    EXPECT_EQ(Errors(), 4u);
}

TEST_F(FileSafetyTest, ExitClosesThePageAnsweredNoAndKeepsTheOneWhoseSaveFailed) {
    TCodePage* failing = OpenEdited("kept.bas", "k");
    FileLock lock(failing->FileName());
    OpenEdited("dropped.bas", "d");
    // Pages are asked from the last to the first.
    Prompts().answers = {Answer::No, Answer::Yes};
    EXPECT_FALSE(App().Main->CanClose());
    ASSERT_EQ(App().Code->PageCount(), 1);
    EXPECT_EQ(App().Code->Page(0), failing);
    EXPECT_EQ(Errors(), 1u);
}

TEST_F(FileSafetyTest, ANewPageWhoseChosenFileCannotBeWrittenStays) {
    App().Main->Hooks.newPage(false);
    ActivePage()->Editor().Edit().InsertBytes(0, "work");
    Prompts().answers = {Answer::Yes};
    AnswerSaveBox(folder_ + "\\no such folder\\new.bas", 1);
    EXPECT_FALSE(App().Main->CanClose());
    ASSERT_EQ(App().Code->PageCount(), 1);
    EXPECT_EQ(Errors(), 1u);
    EXPECT_FALSE(ActivePage()->Saved());
}

TEST_F(FileSafetyTest, SaveOverAReadOnlyFileSaysSoAndAsksForAnotherName) {
    TCodePage* page = OpenEdited("locked_ro.bas", "old");
    const std::string path = page->FileName();
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));

    App().Main->Hooks.save();  // the save box is cancelled
    ASSERT_EQ(Prompts().shown.size(), 2u);
    EXPECT_EQ(Prompts().shown[0].kind, Kind::Information);
    EXPECT_NE(Prompts().shown[0].text.find("read-only"), std::string::npos) << Prompts().shown[0].text;
    EXPECT_NE(Prompts().shown[0].text.find(path), std::string::npos);
    EXPECT_EQ(Prompts().shown[1].kind, Kind::SaveFile);
    EXPECT_EQ(ReadBytes(path), "old");
    EXPECT_TRUE(IsReadOnly(path)) << "the flag was cleared";
    EXPECT_FALSE(page->Saved());

    // Another name is chosen: the text goes there and the page follows it.
    AnswerSaveBox(folder_ + "\\copy_ro", 1);
    App().Main->Hooks.save();
    EXPECT_EQ(ReadBytes(folder_ + "\\copy_ro.bas"), "new old");
    EXPECT_EQ(page->FileName(), folder_ + "\\copy_ro.bas");
    EXPECT_TRUE(page->Saved());
    EXPECT_EQ(ReadBytes(path), "old");
    EXPECT_TRUE(IsReadOnly(path));
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(FileSafetyTest, SaveAsOntoAReadOnlyFileAsksAgainAndExitKeepsThePage) {
    const std::string readOnly = WriteScratch("target_ro.bas", "theirs");
    ASSERT_TRUE(SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY));
    TCodePage* page = OpenEdited("mine_ro.bas", "mine");
    AnswerSaveBox(readOnly, 1);  // then the second box is cancelled
    EXPECT_FALSE(page->SaveAs());
    EXPECT_EQ(Prompts().TextsOf(Kind::SaveFile).size(), 2u) << "the box comes again";
    EXPECT_EQ(Prompts().TextsOf(Kind::Information).size(), 1u);
    EXPECT_EQ(ReadBytes(readOnly), "theirs");

    // Exit: Yes on a page whose file is read-only, then the save box is cancelled.
    ASSERT_TRUE(SetFileAttributesA(page->FileName().c_str(), FILE_ATTRIBUTE_READONLY));
    Prompts().answers = {Answer::Yes};
    EXPECT_FALSE(App().Main->CanClose());
    ASSERT_EQ(App().Code->PageCount(), 1);
    EXPECT_TRUE(CloseCancelled());
    EXPECT_EQ(ReadBytes(page->FileName()), "mine");
    EXPECT_TRUE(IsReadOnly(page->FileName()));
    SetFileAttributesA(page->FileName().c_str(), FILE_ATTRIBUTE_NORMAL);
    SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(FileSafetyTest, ARecentFileWhoseNameHoldsAnAmpersandOpensExactlyThatFile) {
    const std::string wanted = WriteScratch("a&b.bas", "wanted");
    WriteScratch("ab.bas", "other");
    TLauncher& launcher = *App().Launcher;
    launcher.MRU.Clear();
    launcher.MRU.Add(wanted);
    launcher.BuildMRUMenu();
    HMENU menu = App().Main->MRUPopup();
    char caption[MAX_PATH * 2] = {};
    GetMenuStringA(menu, 0, caption, sizeof(caption), MF_BYPOSITION);
    EXPECT_EQ(std::string(caption), folder_ + "\\a&&b.bas") << "the menu shows the \"&\" itself";
    Command(static_cast<int>(GetMenuItemID(menu, 0)));
    ASSERT_EQ(App().Code->PageCount(), 1);
    EXPECT_EQ(App().Code->Page(0)->FileName(), wanted);
    EXPECT_EQ(ActivePage()->Editor().Edit().TextView(), "wanted");
    launcher.MRU.Clear();
    launcher.BuildMRUMenu();
}

TEST_F(FileSafetyTest, FileMenuOpenAndNewActLikeTheirToolbarButtons) {
    Command(cmdOpen);
    ASSERT_EQ(Prompts().fileRequests.size(), 1u) << "File > Open... shows the open box";
    EXPECT_EQ(Prompts().fileRequests[0].filter, kOpenFilesFilter);
    EXPECT_TRUE(Prompts().fileRequests[0].multiSelect);

    Command(cmdNew);
    EXPECT_EQ(App().Code->PageCount(), 1) << "File > New makes a new page";
    EXPECT_EQ(App().CurrentDocument, dynamic_cast<TDocument*>(ActivePage()));
}

TEST_F(FileSafetyTest, ExportWritesThePageAsRtfAndHtml) {
    OpenFile(WriteScratch("export.bas", "print \"a<b & {c}\\d\"\r\n"));
    AnswerSaveBox(folder_ + "\\exported", 1);
    Command(cmdExportRtf);
    ASSERT_EQ(Prompts().fileRequests.size(), 1u) << "Export > RTF asks where to write";
    std::string rtf = ReadBytes(folder_ + "\\exported.rtf");
    EXPECT_EQ(rtf.rfind("{\\rtf1", 0), 0u) << rtf;
    EXPECT_NE(rtf.find("print \"a<b & \\{c\\}\\\\d\"\\par"), std::string::npos) << rtf;

    AnswerSaveBox(folder_ + "\\exported", 1);
    Command(cmdExportHtml);
    ASSERT_EQ(Prompts().fileRequests.size(), 2u) << "Export > Html asks where to write";
    std::string html = ReadBytes(folder_ + "\\exported.html");
    EXPECT_NE(html.find("print &quot;a&lt;b &amp; {c}\\d&quot;"), std::string::npos) << html;
    EXPECT_NE(html.find("<pre>"), std::string::npos);
}

TEST_F(FileSafetyTest, ViewPacksShowsThePacksWindowLikeComponentsPacks) {
    FormWindow* packs = App().FindWindowByName("Packs");
    ASSERT_NE(packs, nullptr);
    packs->Hide();
    Command(cmdViewPacks);
    EXPECT_TRUE(packs->Visible());
    packs->Hide();
}

}  // namespace
}  // namespace tavrin::test
