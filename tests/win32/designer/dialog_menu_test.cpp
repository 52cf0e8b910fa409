// A dialog's right-click menu and menu editor under Wine: which items are
// enabled when, the main menu and items made from the scripted answers, the
// names taken from captions and the names refused, Delete and Clear.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>

#include "common/commands.h"
#include "designer/dialog_window.h"
#include "loaded_packs.h"

namespace tavrin::test {
namespace {

bool Enabled(HMENU menu, UINT id) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE;
    if (!GetMenuItemInfoA(menu, id, FALSE, &info)) {
        ADD_FAILURE() << "no item " << id;
        return false;
    }
    return !(info.fState & MFS_DISABLED);
}

std::string MenuText(HMENU menu, int position) {
    char text[128] = {};
    GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
    return text;
}

class DialogMenuTest : public testing::Test {
protected:
    void SetUp() override {
        Prompts().shown.clear();
        Prompts().inputs.clear();
        DialogMenus::ActiveMenu() = nullptr;
        dialog = std::make_unique<TDialog>("", nullptr);
        dialog->Create();
        dialog->OnStatus = [this](const std::string& text) { status = text; };
        dialog->Show();
    }
    bool IsEnabled(int item) {
        HMENU popup = dialog->BuildPopupMenu();
        bool enabled = Enabled(popup, static_cast<UINT>(item));
        DestroyMenu(popup);
        return enabled;
    }
    std::string Error(int item) {
        try {
            dialog->RunPopupCommand(item);
        } catch (const CommandError& error) {
            return error.what();
        }
        return "";
    }

    std::unique_ptr<TDialog> dialog;
    std::string status;
};

TEST_F(DialogMenuTest, EnableRulesFollowTheSelectionAndTheMenus) {
    EXPECT_TRUE(IsEnabled(TDialog::menuDelete)) << "the window itself is selected";
    EXPECT_FALSE(IsEnabled(TDialog::menuSelectAll)) << "one item selected";
    EXPECT_TRUE(IsEnabled(TDialog::menuAddMenu));
    EXPECT_FALSE(IsEnabled(TDialog::menuAddItem));
    EXPECT_FALSE(IsEnabled(TDialog::menuDeleteMenu));
    EXPECT_FALSE(IsEnabled(TDialog::menuClearMenu));

    Prompts().inputs.push_back("MainMenu");
    dialog->RunPopupCommand(TDialog::menuAddMenu);
    ASSERT_NE(dialog->Menus().MainMenu(), nullptr);
    EXPECT_EQ(dialog->Menus().MainMenu()->name, "MainMenu");
    EXPECT_EQ(status, "Active Menu:MainMenu");
    EXPECT_EQ(GetMenu(dialog->Handle()), dialog->Menus().MainMenu()->handle);
    EXPECT_FALSE(IsEnabled(TDialog::menuAddMenu)) << "the dialog has a menu";
    EXPECT_TRUE(IsEnabled(TDialog::menuAddItem));
    EXPECT_FALSE(IsEnabled(TDialog::menuClearMenu)) << "nothing to clear yet";

    dialog->AddComponentFromCode("A", "");
    dialog->AddComponentFromCode("B", "");
    dialog->ELDesigner.Select(dialog->ELDesigner.Components()[0].get());
    dialog->ELDesigner.Select(dialog->ELDesigner.Components()[1].get());
    EXPECT_TRUE(IsEnabled(TDialog::menuSelectAll));
}

TEST_F(DialogMenuTest, ItemsAreNamedFromTheirCaptionsAndBadNamesAreRefused) {
    Prompts().inputs.push_back("MainMenu");
    dialog->RunPopupCommand(TDialog::menuAddMenu);
    DialogMenus::ItemCounter() = 0;

    Prompts().inputs.push_back("&File");
    dialog->RunPopupCommand(TDialog::menuAddItem);
    DesignMenu* main = dialog->Menus().MainMenu();
    ASSERT_EQ(main->children.size(), 1u);
    EXPECT_EQ(main->children[0]->name, "File");
    EXPECT_EQ(MenuText(main->handle, 0), "&File");

    dialog->RunPopupCommand(TDialog::menuAddItem);  // cancelled: the offered caption stays
    ASSERT_EQ(main->children.size(), 2u);
    EXPECT_EQ(main->children[1]->name, "MenuItem2");

    Prompts().inputs.push_back("2nd");
    EXPECT_EQ(Error(TDialog::menuAddItem), "''2nd'' is not a valid component name");
    Prompts().inputs.push_back("F&ile");
    EXPECT_EQ(Error(TDialog::menuAddItem), "A component named File already exists");
    EXPECT_EQ(main->children.size(), 2u) << "refused items are not added";

    // A click on File makes it the target: the next item goes below it.
    SendMessageA(dialog->Handle(), WM_COMMAND, main->children[0]->commandId, 0);
    EXPECT_EQ(status, "Active Menu:File");
    Prompts().inputs.push_back("Open");
    dialog->RunPopupCommand(TDialog::menuAddItem);
    ASSERT_EQ(main->children[0]->children.size(), 1u);
    EXPECT_EQ(main->children[0]->children[0]->name, "Open");
    EXPECT_TRUE(IsEnabled(TDialog::menuClearMenu));

    dialog->RunPopupCommand(TDialog::menuClearMenu);
    EXPECT_TRUE(main->children[0]->children.empty());
    dialog->RunPopupCommand(TDialog::menuDeleteMenu);
    EXPECT_EQ(DialogMenus::ActiveMenu(), nullptr);
    EXPECT_EQ(main->children.size(), 1u);
    EXPECT_EQ(GetMenuItemCount(main->handle), 1);
}

}  // namespace
}  // namespace tavrin::test
