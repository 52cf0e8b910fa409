// Removing classes from the palette in the customize-palette window.
#include <gtest/gtest.h>

#include "packhost/palette_customizing.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"

namespace tavrin::test {
namespace {

class CustomizingTest : public testing::Test {
protected:
    CustomizingTest() : settings(folder.Path("Tavrin2.ini")) {
        for (const char* name : {"QA", "QB", "QC", "QD"}) palette.AddButton("One", name, "");
        for (const char* name : {"QE", "QF", "QG"}) palette.AddButton("Two", name, "");
        palette.AddButton("Three", "QH", "");
    }
    void CheckAll(std::vector<CustomizeSheet>& sheets, std::size_t sheet) {
        for (auto& entry : sheets[sheet].entries) entry.checked = true;
    }
    TempFolder folder;
    ScriptedPrompts prompts;
    IniFile settings;
    TPaletteControl palette;
};

TEST_F(CustomizingTest, SheetsMirrorThePagesUnchecked) {
    auto sheets = CustomizeSheetsOf(palette);
    ASSERT_EQ(3u, sheets.size());
    EXPECT_EQ("Two", sheets[1].caption);
    ASSERT_EQ(3u, sheets[1].entries.size());
    EXPECT_EQ("QF", sheets[1].entries[1].className);
    EXPECT_EQ(palette.FindButton("QF"), sheets[1].entries[1].button);
    EXPECT_FALSE(sheets[1].entries[1].checked);
}

TEST_F(CustomizingTest, SevenCheckedClassesAreAskedForWithTwoLineBreaks) {
    auto sheets = CustomizeSheetsOf(palette);
    CheckAll(sheets, 0);
    CheckAll(sheets, 1);
    EXPECT_EQ((std::vector<std::string>{"QE", "QF", "QG", "QA", "QB", "QC", "QD"}), CheckedClassNames(sheets));
    prompts.answers = {Answer::No};
    EXPECT_FALSE(RemoveCheckedClasses(palette, settings, sheets));
    EXPECT_EQ((std::vector<std::string>{"Remove QE ,\nQF ,QG ,QA ,QB ,QC ,\nQD class(es)?"}), prompts.Texts());
    EXPECT_EQ(8u, palette.ClassList().Count()) << "No removes nothing";
}

TEST_F(CustomizingTest, YesRemovesButtonsSectionsAndPagesLeftEmpty) {
    settings.WriteString("QH", "x", "1");
    settings.WriteString("QB", "x", "1");
    settings.WriteString("general", "mrucount", "5");
    auto sheets = CustomizeSheetsOf(palette);
    sheets[0].entries[1].checked = true;  // QB: page One keeps three
    sheets[2].entries[0].checked = true;  // QH: the only class of Three
    prompts.answers = {Answer::Yes};
    EXPECT_TRUE(RemoveCheckedClasses(palette, settings, sheets));
    EXPECT_EQ(nullptr, palette.FindPage("Three"));
    ASSERT_NE(nullptr, palette.FindPage("One"));
    EXPECT_EQ(3u, palette.FindPage("One")->Buttons().size());
    EXPECT_EQ((std::vector<std::string>{"general"}), settings.ReadSections());
}

TEST_F(CustomizingTest, NothingCheckedAsksNothing) {
    EXPECT_FALSE(RemoveCheckedClasses(palette, settings, CustomizeSheetsOf(palette)));
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(CustomizingTest, PagesEmptiedEarlierGoWithTheNextRemoval) {
    palette.RemoveButton("QH");  // as uninstalling a pack leaves its page
    ASSERT_NE(nullptr, palette.FindPage("Three"));
    RemoveClasses(palette, settings, {"QA"});
    EXPECT_EQ(nullptr, palette.FindPage("Three"));
    EXPECT_EQ(2u, palette.Pages().size());
}

}  // namespace
}  // namespace tavrin::test
