// Registration texts as packs write them, well and badly.
#include <gtest/gtest.h>

#include "packhost/registration_text.h"

namespace tavrin {
namespace {

TEST(RegistrationText, PageThenClassesPerLine) {
    auto lines = ParseRegistration("Standards:QStatic,QButton\r\nMenus:QMainMenu\n");
    ASSERT_EQ(2u, lines.size());
    EXPECT_EQ("Standards", lines[0].page);
    EXPECT_EQ((std::vector<std::string>{"QStatic", "QButton"}), lines[0].classes);
    EXPECT_EQ("Menus", lines[1].page);
    EXPECT_EQ((std::vector<std::string>{"QMainMenu"}), lines[1].classes);
    EXPECT_FALSE(lines[0].malformed || lines[1].malformed);
}

TEST(RegistrationText, ColonsAndCommasBothSeparate) {
    // Without a colon the first name is the page; a lone name is a page without classes.
    auto lines = ParseRegistration("QA,QB\nStandards\nA:B:C");
    ASSERT_EQ(3u, lines.size());
    EXPECT_EQ("QA", lines[0].page);
    EXPECT_EQ((std::vector<std::string>{"QB"}), lines[0].classes);
    EXPECT_EQ("Standards", lines[1].page);
    EXPECT_TRUE(lines[1].classes.empty());
    EXPECT_FALSE(lines[1].malformed);
    EXPECT_EQ((std::vector<std::string>{"B", "C"}), lines[2].classes);
}

TEST(RegistrationText, EmptyNamesMarkALineMalformedAndBlankLinesAreSkipped) {
    auto lines = ParseRegistration("\n:QButton\n  \nStandards:QA,,QB, \nStandards:QC,\n");
    ASSERT_EQ(3u, lines.size());
    EXPECT_TRUE(lines[0].malformed);
    EXPECT_EQ("", lines[0].page);
    EXPECT_EQ(":QButton", lines[0].text);
    EXPECT_TRUE(lines[1].malformed);
    EXPECT_EQ((std::vector<std::string>{"QA", "QB"}), lines[1].classes);
    EXPECT_FALSE(lines[2].malformed) << "a trailing comma ends the list";
    EXPECT_EQ((std::vector<std::string>{"QC"}), lines[2].classes);
    EXPECT_TRUE(ParseRegistration("").empty());
    EXPECT_TRUE(ParseRegistration("\r\n\r\n").empty());
}

TEST(RegistrationText, BlanksAroundNamesAreRemoved) {
    auto lines = ParseRegistration(" Standards : QA , QB\t");
    ASSERT_EQ(1u, lines.size());
    EXPECT_EQ("Standards", lines[0].page);
    EXPECT_EQ((std::vector<std::string>{"QA", "QB"}), lines[0].classes);
}

}  // namespace
}  // namespace tavrin
