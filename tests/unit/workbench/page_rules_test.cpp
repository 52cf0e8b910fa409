#include "workbench/page_rules.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "common/commands.h"

namespace tavrin {
namespace {

TEST(PageRules, FileKindIsDecidedByTheWordAfterTheFirstDefine) {
    EXPECT_EQ(DetectFileKindOfText("#define project Demo\r\n"), FileKind::Project);
    EXPECT_EQ(DetectFileKindOfText("  #DEFINE   OCU  Unit1"), FileKind::ComponentUnit);
    EXPECT_EQ(DetectFileKindOfText("#define"), FileKind::Plain) << "a line ending with #define decides nothing";
    EXPECT_EQ(DetectFileKindOfText("#define project x\n#define ocu y\n#define other z"),
              FileKind::ComponentUnit) << "the last deciding line wins";
    EXPECT_EQ(DetectFileKindOfText("x #define ocu\r#define project"), FileKind::Project)
        << "lone CR line ends";
    EXPECT_EQ(DetectFileKindOfText("#define\tproject"), FileKind::Plain) << "only blanks split words";
    EXPECT_EQ(DetectFileKindOfText("#define #define project"), FileKind::Plain);
    EXPECT_EQ(DetectFileKindOfText(""), FileKind::Plain);
}

TEST(PageRules, FileKindReadsUnicodeFilesAndReportsUnreadableOnes) {
    std::string path = testing::TempDir() + "kind_utf16.bas";
    {
        std::ofstream out(path, std::ios::binary);
        std::string text = "#define ocu x";
        out << "\xFF\xFE";
        for (char c : text) out << c << '\0';
    }
    EXPECT_EQ(DetectFileKind(path), FileKind::ComponentUnit);
    std::remove(path.c_str());
    EXPECT_THROW(DetectFileKind(path), CommandError);
}

TEST(PageRules, SaveAsExtensionFollowsTheFilter) {
    EXPECT_EQ(SaveAsTarget("C:\\w\\demo", 1), "C:\\w\\demo.bas");
    EXPECT_EQ(SaveAsTarget("C:\\w\\demo.txt", 1), "C:\\w\\demo.bas");
    EXPECT_EQ(SaveAsTarget("C:\\w\\demo.bas", 2), "C:\\w\\demo.bi");
    EXPECT_EQ(SaveAsTarget("C:\\w.x\\demo", 2), "C:\\w.x\\demo.bi") << "a dot in a folder is no extension";
    EXPECT_EQ(SaveAsTarget("C:\\w\\demo", 3), "C:\\w\\demo");
}

TEST(PageRules, CaptionMarkAndNames) {
    EXPECT_EQ(CaptionWithSavedMark("a.bas", false), "*a.bas");
    EXPECT_EQ(CaptionWithSavedMark("x*y", false), "x*y") << "a star anywhere counts";
    EXPECT_EQ(CaptionWithSavedMark("*a.bas", true), "a.bas");
    EXPECT_EQ(CaptionWithSavedMark("a*", true), "a*");
    EXPECT_EQ(CaptionWithoutMark("*noname1"), "noname1");
    EXPECT_EQ(CloseQuestion("a.bas"), "The a.bas page was modified.\nDo you want to Save it?");
    EXPECT_EQ(OpenFailureLine("C:\\x.dll"), "Except, on C:\\x.dll");
    EXPECT_EQ(MenuCaptionOfPath("C:\\a&b\\&&c.bas"), "C:\\a&&b\\&&&&c.bas");
    EXPECT_EQ(MenuCaptionOfPath("C:\\plain.bas"), "C:\\plain.bas");
    EXPECT_EQ(ReadOnlyMessage("C:\\w\\a.bas"),
              "C:\\w\\a.bas\nThis file is set to read-only.\nTry again with a different file name.");
    EXPECT_EQ(ExportTarget("C:\\w\\demo.bas", 1, ".rtf"), "C:\\w\\demo.rtf");
    EXPECT_EQ(ExportTarget("C:\\w\\demo", 1, ".html"), "C:\\w\\demo.html");
    EXPECT_EQ(ExportTarget("C:\\w\\demo.doc", 2, ".rtf"), "C:\\w\\demo.doc");
    EXPECT_TRUE(ListsExports("C:\\w\\Velpack.DLL"));
    EXPECT_TRUE(ListsExports("x.Ocx"));
    EXPECT_FALSE(ListsExports("C:\\dll\\x.bas"));
    EXPECT_FALSE(ListsExports("C:\\x.dll\\readme"));
    int before = Counters().unnamedPages;
    EXPECT_EQ(NextUnnamedCaption(), "noname" + std::to_string(before + 1));
    EXPECT_EQ(NextUnnamedCaption(), "noname" + std::to_string(before + 2));
}

}  // namespace
}  // namespace tavrin
