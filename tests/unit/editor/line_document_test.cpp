#include "editor/line_document.h"
#include "common/text.h"

#include <gtest/gtest.h>

namespace tavrin {
namespace {

int objectA, objectB;

TEST(LineDocument, TagsFollowTheirLinesAndVanishWithThem) {
    VectorLineDocument doc;
    doc.SetText("type QDialog1 extends QForm\r\nconstructor QDialog1\r\nend constructor\r\n");
    ASSERT_EQ(doc.LineCount(), 3);
    doc.InsertLine(2, "this.Parent=application'0", &objectA);
    doc.InsertLine(3, "this.SetBounds(1,2,3,4)", &objectA);
    doc.InsertLine(1, "   Button1 as QButton", &objectB);
    EXPECT_EQ(doc.FindTag(&objectA), 3);

    doc.InsertLine(0, "' header");  // above every tagged line
    EXPECT_EQ(doc.Tag(4), &objectA);
    EXPECT_EQ(doc.Line(4), "this.Parent=application'0");
    doc.DeleteLine(0);
    EXPECT_EQ(doc.Tag(3), &objectA);

    doc.SetLine(3, "this.Parent=@other");  // replacing the text keeps the tag
    EXPECT_EQ(doc.Tag(3), &objectA);

    EXPECT_EQ(doc.RemoveLinesOf(&objectA), 2);
    EXPECT_EQ(doc.FindTag(&objectA), -1);
    EXPECT_EQ(doc.Text(), "type QDialog1 extends QForm\r\n   Button1 as QButton\r\nconstructor QDialog1\r\n"
                          "end constructor\r\n");
    EXPECT_EQ(doc.FindTag(&objectB), 1);
    EXPECT_EQ(doc.RemoveLinesOf(nullptr), 0) << "untagged lines are no object's lines";

    doc.SetText("a\nb");
    EXPECT_EQ(doc.FindTag(&objectB), -1) << "a new text drops every tag";
}

TEST(LineDocument, IndexesOutsideTheTextChangeNothing) {
    VectorLineDocument doc;
    doc.SetText("one\r\ntwo");
    doc.InsertLine(5, "x", &objectA);
    doc.InsertLine(-1, "x", &objectA);
    doc.DeleteLine(2);
    doc.SetLine(-1, "x");
    doc.SetTag(9, &objectA);
    EXPECT_EQ(doc.Text(), "one\r\ntwo\r\n");
    EXPECT_EQ(doc.Line(7), "");
    EXPECT_EQ(doc.Tag(-3), nullptr);
    doc.InsertLine(2, "three", &objectA);  // appending
    EXPECT_EQ(doc.Tag(2), &objectA);
}

TEST(LineDocument, SplittingKnowsEveryLineEnd) {
    EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\n"), (std::vector<std::string>{"a"}));
    EXPECT_EQ(SplitLines("\n\n"), (std::vector<std::string>{"", ""}));
    EXPECT_TRUE(SplitLines("").empty());
}

}  // namespace
}  // namespace tavrin
