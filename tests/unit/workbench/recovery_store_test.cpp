// The recovery folder: what a run that ended without its clean end leaves is
// offered once, byte for byte and in page order; a running workbench's pages
// are never offered to another; a clean end and a handled offer leave nothing
// but a crash report behind.
#include "workbench/recovery_store.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <regex>

#include "common/file_search.h"
#include "common/platform_folders.h"
#include "support/file_bytes.h"
#include "support/temp_folder.h"

namespace tavrin {
namespace {

using test::Exists;
using test::ReadBytes;
using test::WriteBytes;

RecoveryPageInfo Info(std::string file, std::string caption) {
    return {std::move(file), std::move(caption)};
}

// The store gives paths the Windows way; NativePath makes them usable here.
std::string Bytes(const std::string& path) { return ReadBytes(NativePath(path)); }

std::vector<std::string> Names(const std::string& path) {
    std::vector<std::string> names;
    std::string folder = NativePath(path);
    if (!std::filesystem::exists(folder)) return names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(RecoveryStore, TheFolderComesOnlyWithTheFirstPageAndACleanEndRemovesIt) {
    test::TempFolder root;
    RecoverySession session(root.Path(), "20240501-102030-77");
    EXPECT_TRUE(Names(root.Path()).empty()) << "a run without unsaved pages leaves no folder";
    ASSERT_TRUE(session.WritePage(1, Info("", "noname1"), "text"));
    EXPECT_EQ(Names(root.Path()), std::vector<std::string>{"20240501-102030-77"});
    EXPECT_EQ(Names(session.Folder()), (std::vector<std::string>{"page-1.ini", "page-1.txt", "session.lock"}));
    session.Close();
    EXPECT_TRUE(Names(root.Path()).empty());
}

TEST(RecoveryStore, PagesOfARunThatDiedAreOfferedByteForByteInPageOrder) {
    test::TempFolder root;
    const std::string binary = std::string("line 1\r\nline\x00 2\rline 3\n\xFF\xFE", 24);
    {
        RecoverySession session(root.Path(), "20240501-102030-77");
        ASSERT_TRUE(session.WritePage(10, Info("C:\\src\\main.bas", "main.bas"), "old text"));
        ASSERT_TRUE(session.WritePage(2, Info("", "noname1"), binary));
        ASSERT_TRUE(session.WritePage(10, Info("C:\\src\\main.bas", "main.bas"), "new text"));
        // While the run lives, nobody else is offered its pages.
        EXPECT_TRUE(FindRecoveredSessions(root.Path()).empty());
    }  // ends without Close, as a killed process does
    std::vector<RecoveredSession> sessions = FindRecoveredSessions(root.Path());
    ASSERT_EQ(sessions.size(), 1u);
    const std::vector<RecoveredPage>& pages = sessions[0].pages;
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].DisplayName(), "noname1");
    EXPECT_EQ(pages[0].info.fileName, "");
    EXPECT_EQ(Bytes(pages[0].textFile), binary);
    EXPECT_EQ(pages[0].size, binary.size());
    EXPECT_EQ(pages[1].DisplayName(), "main.bas");
    EXPECT_EQ(pages[1].info.fileName, "C:\\src\\main.bas");
    EXPECT_EQ(pages[1].time, LocalTimeText(FileModifiedTime(pages[1].textFile)));
    EXPECT_TRUE(std::regex_match(pages[1].time, std::regex(R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d)")));
    EXPECT_EQ(Bytes(pages[1].textFile), "new text");
    // Claimed by the first finder: a second workbench starting now sees nothing.
    EXPECT_TRUE(FindRecoveredSessions(root.Path()).empty());
}

TEST(RecoveryStore, ADescriptionIsWrittenAgainOnlyWhenThePageGetsAnotherName) {
    test::TempFolder root;
    {
        RecoverySession session(root.Path(), "s");
        ASSERT_TRUE(session.WritePage(1, Info("", "noname1"), "one"));
        const std::string info = NativePath(session.Folder()) + "/page-1.ini";
        WriteBytes(info, "[page]\r\ncaption=marker\r\n");
        ASSERT_TRUE(session.WritePage(1, Info("", "noname1"), "two"));
        EXPECT_EQ(ReadBytes(info), "[page]\r\ncaption=marker\r\n") << "an unchanged description was written again";
        ASSERT_TRUE(session.WritePage(1, Info("C:\\src\\saved as.bas", "saved as.bas"), "three"));
    }
    std::vector<RecoveredSession> sessions = FindRecoveredSessions(root.Path());
    ASSERT_EQ(sessions.size(), 1u);
    ASSERT_EQ(sessions[0].pages.size(), 1u);
    EXPECT_EQ(sessions[0].pages[0].info.fileName, "C:\\src\\saved as.bas");
    EXPECT_EQ(Bytes(sessions[0].pages[0].textFile), "three");
}

TEST(RecoveryStore, RemovedPagesAreNotOfferedAndAHandledOfferLeavesOnlyTheReport) {
    test::TempFolder root;
    {
        RecoverySession session(root.Path(), "20240501-102030-77");
        ASSERT_TRUE(session.WritePage(1, Info("a.bas", "a.bas"), "a"));
        ASSERT_TRUE(session.WritePage(2, Info("b.bas", "b.bas"), "b"));
        ASSERT_TRUE(session.WritePage(3, Info("c.bas", "c.bas"), "c"));
        session.RemovePage(2);  // saved or closed meanwhile
        EXPECT_EQ(session.PageCount(), 2);
        std::string report = session.WriteReport("Fatal error report\r\n");
        EXPECT_EQ(Bytes(report), "Fatal error report\r\n");
        std::string other = session.WriteReport("Error report\r\n", "error-report-1.txt");
        EXPECT_EQ(Bytes(other), "Error report\r\n");
        RemoveFile(other);
    }
    std::vector<RecoveredSession> sessions = FindRecoveredSessions(root.Path());
    ASSERT_EQ(sessions.size(), 1u);
    RecoveredSession& session = sessions[0];
    ASSERT_EQ(session.pages.size(), 2u);
    EXPECT_EQ(session.pages[0].DisplayName(), "a.bas");
    EXPECT_EQ(session.pages[1].DisplayName(), "c.bas");
    session.Forget(session.pages[1]);
    ASSERT_EQ(session.pages.size(), 1u);
    session.Finish();  // one page kept for the next start
    sessions = FindRecoveredSessions(root.Path());
    ASSERT_EQ(sessions.size(), 1u);
    ASSERT_EQ(sessions[0].pages.size(), 1u);
    EXPECT_EQ(Bytes(sessions[0].pages[0].textFile), "a");
    sessions[0].Forget(sessions[0].pages[0]);
    std::string folder = sessions[0].folder;
    sessions[0].Finish();
    EXPECT_EQ(Names(folder), std::vector<std::string>{"crash-report.txt"});
    EXPECT_TRUE(FindRecoveredSessions(root.Path()).empty());
    EXPECT_EQ(Names(folder), std::vector<std::string>{"crash-report.txt"}) << "the report is the user's to read";
}

TEST(RecoveryStore, LeftOversOfACutWriteNeitherShowNorKeepTheFolder) {
    test::TempFolder root;
    const std::string folder = root.Path("20240501-102030-77");
    std::filesystem::create_directories(folder);
    WriteBytes(folder + "/page-1.ini", "[page]\r\ncaption=noname1\r\n");  // its text never came
    WriteBytes(folder + "/page-2.txt", "a text whose description was removed");
    WriteBytes(folder + "/page-3.txt.0a1b2c3d.tmp", "half");
    WriteBytes(folder + "/page-4.ini", "[page]\r\nfile=x.bas\r\ncaption=x.bas\r\n");
    WriteBytes(folder + "/page-4.txt", "kept");
    std::vector<RecoveredSession> sessions = FindRecoveredSessions(root.Path());
    ASSERT_EQ(sessions.size(), 1u);
    ASSERT_EQ(sessions[0].pages.size(), 1u);
    EXPECT_EQ(sessions[0].pages[0].DisplayName(), "x.bas");
    sessions[0].Forget(sessions[0].pages[0]);
    sessions[0].Finish();
    EXPECT_FALSE(Exists(folder)) << "left-overs kept the folder: " << testing::PrintToString(Names(folder));

    // A folder without pages (its run saved everything, then died) goes quietly.
    std::filesystem::create_directories(root.Path("20240502-000000-5"));
    EXPECT_TRUE(FindRecoveredSessions(root.Path()).empty());
    EXPECT_TRUE(Names(root.Path()).empty());
}

TEST(RecoveryStore, SessionsComeOldestFirstAndNamesCarryTimeAndProcess) {
    test::TempFolder root;
    for (const char* name : {"20240502-080000-9", "20240501-235959-12"}) {
        RecoverySession session(root.Path(), name);
        ASSERT_TRUE(session.WritePage(1, Info("", name), name));
    }
    std::vector<RecoveredSession> sessions = FindRecoveredSessions(root.Path());
    ASSERT_EQ(sessions.size(), 2u);
    EXPECT_EQ(sessions[0].pages[0].info.caption, "20240501-235959-12");
    EXPECT_EQ(sessions[1].pages[0].info.caption, "20240502-080000-9");

    EXPECT_TRUE(std::regex_match(SessionName(std::time(nullptr), 4242), std::regex(R"(\d{8}-\d{6}-4242)")));
    EXPECT_TRUE(std::regex_match(LocalTimeText(std::time(nullptr)), std::regex(R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d)")));
}

TEST(RecoveryStore, APageThatCannotBeWrittenIsReportedAndLeavesNoDescription) {
    test::TempFolder root;
    WriteBytes(root.Path("blocked"), "a file where the folder should be");
    RecoverySession blocked(root.Path("blocked"), "s");
    EXPECT_FALSE(blocked.WritePage(1, Info("", "noname1"), "text"));
    EXPECT_EQ(blocked.WriteReport("report"), "");

    RecoverySession session(root.Path(), "s");
    ASSERT_TRUE(session.WritePage(1, Info("", "noname1"), "text"));
    std::filesystem::create_directory(NativePath(session.Folder()) + "/page-2.txt");  // the text's name is taken
    EXPECT_FALSE(session.WritePage(2, Info("", "noname2"), "other"));
    session.RemovePage(2);
    EXPECT_FALSE(Exists(NativePath(session.Folder()) + "/page-2.ini"));
}

}  // namespace
}  // namespace tavrin
