#include "languages/base_language.h"

#include <gtest/gtest.h>

#include <map>

namespace tavrin {
namespace {

// Windows whose texts live in a map, "window.component.property" -> text.
struct FakeWindows {
    std::map<std::string, std::string> texts;

    DesignProperties TextProperties(const std::string& owner, std::vector<std::string> names) {
        DesignProperties properties;
        for (const std::string& name : names)
            properties.Add({name, DesignKind::Text, {}, [this, owner, name] { return texts[owner + "." + name]; },
                            [this, owner, name](const std::string& value) { texts[owner + "." + name] = value; }});
        return properties;
    }
    PublishedComponent Component(const std::string& window, std::string name, ComponentRole role,
                                 std::optional<std::string> caption, std::optional<std::string> text = {},
                                 std::optional<std::string> hint = {}) {
        PublishedComponent component;
        component.name = name;
        component.role = role;
        component.caption = caption;
        component.text = text;
        component.hint = hint;
        std::vector<std::string> names;
        // The live texts start as the base texts.
        for (auto [property, value] : {std::pair{"caption", caption}, {"text", text}, {"hint", hint}}) {
            if (!value) continue;
            names.push_back(property);
            texts[window + "." + name + "." + property] = *value;
        }
        component.properties = TextProperties(window + "." + name, names);
        return component;
    }

    std::vector<PublishedWindow> Windows() {
        PublishedWindow main;
        main.name = "Main";
        main.caption = "Tavrin2";
        main.properties = TextProperties("Main", {"caption"});
        texts["Main.caption"] = "Tavrin2";
        main.components.push_back(Component("Main", "menuFile", ComponentRole::MenuItem, "&File", {}, "ignored hint"));
        main.components.push_back(Component("Main", "ToolBarFiles", ComponentRole::ToolBar, "ToolBarFiles"));
        main.components.push_back(Component("Main", "tbSave", ComponentRole::ToolButton, "Save", {}, "Save the file"));
        main.components.push_back(Component("Main", "sep1", ComponentRole::ToolSeparator, {}, {}, "a separator"));
        main.components.push_back(Component("Main", "Panel1", ComponentRole::Panel, "panel", {}, ""));
        PublishedWindow find;
        find.name = "SearchReplaceDialog";
        find.caption = "";
        find.hint = "Find and replace";
        find.properties = TextProperties("SearchReplaceDialog", {"caption"});
        find.components.push_back(Component("SearchReplaceDialog", "cbxFindText", ComponentRole::Control, {}, "",
                                            "The text"));
        find.components.push_back(Component("SearchReplaceDialog", "btnSearch", ComponentRole::Control,
                                            "&Search for", {}, ""));
        find.components.push_back(Component("SearchReplaceDialog", "lblNote", ComponentRole::Control,
                                            "two\r\nlines"));
        find.components.push_back(Component("SearchReplaceDialog", "", ComponentRole::Control, {}, {}, "no name"));
        return {main, find};
    }
};

TEST(BaseLanguage, OneBlockPerWindowWithComponentLines) {
    FakeWindows windows;
    EXPECT_EQ(BaseLanguageLines(windows.Windows()),
              (std::vector<std::string>{"[Main]", "caption=Tavrin2", "menuFile.caption=&File",
                                        "tbSave.hint=Save the file", "[SearchReplaceDialog]", "caption=",
                                        "hint=Find and replace", "cbxFindText.hint=The text",
                                        "btnSearch.caption=&Search for", "lblNote.caption=two\\nlines"}));
}

TEST(BaseLanguage, ALanguageSetsTheNamedProperties) {
    FakeWindows windows;
    std::vector<PublishedWindow> published = windows.Windows();
    AppliedLines result = ApplyLanguage(ParseLanguageText("[main]\n"
                                                          "Caption=Werkbank\n"
                                                          "MENUFILE.caption=&Datei\n"
                                                          "[SearchReplaceDialog]\n"
                                                          "btnSearch.caption=&Suchen\\nnach\n"),
                                        published);
    EXPECT_EQ(result.applied, 3);
    EXPECT_EQ(result.ignored, 0);
    EXPECT_EQ(windows.texts["Main.caption"], "Werkbank");
    EXPECT_EQ(windows.texts["Main.menuFile.caption"], "&Datei");
    EXPECT_EQ(windows.texts["SearchReplaceDialog.btnSearch.caption"], "&Suchen\r\nnach");
}

TEST(BaseLanguage, LinesForMissingComponentsOrPropertiesChangeNothing) {
    FakeWindows windows;
    std::vector<PublishedWindow> published = windows.Windows();
    auto before = windows.texts;
    AppliedLines result = ApplyLanguage(ParseLanguageText("[Main]\n"
                                                          "width=500\n"              // no such property
                                                          "menuNothing.caption=x\n"  // no such component
                                                          "menuFile.text=x\n"        // no text property
                                                          "menuFile.=x\n"
                                                          ".caption=x\n"             // the nameless component
                                                          "[Nowhere]\n"
                                                          "caption=x\n"),
                                        published);
    EXPECT_EQ(result.applied, 0);
    EXPECT_EQ(result.ignored, 5);
    EXPECT_EQ(windows.texts, before);
}

TEST(BaseLanguage, RestoringPutsBackOnlyWhatChanged) {
    FakeWindows windows;
    std::vector<PublishedWindow> published = windows.Windows();
    ApplyLanguage(ParseLanguageText("[Main]\ncaption=Werkbank\nmenuFile.caption=&Datei\n"), published);
    windows.texts["SearchReplaceDialog.cbxFindText.text"] = "typed by the user";
    int restored = 0;
    for (const PublishedWindow& window : published) restored += RestoreBaseTexts(window);
    EXPECT_EQ(restored, 3);
    EXPECT_EQ(windows.texts["Main.caption"], "Tavrin2");
    EXPECT_EQ(windows.texts["Main.menuFile.caption"], "&File");
    EXPECT_EQ(windows.texts["SearchReplaceDialog.cbxFindText.text"], "");
    for (const PublishedWindow& window : published) EXPECT_EQ(RestoreBaseTexts(window), 0);
}

// Lines of windows made later join the block of a window of the same name
// (any case) with only the keys it lacks; other blocks follow in order.
TEST(BaseLanguage, MergedLinesJoinTheirWindowsBlockWithoutDuplicates) {
    std::vector<std::string> lines = {"[Main]", "caption=Tavrin2", "menuFile.caption=File",
                                      "[Resources]", "caption=Resources", "tvTree.hint=The tree"};
    std::vector<std::string> more = {"[Settings]", "caption=Settings", "[resources]", "MENUUNDO.caption=Undo",
                                     "tvtree.hint=Another", "caption=Other", "[Dialog]", "menuUndo.caption=Undo"};
    EXPECT_EQ(MergeBaseLines(lines, more),
              (std::vector<std::string>{"[Main]", "caption=Tavrin2", "menuFile.caption=File", "[Resources]",
                                        "caption=Resources", "tvTree.hint=The tree", "MENUUNDO.caption=Undo",
                                        "[Settings]", "caption=Settings", "[Dialog]", "menuUndo.caption=Undo"}));
    EXPECT_EQ(MergeBaseLines(MergeBaseLines(lines, more), more), MergeBaseLines(lines, more))
        << "merging again adds nothing";
    EXPECT_EQ(MergeBaseLines(lines, {}), lines);
    EXPECT_EQ(MergeBaseLines({}, more), more) << "nothing to join: the lines as they come";
}

}  // namespace
}  // namespace tavrin
