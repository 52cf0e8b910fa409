#include "designer/property_lines.h"

#include <gtest/gtest.h>

namespace tavrin {
namespace {

int own, button, edit;

// A dialog page with one component, as the writers leave it.
VectorLineDocument PageWithButton() {
    VectorLineDocument doc;
    doc.SetText("type QDialog1 extends QForm\r\nend type\r\nconstructor QDialog1\r\nend constructor");
    doc.InsertLine(1, "   Container1 as QButton", &button);
    doc.InsertLine(4, "this.Parent=application'0", &own);
    doc.InsertLine(5, "this.SetBounds(368,188,814,328)", &own);
    doc.InsertLine(6, "Container1.Parent=@This", &button);
    doc.InsertLine(7, "Container1.SetBounds(8,8,75,25)", &button);
    return doc;
}

TEST(PropertyLines, TextValuesAreQuotedWithQuotesDoubled) {
    EXPECT_EQ(FormatPropertyLine("Container1", "Text", "Hello World", true), "Container1.Text=\"Hello World\"");
    EXPECT_EQ(FormatPropertyLine("Container1", "Text", "say \"d\"", true), "Container1.Text=\"say \"\"d\"\"\"");
    EXPECT_EQ(FormatPropertyLine("this", "Color", "255", false), "this.Color=255");
    EXPECT_EQ(FormatPropertyLine("Container1", "Text", "", true), "Container1.Text=\"\"");
}

TEST(PropertyLines, ANewPropertyGoesAfterTheObjectsLastLine) {
    VectorLineDocument doc = PageWithButton();
    EXPECT_EQ(WritePropertyLine(doc, {&button, "Container1"}, "Text", "OK", true), PropertyLineWrite::Inserted);
    EXPECT_EQ(doc.Line(8), "Container1.Text=\"OK\"");
    EXPECT_EQ(doc.Tag(8), &button);
    EXPECT_EQ(WritePropertyLine(doc, {&own, "this", true}, "Color", "255", false), PropertyLineWrite::Inserted);
    EXPECT_EQ(doc.Line(6), "this.Color=255");
    EXPECT_EQ(doc.Tag(6), &own);
    EXPECT_EQ(WritePropertyLine(doc, {&edit, "Container2"}, "Text", "x", true), PropertyLineWrite::NotWritten)
        << "an object without lines gets none";
    EXPECT_EQ(doc.LineCount(), 11);
}

TEST(PropertyLines, TheObjectsLineForThePropertyIsReplacedInPlace) {
    VectorLineDocument doc = PageWithButton();
    WritePropertyLine(doc, {&button, "Container1"}, "Hint", "Left or Right", true);
    WritePropertyLine(doc, {&button, "Container1"}, "Text", "first", true);
    EXPECT_EQ(WritePropertyLine(doc, {&button, "Container1"}, "TEXT", "second", true),
              PropertyLineWrite::Replaced);
    EXPECT_EQ(doc.Line(9), "Container1.TEXT=\"second\"");
    EXPECT_EQ(doc.Tag(9), &button);
    // Neither the hint's words nor the bounds call hold a "Left" assignment.
    EXPECT_EQ(WritePropertyLine(doc, {&button, "Container1"}, "Left", "16", false), PropertyLineWrite::Inserted);
    EXPECT_EQ(doc.Line(8), "Container1.Hint=\"Left or Right\"");
    EXPECT_EQ(doc.Line(10), "Container1.Left=16");
    EXPECT_EQ(doc.Line(7), "Container1.SetBounds(8,8,75,25)");
    EXPECT_EQ(FindPropertyLine(doc, &button, "left"), 10);
    EXPECT_EQ(FindPropertyLine(doc, &own, "left"), -1);
}

TEST(PropertyLines, AComponentNamedLikeThePropertyKeepsItsDeclaration) {
    VectorLineDocument doc;
    doc.SetText("type QDialog1 extends QForm\r\nend type\r\nconstructor QDialog1\r\nend constructor");
    doc.InsertLine(1, "   Text as QLabel", &edit);
    doc.InsertLine(4, "Text.Parent=@This", &edit);
    WritePropertyLine(doc, {&edit, "Text"}, "Text", "Name:", true);
    EXPECT_EQ(doc.Line(1), "   Text as QLabel");
    EXPECT_EQ(doc.Line(4), "Text.Parent=@This");
    EXPECT_EQ(doc.Line(5), "Text.Text=\"Name:\"");
}

}  // namespace
}  // namespace tavrin
