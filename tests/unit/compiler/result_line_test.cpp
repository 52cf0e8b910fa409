#include "compiler/result_line.h"

#include <gtest/gtest.h>

namespace tavrin {
namespace {

TEST(ResultLine, FileNameAndLineComeFromTheFirstTwoParts) {
    ResultPosition p = ParseResultLine("C:\\src\\main.bas(12) error 41: Variable not declared, x");
    EXPECT_EQ(p.fileName, "C:\\src\\main.bas");
    ASSERT_TRUE(p.line.has_value());
    EXPECT_EQ(*p.line, 12);

    p = ParseResultLine("main.bas");
    EXPECT_EQ(p.fileName, "main.bas");
    EXPECT_FALSE(p.line.has_value());
}

TEST(ResultLine, PartOneMustBeADecimalNumber) {
    EXPECT_FALSE(ParseResultLine("a.bas(twelve) error").line.has_value());
    EXPECT_FALSE(ParseResultLine("a.bas() error").line.has_value());
    EXPECT_FALSE(ParseResultLine("a.bas(-3) error").line.has_value());
    EXPECT_FALSE(ParseResultLine("a.bas(99999999999) error").line.has_value());
    // Every parenthesis breaks the line: a folder with parentheses gives its
    // own parts, as the jump has always read such lines.
    ResultPosition p = ParseResultLine("C:\\app (v2)\\m.bas(5) error");
    EXPECT_EQ(p.fileName, "C:\\app ");
    EXPECT_FALSE(p.line.has_value());
    EXPECT_EQ(ParseResultLine("").fileName, "");
}

TEST(ResultLine, MessagesInFoldersWithParenthesesFindTheirFile) {
    auto exists = [](const std::string& file) { return file == "C:\\app (v2)\\m.bas"; };
    ResultPosition p = LocateResultLine("C:\\app (v2)\\m.bas(5) error 41: x", exists);
    EXPECT_EQ(p.fileName, "C:\\app (v2)\\m.bas");
    ASSERT_TRUE(p.line.has_value());
    EXPECT_EQ(*p.line, 5);
    // A line naming no existing file keeps the plain reading.
    p = LocateResultLine("other.bas(3) warning 1(2): y", exists);
    EXPECT_EQ(p.fileName, "other.bas");
    EXPECT_EQ(*p.line, 3);
}

}  // namespace
}  // namespace tavrin
