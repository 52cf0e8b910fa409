// File search with masks, recursion and the "\" joining rule.
#include <gtest/gtest.h>

#include <cstdio>

#include "support/temp_folder.h"
#include "common/file_search.h"

namespace tavrin::test {
namespace {

TEST(FileSearchTest, MasksMatchWithoutRegardToCase) {
    EXPECT_TRUE(MatchesMask("windows.BI", "*.bi"));
    EXPECT_FALSE(MatchesMask("windows.bim", "*.bi"));
    EXPECT_FALSE(MatchesMask("windows.b", "*.bi"));
    EXPECT_TRUE(MatchesMask("a.b.bi", "*.bi"));
    EXPECT_TRUE(MatchesMask("ab1.txt", "ab?.*"));
    EXPECT_FALSE(MatchesMask("ab.txt", "ab?.*"));
    EXPECT_TRUE(MatchesMask("noext", "*.*"));
    EXPECT_TRUE(MatchesMask("x", "*"));
    EXPECT_TRUE(MatchesMask("aXbXc", "a*b*c"));
    EXPECT_FALSE(MatchesMask("aXbXd", "a*b*c"));
    EXPECT_TRUE(MatchesMask("", "*"));
    EXPECT_FALSE(MatchesMask("", "?"));
    // A "*" in the name is no wildcard: the mask's "*" must still match runs.
    EXPECT_TRUE(MatchesMask("*.", "*"));
    EXPECT_TRUE(MatchesMask("a*b.bi", "a*.bi"));
}

TEST(FileSearchTest, JoinAddsOneSeparator) {
    EXPECT_EQ(JoinPath("C:\\fb", "inc"), "C:\\fb\\inc");
    EXPECT_EQ(JoinPath("C:\\fb\\", "inc"), "C:\\fb\\inc");
    EXPECT_EQ(JoinPath("/tmp/", "a.bi"), "/tmp/a.bi");
    EXPECT_EQ(JoinPath("", "a.bi"), "\\a.bi");
}

TEST(FileSearchTest, EightBitNamesComeBackByteForByte) {
    // "caf\xE9.bi": an 8-bit name of the system code page (e-acute in
    // Windows-1252) must be found as the same bytes, and reach the file.
    TempFolder folder;
    const std::string name = "caf\xE9.bi";
    // Created through the C library, which takes 8-bit names as they are.
    std::FILE* file = std::fopen(NativePath(JoinPath(folder.Path(), name)).c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fclose(file);
    std::vector<std::string> found;
    FileSearch(folder.Path(), "*.bi", true, found);
    ASSERT_EQ(found, std::vector<std::string>{folder.Path() + "\\" + name});
    EXPECT_TRUE(IsExistingFile(found[0]));
}

TEST(FileSearchTest, SearchesEachMaskThroughSubFolders) {
    TempFolder folder;
    folder.Write("b.bi", "");
    folder.Write("A.bas", "");
    folder.Write("a.txt", "");
    folder.Write("sub/c.bi", "");
    folder.Write("sub/deep/d.BAS", "");
    folder.Write(".git/e.bi", "");
    folder.Write("dir.bi/f.txt", "");
    std::string root = folder.Path();
    std::vector<std::string> found;
    FileSearch(root, "*.bi;*.bas", true, found);
    EXPECT_EQ(found, (std::vector<std::string>{root + "\\b.bi", root + "\\sub\\c.bi",
                                               root + "\\A.bas", root + "\\sub\\deep\\d.BAS"}));
    for (const std::string& path : found) EXPECT_TRUE(IsExistingFile(path)) << path;

    found.clear();
    FileSearch(root + "\\", "*.bi", false, found);
    EXPECT_EQ(found, std::vector<std::string>{root + "\\b.bi"});

    found.clear();
    FileSearch(root + "\\missing", "*", true, found);
    EXPECT_TRUE(found.empty());
    EXPECT_TRUE(IsExistingFolder(root + "\\sub"));
    EXPECT_FALSE(IsExistingFolder(root + "\\b.bi"));
}

}  // namespace
}  // namespace tavrin::test
