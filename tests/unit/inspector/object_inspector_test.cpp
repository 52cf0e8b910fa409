// The object inspector over a fake pack: which rows each tab lists and how
// values show, the rules for several objects, the status of a selected row,
// pick lists, and edits reaching the container and its property line.
#include <gtest/gtest.h>

#include <memory>

#include "inspector/object_inspector.h"
#include "inspector_fixture.h"
#include "support/scripted_prompts.h"

namespace tavrin::test {
namespace {

using Kind = ScriptedPrompts::Kind;

std::vector<std::string> RowNames(const TELInspector& grid) {
    std::vector<std::string> names;
    for (const InspectorRow& row : grid.Rows()) names.push_back(row.name);
    return names;
}

class ObjectInspectorTest : public testing::Test {
protected:
    void SetUp() override {
        pack.objects[button1] = ButtonProperties("OK");
        pack.objects[button2] = ButtonProperties("Cancel");
        code.InsertLine(0, "Container1.Parent=@This", &first);
        code.InsertLine(1, "Container1.SetBounds(10,10,75,25)", &first);
        code.InsertLine(2, "Container2.Parent=@This", &second);
        code.InsertLine(3, "end constructor");
    }
    const InspectorRow& Row(const std::string& name) {
        int row = inspector.Grid().RowOf(name);
        EXPECT_GE(row, 0) << name;
        return inspector.Grid().Rows().at(row);
    }
    void Select(const std::string& name) { inspector.SelectCell(inspector.Grid().RowOf(name)); }

    ScriptedPrompts prompts;
    FakePackApi pack;
    PackObject button1 = reinterpret_cast<PackObject>(0x1000);
    PackObject button2 = reinterpret_cast<PackObject>(0x2000);
    VectorLineDocument code;
    FakeContainer first{button1, "Container1", &code};
    FakeContainer second{button2, "Container2", &code};
    PackApi* currentPack = &pack;
    ObjectInspector inspector{[this] { return currentPack; },
                              [this](PackObject object) -> InspectedObject* {
                                  if (object == button1) return &first;
                                  if (object == button2) return &second;
                                  return nullptr;
                              }};
};

TEST_F(ObjectInspectorTest, TabsListTheirRowsAndNeverTheWindowInternals) {
    inspector.InspectObjects({button1});
    EXPECT_EQ(RowNames(inspector.Grid()),
              (std::vector<std::string>{"ClassName", "Text", "Caption", "Left", "Enabled", "Visible", "Clipped",
                                        "Align", "Font", "Color"}));
    inspector.Grid().SetMode(InspectorTab::Events);
    inspector.InspectObjects({button1});
    EXPECT_EQ(RowNames(inspector.Grid()), (std::vector<std::string>{"onclick", "onDestroy"}));
    for (const InspectorRow& row : inspector.Grid().Rows()) EXPECT_EQ(row.style, EditStyle::Ellipsis) << row.name;
    inspector.Grid().SetMode(InspectorTab::All);
    inspector.InspectObjects({button1});
    std::vector<std::string> all = RowNames(inspector.Grid());
    EXPECT_EQ(all.size(), 13u);
    EXPECT_EQ(all.back(), "Unknown");
    EXPECT_EQ(Row("Unknown").value, "");
    EXPECT_EQ(Row("Unknown").style, EditStyle::Plain);
    for (const std::string& name : all) EXPECT_FALSE(name == "Handle" || name == "ParentWnd");
}

TEST_F(ObjectInspectorTest, ValuesAndEditStylesFollowTheKind) {
    inspector.InspectObjects({button1});
    EXPECT_EQ(Row("Enabled").value, "True");
    EXPECT_EQ(Row("Visible").value, "False");
    EXPECT_EQ(Row("Clipped").value, "maybe");
    EXPECT_EQ(Row("Text").value, "OK");
    EXPECT_EQ(Row("Left").value, "10");
    EXPECT_EQ(Row("Enabled").style, EditStyle::PickList);
    EXPECT_EQ(Row("Align").style, EditStyle::PickList);
    EXPECT_EQ(Row("Font").style, EditStyle::Ellipsis);
    EXPECT_EQ(Row("Text").style, EditStyle::Plain);
    EXPECT_EQ(Row("Left").style, EditStyle::Plain);
}

TEST_F(ObjectInspectorTest, AKindIsReadFromItsLowByte) {
    pack.objects[button1][1].info->rawKind = 0x100 | pkBoolean;
    pack.objects[button1][1].value = "1";
    inspector.InspectObjects({button1});
    EXPECT_EQ(Row("Text").value, "True");
    EXPECT_EQ(Row("Text").style, EditStyle::PickList);
}

TEST_F(ObjectInspectorTest, SeveralObjectsShowCommonRowsOnceWithAgreedValues) {
    pack.objects[button2].erase(pack.objects[button2].begin() + 2);  // no Caption
    inspector.InspectObjects({button1, button2});
    std::vector<std::string> names = RowNames(inspector.Grid());
    EXPECT_EQ(std::count(names.begin(), names.end(), "Text"), 1);
    EXPECT_EQ(std::count(names.begin(), names.end(), "Caption"), 0);
    EXPECT_EQ(Row("Text").value, "");      // OK and Cancel
    EXPECT_EQ(Row("Left").value, "10");    // both 10
    EXPECT_EQ(Row("Enabled").value, "True");
    EXPECT_EQ(inspector.Grid().Objects(), (std::vector<PackObject>{button1, button2}));
}

TEST_F(ObjectInspectorTest, EmptyListClearsAndAMissingPackLeavesTheGrid) {
    inspector.InspectObjects({button1});
    currentPack = nullptr;
    EXPECT_FALSE(inspector.InspectObjects({button2}));
    EXPECT_EQ(inspector.Grid().Object(0), button1);
    EXPECT_FALSE(inspector.Grid().Rows().empty());
    EXPECT_TRUE(inspector.InspectObjects({}));
    EXPECT_TRUE(inspector.Grid().Rows().empty());
    EXPECT_EQ(inspector.Grid().Object(0), nullptr);
    currentPack = &pack;
    pack.missing.insert(PackEntry::GetPropList);
    inspector.InspectObjects({button1});
    EXPECT_FALSE(inspector.InspectObjects({button2}));
}

TEST_F(ObjectInspectorTest, ObjectOutsideTheListIsNone) {
    inspector.InspectObjects({button1, button2});
    EXPECT_EQ(inspector.Grid().Object(-1), nullptr);
    EXPECT_EQ(inspector.Grid().Object(2), nullptr);
    EXPECT_EQ(inspector.Grid().Object(1), button2);
}

TEST_F(ObjectInspectorTest, SelectedRowShowsItsStatus) {
    inspector.Grid().SetMode(InspectorTab::All);
    inspector.InspectObjects({button1});
    Select("Text");
    EXPECT_EQ(inspector.statusPanel[1], "Text=OK [8]");
    ASSERT_TRUE(inspector.CurrentProperty());
    EXPECT_EQ(inspector.CurrentProperty()->Obj, button1);
    Select("Unknown");
    EXPECT_EQ(inspector.statusPanel[1], "Property not found in base class.");
    EXPECT_FALSE(inspector.CurrentProperty()->Info);
    inspector.InspectObjects({button2});
    EXPECT_EQ(inspector.statusPanel[1], "") << "the refilled grid has no row selected";
    Select("Text");
    inspector.FormShow();
    EXPECT_FALSE(inspector.CurrentProperty());
    EXPECT_EQ(inspector.statusPanel[0], "All");
}

TEST_F(ObjectInspectorTest, TabChangeRefillsFromTheSelection) {
    inspector.SelectedObjects = [this] { return std::optional<std::vector<PackObject>>({button2}); };
    inspector.TabControlChange(InspectorTab::Events);
    EXPECT_EQ(inspector.statusPanel[0], "Events");
    EXPECT_EQ(RowNames(inspector.Grid()), (std::vector<std::string>{"onclick", "onDestroy"}));
    inspector.SelectedObjects = [] { return std::optional<std::vector<PackObject>>(); };
    inspector.TabControlChange(InspectorTab::Properties);
    EXPECT_TRUE(inspector.Grid().Rows().empty());
}

TEST_F(ObjectInspectorTest, PickListsOnlyForBooleansAndEnumerations) {
    inspector.InspectObjects({button1});
    EXPECT_EQ(inspector.PickList("enabled"), (std::vector<std::string>{"False", "True"}));
    EXPECT_EQ(inspector.PickList("Align"), (std::vector<std::string>{"alNone", "alLeft", "alRight"}));
    EXPECT_TRUE(inspector.PickList("Color").empty());
    pack.missing.insert(PackEntry::GetPropInfo);
    EXPECT_TRUE(inspector.PickList("Align").empty());
}

TEST_F(ObjectInspectorTest, EditOfAnUnpublishedNameChangesNothing) {
    inspector.InspectObjects({button1});
    std::string before = code.Text();
    inspector.Validate("Caption", "Go");
    EXPECT_EQ(code.Text(), before);
    EXPECT_EQ(first.text, "");
}

TEST_F(ObjectInspectorTest, TextEditReachesTheContainerAndItsQuotedLine) {
    inspector.InspectObjects({button1});
    inspector.Validate("text", "OK");
    EXPECT_EQ(first.text, "OK");
    EXPECT_EQ(code.Line(2), "Container1.text=\"OK\"");
    EXPECT_EQ(code.Tag(2), &first);
    inspector.Validate("Text", "say \"hi\"");
    EXPECT_EQ(code.Line(2), "Container1.Text=\"say \"\"hi\"\"\"");
    EXPECT_EQ(code.LineCount(), 5);  // replaced, not added again
    EXPECT_EQ(second.text, "");
}

TEST_F(ObjectInspectorTest, IntegersAreWrittenBareAndATextThatIsNoNumberChangesNothing) {
    inspector.InspectObjects({button1});
    inspector.Validate("Left", " 025");
    EXPECT_EQ(first.left, 25);
    EXPECT_EQ(code.Line(2), "Container1.Left=25");
    std::string before = code.Text();
    for (const char* wrong : {"", "abc", "99999999999"}) {
        inspector.Validate("Left", wrong);
        EXPECT_EQ(first.left, 25) << wrong;
        EXPECT_EQ(code.Text(), before) << "no line the compiler refuses: " << wrong;
        EXPECT_EQ(inspector.Grid().CellValue(inspector.Grid().RowOf("Left")), "25") << "the cell shows the value again";
    }
    EXPECT_EQ(prompts.TextsOf(Kind::Error), (std::vector<std::string>{"\"\" is not a valid value of Left.",
                                                         "\"abc\" is not a valid value of Left.",
                                                         "\"99999999999\" is not a valid value of Left."}));
    // An empty text is a text's value: the window and the line agree.
    inspector.Validate("Text", "Go");
    inspector.Validate("Text", "");
    EXPECT_EQ(first.text, "");
    EXPECT_NE(code.Text().find("Container1.Text=\"\""), std::string::npos);
}

TEST_F(ObjectInspectorTest, AContainerWithoutLinesGetsNone) {
    VectorLineDocument empty;
    FakeContainer alone{button1, "Container1", &empty};
    EXPECT_FALSE(inspector.WritePropertyLine(alone, "Text", "x"));
    EXPECT_EQ(empty.LineCount(), 0);
    FakeContainer pageless{button1, "Container1", nullptr};
    EXPECT_FALSE(inspector.WritePropertyLine(pageless, "Text", "x"));
}

TEST_F(ObjectInspectorTest, NameThePackDoesNotKnowReplacesButNeverAdds) {
    EXPECT_FALSE(inspector.WritePropertyLine(first, "Nothing", "1"));
    code.InsertLine(2, "Container1.Nothing=0", &first);
    EXPECT_TRUE(inspector.WritePropertyLine(first, "Nothing", "1"));
    EXPECT_EQ(code.Line(2), "Container1.Nothing=1");
}

TEST_F(ObjectInspectorTest, AnEditGoesToEverySelectedObject) {
    inspector.InspectObjects({button1, button2});
    inspector.Validate("Text", "Same");
    EXPECT_EQ(first.text, "Same");
    EXPECT_EQ(second.text, "Same");
    EXPECT_EQ(code.FindTag(&first), 0);
    EXPECT_EQ(code.Line(2), "Container1.Text=\"Same\"");
    EXPECT_EQ(code.Line(4), "Container2.Text=\"Same\"");
    EXPECT_EQ(inspector.Grid().CellValue(inspector.Grid().RowOf("Text")), "Same");
}

TEST_F(ObjectInspectorTest, ColourEditorWritesPureRedAs255) {
    inspector.InspectObjects({button1});
    prompts.colors.push_back(0x0000FF);
    Select("Color");
    inspector.EditButtonClick();
    EXPECT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(inspector.Grid().CellValue(inspector.Grid().RowOf("Color")), "255");
    EXPECT_EQ(first.color, 255);
    EXPECT_EQ(code.Line(2), "Container1.Color=255");
    EXPECT_EQ(inspector.statusPanel[1], "255");
}

TEST_F(ObjectInspectorTest, CancelledColourBoxChangesNothing) {
    inspector.InspectObjects({button1});
    Select("Color");
    std::string before = code.Text();
    inspector.EditButtonClick();
    EXPECT_EQ(prompts.TextsOf(Kind::PickColor).size(), 1u);
    EXPECT_EQ(code.Text(), before);
    EXPECT_EQ(inspector.Grid().CellValue(inspector.Grid().RowOf("Color")), "0");
}

TEST_F(ObjectInspectorTest, EditorButtonNeedsAKnownEditorClass) {
    pack.objects[button1][9].info->editor = "TNoSuchEditor";
    inspector.InspectObjects({button1});
    Select("Text");  // no editor: nothing
    inspector.EditButtonClick();
    EXPECT_TRUE(prompts.shown.empty());
    Select("Align");
    inspector.EditButtonClick();
    EXPECT_EQ(prompts.Texts(), (std::vector<std::string>{"The editor class not found."}));
}

TEST_F(ObjectInspectorTest, AFontIsWrittenAsItsFaceAndSizeLines) {
    inspector.InspectObjects({button1});
    inspector.Validate("Font", "Courier New,10");
    EXPECT_EQ(first.font, "Courier New,10");
    EXPECT_EQ(code.Line(2), "Container1.Font->FaceName=\"Courier New\"");
    EXPECT_EQ(code.Line(3), "Container1.Font->Size=10");
    EXPECT_EQ(code.Tag(3), &first);
    inspector.Validate("font", "Arial,12");
    EXPECT_EQ(code.Line(2), "Container1.Font->FaceName=\"Arial\"");
    EXPECT_EQ(code.Line(3), "Container1.Font->Size=12");
    EXPECT_EQ(code.LineCount(), 6) << "replaced, not added again";
    // A text that names no font reaches no line: it could not compile.
    std::string before = code.Text();
    EXPECT_FALSE(inspector.WritePropertyLine(first, "Font", "Arial"));
    EXPECT_FALSE(inspector.WritePropertyLine(first, "Font", "4096"));
    EXPECT_EQ(code.Text(), before);
}

TEST_F(ObjectInspectorTest, EveryObjectAnEditReachedIsNotedWithItsOldValue) {
    std::vector<PropertyEdit> edits;
    inspector.OnPropertyEdited = [&](const PropertyEdit& edit) { edits.push_back(edit); };
    first.text = "OK";
    second.text = "Cancel";
    inspector.InspectObjects({button1, button2});
    inspector.Validate("Text", "Same");
    inspector.Validate("Caption", "x");  // no container publishes it: no notice
    ASSERT_EQ(edits.size(), 2u);
    EXPECT_EQ(edits[0].object, &first);
    EXPECT_EQ(edits[0].oldValue, "OK");
    EXPECT_EQ(edits[1].object, &second);
    EXPECT_EQ(edits[1].oldValue, "Cancel");
    EXPECT_EQ(edits[1].newValue, "Same");
    // Putting the old value back (as an undo does) raises no new notice.
    EXPECT_TRUE(inspector.ApplyEdit(*edits[0].object, edits[0].name, edits[0].oldValue));
    EXPECT_EQ(first.text, "OK");
    EXPECT_EQ(code.Line(2), "Container1.Text=\"OK\"");
    EXPECT_FALSE(inspector.ApplyEdit(first, "Caption", "x"));
    EXPECT_EQ(edits.size(), 2u);

    prompts.colors.push_back(0x00FF00);
    inspector.InspectObjects({button1});
    Select("Color");
    inspector.EditButtonClick();
    ASSERT_EQ(edits.size(), 3u);
    EXPECT_EQ(edits[2].name, "Color");
    EXPECT_EQ(edits[2].oldValue, "0");
    EXPECT_EQ(edits[2].newValue, "65280");
}

}  // namespace
}  // namespace tavrin::test
