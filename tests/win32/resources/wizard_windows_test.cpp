// The new component wizard and the install dialog in-process: the ancestor
// proposes a class name and the radio group, OK settles the choice and the
// selected class, and the install dialog starts from the selected class.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>

#include "support/scripted_prompts.h"
#include "support/win32_test_windows.h"
#include "ui/component_names.h"
#include "wizard/install_class_window.h"
#include "wizard/new_class_window.h"

namespace tavrin::test {
namespace {

class NewClassTest : public testing::Test {
protected:
    void SetUp() override {
        NewClassHost host;
        host.paletteClasses = [] { return std::vector<std::string>{"QButton"}; };
        host.setSelectedClassName = [this](const std::string& name) { selected = name; };
        wizard = std::make_unique<TNewClass>(host);
        wizard->Create();
    }
    // OK outside a modal loop: the choice is settled the same way.
    void PressOk() {
        PostMessageA(wizard->Handle(), WM_COMMAND, IDOK, 0);
        wizard->ShowModal();
    }
    std::string ClassText() const { return WindowText(wizard->Control(TNewClass::idClass)); }

    ScriptedPrompts prompts;
    std::string selected = "unset";
    std::unique_ptr<TNewClass> wizard;
};

TEST_F(NewClassTest, ButtonProposesButtonExAsASuperclassAndAnotherAncestorReplacesIt) {
    PostMessageA(wizard->Handle(), WM_COMMAND, IDCANCEL, 0);
    wizard->ShowModal();  // fills the ancestor list
    EXPECT_EQ(selected, "") << "Cancel clears the selected class";
    EXPECT_GT(SendMessageA(wizard->Control(TNewClass::idAncestor), CB_FINDSTRINGEXACT, WPARAM(-1), LPARAM("QButton")),
              16) << "the palette's classes follow the fixed entries";
    wizard->SetChecked(TNewClass::idSubclass, true);
    wizard->SetChecked(TNewClass::idSuperclass, false);
    SetWindowTextA(wizard->Control(TNewClass::idAncestor), "Button");
    wizard->AncestorChanged("Button");
    EXPECT_EQ(ClassText(), "ButtonEx");
    EXPECT_EQ(wizard->ClassInstance(), "0");
    EXPECT_TRUE(wizard->Checked(TNewClass::idSuperclass));
    EXPECT_FALSE(wizard->Checked(TNewClass::idSubclass));
    SetWindowTextA(wizard->Control(TNewClass::idAncestor), "Edit");
    wizard->AncestorChanged("Edit");
    EXPECT_EQ(ClassText(), "EditEx") << "the whole proposal was selected";
    PressOk();
    EXPECT_EQ(selected, "EditEx");
    EXPECT_EQ(wizard->Choice().ancestor, "Edit");
    EXPECT_TRUE(wizard->Choice().superclass);
    EXPECT_NE(DeclarationText(wizard->Choice()).find("type PEditEx as EditEx ptr\r\n"), std::string::npos);
}

TEST_F(NewClassTest, AnEmptyNameBecomesMyClassAndApiDisablesTheGroup) {
    wizard->SetChecked(TNewClass::idGUI, false);
    wizard->SetChecked(TNewClass::idAPI, true);
    wizard->TemplateFamilyChanged();
    EXPECT_FALSE(IsWindowEnabled(wizard->Control(TNewClass::idSubclass)));
    EXPECT_FALSE(IsWindowEnabled(wizard->Control(TNewClass::idSuperclass)));
    PressOk();
    EXPECT_EQ(selected, "myClass");
    EXPECT_FALSE(wizard->GUI());
    std::vector<GeneratedPage> pages = GenerateComponent(wizard->Choice(), wizard->GUI());
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_NE(pages[0].text.find("    return DefWindowProc(dlg,msg,wparam,lparam)\r\nend function"), std::string::npos);
}

TEST(InstallClassWindow, StartsFromTheSelectedClassOnThePageUser) {
    ScriptedPrompts prompts;
    std::string selected = "ButtonEx";
    InstallClassHost host;
    host.selectedClassName = [&] { return selected; };
    host.applicationDirectory = [] { return std::string("C:\\Tavrin"); };
    TInstallClass install(host);
    install.Create();
    PostMessageA(install.Handle(), WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(install.ShowModal(), IDCANCEL);
    EXPECT_EQ(install.ClassPath(), "C:\\Tavrin\\ButtonEx.bas");
    EXPECT_EQ(install.PaletteName(), "user");
    selected.clear();
    PostMessageA(install.Handle(), WM_COMMAND, IDOK, 0);
    EXPECT_EQ(install.ShowModal(), IDOK);
    EXPECT_EQ(install.ClassPath(), "");
    EXPECT_TRUE(prompts.shown.empty()) << "no page: nothing saved, nothing said";
}

// With TAVRIN_WIZARD_SHOT naming a .bmp file: the wizard after choosing Button.
TEST_F(NewClassTest, Screenshot) {
    const char* file = std::getenv("TAVRIN_WIZARD_SHOT");
    if (!file) GTEST_SKIP() << "TAVRIN_WIZARD_SHOT names no file";
    SetWindowTextA(wizard->Control(TNewClass::idAncestor), "Button");
    wizard->AncestorChanged("Button");
    SetWindowPos(wizard->Handle(), HWND_TOP, 40, 40, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    PumpMessagesFor(600);
    RECT area{};
    GetWindowRect(wizard->Handle(), &area);
    EXPECT_TRUE(SaveScreenArea(area, file));
}

}  // namespace
}  // namespace tavrin::test
