// The main window's component and resource commands in the running
// workbench: New Component opens the generated pages, Install Component puts
// a known class on the palette page named (or says it is not registered) and
// saves only a page never saved, and the resource editor imports a live
// dialog and shows its script in the page "Resources".
#include <gtest/gtest.h>

#include "resources/resources_window.h"  // first: it keeps the system's CreateDialog macro away

#include <filesystem>
#include <fstream>
#include <functional>

#include "app/component_wiring.h"
#include "app/resources_wiring.h"
#include "designer/dialog_window.h"
#include "designer/forms_list.h"
#include "packhost/pack_registry.h"
#include "ui/component_names.h"
#include "workbench/code_page.h"
#include "workbench/code_window.h"
#include "workbench/main_window.h"
#include "workbench/workbench.h"
#include "wizard/component_templates.h"
#include "workbench_fixture.h"

namespace tavrin::test {
namespace {

class ComponentCommandsTest : public testing::Test {
protected:
    void SetUp() override {
        EnsureWorkbenchStarted();
        Prompts().shown.clear();
        Prompts().answers.clear();
    }
    HWND Window(const char* name) { return App().FindWindowByName(name)->Handle(); }
    // Runs a command whose modal window gets the posted messages first.
    void RunAnswered(const std::function<void()>& command, const char* window, int button) {
        PostMessageA(Window(window), WM_COMMAND, button, 0);
        command();
    }
    TCodePage* ActivePage() { return dynamic_cast<TCodePage*>(App().Code->ActivePage()); }
};

TEST_F(ComponentCommandsTest, NewComponentOpensTheDeclarationAndTheImplementation) {
    int pages = App().Code->PageCount();
    PostMessageA(NewClassWindow().Handle(), WM_COMMAND, IDOK, 0);
    App().Main->Hooks.newComponent();
    ASSERT_EQ(App().Code->PageCount(), pages + 2);
    EXPECT_EQ(App().Packs->SelectedClassName, "myClass");
    ComponentChoice choice;
    choice.className = "myClass";
    TCodePage* declaration = dynamic_cast<TCodePage*>(App().Code->Page(pages));
    ASSERT_NE(declaration, nullptr);
    EXPECT_EQ(declaration->Caption(), "myClass");
    EXPECT_EQ(declaration->Editor().Lines().Text(), DeclarationText(choice));
    EXPECT_EQ(ActivePage()->Editor().Lines().Text(), ImplementationText(choice));
}

TEST_F(ComponentCommandsTest, InstallComponentNeedsAKnownClassAndPutsItOnThePageUser) {
    App().Packs->SelectedClassName.clear();
    RunAnswered(App().Main->Hooks.installComponent, "InstallClass", IDOK);
    EXPECT_EQ(Prompts().Texts(), (std::vector<std::string>{"The classname is not registered."}));

    App().Main->Hooks.newPage(true);
    TDialog* dialog = App().CurrentDialog;
    ASSERT_NE(dialog, nullptr);
    App().Main->Hooks.newPage(false);
    TCodePage* unsaved = ActivePage();
    unsaved->Editor().Lines().SetText("' button\r\n");
    App().Packs->SelectedClassName = "Button";
    std::string source = App().ApplicationDirectory + "\\Button.bas";
    RunAnswered(App().Main->Hooks.installComponent, "InstallClass", IDOK);
    EXPECT_EQ(Prompts().Texts().size(), 1u);
    TPaletteButton* button = App().Main->Palette().FindButton("Button");
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->Page().Caption(), "user");
    EXPECT_TRUE(std::filesystem::exists(source)) << "the page never saved is saved";
    EXPECT_EQ(unsaved->Caption(), "Button");
    std::filesystem::remove(source);

    App().Packs->SelectedClassName.clear();
    button->Click();
    EXPECT_EQ(App().Packs->SelectedClassName, "Button") << "the new button selects its class";
    // ... and so it can be placed on a dialog.
    size_t components = dialog->ELDesigner.Components().size();
    SendMessageA(dialog->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(40, 40));
    SendMessageA(dialog->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(40, 40));
    ASSERT_EQ(dialog->ELDesigner.Components().size(), components + 1);
    TContainer& placed = *dialog->ELDesigner.Components().back();
    EXPECT_EQ(placed.Host(), "Button");
    char className[32] = {};
    GetClassNameA(placed.HostHandle(), className, sizeof className);
    EXPECT_STRCASEEQ(className, "Button");
    // The palette as the other tests expect it: without the page "user".
    App().Main->Palette().RemovePage(button->Page());
    App().Packs->SelectedClassName.clear();
}

TEST_F(ComponentCommandsTest, APageWithAFileIsNotSavedByInstall) {
    std::string file = TestProgramFolder() + "\\kept_page.bas";
    { std::ofstream(file) << "' kept\n"; }
    App().Main->Hooks.openFile(file);
    App().Packs->SelectedClassName = "Edit";
    std::string source = App().ApplicationDirectory + "\\Edit.bas";
    std::filesystem::remove(source);
    RunAnswered(App().Main->Hooks.installComponent, "InstallClass", IDOK);
    EXPECT_FALSE(std::filesystem::exists(source));
    std::filesystem::remove(file);
    TPalettePage* user = App().Main->Palette().FindPage("user");
    ASSERT_NE(user, nullptr) << "the class is installed all the same";
    App().Main->Palette().RemovePage(*user);
    App().Packs->SelectedClassName.clear();
}

TEST_F(ComponentCommandsTest, TheResourceEditorImportsALiveDialogAndShowsItsScript) {
    App().Main->Hooks.newPage(true);
    auto* editor = dynamic_cast<TResources*>(App().FindWindowByName("Resources"));
    ASSERT_NE(editor, nullptr);
    // The choice is made in the forms list, shown modally with "OK" and "Cancel".
    auto* forms = dynamic_cast<TFormsList*>(App().FindWindowByName("FormsList"));
    ASSERT_NE(forms, nullptr);
    forms->ShowAsView();
    forms->Hide();
    size_t items = editor->Items().Items().size();
    PostMessageA(forms->Control(TFormsList::idListBox), LB_SETSEL, TRUE, -1);
    PostMessageA(forms->Handle(), WM_COMMAND, TFormsList::idCancel, 0);
    editor->ImportDialogs();
    EXPECT_EQ(editor->Items().Items().size(), items) << "Cancel imports nothing";
    EXPECT_TRUE(GetWindowLongA(forms->Control(TFormsList::idOK), GWL_STYLE) & WS_VISIBLE);
    EXPECT_TRUE(GetWindowLongA(forms->Control(TFormsList::idCancel), GWL_STYLE) & WS_VISIBLE);
    EXPECT_FALSE(IsWindowVisible(forms->Handle())) << "the choice made, the list goes";
    PostMessageA(forms->Control(TFormsList::idListBox), LB_SETSEL, TRUE, -1);
    PostMessageA(forms->Handle(), WM_COMMAND, TFormsList::idOK, 0);
    editor->ImportDialogs();
    ASSERT_EQ(editor->Items().Items().size(), items + static_cast<size_t>(forms->Count()))
        << "every dialog of the list chosen";
    const TResourcesItem& item = *editor->Items().Items().back();
    EXPECT_EQ(item.DialogText.rfind(item.Name + " DIALOGEX ", 0), 0u) << item.DialogText;
    EXPECT_NE(item.DialogText.find("CAPTION \"" + item.Name + "\"\r\n"), std::string::npos);

    int pages = App().Code->PageCount();
    editor->ToggleSourceCode();
    ASSERT_EQ(App().Code->PageCount(), pages + 1);
    EXPECT_EQ(ActivePage()->Caption(), "Resources");
    EXPECT_NE(ActivePage()->Editor().Lines().Text().find(" DIALOGEX "), std::string::npos);
    editor->ToggleSourceCode();
    EXPECT_EQ(App().Code->PageCount(), pages) << "unchecking takes the page out";
}

}  // namespace
}  // namespace tavrin::test
