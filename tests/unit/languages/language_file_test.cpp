#include "languages/language_file.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace tavrin {
namespace {

TEST(LanguageFile, ReadsBlocksAndLinesAsTheSettingsFilesAre) {
    LanguageFile file = ParseLanguageText(
        "; comment\r\n"
        "caption=before any block\r\n"
        "  [ Main ]  \r\n"
        " caption = Tavrin2 \"Werkbank\"\r\n"
        "menuFile.caption=\"  &Datei  \"\r\n"
        "CAPTION=repeated key\r\n"
        "[SearchReplaceDialog]\n"
        "btnSearch.caption=&Suchen\n"
        "[main]\n"
        "caption=repeated block\n");
    ASSERT_EQ(file.sections.size(), 2u);
    EXPECT_EQ(file.sections[0].name, "Main");
    ASSERT_EQ(file.sections[0].entries.size(), 2u);
    EXPECT_EQ(file.sections[0].entries[0].key, "caption");
    EXPECT_EQ(file.sections[0].entries[0].value, "Tavrin2 \"Werkbank\"");
    EXPECT_EQ(file.sections[0].entries[1].value, "  &Datei  ");
    EXPECT_EQ(file.Find("SEARCHREPLACEDIALOG")->entries[0].value, "&Suchen");
    EXPECT_EQ(file.Find("Code"), nullptr);
}

TEST(LanguageFile, MalformedLinesAreSkipped) {
    using namespace std::string_literals;
    std::string text =
        "[Main\n"           // no "]": no block
        "lost=1\n"
        "[]\n"               // no name
        "lost=2\n"
        "[Code]\n"
        "no equals sign\n"
        "=no key\n"
        "binary\0junk=x\n"
        "\xff\xfe\x80=\x81\n"  // any 8-bit bytes are text
        "caption=Quelltext\n"s;
    LanguageFile file = ParseLanguageText(text);
    ASSERT_EQ(file.sections.size(), 1u);
    const auto& entries = file.sections[0].entries;
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].key, "\xff\xfe\x80");
    EXPECT_EQ(entries[1].value, "Quelltext");
    EXPECT_TRUE(ParseLanguageText("").sections.empty());
    EXPECT_TRUE(ParseLanguageText(std::string(5000, '[')).sections.empty());
}

TEST(LanguageFile, LineBreaksInTextsTravelAsBackslashN) {
    EXPECT_EQ(EscapeLanguageValue("one\r\ntwo\nthree\rfour"), "one\\ntwo\\nthree\\nfour");
    EXPECT_EQ(UnescapeLanguageValue("one\\ntwo \\\\ path\\"), "one\r\ntwo \\\\ path\\");
    LanguageFile file = ParseLanguageText("[About]\nlabel.caption=a\\nb\n");
    EXPECT_EQ(file.sections[0].entries[0].value, "a\r\nb");
}

TEST(LanguageFile, AMissingFileIsAnEmptyLanguage) {
    test::TempFolder folder;
    EXPECT_TRUE(ReadLanguageFile(folder.Path("none.txt")).sections.empty());
    std::string path = folder.Write("German.txt", "[Main]\ncaption=Werkbank\n");
    EXPECT_EQ(ReadLanguageFile(path).Find("main")->entries[0].value, "Werkbank");
}

}  // namespace
}  // namespace tavrin
