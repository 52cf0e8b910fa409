#include "designer/design_model.h"
#include "designer/design_property_tables.h"
#include "designer/unique_names.h"

#include <gtest/gtest.h>

namespace tavrin {
namespace {

TEST(DesignPropertyKinds, ContainersPublishTheirPropertiesInOrder) {
    EXPECT_EQ(ContainerPropertyKinds().Names(),
              (std::vector<std::string>{"Name", "Tag", "Left", "Top", "Width", "Height", "Cursor", "Hint", "HelpType",
                                        "HelpKeyword", "HelpContext", "Align", "Color", "Text", "id", "Host",
                                        "HostHandle", "Node"}));
    EXPECT_EQ(ContainerPropertyKinds().Find("TEXT")->name, "Text");
    EXPECT_EQ(ContainerPropertyKinds().Find("Caption"), nullptr);
    EXPECT_NE(DialogWindowPropertyKinds().Find("caption"), nullptr);
    EXPECT_NE(MenuPropertyKinds().Find("commandid"), nullptr);
}

TEST(DesignPropertyKinds, BadValuesAreNamedInTheError) {
    const DesignProperty& left = *ContainerPropertyKinds().Find("Left");
    const DesignProperty& align = *ContainerPropertyKinds().Find("Align");
    EXPECT_EQ(DesignValueError(left, "12px"), "'12px' is not a valid integer value");
    EXPECT_EQ(DesignValueError(align, "alMiddle"), "'alMiddle' is not a value of Align");
    int value = 0;
    EXPECT_TRUE(ParseWholeNumber(" -12 ", value));
    EXPECT_EQ(value, -12);
    EXPECT_FALSE(ParseWholeNumber("4294967296", value)) << "beyond 32 bits";
    EXPECT_FALSE(ParseWholeNumber("&HFF", value));
    EXPECT_FALSE(ParseWholeNumber("", value));
}

TEST(DesignPropertyKinds, IdentifiersStartWithALetterOrUnderscore) {
    EXPECT_TRUE(IsIdentifier("Container1"));
    EXPECT_TRUE(IsIdentifier("_x"));
    EXPECT_FALSE(IsIdentifier("1st"));
    EXPECT_FALSE(IsIdentifier("a-b"));
    EXPECT_FALSE(IsIdentifier("a.b"));
    EXPECT_FALSE(IsIdentifier(""));
}

TEST(DesignModel, NewDialogsCascadeFromTheDefaultPlace) {
    EXPECT_EQ(NewDialogBounds(0), (Bounds{368, 188, 814, 328}));
    EXPECT_EQ(NewDialogBounds(1), (Bounds{400, 220, 814, 328}));
    EXPECT_EQ(NewDialogName(0), "Dialog1");
    EXPECT_EQ(NewDialogName(1), "Dialog2");
    DesignModel model("QMyForm");
    CreatedDialog created = model.CreateDialog("Dialog1");
    const DialogDesign& dialog = *model.Dialogs()[0];
    EXPECT_EQ(created.dialog, &dialog);
    EXPECT_EQ(created.ownContainer, &dialog.ownContainer);
    EXPECT_EQ(dialog.ownContainer.name, "this");
    EXPECT_EQ(dialog.ownContainer.packClass, "QMyForm");
    EXPECT_EQ(dialog.bounds, kDefaultDialogBounds);
    EXPECT_FALSE(dialog.visible);
}

TEST(DesignModel, TheOwnContainerStandsForTheDialogWindow) {
    DesignModel model;
    CreatedDialog created = model.CreateDialog("D");
    EXPECT_FALSE(model.SetDesignProperty(created.ownContainer, "Left", "10"));
    EXPECT_FALSE(model.SetDesignProperty(created.ownContainer, "Text", "Title"));
    EXPECT_FALSE(model.SetDesignProperty(created.ownContainer, "Name", "Other"));
    model.SetBounds(created.ownContainer, {std::nullopt, 20, std::nullopt, 30});
    const DialogDesign& dialog = *model.Dialogs()[0];
    EXPECT_EQ(dialog.bounds, (Bounds{10, 20, 814, 30}));
    EXPECT_EQ(dialog.ownContainer.values, (DesignValues{{"Text", "Title"}}));
    EXPECT_EQ(dialog.ownContainer.name, "this");
}

TEST(DesignModel, ComponentNamesAreUniqueIdentifiers) {
    DesignModel model;
    CreatedDialog created = model.CreateDialog("D");
    DesignHandle a = model.CreateContainer(created.dialog, "A", "QButton");
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(model.CreateContainer(created.dialog, "a", "QEdit"), nullptr);
    EXPECT_EQ(model.CreateContainer(created.dialog, "This", "QEdit"), nullptr);
    EXPECT_EQ(model.CreateContainer(created.dialog, "BASE", "QEdit"), nullptr);
    EXPECT_EQ(model.CreateContainer(created.dialog, "x.y", "QEdit"), nullptr);
    DesignHandle b = model.CreateContainer(created.dialog, "B", "QEdit");
    EXPECT_EQ(model.SetDesignProperty(b, "Name", "a")->message, "A component named a already exists");
    EXPECT_EQ(model.SetDesignProperty(b, "Name", "2b")->message, "''2b'' is not a valid component name");
    EXPECT_FALSE(model.SetDesignProperty(b, "Name", "b2"));
    EXPECT_FALSE(model.SetDesignProperty(b, "Node", "A")) << "tree nodes are no part of the design";
    EXPECT_EQ(model.Dialogs()[0]->components[1]->name, "b2");
    EXPECT_FALSE(model.SetDesignProperty(b, "Host", "")) << "an empty class keeps the current one";
    EXPECT_EQ(model.Dialogs()[0]->components[1]->packClass, "QEdit");
    EXPECT_FALSE(model.SetDesignProperty(nullptr, "Text", "x")) << "an unknown object is skipped";
}

TEST(DesignModel, MenuItemsJoinOneMenuOnceAndNeverTheirOwnDescendants) {
    DesignModel model;
    CreatedDialog created = model.CreateDialog("D");
    DesignHandle menu = model.CreateMainMenu(created.dialog, "MainMenu");
    EXPECT_EQ(model.CreateMainMenu(created.dialog, "Second"), nullptr) << "one main menu per dialog";
    DesignHandle file = model.CreateMenuItem(created.dialog, "File");
    DesignHandle open = model.CreateMenuItem(created.dialog, "Open");
    EXPECT_EQ(model.CreateMenuItem(created.dialog, "file"), nullptr);
    model.AddMenuItem(menu, file);
    model.AddMenuItem(file, open);
    model.AddMenuItem(menu, open);  // already a child elsewhere
    model.AddMenuItem(open, file);  // would make a cycle
    model.AddMenuItem(file, menu);  // the main menu is never an item
    const DialogDesign& dialog = *model.Dialogs()[0];
    ASSERT_EQ(dialog.mainMenu->items.size(), 1u);
    EXPECT_EQ(dialog.mainMenu->items[0]->name, "File");
    ASSERT_EQ(dialog.mainMenu->items[0]->items.size(), 1u);
    EXPECT_TRUE(dialog.mainMenu->items[0]->items[0]->items.empty());
    EXPECT_FALSE(model.SetDesignProperty(open, "caption", "&Open"));
    EXPECT_FALSE(model.SetDesignProperty(open, "CommandID", "12"));
    EXPECT_EQ(dialog.mainMenu->items[0]->items[0]->caption, "&Open");
    EXPECT_EQ(dialog.mainMenu->items[0]->items[0]->commandId, 12);
}

TEST(DesignModel, DifferencesNameWhatDiffers) {
    DesignModel model;
    DialogDesign& a = model.NewDialog("D");
    DialogDesign& b = model.NewDialog("D");
    EXPECT_EQ(DesignDifference(a, b), "");
    model.NewComponent(a, "C", "QButton", {1, 2, 3, 4});
    model.NewComponent(b, "C", "QButton", {1, 2, 3, 5});
    EXPECT_EQ(DesignDifference(a, b), "component 0 C: bounds 1,2,3,4 / 1,2,3,5");
    b.components[0]->bounds.height = 4;
    b.components[0]->values["Text"] = "x";
    EXPECT_NE(DesignDifference(a, b), "");
    b.components[0]->values.clear();
    model.NewMainMenu(b, "MainMenu");
    EXPECT_EQ(DesignDifference(a, b), "main menu present / absent");
    model.DeleteComponent(b, *b.components[0]);
    EXPECT_TRUE(b.components.empty());
}

}  // namespace
}  // namespace tavrin
