// Renaming a dialog from the objects tree in the running workbench: the page
// caption and the forms list follow, and a name another open dialog has is
// refused.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "common/commands.h"
#include "designer/dialog_window.h"
#include "designer/forms_list.h"
#include "inspector/objects_tree_window.h"
#include "workbench/code_page.h"
#include "workbench/code_window.h"
#include "workbench/main_window.h"
#include "workbench/workbench.h"
#include "workbench_fixture.h"

namespace tavrin::test {
namespace {

TCodePage* ActivePage() { return dynamic_cast<TCodePage*>(App().Code->ActivePage()); }

// The text of the forms list's entry for the dialog, or "(none)".
std::string FormsEntry(TFormsList& forms, const TDialog& dialog) {
    for (int i = 0; i < forms.Count(); ++i) {
        if (forms.Entry(i) != &dialog) continue;
        char text[128] = {};
        SendMessageA(forms.Control(TFormsList::idListBox), LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
        return text;
    }
    return "(none)";
}

TEST(DialogRenameTest, ThePageAndTheFormsListFollowAndATakenNameIsRefused) {
    EnsureWorkbenchStarted();
    Prompts().shown.clear();
    auto* tree = dynamic_cast<TObjectsTree*>(App().FindWindowByName("ObjectsTree"));
    auto* forms = dynamic_cast<TFormsList*>(App().FindWindowByName("FormsList"));
    ASSERT_TRUE(tree && forms);
    App().Main->Hooks.newPage(true);
    TDialog* first = App().CurrentDialog;
    TCodePage* firstPage = ActivePage();
    App().Main->Hooks.newPage(true);
    TDialog* second = App().CurrentDialog;
    TCodePage* page = ActivePage();
    ASSERT_TRUE(first && second && first != second);
    SendMessageA(second->Handle(), WM_ACTIVATE, WA_ACTIVE, 0);
    ASSERT_EQ(tree->Model().Nodes()[0].object, second) << "the tree shows the dialog renamed";
    std::string caption = page->Caption(), firstName = first->Name(), text = page->Editor().Lines().Text();
    ASSERT_EQ(caption, "*" + second->Name()) << "a new dialog's page is unsaved";

    for (std::string taken : {firstName, std::string("dIALOG") + firstName.substr(6)}) {
        try {
            tree->Model().NodeEdited(0, taken);
            ADD_FAILURE() << taken << " is another open dialog's name";
        } catch (const CommandError& error) {
            EXPECT_EQ(std::string(error.what()), "A dialog named " + taken + " already exists.");
        }
    }
    EXPECT_NE(second->Name(), firstName);
    EXPECT_EQ(page->Editor().Lines().Text(), text) << "nothing renamed in the code";

    tree->Model().NodeEdited(0, "Settings");
    EXPECT_EQ(second->Name(), "Settings");
    EXPECT_EQ(page->Caption(), "*Settings") << "the unsaved mark stays";
    EXPECT_EQ(FormsEntry(*forms, *second), "Settings");
    EXPECT_EQ(FormsEntry(*forms, *first), firstName) << "the other entry keeps its name";
    EXPECT_NE(page->Editor().Lines().Text().find("type QSettings extends"), std::string::npos);

    // A dialog whose page is closed is no longer open: its name may be taken.
    App().Code->FreePage(firstPage);
    tree->Model().NodeEdited(0, firstName);
    EXPECT_EQ(second->Name(), firstName);
    EXPECT_EQ(page->Caption(), "*" + firstName);
    App().Code->FreePage(page);
}

}  // namespace
}  // namespace tavrin::test
