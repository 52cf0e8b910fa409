// The property grid's editor table and current editor, the editor classes
// found by name, and what each editor does with its grid's value cell.
#include <gtest/gtest.h>

#include "inspector/property_grid.h"
#include "support/scripted_prompts.h"

namespace tavrin::test {
namespace {

using Kind = ScriptedPrompts::Kind;

class FontPrompts : public ScriptedPrompts {
public:
    bool accept = true;
    std::string seenFace;
    bool PickFont(std::string& name, int& size) override {
        ScriptedPrompts::PickFont(name, size);
        seenFace = name;
        if (!accept) return false;
        name = "Arial";
        size = 12;
        return true;
    }
};

// A grid whose rows are the names, each with the value after it.
TELInspector GridWith(std::vector<std::pair<std::string, std::string>> cells) {
    TELInspector grid;
    std::vector<InspectorRow> rows;
    for (auto& [name, value] : cells) {
        InspectorRow row;
        row.name = name;
        row.value = value;
        rows.push_back(row);
    }
    grid.SetRows(std::move(rows));
    return grid;
}

TEST(PropertyGrid, EditorTableServesItsNamesWithoutRegardToCase) {
    TELInspector grid;
    ASSERT_TRUE(grid.FindEditorClass("font"));
    EXPECT_EQ(grid.FindEditorClass("FONT")->editorClass, "TELFontEditor");
    EXPECT_EQ(grid.FindEditorClass("color")->typeName, "TColor");
    EXPECT_EQ(grid.FindEditorClass("PopupMenu")->editorClass, "TELClassEditor");
    EXPECT_EQ(grid.FindEditorClass("Text"), nullptr);
}

TEST(PropertyGrid, CellSelectionMakesTheCurrentEditor) {
    TELInspector grid = GridWith({{"Text", "a"}, {"Color", "0"}});
    grid.SelectCell(1);
    EXPECT_EQ(grid.CurrentName(), "Color");
    EXPECT_TRUE(dynamic_cast<TELColorEditor*>(grid.CurrentEditor()));
    grid.SelectCell(0);
    EXPECT_EQ(grid.CurrentEditor(), nullptr);
    grid.SelectCell(7);
    EXPECT_EQ(grid.CurrentName(), "");
    EXPECT_EQ(grid.CellValue(7), "");
}

TEST(PropertyEditors, ClassesAreFoundByName) {
    for (const char* name : {"TELPropertyEditor", "TELFontEditor", "TELColorEditor", "telclasseditor"})
        EXPECT_TRUE(PropertyEditorClasses().Create(name, nullptr)) << name;
    EXPECT_EQ(PropertyEditorClasses().Create("TELNothing", nullptr), nullptr);
    EXPECT_TRUE(dynamic_cast<TELFontEditor*>(PropertyEditorClasses().Create("TELFontEditor", nullptr).get()));
}

TEST(PropertyEditors, ColourBoxStartsFromTheCellAndWritesTheChoice) {
    ScriptedPrompts prompts;
    TELInspector grid = GridWith({{"Color", "-16777201"}});
    std::vector<std::string> notified;
    grid.onExecute = [&](TELPropertyEditor&, std::string& value) { notified.push_back(value); };
    grid.SelectCell(0);
    prompts.colors.push_back(0x00FF00);
    EXPECT_TRUE(grid.CurrentEditor()->Execute());
    EXPECT_EQ(grid.CellValue(0), "65280");
    EXPECT_EQ(notified, (std::vector<std::string>{"65280"}));
    EXPECT_FALSE(grid.CurrentEditor()->Execute());  // cancelled
    EXPECT_EQ(grid.CellValue(0), "65280");
    EXPECT_EQ(notified.size(), 1u);
}

TEST(PropertyEditors, ColourHandlerFailureKeepsTheChoice) {
    ScriptedPrompts prompts;
    TELInspector grid = GridWith({{"Color", "0"}});
    grid.onExecute = [](TELPropertyEditor&, std::string&) { throw std::runtime_error("handler"); };
    grid.SelectCell(0);
    prompts.colors.push_back(255);
    EXPECT_TRUE(grid.CurrentEditor()->Execute());
    EXPECT_EQ(grid.CellValue(0), "255");
}

TEST(PropertyEditors, EditorWithoutGridHasNoValue) {
    ScriptedPrompts prompts;
    TELColorEditor editor(nullptr);
    EXPECT_EQ(editor.GetValue(), "");
    prompts.colors.push_back(255);
    EXPECT_TRUE(editor.Execute());
}

TEST(PropertyEditors, FontEditorKeepsTheChosenFontAsItsValue) {
    FontPrompts prompts;
    TELInspector grid = GridWith({{"Font", "Tahoma"}});
    std::vector<std::string> notified;
    grid.onExecute = [&](TELPropertyEditor&, std::string& value) { notified.push_back(value); };
    grid.SelectCell(0);
    TELPropertyEditor& editor = *grid.CurrentEditor();
    EXPECT_TRUE(editor.Execute());
    EXPECT_EQ(prompts.seenFace, "Tahoma");
    EXPECT_EQ(editor.Value(), "Arial,12");
    EXPECT_EQ(notified, (std::vector<std::string>{"Arial,12"}));
    EXPECT_EQ(grid.CellValue(0), "Tahoma");
    prompts.accept = false;
    EXPECT_FALSE(editor.Execute());
}

TEST(PropertyEditors, FontChoiceTextReadsBack) {
    FontChoice font;
    EXPECT_TRUE(ReadFontChoice(FontChoiceText({"Courier New", 10}), font));
    EXPECT_EQ(font.face, "Courier New");
    EXPECT_EQ(font.size, 10);
    EXPECT_FALSE(ReadFontChoice("Tahoma", font));
    EXPECT_FALSE(ReadFontChoice(",8", font));
}

TEST(PropertyEditors, ClassEditorReportsTheDialogsAnswer) {
    TELInspector grid = GridWith({{"PopupMenu", "0"}});
    int notified = 0;
    grid.onExecute = [&](TELPropertyEditor&, std::string&) { ++notified; };
    grid.SelectCell(0);
    EXPECT_FALSE(grid.CurrentEditor()->Execute());  // no dialog to show
    SetPropertyEditDialog([] { return true; });
    EXPECT_TRUE(grid.CurrentEditor()->Execute());
    SetPropertyEditDialog([] { return false; });
    EXPECT_FALSE(grid.CurrentEditor()->Execute());
    SetPropertyEditDialog(nullptr);
    EXPECT_EQ(notified, 3);
}

}  // namespace
}  // namespace tavrin::test
