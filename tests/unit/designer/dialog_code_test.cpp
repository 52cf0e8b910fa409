#include "designer/auto_create.h"
#include "designer/design_model.h"
#include "designer/dialog_code.h"
#include "designer/line_finders.h"

#include <gtest/gtest.h>

#include "counting_document.h"

#include <string>
#include <vector>

#include "common/text.h"

namespace tavrin {
namespace {

int own1, button, edit, dialogTag;

std::vector<std::string> Lines(const LineDocument& doc) {
    std::vector<std::string> lines;
    for (int i = 0; i < doc.LineCount(); ++i) lines.push_back(doc.Line(i));
    return lines;
}

const std::vector<std::string> kSkeleton = {
    "type QDialog1 extends QForm",
    "   declare constructor",
    "   declare operator cast as QForm ptr",
    "end type",
    "",
    "var shared Dialog1=QDialog1",
    "",
    "constructor QDialog1",
    "end constructor",
    "",
    "operator QDialog1.cast as QForm ptr",
    "   return @this",
    "end operator",
};

// A new dialog's page as New Dialog leaves it: the skeleton and the own container's lines.
void NewDialogPage(VectorLineDocument& doc, int dialogCounter, bool autocreate = true) {
    DialogCodeSettings settings;
    settings.autocreateForms = autocreate;
    std::string name = NewDialogName(dialogCounter);
    ASSERT_TRUE(WriteDialogSkeleton(doc, name, settings));
    WriteComponent(doc, name, {&own1, "this", true}, "QForm", NewDialogBounds(dialogCounter));
}

TEST(DialogCode, SkeletonHasThirteenLinesWithAutoCreateAndElevenWithout) {
    VectorLineDocument doc;
    ASSERT_TRUE(WriteDialogSkeleton(doc, "Dialog1", {}));
    EXPECT_EQ(Lines(doc), kSkeleton);

    DialogCodeSettings off;
    off.autocreateForms = false;
    std::vector<std::string> eleven = kSkeleton;
    eleven.erase(eleven.begin() + 5, eleven.begin() + 7);
    EXPECT_EQ(SplitLines(DialogSkeleton("Dialog1", off)), eleven);
    EXPECT_EQ(eleven.size(), 11u);

    DialogCodeSettings custom;
    custom.hostClass = "QMyForm";
    EXPECT_EQ(SplitLines(DialogSkeleton("Main", custom))[10], "operator QMain.cast as QMyForm ptr");
    EXPECT_FALSE(WriteDialogSkeleton(doc, "Dialog2", {})) << "a page that has text keeps it";
    EXPECT_EQ(doc.LineCount(), 13);
}

TEST(DialogCode, NewDialogsWriteTheirOwnContainerWithCascadingBounds) {
    VectorLineDocument first;
    NewDialogPage(first, 0);
    ASSERT_EQ(first.LineCount(), 15);
    EXPECT_EQ(first.Line(7), "constructor QDialog1");
    EXPECT_EQ(first.Line(8), "this.Parent=application'0");
    EXPECT_EQ(first.Line(9), "this.SetBounds(368,188,814,328)");
    EXPECT_EQ(first.Line(10), "end constructor");
    EXPECT_EQ(first.Tag(7), nullptr);
    EXPECT_EQ(first.Tag(8), &own1);
    EXPECT_EQ(first.Tag(9), &own1);
    EXPECT_EQ(first.Tag(10), nullptr);

    VectorLineDocument second;
    NewDialogPage(second, 1);
    EXPECT_EQ(second.Line(0), "type QDialog2 extends QForm");
    EXPECT_EQ(second.Line(9), "this.SetBounds(400,220,814,328)");
}

TEST(DialogCode, TwoComponentsGiveTheTwentyOneLinePage) {
    VectorLineDocument doc;
    NewDialogPage(doc, 0);
    WriteComponent(doc, "Dialog1", {&button, "Container1"}, "QButton", {8, 16, 75, 25});
    WriteComponent(doc, "Dialog1", {&edit, "Container2"}, "QEdit", {8, 48, 120, 21});
    const std::vector<std::string> expected = {
        "type QDialog1 extends QForm",
        "   Container1 as QButton",
        "   Container2 as QEdit",
        "   declare constructor",
        "   declare operator cast as QForm ptr",
        "end type",
        "",
        "var shared Dialog1=QDialog1",
        "",
        "constructor QDialog1",
        "this.Parent=application'0",
        "this.SetBounds(368,188,814,328)",
        "Container1.Parent=@This",
        "Container1.SetBounds(8,16,75,25)",
        "Container2.Parent=@This",
        "Container2.SetBounds(8,48,120,21)",
        "end constructor",
        "",
        "operator QDialog1.cast as QForm ptr",
        "   return @this",
        "end operator",
    };
    EXPECT_EQ(Lines(doc), expected);
    const std::vector<LineTag> tags = {nullptr, &button, &edit, nullptr, nullptr, nullptr, nullptr,
                                       nullptr, nullptr, nullptr, &own1,   &own1,  &button, &button,
                                       &edit,   &edit,   nullptr, nullptr, nullptr, nullptr, nullptr};
    for (int i = 0; i < doc.LineCount(); ++i) EXPECT_EQ(doc.Tag(i), tags[i]) << "line " << i + 1;

    EXPECT_EQ(doc.RemoveLinesOf(&button), 3) << "deleting a component deletes its lines";
    EXPECT_EQ(doc.Line(1), "   Container2 as QEdit");
    EXPECT_EQ(doc.LineCount(), 18);
}

TEST(DialogCode, WritesStayInTheDialogsOwnBlocksAroundUserCode) {
    VectorLineDocument doc;
    doc.SetText("' the type of this program\r\nDim As Integer counter\r\nsub Helper()\r\nend sub\r\n");
    WriteDialogSkeleton(doc, "Ignored", {});  // the page has text: nothing written
    EXPECT_EQ(doc.LineCount(), 4);
    for (const std::string& line : SplitLines(DialogSkeleton("Dialog1", {}))) doc.InsertLine(doc.LineCount(), line);
    doc.InsertLine(doc.LineCount(), "constructor QOther");
    doc.InsertLine(doc.LineCount(), "end constructor");
    WriteComponent(doc, "Dialog1", {&button, "Container1"}, "QButton", {1, 2, 3, 4});
    EXPECT_EQ(doc.Line(5), "   Container1 as QButton") << "inside the type, not after the user's lines";
    EXPECT_EQ(doc.Line(13), "Container1.Parent=@This");
    EXPECT_EQ(doc.Line(14), "Container1.SetBounds(1,2,3,4)");
    EXPECT_EQ(doc.Line(15), "end constructor");
    EXPECT_EQ(doc.Line(20), "constructor QOther");

    EXPECT_EQ(SetAutoCreate(doc, false, nullptr), AutoCreateChange::Removed);
    AutoCreateDialog dialog{"Dialog1", &dialogTag};
    EXPECT_EQ(SetAutoCreate(doc, true, &dialog), AutoCreateChange::Inserted);
    EXPECT_EQ(doc.Line(9), "var shared Dialog1=QDialog1") << "after the dialog's end type, not the user's end sub";
    EXPECT_EQ(doc.Tag(9), &dialogTag);
}

TEST(DialogCode, WithoutTheDialogsBlocksThePageWideRulesApply) {
    VectorLineDocument doc;
    doc.SetText("type Renamed extends QForm\r\n   First as QLabel\r\n   declare constructor\r\nend type\r\n"
                "constructor Renamed\r\nend constructor\r\nDim As Integer tail");
    WriteComponent(doc, "Dialog1", {&button, "Container1"}, "QButton", {1, 2, 3, 4});
    EXPECT_EQ(doc.Line(9), "   Container1 as QButton") << "after the last line whose second word is as";
    EXPECT_EQ(doc.Line(5), "Container1.Parent=@This");
    EXPECT_EQ(doc.Line(6), "Container1.SetBounds(1,2,3,4)");
    EXPECT_EQ(doc.Line(7), "end constructor");

    VectorLineDocument noAs;
    noAs.SetText("' no fields\r\nmy type here\r\nconstructor x\r\nend constructor");
    WriteComponent(noAs, "Dialog1", {&edit, "Container2"}, "QEdit", {0, 0, 0, 0});
    EXPECT_EQ(noAs.Line(2), "   Container2 as QEdit") << "after the first line holding the word type";

    VectorLineDocument nothing;
    nothing.SetText("print 1\r\nprint 2");
    WriteComponent(nothing, "Dialog1", {&edit, "Container2"}, "QEdit", {0, 0, 0, 0});
    EXPECT_EQ(nothing.LineCount(), 2) << "no type and no constructor: nothing is written";
    EXPECT_FALSE(WriteConstructorLine(nothing, "Dialog1", {&edit, "Container2"}, "Parent=", "@This"));
}

TEST(DialogCode, OnlyTheOwnContainersParentIsTheApplication) {
    VectorLineDocument doc;
    NewDialogPage(doc, 0);
    WriteConstructorLine(doc, "Dialog1", {&own1, "this", true}, "PARENT=", "@This");
    WriteConstructorLine(doc, "Dialog1", {&own1, "this", true}, "Caption=", "\"x\"");
    WriteConstructorLine(doc, "Dialog1", {&button, "Container1"}, "Parent=", "@This");
    EXPECT_EQ(doc.Line(10), "this.PARENT=application'0");
    EXPECT_EQ(doc.Line(11), "this.Caption=\"x\"");
    EXPECT_EQ(doc.Line(12), "Container1.Parent=@This");
}

TEST(LineFinders, FindLineKeepsTheFirstOrTheLastMatch) {
    VectorLineDocument doc;
    NewDialogPage(doc, 0);
    EXPECT_EQ(FindLine(doc, "constructor", 1, Occurrence::Last), 10) << "end constructor";
    EXPECT_EQ(FindLine(doc, "constructor", 1, Occurrence::First), 1) << "declare constructor";
    EXPECT_EQ(FindLine(doc, "constructor", 1, Occurrence::First, 2), 10);
    EXPECT_EQ(FindLine(doc, "type", 0, Occurrence::First), 0);
    EXPECT_EQ(FindLine(doc, "TYPE", 1, Occurrence::Last), 3) << "end type";
    EXPECT_EQ(FindLine(doc, "missing", 0, Occurrence::Last), -1);
    EXPECT_EQ(FindLine(doc, "constructor", 1, Occurrence::Last, 11), -1);
}

TEST(LineFinders, FindWordsListsEveryHitOfEachWordInTurn) {
    VectorLineDocument doc;
    doc.SetText("type QDialog1 extends QForm\r\nb extends type\r\nnothing");
    std::vector<WordHit> hits = FindWords(doc, {"type", "extends", "QButton"});
    EXPECT_EQ(hits, (std::vector<WordHit>{{0, 0}, {1, 2}, {0, 2}, {1, 1}}));
    EXPECT_EQ(FindWords(doc, {"type"}, 1), (std::vector<WordHit>{{1, 2}}));
    EXPECT_EQ(FirstLineHoldingAny(doc, {"QButton", "b"}), 1);
}

TEST(LineFinders, DialogBlocksAreFoundByTheTypeName) {
    VectorLineDocument doc;
    NewDialogPage(doc, 0);
    DialogBlocks blocks = LocateDialogBlocks(doc, "dialog1");
    EXPECT_EQ(blocks.typeLine, 0);
    EXPECT_EQ(blocks.endTypeLine, 3);
    EXPECT_EQ(blocks.constructorLine, 7);
    EXPECT_EQ(blocks.endConstructorLine, 10);
    EXPECT_EQ(LocateDialogBlocks(doc, "Dialog2").typeLine, -1);
}

TEST(AutoCreate, TheVarLineMustNameATypeOfThePage) {
    VectorLineDocument doc;
    NewDialogPage(doc, 0);
    EXPECT_TRUE(HasAutoCreate(doc));
    EXPECT_EQ(FindAutoCreateLine(doc), 5);

    VectorLineDocument off;
    NewDialogPage(off, 0, false);
    EXPECT_EQ(off.LineCount(), 13) << "11 lines and the two of the own container";
    EXPECT_FALSE(HasAutoCreate(off));
    EXPECT_EQ(SetAutoCreate(off, true, nullptr), AutoCreateChange::NoDialog);
    EXPECT_EQ(kNoDialogAttached, "Internal error $2.\nNo dialog attached.");
    AutoCreateDialog dialog{"Dialog1", &dialogTag};
    EXPECT_EQ(SetAutoCreate(off, true, &dialog), AutoCreateChange::Inserted);
    EXPECT_EQ(off.Line(4), "var shared Dialog1=QDialog1") << "directly after end type";
    EXPECT_EQ(off.Line(5), "");
    EXPECT_TRUE(HasAutoCreate(off));
    EXPECT_EQ(SetAutoCreate(off, true, &dialog), AutoCreateChange::Unchanged);
    EXPECT_EQ(SetAutoCreate(off, false, &dialog), AutoCreateChange::Removed);
    EXPECT_FALSE(HasAutoCreate(off));
    EXPECT_EQ(SetAutoCreate(off, false, &dialog), AutoCreateChange::Unchanged);

    VectorLineDocument other;
    other.SetText("type QA extends QForm\r\nvar shared x=QB\r\n'var shared y=QA\r\nvar z ' =QA");
    EXPECT_FALSE(HasAutoCreate(other)) << "QB is no type here; comments are removed first";
    other.InsertLine(3, "VAR   a = QA");
    EXPECT_EQ(FindAutoCreateLine(other), 3);
    other.SetText("type QA extends QForm\r\nvar shared x=QA");
    other.SetLine(0, "QA QA");
    EXPECT_FALSE(HasAutoCreate(other)) << "the type name must be a line's second word, not its first";
}

TEST(UpdateBounds, RewritesTheBoundsLineOfTheMovedObject) {
    VectorLineDocument doc;
    NewDialogPage(doc, 0);
    WriteComponent(doc, "Dialog1", {&button, "Container1"}, "QButton", {8, 16, 75, 25});
    EXPECT_TRUE(UpdateBounds(doc, "Dialog1", {&button, "Container1"}, {24, 32, 80, 30}));
    EXPECT_EQ(doc.Line(12), "Container1.SetBounds(24,32,80,30)");
    EXPECT_EQ(doc.Tag(12), &button);
    EXPECT_TRUE(UpdateBounds(doc, "Dialog1", {&own1, "this", true}, {400, 220, 640, 480}));
    EXPECT_EQ(doc.Line(10), "this.SetBounds(400,220,640,480)");
    EXPECT_EQ(doc.LineCount(), 18) << "no line added or lost";

    // Untagged lines, as after typing them: the first bounds call of that name takes the tag.
    VectorLineDocument typed;
    typed.SetText("type QDialog1 extends QForm\r\nend type\r\nconstructor QDialog1\r\n"
                  "container1.setbounds (1, 2, 3, 4) ' placed by hand\r\nend constructor");
    EXPECT_TRUE(UpdateBounds(typed, "Dialog1", {&button, "Container1"}, {5, 6, 7, 8}));
    EXPECT_EQ(typed.Line(3), "container1.setbounds (5,6,7,8) ' placed by hand");
    EXPECT_EQ(typed.Tag(3), &button);

    EXPECT_FALSE(UpdateBounds(typed, "Dialog1", {&edit, "Container2"}, {1, 1, 1, 1}))
        << "an object without lines gets none";
    typed.InsertLine(4, "Container2.Parent=@This", &edit);
    EXPECT_TRUE(UpdateBounds(typed, "Dialog1", {&edit, "Container2"}, {1, 1, 1, 1}));
    EXPECT_EQ(typed.Line(5), "Container2.SetBounds(1,1,1,1)") << "a missing bounds line is written";
}

TEST(UpdateBounds, PositionPropertyLinesFollowTheMove) {
    VectorLineDocument doc;
    NewDialogPage(doc, 0);
    WriteComponent(doc, "Dialog1", {&button, "Container1"}, "QButton", {8, 16, 75, 25});
    doc.InsertLine(13, "Container1.Left=8", &button);
    doc.InsertLine(14, "Container1.height=25", &button);
    doc.InsertLine(15, "Container1.Text=\"Left\"", &button);
    UpdateBounds(doc, "Dialog1", {&button, "Container1"}, {40, 16, 75, 50});
    EXPECT_EQ(doc.Line(13), "Container1.Left=40");
    EXPECT_EQ(doc.Line(14), "Container1.height=50");
    EXPECT_EQ(doc.Line(15), "Container1.Text=\"Left\"");
    EXPECT_EQ(doc.Line(12), "Container1.SetBounds(40,16,75,50)");
}

TEST(DialogCode, WritingAComponentReadsTheDialogOnlyAFewTimes) {
    CountingDocument doc;
    NewDialogPage(doc, 0);
    std::vector<int> tags(400);
    for (int i = 0; i < 400; ++i)
        WriteComponent(doc, "Dialog1", {&tags[i], "Container" + std::to_string(i + 1)}, "QButton", {i, i, 5, 5});
    int lines = doc.LineCount();
    doc.reads = 0;
    int last = 0;
    WriteComponent(doc, "Dialog1", {&last, "Container401"}, "QButton", {1, 1, 1, 1});
    EXPECT_LT(doc.reads, 5LL * lines) << "a few passes over the page, not one per component";
    EXPECT_EQ(doc.Line(401), "   Container401 as QButton");
}

}  // namespace
}  // namespace tavrin
