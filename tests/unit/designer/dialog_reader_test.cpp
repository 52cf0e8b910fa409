#include "designer/dialog_reader.h"

#include <gtest/gtest.h>

#include "counting_document.h"

#include <string>

#include "designer/design_model.h"
#include "designer/dialog_code.h"

namespace tavrin {
namespace {

struct Read {
    DesignModel model;
    VectorLineDocument doc;
    DialogsRead result;

    explicit Read(std::string_view text) {
        doc.SetText(text);
        result = ParseDialogs(doc, model, "QForm");
    }
    const DialogDesign& Dialog(size_t index = 0) const { return *model.Dialogs().at(index); }
    size_t DialogCount() const { return model.Dialogs().size(); }
};

constexpr const char* kTwoComponents =
    "type QDialog1 extends QForm\n"
    "   Container1 as QButton\n"
    "   Container2 as QEdit\n"
    "   declare constructor\n"
    "   declare operator cast as QForm ptr\n"
    "end type\n"
    "\n"
    "var shared Dialog1=QDialog1\n"
    "\n"
    "constructor QDialog1\n"
    "this.Parent=application'0\n"
    "this.SetBounds(400,220,814,328)\n"
    "Container1.Parent=@This\n"
    "Container1.SetBounds(8,16,75,25)\n"
    "Container2.Parent=@This\n"
    "Container2.SetBounds(8,48,120,21)\n"
    "Container2.Text=\"Hello World\"\n"
    "Container1.Color=255\n"
    "end constructor\n"
    "\n"
    "operator QDialog1.cast as QForm ptr\n"
    "   return @this\n"
    "end operator\n";

TEST(ParseDialogs, RebuildsTheDialogItsComponentsAndTheirBounds) {
    Read read(kTwoComponents);
    ASSERT_EQ(read.DialogCount(), 1u);
    const DialogDesign& dialog = read.Dialog();
    EXPECT_EQ(read.result.lastDialog, &dialog);
    EXPECT_FALSE(read.result.error);
    EXPECT_EQ(dialog.name, "Dialog1") << "named after its type";
    EXPECT_EQ(dialog.bounds, (Bounds{400, 220, 814, 328})) << "placed by its own bounds line";
    EXPECT_TRUE(dialog.visible) << "the page has an auto-create line";
    EXPECT_EQ(dialog.ownContainer.packClass, "QForm");
    ASSERT_EQ(dialog.components.size(), 2u);
    const ComponentDesign& button = *dialog.components[0];
    const ComponentDesign& edit = *dialog.components[1];
    EXPECT_EQ(button.name, "Container1");
    EXPECT_EQ(button.packClass, "QButton");
    EXPECT_EQ(button.bounds, (Bounds{8, 16, 75, 25}));
    EXPECT_EQ(button.values, (DesignValues{{"Color", "255"}}));
    EXPECT_EQ(edit.bounds, (Bounds{8, 48, 120, 21}));
    EXPECT_EQ(edit.values, (DesignValues{{"Text", "Hello World"}})) << "a quoted value keeps its blanks";
}

TEST(ParseDialogs, TagsEveryLineItReadsForAnObject) {
    Read read(kTwoComponents);
    const DialogDesign& dialog = read.Dialog();
    const ComponentDesign* button = dialog.components[0].get();
    const ComponentDesign* edit = dialog.components[1].get();
    const std::vector<LineTag> expected = {
        nullptr, button,  edit,    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
        &dialog.ownContainer, &dialog.ownContainer, button, button, edit, edit, edit, button,
        nullptr, nullptr, nullptr, nullptr, nullptr};
    ASSERT_EQ(read.doc.LineCount(), static_cast<int>(expected.size()));
    for (int i = 0; i < read.doc.LineCount(); ++i) EXPECT_EQ(read.doc.Tag(i), expected[i]) << "line " << i + 1;

    // So a reopened component can be moved, and deleted with its lines.
    EXPECT_TRUE(UpdateBounds(read.doc, "Dialog1", {edit, "Container2"}, {1, 2, 3, 4}));
    EXPECT_EQ(read.doc.Line(15), "Container2.SetBounds(1,2,3,4)");
    EXPECT_EQ(read.doc.RemoveLinesOf(edit), 4);
}

TEST(ParseDialogs, EmptyPagesAndPagesWithoutADialogBuildNothing) {
    Read empty("");
    EXPECT_EQ(empty.result.lastDialog, nullptr);
    EXPECT_EQ(empty.DialogCount(), 0u);
    Read plain("Container1 as QButton\nContainer1.SetBounds(1,2,3,4)\ntype QX extends QButton\n");
    EXPECT_EQ(plain.DialogCount(), 0u) << "fields before any dialog and other base classes are no dialog";
}

TEST(ParseDialogs, TypeLinesAreRecognisedInAnyCaseSpacingAndIndentation) {
    EXPECT_EQ(Read("TYPE QMain EXTENDS qform").DialogCount(), 1u);
    EXPECT_EQ(Read("type    QMain     extends  QForm").Dialog().name, "Main");
    EXPECT_EQ(Read("      type QMain extends QForm").DialogCount(), 1u);
    EXPECT_EQ(Read("type QMain extends QForm ' the main window").DialogCount(), 1u);
    EXPECT_EQ(Read("type\tQMain extends QForm").DialogCount(), 0u) << "a tab does not separate words";
    EXPECT_EQ(Read("type QMain extends QButton").DialogCount(), 0u);
    EXPECT_EQ(Read("type QForm extends QFrame").Dialog().name, "Form") << "QForm may be the type's own name";
    EXPECT_EQ(Read("type QMain extends QForm ptr").DialogCount(), 0u) << "exactly four words";
    EXPECT_EQ(Read("type Main extends QForm").Dialog().name, "Main");
    EXPECT_FALSE(Read("type QMain extends QForm").Dialog().visible) << "no auto-create line: hidden";
}

TEST(ParseDialogs, AFieldInAUserTypeAfterTheDialogIsAComponentWithoutKnownClass) {
    Read read("type QDialog1 extends QForm\nend type\ntype TPoint\n   x as integer\nend type\n"
              "Dim As Integer\n1st as QButton\n");
    ASSERT_EQ(read.Dialog().components.size(), 2u);
    EXPECT_EQ(read.Dialog().components[0]->packClass, "integer");
    EXPECT_EQ(read.Dialog().components[1]->name, "Dim");
    EXPECT_EQ(read.doc.Tag(6), nullptr) << "a name that is no identifier builds nothing";
}

TEST(ParseDialogs, QuotedValuesKeepBlanksAndDoubledQuotes) {
    Read read("type QD extends QForm\nC as QLabel\n"
              "C.Text=\"Say \"\"Hello World\"\"\"\n"
              "C.Hint=\"Don't stop\" ' an apostrophe inside a string is no comment\n"
              "C.HelpKeyword=plain\"quote\n"
              "C.Host=QStatic\n"
              "Caption=\"Main window\"\n"
              "C.Name=\"Label1\"\n"
              "Label1.Tag=7\n");
    const ComponentDesign& label = *read.Dialog().components[0];
    EXPECT_EQ(label.values.at("Text"), "Say \"Hello World\"");
    EXPECT_EQ(label.values.at("Hint"), "Don't stop");
    EXPECT_EQ(label.values.at("HelpKeyword"), "plainquote") << "unquoted: double quotes removed";
    EXPECT_EQ(label.packClass, "QStatic") << "Host changes the class";
    EXPECT_EQ(read.Dialog().windowValues.at("Caption"), "Main window");
    EXPECT_EQ(label.name, "Label1") << "renamed through its Name";
    EXPECT_EQ(label.values.count("Tag"), 0u) << "lines still use the declared name";
}

TEST(ParseDialogs, BoundsCallsAreReadWithBlanksAndOnlyForSetBounds) {
    Read read("type QD extends QForm\nA as QButton\nB as QButton\n"
              "A.SetBounds(10, 20, 30, 40)\n"
              "B.SetBounds(1,x,3,4)\n"
              "B.Resize(9,9,9,9)\n"
              "SetBounds(5,6,7,8)\n"
              "A.SetBounds(1,2,3)\n");
    EXPECT_EQ(read.Dialog().components[0]->bounds, (Bounds{10, 20, 30, 40}));
    EXPECT_EQ(read.Dialog().components[1]->bounds, (Bounds{1, 0, 3, 4})) << "a coordinate that is no number stays";
    EXPECT_EQ(read.Dialog().bounds, (Bounds{5, 6, 7, 8}));
    EXPECT_EQ(read.doc.Tag(5), read.Dialog().components[1].get()) << "other calls are still the object's lines";
}

TEST(ParseDialogs, PropertyNamesAndEnumerationsIgnoreCaseAndUnknownNamesAreSkipped) {
    Read read("type QD extends QForm\nA as QButton\n"
              "a.ALIGN=ALCLIENT\nA.helptype=htContext\nA.Caption=\"not a container property\"\n"
              "A.Parent=@This\nA.Width= +16\nNoSuch.Text=\"x\"\nvisible=TRUE\n");
    const ComponentDesign& a = *read.Dialog().components[0];
    EXPECT_FALSE(read.result.error);
    EXPECT_EQ(a.values, (DesignValues{{"Align", "alClient"}, {"HelpType", "htContext"}}));
    EXPECT_EQ(a.bounds.width, 16);
    EXPECT_TRUE(read.Dialog().visible);
    EXPECT_EQ(read.doc.Tag(7), nullptr);
}

TEST(ParseDialogs, ABadValueStopsTheReadingAtItsLine) {
    Read read("type QD extends QForm\nA as QButton\nA.Left=12\nA.Top=twelve\nB as QEdit\n"
              "var shared D=QD\n");
    ASSERT_TRUE(read.result.error);
    EXPECT_EQ(read.result.error->line, 3);
    EXPECT_EQ(read.result.error->message, "'twelve' is not a valid integer value");
    EXPECT_EQ(read.Dialog().components.size(), 1u) << "what was built stays";
    EXPECT_EQ(read.Dialog().components[0]->bounds.left, 12);
    EXPECT_FALSE(read.Dialog().visible) << "the dialog stays hidden";

    Read enumeration("type QD extends QForm\nA as QButton\nA.Align=alMiddle\n");
    ASSERT_TRUE(enumeration.result.error);
    EXPECT_EQ(enumeration.result.error->message, "'alMiddle' is not a value of Align");
}

TEST(ParseDialogs, CommentsAndBlockCommentsAreSkipped) {
    Read read("type QD extends QForm\nA as QButton\n"
              "' A.Left=99\n"
              "A.Top=5 /' a block comment\n"
              "A.Left=77\n"
              "A.Width=x '/ A.Width=44\n"
              "/' one line '/ A.Height=33\n"
              "A.Tag=1 ' A.Tag=2 /' not a block\n"
              "A.id=3\n");
    const ComponentDesign& a = *read.Dialog().components[0];
    EXPECT_FALSE(read.result.error) << read.result.error->message;
    EXPECT_EQ(a.bounds, (Bounds{0, 5, 44, 33}));
    EXPECT_EQ(a.values, (DesignValues{{"Tag", "1"}, {"id", "3"}}));
}

TEST(ParseDialogs, TwoDialogTypesBuildTwoDialogsAndOnlyTheLastIsShown) {
    Read read("type QFirst extends QForm\nA as QButton\nend type\n"
              "type QSecond extends QForm\nB as QEdit\nend type\n"
              "var shared First=QFirst\n"
              "constructor QFirst\nA.SetBounds(1,1,1,1)\nB.SetBounds(2,2,2,2)\nend constructor\n");
    ASSERT_EQ(read.DialogCount(), 2u);
    EXPECT_EQ(read.result.dialogCount, 2);
    EXPECT_EQ(read.result.lastDialog, &read.Dialog(1));
    EXPECT_EQ(read.Dialog(0).components.size(), 1u);
    EXPECT_FALSE(read.Dialog(0).visible);
    EXPECT_TRUE(read.Dialog(1).visible);
    EXPECT_EQ(read.Dialog(1).components[0]->bounds, (Bounds{2, 2, 2, 2}));
    EXPECT_EQ(read.Dialog(0).components[0]->bounds, (Bounds{}))
        << "lines after the second type line belong to the second dialog";
}

TEST(ParseDialogs, DuplicateFieldsAreSkipped) {
    Read read("type QD extends QForm\nA as QButton\na as QEdit\nthis as QButton\n");
    ASSERT_EQ(read.Dialog().components.size(), 1u);
    EXPECT_EQ(read.Dialog().components[0]->packClass, "QButton");
}

TEST(ParseDialogs, ParentStatementsNestComponentsButNeverInsideThemselves) {
    Read read("type QD extends QForm\n"
              "Box as QGroupBox\nInner as QButton\nDeep as QEdit\nMenu1 as QMainMenu\n"
              "constructor QD\n"
              "Inner.Parent=@Box\n"
              "Deep.Parent = @inner\n"        // blanks and any case
              "Box.Parent=@Deep\n"            // would put Box inside itself: refused
              "Deep.Parent=@Menu1\n"          // a menu holds no components
              "Inner.SetBounds(4,12,60,20)\n"
              "end constructor\n");
    const DialogDesign& dialog = read.Dialog();
    ASSERT_EQ(dialog.components.size(), 3u);
    const ComponentDesign &box = *dialog.components[0], &inner = *dialog.components[1], &deep = *dialog.components[2];
    EXPECT_EQ(box.parent, nullptr);
    EXPECT_EQ(inner.parent, &box);
    EXPECT_EQ(deep.parent, &inner);
    EXPECT_EQ(inner.bounds, (Bounds{4, 12, 60, 20})) << "bounds stay in the parent's client area";
    EXPECT_EQ(read.doc.Tag(6), &inner) << "the parent statement is the child's line";

    Read back("type QD extends QForm\nBox as QGroupBox\nInner as QButton\nconstructor QD\n"
              "Inner.Parent=@Box\nInner.Parent=@This\nend constructor\n");
    EXPECT_EQ(back.Dialog().components[1]->parent, nullptr) << "@This puts it back onto the dialog";
}

TEST(DesignModel, DeletingAComponentDeletesTheComponentsInsideIt) {
    DesignModel model;
    DialogDesign& dialog = model.NewDialog("D");
    ComponentDesign& box = model.NewComponent(dialog, "Box", "QGroupBox");
    ComponentDesign& inner = model.NewComponent(dialog, "Inner", "QButton");
    model.NewComponent(dialog, "Other", "QButton");
    ComponentDesign& deep = model.NewComponent(dialog, "Deep", "QEdit");
    model.SetParent(&inner, &box);
    model.SetParent(&deep, &inner);
    model.DeleteComponent(dialog, box);
    ASSERT_EQ(dialog.components.size(), 1u);
    EXPECT_EQ(dialog.components[0]->name, "Other");
    EXPECT_NE(model.CreateContainer(&dialog, "Inner", "QButton"), nullptr) << "the names are free again";
}

TEST(ParseDialogs, ReadsEachLineAFixedNumberOfTimes) {
    std::string text = "type QBig extends QForm\n";
    for (int i = 0; i < 2000; ++i) text += "   C" + std::to_string(i) + " as QButton\n";
    text += "end type\n";
    // Many var lines that name no type come before the auto-create line.
    for (int i = 0; i < 2000; ++i) text += "var shared V" + std::to_string(i) + "=QNothing\n";
    text += "var shared Big=QBig\nconstructor QBig\n";
    for (int i = 0; i < 2000; ++i) text += "C" + std::to_string(i) + ".SetBounds(1,2,3,4)\n";
    text += "end constructor\n";
    CountingDocument doc;
    doc.SetText(text);
    DesignModel model;
    ParseDialogs(doc, model, "QForm");
    ASSERT_EQ(model.Dialogs().at(0)->components.size(), 2000u);
    EXPECT_TRUE(model.Dialogs().at(0)->visible);
    EXPECT_LE(doc.reads, 4LL * doc.LineCount()) << "one pass to read, two to find the auto-create line";
}

}  // namespace
}  // namespace tavrin
