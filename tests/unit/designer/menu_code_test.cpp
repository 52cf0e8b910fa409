#include "designer/menu_code.h"

#include <gtest/gtest.h>

#include "designer/design_writer.h"
#include "designer/dialog_reader.h"
#include "designer/unique_names.h"

namespace tavrin {
namespace {

std::vector<std::string> Lines(const LineDocument& doc) {
    std::vector<std::string> lines;
    for (int i = 0; i < doc.LineCount(); ++i) lines.push_back(doc.Line(i));
    return lines;
}

// MainMenu > File (> Open, Quit) and Help, named as the menu editor names them.
DialogDesign& DialogWithMenu(DesignModel& model) {
    DialogDesign& dialog = model.NewDialog("Dialog1");
    MenuNode& menu = model.NewMainMenu(dialog, "MainMenu");
    MenuNode& file = model.NewMenuItem(dialog, IdentifierFilter("&File"), "&File", 1, &menu);
    model.NewMenuItem(dialog, "Open", "&Open...", 2, &file);
    model.NewMenuItem(dialog, "Quit", "Say \"bye\"", 3, &file);
    model.NewMenuItem(dialog, "Help", "&Help", 4, &menu);
    return dialog;
}

TEST(MenuCode, TheMenuIsWrittenAsFieldsAndStatementsOfTheDialog) {
    DesignModel model;
    DialogDesign& dialog = DialogWithMenu(model);
    VectorLineDocument doc;
    DialogCodeSettings settings;
    settings.autocreateForms = false;
    WriteDialogDesign(doc, dialog, settings);
    const std::vector<std::string> expected = {
        "type QDialog1 extends QForm",
        "   MainMenu as QMainMenu",
        "   File as QMenu",
        "   Open as QMenu",
        "   Quit as QMenu",
        "   Help as QMenu",
        "   declare constructor",
        "   declare operator cast as QForm ptr",
        "end type",
        "",
        "constructor QDialog1",
        "this.Parent=application'0",
        "this.SetBounds(368,188,814,328)",
        "Open.Caption=\"&Open...\"",
        "Open.CommandID=2",
        "Quit.Caption=\"Say \"\"bye\"\"\"",
        "Quit.CommandID=3",
        "File.Caption=\"&File\"",
        "File.CommandID=1",
        "File.Add(@Open)",
        "File.Add(@Quit)",
        "Help.Caption=\"&Help\"",
        "Help.CommandID=4",
        "MainMenu.Add(@File)",
        "MainMenu.Add(@Help)",
        "base.MainMenu=@MainMenu",
        "end constructor",
        "",
        "operator QDialog1.cast as QForm ptr",
        "   return @this",
        "end operator",
    };
    EXPECT_EQ(Lines(doc), expected);
    EXPECT_EQ(doc.Tag(2), dialog.mainMenu->items[0]);
    EXPECT_EQ(doc.Tag(25), dialog.mainMenu);
}

TEST(MenuCode, AWrittenMenuIsReadBackAndCanBeRewrittenInPlace) {
    DesignModel model;
    DialogDesign& dialog = DialogWithMenu(model);
    VectorLineDocument doc;
    WriteDialogDesign(doc, dialog, {});
    int lines = doc.LineCount();

    VectorLineDocument reopened;
    reopened.SetText(doc.Text());
    DesignModel read;
    DialogsRead result = ParseDialogs(reopened, read, "QForm");
    ASSERT_FALSE(result.error);
    ASSERT_EQ(read.Dialogs().size(), 1u);
    DialogDesign& again = *read.Dialogs()[0];
    dialog.visible = true;
    EXPECT_EQ(DesignDifference(dialog, again), "");
    EXPECT_TRUE(again.components.empty()) << "menu objects are no components";

    // An edit of the menu rewrites its lines: the reader tagged them.
    MenuNode* file = again.mainMenu->items[0];
    file->caption = "&Files";
    read.NewMenuItem(again, "Save", "&Save", 5, file);
    WriteMainMenu(reopened, again.name, *again.mainMenu);
    EXPECT_EQ(reopened.LineCount(), lines + 4);
    DesignModel third;
    VectorLineDocument last;
    last.SetText(reopened.Text());
    ParseDialogs(last, third, "QForm");
    EXPECT_EQ(DesignDifference(again, *third.Dialogs()[0]), "");
}

TEST(MenuCode, ItemsWithoutANameGetAFreeOne) {
    DesignModel model;
    DialogDesign& dialog = model.NewDialog("D");
    MenuNode& menu = model.NewMainMenu(dialog, "Menu");
    model.NewMenuItem(dialog, "MenuItem1", "a", 1, &menu);
    model.NewMenuItem(dialog, "", "&&", 2, &menu);
    VectorLineDocument doc;
    WriteDialogDesign(doc, dialog, {});
    VectorLineDocument reopened;
    reopened.SetText(doc.Text());
    DesignModel read;
    ParseDialogs(reopened, read, "QForm");
    const MenuNode& again = *read.Dialogs()[0]->mainMenu;
    ASSERT_EQ(again.items.size(), 2u);
    EXPECT_EQ(again.items[1]->name, "MenuItem2");
    EXPECT_EQ(again.items[1]->caption, "&&");
}

TEST(MenuNames, CaptionsGiveNamesAndBadNamesAreRefused) {
    EXPECT_EQ(IdentifierFilter("&File"), "File");
    EXPECT_EQ(IdentifierFilter("Save &As..."), "SaveAs");
    EXPECT_EQ(IdentifierFilter("Cut-Paste_1"), "Cut-Paste_1");
    EXPECT_EQ(DefaultMenuItemCaption(3), "MenuItem3");
    auto taken = [](std::string_view name) { return name == "File"; };
    EXPECT_EQ(MenuItemNameError("Edit", taken), "");
    EXPECT_EQ(MenuItemNameError("", taken), "") << "an empty name is allowed";
    EXPECT_EQ(MenuItemNameError("File", taken), "A component named File already exists");
    EXPECT_EQ(MenuItemNameError("3D", taken), "''3D'' is not a valid component name");
    EXPECT_EQ(MenuItemNameError("Cut-Paste", taken), "''Cut-Paste'' is not a valid component name");
}

}  // namespace
}  // namespace tavrin
