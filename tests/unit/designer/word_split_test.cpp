#include "designer/basic_strings.h"
#include "designer/code_comments.h"
#include "designer/word_split.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavrin {
namespace {

std::vector<std::string> Words(std::string_view line) {
    std::vector<std::string> words;
    for (std::string_view word : SplitCodeWords(line)) words.emplace_back(word);
    return words;
}

using Texts = std::vector<std::string>;

TEST(WordSplit, BlanksSeparateAndEqualsAndParenthesesStandAlone) {
    EXPECT_EQ(Words("   Container1 as QButton"), (Texts{"Container1", "as", "QButton"}));
    EXPECT_EQ(Words("Container1.SetBounds(10,20,30,40)"),
              (Texts{"Container1.SetBounds", "(", "10,20,30,40", ")"}));
    EXPECT_EQ(Words("var shared Dialog1=QDialog1"), (Texts{"var", "shared", "Dialog1", "=", "QDialog1"}));
    EXPECT_EQ(Words("a==b"), (Texts{"a", "=", "=", "b"}));
    EXPECT_EQ(Words("type\tQDialog1 extends QForm"), (Texts{"type\tQDialog1", "extends", "QForm"}))
        << "tabs do not separate";
    EXPECT_EQ(Words("x.y,z"), (Texts{"x.y,z"})) << "dots and commas do not separate";
    EXPECT_TRUE(Words("    ").empty());
    EXPECT_EQ(Words("SetBounds(10, 20, 30, 40)"), (Texts{"SetBounds", "(", "10,", "20,", "30,", "40", ")"}));
}

TEST(WordSplit, PositionsAreFirstOccurrencesWithoutRegardToCase) {
    auto words = SplitCodeWords("end constructor constructor");
    EXPECT_EQ(WordPosition(words, "CONSTRUCTOR"), 1);
    EXPECT_EQ(WordPosition(words, "type"), -1);
    EXPECT_EQ(WordPositionInLine("   declare constructor", "Constructor"), 1);
    EXPECT_EQ(WordPositionInLine("a as as", "as"), 1);
}

TEST(WordSplit, PropertyTokensAndAutoCreateWords) {
    std::vector<std::string_view> tokens = SplitPropertyTokens("  Container1.Text=\"a b\"  ");
    EXPECT_EQ(tokens, (std::vector<std::string_view>{"Container1", ".", "Text", "=", "\"a", "b\""}));
    EXPECT_EQ(SplitAtBlanksAndEquals("var shared Dialog1=QDialog1.x(1)"),
              (std::vector<std::string_view>{"var", "shared", "Dialog1", "=", "QDialog1.x(1)"}));
}

TEST(CodeComments, LineCommentsEndAtTheLineAndStringsHideApostrophes) {
    CommentStripper comments;
    EXPECT_EQ(comments.CodeOf("this.Parent=application'0"), "this.Parent=application ");
    EXPECT_EQ(comments.CodeOf("Container1.Text=\"Don't\" ' note"), "Container1.Text=\"Don't\"  ");
    EXPECT_EQ(comments.CodeOf("x=\"say \"\"hi'\"\"\"'c"), "x=\"say \"\"hi'\"\"\" ");
    EXPECT_EQ(comments.CodeOf("x=!\"a\\\"'b\"'c"), "x=!\"a\\\"'b\" ");
    EXPECT_EQ(comments.CodeOf("s = \"/' not a comment\""), "s = \"/' not a comment\"");
    EXPECT_FALSE(comments.InBlockComment());
}

TEST(CodeComments, BlockCommentsSpanLinesAndNest) {
    CommentStripper comments;
    EXPECT_EQ(comments.CodeOf("a=1 /' start"), "a=1 ");
    EXPECT_TRUE(comments.InBlockComment());
    EXPECT_EQ(comments.CodeOf("Container1.Text=\"x\""), "");
    EXPECT_EQ(comments.CodeOf("/' inner '/ still inside"), "");
    EXPECT_EQ(comments.CodeOf("done '/b=2"), " b=2");
    EXPECT_FALSE(comments.InBlockComment());
    EXPECT_EQ(comments.CodeOf("p /' q '/ r"), "p   r");
    EXPECT_EQ(comments.CodeOf("x ' line comment /' is no block"), "x  ");
    EXPECT_FALSE(comments.InBlockComment()) << "a block opener inside a line comment opens nothing";
}

TEST(BasicStrings, QuotesAreDoubledAndControlCharactersEscaped) {
    EXPECT_EQ(QuoteBasicString("Hello World"), "\"Hello World\"");
    EXPECT_EQ(QuoteBasicString("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(QuoteBasicString(""), "\"\"");
    EXPECT_EQ(QuoteBasicString("a\r\nb\t\"c\\"), "!\"a\\r\\nb\\t\\\"c\\\\\"");
    EXPECT_EQ(QuoteBasicString(std::string("\x01", 1)), "!\"\\&h01\"");
}

TEST(BasicStrings, ReadingGivesBackWhatWasQuoted) {
    for (std::string text : {std::string("Hello World"), std::string("\"\""), std::string("it's"),
                             std::string("a\r\nb\t\\\"\x1f"), std::string(), std::string("\xe9t\xe9")}) {
        std::string value;
        ASSERT_TRUE(ReadBasicString(QuoteBasicString(text) + " rest", value)) << text;
        EXPECT_EQ(value, text);
    }
    std::string value;
    EXPECT_FALSE(ReadBasicString("Hello", value));
    EXPECT_TRUE(ReadBasicString("\"open end", value));
    EXPECT_EQ(value, "open end");
    EXPECT_TRUE(ReadBasicString("!\"\\65\\&h42\"", value));
    EXPECT_EQ(value, "AB");
}

}  // namespace
}  // namespace tavrin
