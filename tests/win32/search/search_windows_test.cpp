// The find-and-replace window, its confirmation and the go-to-line window in
// the running workbench, reached through the Search commands.
#include "search_test_support.h"

namespace tavrin::test {
namespace {

using Kind = ScriptedPrompts::Kind;

TEST_F(SearchWindowsTest, NothingFoundSaysSoAndDisablesFindNext) {
    NewPage("Dim window As HWND\r\nwindow = 1\r\n");
    EXPECT_FALSE(FindNextEnabled()) << "no search yet";
    Hooks().find();
    TSearchReplaceDialog& dialog = *Search().searchReplace;
    EXPECT_TRUE(dialog.Visible());
    dialog.SetFindText("missing");
    SendMessageA(dialog.Handle(), WM_COMMAND, TSearchReplaceDialog::idSearch, 0);
    EXPECT_EQ(Prompts().TextsOf(Kind::Information),
              (std::vector<std::string>{"The missing searching did not match any."}));
    EXPECT_FALSE(FindNextEnabled());
    dialog.SetFindText("window");
    SendMessageA(dialog.Handle(), WM_COMMAND, TSearchReplaceDialog::idSearch, 0);
    EXPECT_TRUE(FindNextEnabled());
    EXPECT_EQ(dialog.History(), (std::vector<std::string>{"window"}));
    // F3 goes on to the next occurrence; showing the window clears the flag.
    TCodePage* page = dynamic_cast<TCodePage*>(App().CurrentDocument);
    std::size_t first = static_cast<std::size_t>(Edit(page).Call(SCI_GETSELECTIONSTART));
    SendMessageA(App().Main->Handle(), WM_COMMAND, cmdShortcutBase + cmdFindNext, 0);
    EXPECT_EQ(first, 4u);
    EXPECT_EQ(Edit(page).Call(SCI_GETSELECTIONSTART), 20);
    Hooks().find();
    EXPECT_FALSE(FindNextEnabled());
}

TEST_F(SearchWindowsTest, FindAfterAReplaceStaysInReplaceMode) {
    NewPage("a b a\r\n");
    TSearchReplaceDialog& dialog = *Search().searchReplace;
    dialog.SetReplaceMode(false);
    Hooks().find();
    EXPECT_FALSE(IsWindowEnabled(dialog.Control(TSearchReplaceDialog::idReplaceWith)));
    EXPECT_FALSE(IsWindowEnabled(dialog.Control(TSearchReplaceDialog::idReplaceAll)));
    Hooks().replace();
    dialog.Hide();
    Hooks().find();
    EXPECT_TRUE(dialog.ReplaceMode());
    for (int id : {TSearchReplaceDialog::idReplaceWith, TSearchReplaceDialog::idReplace,
                   TSearchReplaceDialog::idReplaceAll})
        EXPECT_TRUE(IsWindowEnabled(dialog.Control(id))) << id;
}

TEST_F(SearchWindowsTest, OptionsStayForTheSameEditorAndResetForAnotherPage) {
    TCodePage* first = NewPage("one\r\n");
    Hooks().find();
    TSearchReplaceDialog& dialog = *Search().searchReplace;
    SearchBoxOptions options;
    options.wholeWord = options.caseSensitive = options.regex = true;
    options.fromCursor = false;
    options.backward = true;
    dialog.SetOptions(options);
    dialog.SetFindText("one");
    SendMessageA(dialog.Handle(), WM_COMMAND, TSearchReplaceDialog::idSearch, 0);
    Hooks().find();  // a second search in the same editor
    SearchBoxOptions kept = dialog.Options();
    EXPECT_TRUE(kept.wholeWord && kept.caseSensitive && kept.regex && kept.backward);
    NewPage("two\r\n");
    Hooks().find();
    SearchBoxOptions reset = dialog.Options();
    EXPECT_FALSE(reset.wholeWord || reset.caseSensitive || reset.fromCursor || reset.selectedOnly || reset.regex);
    EXPECT_TRUE(reset.backward) << "the direction is no option box";
    EXPECT_NE(dialog.Editor(), nullptr);
    // The first page's editor is gone once its page is: a search uses the current page.
    App().Code->FreePage(first);
    dialog.SetOptions({});
    dialog.SetFindText("two");
    SendMessageA(dialog.Handle(), WM_COMMAND, TSearchReplaceDialog::idSearch, 0);
    EXPECT_TRUE(dialog.LastSearchFound());
}

TEST_F(SearchWindowsTest, ReplaceAllAsksForEachOccurrenceInTheConfirmationWindow) {
    TCodePage* page = NewPage("x = old + old\r\nold\r\n");
    Hooks().replace();
    TSearchReplaceDialog& dialog = *Search().searchReplace;
    TConfirmReplaceDialog& confirm = *Search().confirmReplace;
    dialog.SetOptions({});
    dialog.SetFindText("old");
    dialog.SetReplaceText("new");
    // The answers wait in the queue: each modal showing takes the next.
    PostMessageA(confirm.Handle(), WM_COMMAND, TConfirmReplaceDialog::resultNo, 0);
    PostMessageA(confirm.Handle(), WM_COMMAND, TConfirmReplaceDialog::resultYesToAll, 0);
    SendMessageA(dialog.Handle(), WM_COMMAND, TSearchReplaceDialog::idReplaceAll, 0);
    EXPECT_EQ(Edit(page).Text(), "x = old + new\r\nnew\r\n");
    EXPECT_EQ(confirm.Question(), "Replace this occurrence of \"old\"?");
    EXPECT_FALSE(confirm.Visible());
    // One undo takes the whole replacement back.
    Edit(page).Call(SCI_UNDO);
    EXPECT_EQ(Edit(page).Text(), "x = old + old\r\nold\r\n");
    Edit(page).Call(SCI_GOTOPOS, 0);  // "From Cursor" is checked
    PostMessageA(confirm.Handle(), WM_COMMAND, TConfirmReplaceDialog::resultCancel, 0);
    SendMessageA(dialog.Handle(), WM_COMMAND, TSearchReplaceDialog::idReplaceAll, 0);
    EXPECT_EQ(Edit(page).Text(), "x = old + old\r\nold\r\n");
    EXPECT_TRUE(Prompts().shown.empty()) << "a cancelled replacement ends silently: " << Prompts().Texts()[0];
}

TEST_F(SearchWindowsTest, RegularExpressionsAndTheirErrorsInTheEditor) {
    TCodePage* page = NewPage("Sub Main\r\nsub helper\r\n");
    Hooks().replace();
    TSearchReplaceDialog& dialog = *Search().searchReplace;
    SearchBoxOptions options;
    options.regex = true;
    options.fromCursor = false;
    dialog.SetOptions(options);
    dialog.SetFindText("^sub (\\w+)");
    dialog.SetReplaceText("Function $1");
    PostMessageA(Search().confirmReplace->Handle(), WM_COMMAND, TConfirmReplaceDialog::resultYesToAll, 0);
    SendMessageA(dialog.Handle(), WM_COMMAND, TSearchReplaceDialog::idReplaceAll, 0);
    EXPECT_EQ(Edit(page).Text(), "Function Main\r\nFunction helper\r\n");
    options.caseSensitive = true;
    dialog.SetOptions(options);
    dialog.SetFindText("^function");
    SendMessageA(dialog.Handle(), WM_COMMAND, TSearchReplaceDialog::idSearch, 0);
    dialog.SetFindText("(unclosed");
    SendMessageA(dialog.Handle(), WM_COMMAND, TSearchReplaceDialog::idSearch, 0);
    EXPECT_EQ(Prompts().TextsOf(Kind::Information),
              (std::vector<std::string>{"The ^function searching did not match any."}));
    ASSERT_EQ(Prompts().TextsOf(Kind::Error).size(), 1u);
    EXPECT_NE(Prompts().TextsOf(Kind::Error)[0].find("\"(unclosed\" is not valid"), std::string::npos);
}

TEST_F(SearchWindowsTest, FindOffersTheSelectedWordAndTakesTheFocus) {
    TCodePage* page = NewPage("Dim window As HWND\r\nwindow = 1\r\n");
    TSearchReplaceDialog& dialog = *Search().searchReplace;
    dialog.SetFindText("before");
    Edit(page).Call(SCI_SETSEL, 4, 10);
    Hooks().find();
    Pump(50);
    EXPECT_EQ(WindowText(dialog.Control(TSearchReplaceDialog::idFindText)), "window");
    HWND focus = GetFocus();
    EXPECT_TRUE(focus == dialog.Control(TSearchReplaceDialog::idFindText) ||
                GetParent(focus) == dialog.Control(TSearchReplaceDialog::idFindText));
    dialog.Hide();
    // A selection over two lines is no search text.
    Edit(page).Call(SCI_SETSEL, 4, 25);
    Hooks().find();
    EXPECT_EQ(WindowText(dialog.Control(TSearchReplaceDialog::idFindText)), "window");
}

TEST_F(SearchWindowsTest, GoToLineReachesEveryLineAndPlacesAMark) {
    std::string text;
    for (int i = 1; i <= 500; ++i) text += "line " + std::to_string(i) + "\r\n";
    TCodePage* page = NewPage(text);
    Hooks().goToLine();
    TGoToLine& window = *Search().goToLine;
    EXPECT_EQ(window.GroupCaption(), "Max lines:500");
    window.SetLine(321);
    window.SetPlaceMark(true);
    SendMessageA(window.Handle(), WM_COMMAND, TGoToLine::idGo, 0);
    EXPECT_EQ(Edit(page).CaretLine(), 320);
    EXPECT_EQ(Edit(page).Call(SCI_GETFIRSTVISIBLELINE), 320);
    EXPECT_TRUE(Edit(page).Call(SCI_MARKERGET, 320) & (1 << TELSuperEdit::kBookmarkMarker));
    EXPECT_FALSE(window.Visible());
    // Beyond the text: the last line; no mark without the box.
    Hooks().goToLine();
    window.SetLine(99999);
    window.SetPlaceMark(false);
    SendMessageA(window.Handle(), WM_COMMAND, TGoToLine::idGo, 0);
    EXPECT_EQ(Edit(page).CaretLine(), 499);
    EXPECT_EQ(Edit(page).Call(SCI_MARKERGET, 499) & (1 << TELSuperEdit::kBookmarkMarker), 0);
    // Without a code page the group says so.
    FreePages();
    window.Show();
    EXPECT_EQ(window.GroupCaption(), "void lines");
}

}  // namespace
}  // namespace tavrin::test
