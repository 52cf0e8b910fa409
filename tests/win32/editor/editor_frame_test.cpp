// The editor frame of a code page: error marks and their colours, tagged
// lines through edits, status panels, the Enter rescan, the comment commands,
// completion and the highlighter's colours.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <SciLexer.h>
#include <Scintilla.h>

#include "analysis/explorer_tree_view.h"
#include "page_test_support.h"
#include "workbench/file_commands.h"
#include "settings/launcher.h"

namespace tavrin::test {
namespace {

TEST_F(EditorFrameTest, TwoErrorsOnOneLinePaintItInTheColoursOfTheLast) {
    SetText("one\r\ntwo\r\nthree\r\nfour\r\n");
    Edit().AddError(Error(3, 0, 0xFFFFFF, 0x0000FF));
    Edit().AddError(Error(3, 1, 0x000000, 0x00FFFF));
    Edit().AddError(Error(1, 0, 0xFFFFFF, 0x0000FF));
    Edit().AddError(Error(40, 0, 0xFFFFFF, 0x0000FF));  // beyond the text: kept, not painted
    Edit().AddError(nullptr);
    EXPECT_EQ(Edit().ErrorCount(), 4);
    COLORREF fg = 1, bg = 1;
    ASSERT_TRUE(Edit().MarkedColours(2, fg, bg));
    EXPECT_EQ(bg, 0x00FFFFu);
    EXPECT_EQ(fg, 0x000000u);
    ASSERT_TRUE(Edit().MarkedColours(0, fg, bg));
    EXPECT_EQ(bg, 0x0000FFu);
    EXPECT_EQ(fg, 0xFFFFFFu);
    EXPECT_FALSE(Edit().MarkedColours(1, fg, bg));
    EXPECT_EQ(Edit().Errors(-1), nullptr);
    EXPECT_EQ(Edit().Errors(Edit().ErrorCount()), nullptr);
    EXPECT_EQ(Edit().Errors(3)->Line, 40);

    // Errors keep their line numbers when lines are inserted above them.
    Edit().InsertBytes(0, "new\r\n");
    Pump(30);
    ASSERT_TRUE(Edit().MarkedColours(2, fg, bg));
    EXPECT_EQ(bg, 0x00FFFFu) << "line 3 is still the marked one";
    EXPECT_FALSE(Edit().MarkedColours(3, fg, bg));
}

TEST_F(EditorFrameTest, SystemColoursOfAnErrorAreResolved) {
    SetText("x\r\n");
    auto error = std::make_unique<TError>();
    error->Line = 1;
    error->SetKind(3);  // window colours
    Edit().AddError(std::move(error));
    COLORREF fg = 0, bg = 0;
    ASSERT_TRUE(Edit().MarkedColours(0, fg, bg));
    EXPECT_EQ(bg, GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(fg, GetSysColor(COLOR_WINDOWTEXT));
}

TEST_F(EditorFrameTest, DeleteErrorsRemovesEveryGutterMarkButNotTheTags) {
    SetText("a\r\nb\r\nc\r\n");
    int tag;
    page_->Editor().Lines().SetTag(1, &tag);
    Edit().AddError(Error(2, 0, 0xFFFFFF, 0x0000FF));
    Edit().AddGutterMark(1);
    Edit().ToggleBookmark(2);
    Edit().ToggleBookmark(0);
    EXPECT_EQ(Edit().GutterMarkCount(), 3);
    App().Code->ClearErrorMarks();
    EXPECT_EQ(Edit().ErrorCount(), 0);
    EXPECT_EQ(Edit().GutterMarkCount(), 0) << "bookmarks go too";
    COLORREF fg, bg;
    EXPECT_FALSE(Edit().MarkedColours(1, fg, bg));
    EXPECT_EQ(page_->Editor().Lines().Tag(1), &tag);
}

TEST_F(EditorFrameTest, GutterGlyphsComeFromTheBitmapsFoundInTheResources) {
    // This program holds "bitmap1" and "bitmap3" (not "bitmap2"): two images.
    EXPECT_EQ(Edit().BookmarkImageCount(), 2);
    EXPECT_EQ(Edit().Call(SCI_MARKERSYMBOLDEFINED, TELSuperEdit::kMessageMarker), SC_MARK_RGBAIMAGE);
    EXPECT_EQ(Edit().Call(SCI_MARKERSYMBOLDEFINED, TELSuperEdit::kBookmarkMarker), SC_MARK_RGBAIMAGE);
}

TEST_F(EditorFrameTest, TagsFollowTheirLinesThroughEditsAndVanishWithThem) {
    SetText("type QDialog1 extends QForm\r\nconstructor QDialog1\r\nend constructor\r\n");
    ScintillaLineDocument& lines = page_->Editor().Lines();
    int container, button;
    lines.InsertLine(2, "this.Parent=application'0", &container);
    lines.InsertLine(3, "this.SetBounds(368,188,814,328)", &container);
    lines.InsertLine(1, "   Button1 as QButton", &button);
    ASSERT_EQ(lines.FindTag(&container), 3);

    Edit().InsertBytes(0, "' one\r\n' two\r\n");  // typed above
    EXPECT_EQ(lines.FindTag(&button), 3);
    EXPECT_EQ(lines.FindTag(&container), 5);
    EXPECT_EQ(lines.Line(5), "this.Parent=application'0");

    // Typing at the start of a tagged line, line break included: the tag stays with its text.
    Edit().InsertBytes(Edit().Call(SCI_POSITIONFROMLINE, 3), "' note\r\n");
    EXPECT_EQ(lines.FindTag(&button), 4);
    EXPECT_EQ(lines.Line(4), "   Button1 as QButton");

    lines.DeleteLine(0);
    EXPECT_EQ(lines.FindTag(&button), 3);
    lines.SetLine(3, "   Button1 as QEdit");
    EXPECT_EQ(lines.Tag(3), &button);

    // Joining the tagged line onto the line above (Backspace at its start) drops its tag.
    LRESULT start = Edit().Call(SCI_POSITIONFROMLINE, 3);
    Edit().DeleteBytes(start - 2, 2);
    EXPECT_EQ(lines.FindTag(&button), -1);
    EXPECT_EQ(lines.FindTag(&container), 4) << "the lines below moved up with their tags";

    EXPECT_EQ(lines.RemoveLinesOf(&container), 2);
    EXPECT_EQ(lines.Text(), "' two\r\ntype QDialog1 extends QForm\r\n' note   Button1 as QEdit\r\nconstructor QDialog1\r\nend constructor\r\n");
    EXPECT_EQ(lines.TagCount(), 0u);

    // Deleting a tagged last line without a line end.
    lines.SetText("a\r\nb");
    lines.SetTag(1, &button);
    lines.DeleteLine(1);
    EXPECT_EQ(lines.Text(), "a");
    EXPECT_EQ(lines.FindTag(&button), -1);
}

TEST_F(EditorFrameTest, CaretPositionGoesToTheFirstPanel) {
    std::string text;
    for (int i = 0; i < 15; ++i) text += "0123456789\r\n";
    SetText(text);
    Edit().Call(SCI_GOTOPOS, Edit().Call(SCI_POSITIONFROMLINE, 11) + 4);
    Pump(30);
    EXPECT_EQ(App().Code->StatusText(0), "5, 12");
}

TEST_F(EditorFrameTest, EnterRescansOnDeclarationWordsInLowerCase) {
    int scans = 0;
    page_->Scanner().OnEnd = [&](TScanner&, double) { ++scans; };
    auto pressEnterAtEndOf = [&](const std::string& line) {
        SetText(line);
        scans = 0;
        Edit().Call(SCI_DOCUMENTEND);
        SendMessageA(Edit().Handle(), WM_KEYDOWN, VK_RETURN, 0);
        Pump(20);
        return scans;
    };
    EXPECT_EQ(pressEnterAtEndOf("dim a as integer"), 1);
    EXPECT_EQ(pressEnterAtEndOf("Dim a as integer"), 0);
    EXPECT_EQ(pressEnterAtEndOf("on error goto fail"), 1);
    EXPECT_EQ(page_->Scanner().FindSymbol("a"), nullptr) << "the last rescan saw no dim";
    page_->Scanner().OnEnd = nullptr;
}

TEST_F(EditorFrameTest, CommentsWrapTheSelectionAndMenuFollowsTheState) {
    SetText("x = 1");
    auto enabled = [](HMENU menu, int id) {
        return !(GetMenuState(menu, static_cast<UINT>(id), MF_BYCOMMAND) & MF_GRAYED);
    };
    HMENU menu = page_->Editor().BuildPopupMenu();
    EXPECT_FALSE(enabled(menu, TEditor::menuCut)) << "nothing selected";
    EXPECT_TRUE(enabled(menu, TEditor::menuSelectAll));
    EXPECT_TRUE(GetMenuState(menu, 10, MF_BYPOSITION) & MF_GRAYED) << "Comments disabled";
    char caption[32] = {};
    GetMenuStringA(menu, static_cast<UINT>(GetMenuItemCount(menu) - 1), caption, sizeof(caption), MF_BYPOSITION);
    EXPECT_STREQ(caption, "AutoCreate Form");
    DestroyMenu(menu);

    Edit().Call(SCI_SELECTALL);
    menu = page_->Editor().BuildPopupMenu();
    EXPECT_TRUE(enabled(menu, TEditor::menuCut));
    EXPECT_TRUE(enabled(menu, TEditor::menuON));
    EXPECT_FALSE(enabled(menu, TEditor::menuOFF));
    DestroyMenu(menu);
    page_->Editor().RunMenuCommand(TEditor::menuON);
    EXPECT_EQ(Edit().Text(), "/'x = 1'/");
    menu = page_->Editor().BuildPopupMenu();
    EXPECT_FALSE(enabled(menu, TEditor::menuON));
    EXPECT_TRUE(enabled(menu, TEditor::menuOFF));
    DestroyMenu(menu);
    page_->Editor().RunMenuCommand(TEditor::menuOFF);
    EXPECT_EQ(Edit().Text(), "x = 1");
    EXPECT_FALSE(page_->Saved());
}

TEST_F(EditorFrameTest, ReadOnlyChangeIsShownInTheSecondPanel) {
    page_->Editor().SetReadOnly(true);
    EXPECT_EQ(App().Code->StatusText(1), "ReadOnly");
    EXPECT_TRUE(Edit().Call(SCI_GETREADONLY));
    App().Code->SetStatusText(1, "");
    page_->Editor().SetReadOnly(true);
    EXPECT_EQ(App().Code->StatusText(1), "") << "no change, no notice";
    page_->Editor().SetReadOnly(false);
}

TEST_F(EditorFrameTest, InsertKeyMarksThePageUnsaved) {
    ASSERT_TRUE(page_->Saved());
    SendMessageA(Edit().Handle(), WM_KEYDOWN, VK_INSERT, 0);
    EXPECT_FALSE(page_->Saved());
    EXPECT_EQ(App().Code->StatusText(1), "Insert");
    EXPECT_EQ(Edit().Call(SCI_GETOVERTYPE), 1);
    SendMessageA(Edit().Handle(), WM_KEYDOWN, VK_INSERT, 0);
}

TEST_F(EditorFrameTest, DotCompletionOnlyWhileAllowed) {
    SetText("type TPoint\r\n  x as integer\r\n  y as integer\r\nend type\r\ndim as TPoint p\r\n");
    page_->ScanText();
    Edit().Call(SCI_DOCUMENTEND);
    App().Launcher->AllowCompletion = false;
    SendMessageA(Edit().Handle(), WM_CHAR, 'p', 0);
    SendMessageA(Edit().Handle(), WM_CHAR, '.', 0);
    EXPECT_TRUE(page_->Editor().CompletionItems().empty());
    Edit().Call(SCI_DELETEBACK);  // the "." goes again

    App().Launcher->AllowCompletion = true;
    SetForegroundWindow(App().Code->Handle());
    SetFocus(Edit().Handle());
    SendMessageA(Edit().Handle(), WM_CHAR, '.', 0);
    App().Launcher->AllowCompletion = false;
    EXPECT_EQ(page_->Editor().CompletionInsertList(), (std::vector<std::string>{"x", "y"}));
    EXPECT_EQ(page_->Editor().CompletionItems().size(), 2u);

    // The box opens after its own short delay, titled, with three columns.
    CompletionBox& box = page_->Editor().Completion();
    EXPECT_FALSE(box.Visible());
    Pump(200);
    ASSERT_TRUE(box.Visible());
    EXPECT_EQ(box.WindowTitle(), "Completion Proposal");
    EXPECT_EQ(box.ColumnCount(), 3);
    EXPECT_EQ(box.VisibleCount(), 2);
    EXPECT_EQ(GetFocus(), Edit().Handle()) << "typing goes on in the editor";

    // Typing limits the list (any case); Tab inserts the entry's insert text.
    SendMessageA(Edit().Handle(), WM_CHAR, 'Y', 0);
    EXPECT_EQ(box.VisibleCount(), 1);
    SendMessageA(Edit().Handle(), WM_KEYDOWN, VK_TAB, 0);
    SendMessageA(Edit().Handle(), WM_CHAR, '\t', 0);
    EXPECT_FALSE(box.Visible());
    EXPECT_EQ(Edit().Line(Edit().CaretLine()), "p.y");

    // An end-of-token character completes and is typed after the entry.
    page_->Editor().ShowCompletion();  // Ctrl+Space: the word at the caret ("y")
    ASSERT_TRUE(box.Visible());
    EXPECT_EQ(box.VisibleCount(), 1);
    SendMessageA(Edit().Handle(), WM_CHAR, '(', 0);
    EXPECT_FALSE(box.Visible());
    EXPECT_EQ(Edit().Line(Edit().CaretLine()), "p.y(");
}

TEST_F(EditorFrameTest, TheCompletionBoxStaysInsideTheWorkAreaNearItsEdges) {
    CompletionBox& box = page_->Editor().Completion();
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(Edit().Handle(), MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT work = monitor.rcWork;
    const std::vector<std::string> rows{"alpha\tinteger\tfield", "beta\tstring\tfield"}, insert{"alpha", "beta"};
    // A line near the bottom right corner, one near the right edge only, and one in the open.
    struct Case { POINT at; bool above; };
    for (Case line : {Case{{work.right - 10, work.bottom - 4}, true}, Case{{work.right - 3, work.top + 40}, false},
                      Case{{work.left + 20, work.top + 40}, false}}) {
        SCOPED_TRACE(std::to_string(line.at.x) + "," + std::to_string(line.at.y));
        box.Show(page_->Editor().Handle(), line.at, rows, insert, 16);
        RECT r{};
        GetWindowRect(box.Handle(), &r);
        EXPECT_TRUE(r.left >= work.left && r.top >= work.top && r.right <= work.right && r.bottom <= work.bottom)
            << r.left << "," << r.top << "-" << r.right << "," << r.bottom;
        if (line.above) EXPECT_EQ(r.bottom, line.at.y - 16) << "opened above the line, not over it";
        else EXPECT_EQ(r.top, line.at.y) << "opened below the line";
        if (line.at.x < work.right - 400) EXPECT_EQ(r.left, line.at.x) << "room enough: at the text";
        HWND list = FindWindowExA(box.Handle(), nullptr, WC_LISTVIEWA, nullptr);
        RECT client{}, listRect{};
        GetClientRect(box.Handle(), &client);
        GetClientRect(list, &listRect);
        EXPECT_EQ(listRect.right, client.right);
        EXPECT_EQ(listRect.bottom, client.bottom);
        box.Hide();
    }
}

TEST_F(EditorFrameTest, HighlighterColoursTheWordListsCommentsAndStrings) {
    SetText("dim s as string = \"t\" ' note\r\n#include once \"x.bi\"\r\n/' block\r\nstill '/ 42\r\n");
    Edit().Call(SCI_COLOURISE, 0, -1);
    auto styleAt = [&](int line, int column) {
        return static_cast<int>(Edit().Call(SCI_GETSTYLEAT, Edit().Call(SCI_POSITIONFROMLINE, line) + column));
    };
    auto fore = [&](int style) { return static_cast<COLORREF>(Edit().Call(SCI_STYLEGETFORE, style)); };
    EXPECT_EQ(fore(styleAt(0, 0)), RGB(108, 0, 217)) << "dim: constants list";
    EXPECT_EQ(fore(styleAt(0, 6)), RGB(0, 128, 192)) << "as: keywords list";
    EXPECT_EQ(fore(styleAt(0, 9)), RGB(9, 175, 255)) << "string: objects list";
    EXPECT_EQ(fore(styleAt(0, 18)), RGB(234, 0, 0)) << "a string";
    EXPECT_EQ(fore(styleAt(0, 24)), RGB(0, 151, 0)) << "a line comment";
    EXPECT_EQ(Edit().Call(SCI_STYLEGETBACK, styleAt(0, 24)), RGB(255, 255, 187));
    EXPECT_EQ(fore(styleAt(1, 0)), RGB(0, 128, 128)) << "a preprocessor line";
    EXPECT_EQ(fore(styleAt(3, 2)), RGB(0, 151, 0)) << "a block comment over two lines";
    EXPECT_EQ(fore(styleAt(3, 9)), RGB(255, 0, 128)) << "a number";
    EXPECT_EQ(fore(styleAt(0, 16)), RGB(215, 0, 215)) << "a symbol";
}

}  // namespace
}  // namespace tavrin::test

namespace tavrin::test {
namespace {

HTREEITEM FindItem(HWND tree, HTREEITEM first, const std::string& text) {
    for (HTREEITEM item = first; item; item = TreeView_GetNextSibling(tree, item)) {
        char buffer[128] = {};
        TVITEMA query{};
        query.mask = TVIF_TEXT;
        query.hItem = item;
        query.pszText = buffer;
        query.cchTextMax = sizeof(buffer);
        TreeView_GetItem(tree, &query);
        if (text == buffer) return item;
    }
    return nullptr;
}

class ExplorerTest : public EditorFrameTest {};

TEST_F(ExplorerTest, ClicksListACategoryOrMoveTheCaretToASymbol) {
    SetText("type TPoint\r\n  x as integer\r\nend type\r\n\r\nsub Main()\r\nend sub\r\nsub Other()\r\nend sub\r\n");
    page_->ScanText();
    HWND tree = App().Code->TreeView();
    HTREEITEM subs = FindItem(tree, TreeView_GetRoot(tree), "Subroutines");
    ASSERT_NE(subs, nullptr);
    App().Code->OnTreeClick(subs);
    EXPECT_EQ(Prompts().TextsOf(ScriptedPrompts::Kind::Information), (std::vector<std::string>{"Main\nOther"}));

    HTREEITEM other = FindItem(tree, TreeView_GetChild(tree, subs), "Other");
    ASSERT_NE(other, nullptr) << "a small tree is shown expanded";
    App().Code->OnTreeClick(other);
    EXPECT_EQ(Edit().CaretLine(), 6);
}

TEST_F(ExplorerTest, ALargeTreeFillsTheControlOnlyWhereExpanded) {
    std::string text;
    for (int i = 0; i < 4000; ++i) text += "sub Work" + std::to_string(i) + "()\r\nend sub\r\n";
    text += "const Limit = 3\r\n";
    SetText(text);
    page_->ScanText();
    TreeViewExplorer* explorer = Explorer();
    ASSERT_NE(explorer, nullptr);
    EXPECT_EQ(explorer->NodeCount(), 4003u);
    EXPECT_EQ(explorer->ItemCount(), 2u) << "only the two category roots";
    HWND tree = App().Code->TreeView();
    HTREEITEM subs = FindItem(tree, TreeView_GetRoot(tree), "Subroutines");
    ASSERT_NE(subs, nullptr);
    TreeView_Expand(tree, subs, TVE_EXPAND);
    EXPECT_EQ(explorer->ItemCount(), 4002u);
    HTREEITEM last = FindItem(tree, TreeView_GetChild(tree, subs), "Work3999");
    ASSERT_NE(last, nullptr);
    App().Code->OnTreeClick(last);
    EXPECT_EQ(Edit().CaretLine(), 7998);
}

}  // namespace
}  // namespace tavrin::test
