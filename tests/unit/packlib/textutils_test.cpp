#include <gtest/gtest.h>

#include <cstdint>

#include "packlib/text/textutils.h"

namespace {

TEST(TextUtils, FileNameParts) {
    EXPECT_EQ("file.txt", ExtractFileName("C:\\dir/file.txt"));
    EXPECT_EQ("plain", ExtractFileName("plain"));
    EXPECT_EQ("", ExtractFileName(""));
    EXPECT_EQ("", ExtractFileName("C:\\dir\\"));
    EXPECT_EQ("\\", ExtractFilePath("\\file"));
    EXPECT_EQ("C:\\dir/", ExtractFilePath("C:\\dir/file.txt"));
    EXPECT_EQ("", ExtractFilePath("file"));
    EXPECT_EQ(".ICO", ExtractFileExt("logo.ICO"));
    EXPECT_EQ("", ExtractFileExt("README"));
    EXPECT_EQ(".gz", ExtractFileExt("a.tar.gz"));
    // A point inside a folder name starts no extension.
    EXPECT_EQ("", ExtractFileExt("C:\\my.dir\\readme"));
    EXPECT_EQ("a.bak", ChangeFileExt("a.txt", ".bak"));
    EXPECT_EQ("readme.txt", ChangeFileExt("readme", ".txt"));
    EXPECT_EQ("C:\\my.dir\\readme.txt", ChangeFileExt("C:\\my.dir\\readme", ".txt"));
    EXPECT_EQ("D:\\new\\file.txt", ChangeFilePath("C:\\old/file.txt", "D:\\new\\"));
}

TEST(TextUtils, TallySameTextReplace) {
    EXPECT_EQ(2, Tally("aa", "aaaaa"));
    EXPECT_EQ(0, Tally("", "abc"));
    EXPECT_EQ(0, Tally("x", ""));
    EXPECT_EQ(2, Tally("12 and 112", 12));
    EXPECT_EQ(-1, SameText("Abc", "aBC"));
    EXPECT_EQ(0, SameText("Abc", "Abd"));
    EXPECT_EQ(0, SameText("Abc", "Ab"));
    EXPECT_EQ("", Replace("", "a", "b"));
    EXPECT_EQ("abc", Replace("abc", "", "x"));
    EXPECT_EQ("abc", Replace("abc", "b", ""));
    EXPECT_EQ("xxxxbxx", Replace("aaba", "a", "xx"));
    EXPECT_EQ("bbbb", Replace("aaaa", "aa", "bb"));
    EXPECT_EQ("a-b-c", Replace("a, b, c", ", ", "-"));
}

TEST(TextUtils, FormatPlaceholders) {
    EXPECT_EQ("5%", Format("%i%", 5));
    EXPECT_EQ("5", Format("%i%%", 5));
    EXPECT_EQ("ab", Format("a%zb"));
    EXPECT_EQ("-3 big 2.5 x", Format("%i %s %d %s", -3, "big", 2.5, "x"));
    EXPECT_EQ("9000000000", Format("%l", 9000000000LL));
    EXPECT_EQ("0.1", Format("%f", 0.1));
    EXPECT_EQ("[]", Format("[%s]", static_cast<const char*>(nullptr)));
    EXPECT_EQ("", Format(nullptr));
    EXPECT_EQ("100%", Format("100%"));
}

}  // namespace
