// A dialog's right-click menu and menu editor under Wine: which items are
// enabled when, the main menu and items made from the scripted answers, the
// names taken from captions and the names refused, Delete and Clear.
#include <gtest/gtest.h>

#include <windows.h>
#undef CreateDialog  // the code reader's builder has a member of that name

#include <memory>
#include <string>

#include "common/commands.h"
#include "common/text.h"
#include "designer/dialog_code.h"
#include "designer/dialog_reader.h"
#include "designer/dialog_window.h"
#include "designer/live_design_builder.h"
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

// The menu as a text: each object's name and caption, children in brackets.
std::string Shape(const DesignMenu& menu) {
    std::string text = menu.name + (menu.isMain ? "" : "'" + menu.caption + "'");
    if (menu.children.empty()) return text;
    text += "[";
    for (const DesignMenu* child : menu.children) text += Shape(*child) + (child == menu.children.back() ? "" : ",");
    return text + "]";
}

// The captions the window's menu bar shows, by position, submenus in brackets.
std::string BarShape(HMENU menu) {
    std::string text;
    for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i) {
        text += (i ? "," : "") + MenuText(menu, i);
        if (HMENU sub = GetSubMenu(menu, i)) text += "[" + BarShape(sub) + "]";
    }
    return text;
}

TEST_F(DialogMenuTest, MenusAreWrittenToTheCodeAndASavedDialogComesBackWithThem) {
    VectorLineDocument code;
    WriteDialogSkeleton(code, "Dialog1", DialogCodeSettings{});
    dialog->SetName("Dialog1");
    dialog->Code = &code;
    int modified = 0;
    dialog->OnCodeModified = [&] { ++modified; };
    DialogMenus::ItemCounter() = 0;

    Prompts().inputs.push_back("MainMenu");  // the offered name, taken
    dialog->RunPopupCommand(TDialog::menuAddMenu);
    ASSERT_NE(dialog->Menus().MainMenu(), nullptr);
    EXPECT_EQ(dialog->Menus().MainMenu()->name, "MainMenu");
    EXPECT_GT(modified, 0) << "a new menu makes the page unsaved";
    Prompts().inputs.push_back("&File");
    dialog->RunPopupCommand(TDialog::menuAddItem);
    Prompts().inputs.push_back("&Edit");
    dialog->RunPopupCommand(TDialog::menuAddItem);
    // The third item since start-up is offered "MenuItem3"; kept as offered.
    dialog->RunPopupCommand(TDialog::menuAddItem);
    DesignMenu* main = dialog->Menus().MainMenu();
    ASSERT_EQ(main->children.size(), 3u);
    EXPECT_EQ(main->children[2]->name, "MenuItem3");
    EXPECT_EQ(main->children[2]->caption, "MenuItem3");
    SendMessageA(dialog->Handle(), WM_COMMAND, main->children[0]->commandId, 0);  // File becomes the target
    Prompts().inputs.push_back("&Open");
    dialog->RunPopupCommand(TDialog::menuAddItem);
    Prompts().inputs.push_back("Save \"as\"");
    dialog->RunPopupCommand(TDialog::menuAddItem);

    std::string text = code.Text();
    EXPECT_NE(text.find("   MainMenu as QMainMenu\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("   Saveas as QMenu\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Saveas.Caption=\"Save \"\"as\"\"\"\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("File.Add(@Open)\r\nFile.Add(@Saveas)\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("MainMenu.Add(@File)\r\nMainMenu.Add(@Edit)\r\nMainMenu.Add(@MenuItem3)\r\n"
                        "base.MainMenu=@MainMenu\r\nend constructor"),
              std::string::npos)
        << text;
    std::string saved = Shape(*main);
    EXPECT_EQ(saved, "MainMenu[File'&File'[Open'&Open',Saveas'Save \"as\"'],Edit'&Edit',MenuItem3'MenuItem3']");

    // Reopening the saved text rebuilds the menu bar and the menu editor's objects.
    VectorLineDocument reopened;
    reopened.SetText(text);
    std::vector<std::unique_ptr<TDialog>> built;
    LiveDesignBuilder builder([&]() -> TDialog& {
        built.push_back(std::make_unique<TDialog>("", nullptr));
        built.back()->Create();
        return *built.back();
    });
    DialogsRead read = ParseDialogs(reopened, builder, "QForm");
    ASSERT_FALSE(read.error) << read.error->message;
    ASSERT_EQ(built.size(), 1u);
    DesignMenu* again = built[0]->Menus().MainMenu();
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(Shape(*again), saved);
    EXPECT_EQ(GetMenu(built[0]->Handle()), again->handle);
    EXPECT_EQ(BarShape(again->handle), BarShape(main->handle));
    EXPECT_EQ(BarShape(again->handle), "&File[&Open,Save \"as\"],&Edit,MenuItem3");
    for (int i = 0; i < reopened.LineCount(); ++i) {
        if (Trim(reopened.Line(i)).starts_with("Saveas"))
            EXPECT_EQ(reopened.Tag(i), &again->children[0]->children[1]->code) << reopened.Line(i);
    }

    // Editing the reopened menu rewrites its lines in place of the old ones: nothing twice.
    built[0]->Code = &reopened;
    built[0]->SetName("Dialog1");
    // A click on File opens its submenu: File becomes the menu being edited.
    SendMessageA(built[0]->Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(again->children[0]->handle),
                 MAKELPARAM(0, FALSE));
    EXPECT_EQ(DialogMenus::ActiveMenu(), again->children[0]);
    built[0]->RunPopupCommand(TDialog::menuClearMenu);
    std::string rewritten = reopened.Text();
    EXPECT_EQ(rewritten.find("Open"), std::string::npos) << rewritten;
    EXPECT_EQ(rewritten.find("MainMenu.Add(@File)"), rewritten.rfind("MainMenu.Add(@File)"));
    DialogMenus::ActiveMenu() = again;
    built[0]->RunPopupCommand(TDialog::menuDeleteMenu);
    EXPECT_EQ(reopened.Text().find("Menu"), std::string::npos) << "no menu line is left: " << reopened.Text();
    EXPECT_EQ(GetMenu(built[0]->Handle()), nullptr);
}

TEST_F(DialogMenuTest, NamesThatCodeCannotUseAreRefusedForMenusToo) {
    dialog->AddComponentFromCode("Button1", "");
    Prompts().inputs.push_back("Main Menu");
    EXPECT_EQ(Error(TDialog::menuAddMenu), "''Main Menu'' is not a valid component name");
    EXPECT_EQ(dialog->Menus().MainMenu(), nullptr);
    Prompts().inputs.push_back("MainMenu");
    dialog->RunPopupCommand(TDialog::menuAddMenu);
    Prompts().inputs.push_back("Button1");
    EXPECT_EQ(Error(TDialog::menuAddItem), "A component named Button1 already exists")
        << "a menu item and a component are fields of the same type";
    Prompts().inputs.push_back("MainMenu");
    EXPECT_EQ(Error(TDialog::menuAddItem), "A component named MainMenu already exists");
    EXPECT_TRUE(dialog->Menus().MainMenu()->children.empty());
}

TEST_F(DialogMenuTest, SelectAllIsDisabledOnAnEmptyDialogAndPositionNeedsAComponent) {
    auto positionEnabled = [this] {
        HMENU popup = dialog->BuildPopupMenu();
        bool enabled = false;
        for (int i = 0; i < GetMenuItemCount(popup); ++i)
            if (MenuText(popup, i) == "Position")
                enabled = !(GetMenuState(popup, static_cast<UINT>(i), MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED));
        DestroyMenu(popup);
        return enabled;
    };
    EXPECT_FALSE(IsEnabled(TDialog::menuSelectAll)) << "only the dialog itself is selected";
    EXPECT_FALSE(positionEnabled()) << "the dialog is no component";
    EXPECT_TRUE(IsEnabled(TDialog::menuAlignment));
    dialog->ELDesigner.SelectOnly(std::nullopt);
    EXPECT_FALSE(IsEnabled(TDialog::menuSelectAll)) << "nothing selected";
    dialog->AddComponentFromCode("A", "");
    dialog->ELDesigner.SelectOnly(dialog->ELDesigner.Components()[0].get());
    EXPECT_TRUE(positionEnabled());
    EXPECT_FALSE(IsEnabled(TDialog::menuSelectAll)) << "one component selected";
}

}  // namespace
}  // namespace tavrin::test
