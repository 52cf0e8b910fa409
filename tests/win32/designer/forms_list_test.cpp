// The forms list under Wine: its buttons' captions and enable rules for a
// visible and a hidden dialog, Show toggling a dialog, Destroy handing the
// dialog on, and entries leaving with their dialogs.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>

#include "designer/dialog_window.h"
#include "designer/forms_list.h"

namespace tavrin::test {
namespace {

std::string TextOf(HWND window) {
    char text[64] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

class FormsListTest : public testing::Test {
protected:
    void SetUp() override {
        list.Create();
        shown = MakeDialog("Dialog1");
        shown->Show();
        hidden = MakeDialog("Dialog2");
        list.AddDialog(*shown);
        list.AddDialog(*hidden);
    }
    std::unique_ptr<TDialog> MakeDialog(const std::string& name) {
        auto dialog = std::make_unique<TDialog>("", nullptr);
        dialog->Create();
        dialog->SetName(name);
        return dialog;
    }
    bool Enabled(TFormsList::ControlId id) { return IsWindowEnabled(list.Control(id)) != FALSE; }
    // A click on an entry, as the list box reports it.
    void ClickEntry(int index) {
        SendMessageA(list.Control(TFormsList::idListBox), LB_SETSEL, FALSE, -1);
        list.Select(index);
        SendMessageA(list.Handle(), WM_COMMAND, MAKEWPARAM(TFormsList::idListBox, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list.Control(TFormsList::idListBox)));
    }
    void Press(TFormsList::ControlId id) {
        SendMessageA(list.Handle(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(list.Control(id)));
    }

    TFormsList list;
    std::unique_ptr<TDialog> shown, hidden;
};

TEST_F(FormsListTest, ShowHideAndDestroyFollowTheSelectedDialog) {
    list.ShowAsView();
    EXPECT_TRUE(list.Visible());
    EXPECT_FALSE(IsWindowVisible(list.Control(TFormsList::idOK))) << "viewed from the main window";
    EXPECT_FALSE(IsWindowVisible(list.Control(TFormsList::idCancel)));
    EXPECT_FALSE(Enabled(TFormsList::idShow)) << "no entry selected";
    EXPECT_FALSE(Enabled(TFormsList::idDestroy));
    ASSERT_EQ(list.Count(), 2);

    ClickEntry(0);
    EXPECT_EQ(TextOf(list.Control(TFormsList::idShow)), "Hide") << "Dialog1 is visible";
    EXPECT_TRUE(Enabled(TFormsList::idDestroy));
    ClickEntry(1);
    EXPECT_EQ(TextOf(list.Control(TFormsList::idShow)), "Show") << "Dialog2 is hidden";
    EXPECT_TRUE(Enabled(TFormsList::idShow));
    EXPECT_FALSE(Enabled(TFormsList::idDestroy)) << "a hidden dialog cannot be destroyed";

    Press(TFormsList::idShow);
    EXPECT_TRUE(hidden->Visible());
    EXPECT_FALSE(Enabled(TFormsList::idDestroy)) << "decided before the dialog was shown";
    EXPECT_EQ(TextOf(list.Control(TFormsList::idShow)), "Show") << "the caption waits for the next click";
    ClickEntry(1);
    EXPECT_EQ(TextOf(list.Control(TFormsList::idShow)), "Hide");
    EXPECT_TRUE(Enabled(TFormsList::idDestroy));
    Press(TFormsList::idShow);
    EXPECT_FALSE(hidden->Visible());
}

TEST_F(FormsListTest, DestroyClosesThePageOfTheSelectedDialogAndEntriesGoWithTheirDialogs) {
    TDialog* closed = nullptr;
    list.OnCloseDialogPage = [&](TDialog& dialog) {
        closed = &dialog;
        dialog.Hide();
        list.RemoveDialog(dialog);  // as the page's destruction does
    };
    list.Show();
    ClickEntry(0);
    Press(TFormsList::idDestroy);
    EXPECT_EQ(closed, shown.get());
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Entry(0), hidden.get());
    EXPECT_FALSE(Enabled(TFormsList::idShow)) << "nothing is selected any more";
    EXPECT_FALSE(Enabled(TFormsList::idDestroy));

    hidden.reset();  // a dialog that goes takes its entry with it
    EXPECT_EQ(list.Count(), 0);
    Press(TFormsList::idOK);
    EXPECT_FALSE(list.Visible());
}

}  // namespace
}  // namespace tavrin::test
