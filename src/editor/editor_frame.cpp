#include "editor/editor_frame.h"

#include <commctrl.h>
#include <windowsx.h>

#include <ILexer.h>
#include <SciLexer.h>
#include <Scintilla.h>

#include "LexerModule.h"
#include "common/commands.h"
#include "common/prompts.h"
#include "editor/editor_options.h"

extern Lexilla::LexerModule lmFreeBasic;

namespace tavrin {

namespace {

constexpr const char* kFrameClass = "TEditor";
constexpr int kEditId = 1;
constexpr UINT_PTR kCompletionTimer = 1;
constexpr UINT kCompletionDelayMs = 10;  // the box's own delay after the "."

// Word lists of the highlighter (Scintilla wants them in lower case).
constexpr const char* kKeywords =
    "as case constructor destructor eclare else end enum for function if next operator property "
    "select sleep sub then to type wend while with";
constexpr const char* kConstants =
    "abstract allocate callocate clear clng const declare delete dim do extends loop new overload "
    "ptr reallocate redim static var virtual zstring";
constexpr const char* kObjects =
    "and any byref byval cdbl cint common csng cstr elseif int not or private protected public "
    "return shared string";
// The lexer styles a line's leading "#" word only when a list holds it.
constexpr const char* kDirectives =
    "#assert #cmdline #define #else #elseif #endif #endmacro #error #if #ifdef #ifndef #inclib "
    "#include #lang #libpath #line #macro #pragma #print #undef";

}  // namespace

TEditor::TEditor() : lines_(edit_, TELSuperEdit::kTagMarker) {}

TEditor::~TEditor() {
    editSubclass_.Detach();
    DestroyBound();  // with the editor control, before the members go
}

void TEditor::Create(HWND parent) {
    WNDCLASSEXA description{};
    description.lpszClassName = kFrameClass;
    description.hCursor = LoadCursor(nullptr, IDC_ARROW);
    RegisterBoundClass(description);
    CreateBound(0, kFrameClass, "", WS_CHILD | WS_CLIPCHILDREN, 0, 0, 100, 100, parent);
    edit_.CreateEdit(Handle(), kEditId);
    edit_.Call(SCI_USEPOPUP, SC_POPUP_NEVER);  // our own menu comes through WM_CONTEXTMENU
    edit_.Call(SCI_SETMODEVENTMASK, SC_MOD_INSERTTEXT | SC_MOD_DELETETEXT | SC_MOD_BEFOREDELETE);
    const EditorOptions& options = SharedEditorOptions();
    ApplyFont(options.fontName, options.fontSize);
    editSubclass_.Attach(edit_.Handle(), [this](UINT message, WPARAM wp, LPARAM lp) {
        return HandleEditMessage(message, wp, lp);
    });
    box_.OnChoose = [this] {
        CompleteFromBox();
        SetFocus(edit_.Handle());
    };
}

void TEditor::ApplyFont(const std::string& name, int size) {
    edit_.SetFont(name, size);  // resets every style to the default
    edit_.Call(SCI_STYLESETFONT, STYLE_LINENUMBER, reinterpret_cast<LPARAM>("Courier New"));
    edit_.Call(SCI_STYLESETSIZE, STYLE_LINENUMBER, 8);
    SetUpHighlighter();
}

void TEditor::SetUpHighlighter() {
    edit_.Call(SCI_SETILEXER, 0, reinterpret_cast<LPARAM>(lmFreeBasic.Create()));
    edit_.Call(SCI_SETKEYWORDS, 0, reinterpret_cast<LPARAM>(kKeywords));
    edit_.Call(SCI_SETKEYWORDS, 1, reinterpret_cast<LPARAM>(kConstants));
    edit_.Call(SCI_SETKEYWORDS, 2, reinterpret_cast<LPARAM>(kObjects));
    edit_.Call(SCI_SETKEYWORDS, 3, reinterpret_cast<LPARAM>(kDirectives));
    auto fore = [this](int style, COLORREF colour) { edit_.Call(SCI_STYLESETFORE, style, colour); };
    fore(SCE_B_KEYWORD, RGB(0, 128, 192));
    fore(SCE_B_KEYWORD2, RGB(108, 0, 217));
    fore(SCE_B_KEYWORD3, RGB(9, 175, 255));
    for (int style : {SCE_B_COMMENT, SCE_B_COMMENTBLOCK, SCE_B_DOCLINE, SCE_B_DOCBLOCK, SCE_B_DOCKEYWORD}) {
        fore(style, RGB(0, 151, 0));
        edit_.Call(SCI_STYLESETBACK, style, RGB(255, 255, 187));
    }
    for (int style : {SCE_B_NUMBER, SCE_B_HEXNUMBER, SCE_B_BINNUMBER}) fore(style, RGB(255, 0, 128));
    fore(SCE_B_PREPROCESSOR, RGB(0, 128, 128));
    fore(SCE_B_KEYWORD4, RGB(0, 128, 128));
    fore(SCE_B_STRING, RGB(234, 0, 0));
    fore(SCE_B_STRINGEOL, RGB(234, 0, 0));
    fore(SCE_B_OPERATOR, RGB(215, 0, 215));
    edit_.Call(SCI_COLOURISE, 0, -1);
}

void TEditor::LoadText(std::string_view text, bool unicode, std::string_view lineEnd) {
    loading_ = true;
    edit_.Call(SCI_SETCODEPAGE, unicode ? SC_CP_UTF8 : 0);
    lines_.SetLineEnd(std::string(lineEnd));
    edit_.Call(SCI_SETEOLMODE, lineEnd == "\n" ? SC_EOL_LF : lineEnd == "\r" ? SC_EOL_CR : SC_EOL_CRLF);
    lines_.SetText(text);
    edit_.Call(SCI_SETSAVEPOINT);
    edit_.Call(SCI_GOTOPOS, 0);
    loading_ = false;
}

void TEditor::SetReadOnly(bool readOnly) {
    if ((edit_.Call(SCI_GETREADONLY) != 0) == readOnly) return;
    edit_.SetReadOnly(readOnly);
    Status(1, "ReadOnly");
}

LRESULT TEditor::HandleMessage(UINT message, WPARAM wp, LPARAM lp) {
    switch (message) {
    case WM_SIZE:
        MoveWindow(edit_.Handle(), 0, 0, LOWORD(lp), HIWORD(lp), TRUE);
        return 0;
    case WM_SETFOCUS:
        SetFocus(edit_.Handle());
        return 0;
    case WM_TIMER:
        if (wp == kCompletionTimer) {
            KillTimer(Handle(), kCompletionTimer);
            ShowCompletion();
            return 0;
        }
        break;
    case WM_NOTIFY:
        HandleNotify(reinterpret_cast<const NMHDR*>(lp));
        return 0;
    case WM_CONTEXTMENU: {
        POINT screen{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        if (screen.x == -1 && screen.y == -1) GetCursorPos(&screen);
        HMENU menu = BuildPopupMenu();
        int item = TrackPopupMenu(menu, TPM_RIGHTBUTTON | TPM_RETURNCMD, screen.x, screen.y, 0, Handle(), nullptr);
        DestroyMenu(menu);
        if (item) RunCommand([&] { RunMenuCommand(item); });
        return 0;
    }
    }
    return DefaultProc(message, wp, lp);
}

LRESULT TEditor::HandleEditMessage(UINT message, WPARAM wp, LPARAM lp) {
    if (message == WM_KEYDOWN && box_.Visible() && CompletionKeyDown(wp)) return 0;
    if (message == WM_CHAR && wp == ' ' && GetKeyState(VK_CONTROL) < 0) return 0;  // Ctrl+Space
    if (message == WM_CHAR) {
        LRESULT result = 0;
        if (CompletionChar(wp, lp, result)) return result;
    }
    if (message == WM_KILLFOCUS && !box_.Owns(reinterpret_cast<HWND>(wp))) box_.Hide();
    if (message == WM_KEYDOWN) {
        bool control = GetKeyState(VK_CONTROL) < 0;
        if (wp == VK_RETURN) {
            RunCommand([this] { EnterPressed(); });
        } else if (wp == VK_SPACE && control) {
            anchor_ = -1;  // the word at the caret
            ShowCompletion();
            return 0;
        } else if (wp == VK_INSERT && !control && GetKeyState(VK_SHIFT) >= 0) {
            LRESULT result = editSubclass_.CallNext(message, wp, lp);
            Status(1, "Insert");
            if (OnChanged) OnChanged();
            return result;
        }
    }
    return editSubclass_.CallNext(message, wp, lp);
}

void TEditor::Status(int panel, const std::string& text) {
    if (OnStatus) OnStatus(panel, text);
}

void TEditor::HandleNotify(const NMHDR* header) {
    if (header->hwndFrom != edit_.Handle()) return;
    const auto* n = reinterpret_cast<const SCNotification*>(header);
    switch (header->code) {
    case SCN_MODIFIED:
        if (n->modificationType & SC_MOD_BEFOREDELETE) lines_.BeforeDelete(n->position, n->length);
        if (n->modificationType & (SC_MOD_INSERTTEXT | SC_MOD_DELETETEXT)) {
            if (n->linesAdded != 0 && edit_.ErrorCount() > 0) errorsMoved_ = true;
            if (!loading_ && OnChanged) OnChanged();
        }
        break;
    case SCN_UPDATEUI: {
        if (errorsMoved_) {
            errorsMoved_ = false;
            edit_.RefreshErrorColours();  // errors keep their line numbers
        }
        LRESULT position = edit_.Call(SCI_GETCURRENTPOS);
        int line = static_cast<int>(edit_.Call(SCI_LINEFROMPOSITION, position));
        int column = static_cast<int>(edit_.Call(SCI_GETCOLUMN, position));
        if (line != lastCaretLine_ || column != lastCaretColumn_) {
            lastCaretLine_ = line;
            lastCaretColumn_ = column;
            Status(0, CaretPanelText(column + 1, line + 1));
        }
        break;
    }
    case SCN_SAVEPOINTLEFT:
        if (!loading_) Status(1, "Modified");
        break;
    case SCN_CHARADDED:
        if (n->ch == '.' || (n->ch == '>' && ArrowTyped())) RunCommand([this] { DotTyped(); });
        break;
    case SCN_MARGINCLICK:
        edit_.ToggleBookmark(static_cast<int>(edit_.Call(SCI_LINEFROMPOSITION, n->position)));
        break;
    }
}

void TEditor::EnterPressed() {
    if (EnterTriggersRescan(edit_.Line(edit_.CaretLine())) && OnRescan) OnRescan();
}

void TEditor::DotTyped() {
    if (!CompletionAllowed || !CompletionAllowed()) return;
    completion_ = {};
    // Reading a header lets window messages run, and keys typed meanwhile
    // change the text: the lookup works on a copy, and the box on the place
    // of the ".".
    anchor_ = edit_.Call(SCI_GETCURRENTPOS);  // just after the "."
    std::string text(edit_.TextView());
    CompletionLookups lookups = Lookups ? Lookups() : CompletionLookups{};
    CompletionLists found = FindDotCompletion(text, static_cast<size_t>(anchor_), lookups);
    if (edit_.Call(SCI_GETCURRENTPOS) < anchor_) return;  // the "." was taken back meanwhile
    completion_ = std::move(found);
    if (!completion_.items.empty()) SetTimer(Handle(), kCompletionTimer, kCompletionDelayMs, nullptr);
}

bool TEditor::ArrowTyped() const {
    LRESULT caret = edit_.Call(SCI_GETCURRENTPOS);
    return caret >= 2 && edit_.Call(SCI_GETCHARAT, caret - 2) == '-';
}

void TEditor::ShowCompletion() {
    if (completion_.items.empty()) return;
    LRESULT caret = edit_.Call(SCI_GETCURRENTPOS);
    if (anchor_ < 0 || anchor_ > caret) anchor_ = edit_.Call(SCI_WORDSTARTPOSITION, caret, 1);
    int line = static_cast<int>(edit_.Call(SCI_LINEFROMPOSITION, anchor_));
    POINT at{static_cast<LONG>(edit_.Call(SCI_POINTXFROMPOSITION, 0, anchor_)),
             static_cast<LONG>(edit_.Call(SCI_POINTYFROMPOSITION, 0, anchor_) + edit_.Call(SCI_TEXTHEIGHT, line))};
    ClientToScreen(edit_.Handle(), &at);
    box_.Show(Handle(), at, completion_.items, completion_.insert,
              static_cast<int>(edit_.Call(SCI_TEXTHEIGHT, line)));
    box_.Filter(TypedSinceAnchor());
}

std::string TEditor::TypedSinceAnchor() const {
    LRESULT caret = edit_.Call(SCI_GETCURRENTPOS);
    if (anchor_ < 0 || caret < anchor_) return {};
    return std::string(edit_.TextView().substr(static_cast<size_t>(anchor_), static_cast<size_t>(caret - anchor_)));
}

bool TEditor::CompletionKeyDown(WPARAM key) {
    switch (key) {
    case VK_UP: box_.MoveSelection(-1); return true;
    case VK_DOWN: box_.MoveSelection(1); return true;
    case VK_PRIOR: box_.MoveSelection(-8); return true;
    case VK_NEXT: box_.MoveSelection(8); return true;
    case VK_ESCAPE: box_.Hide(); swallowNextChar_ = true; return true;
    case VK_RETURN:
    case VK_TAB:
        CompleteFromBox();
        swallowNextChar_ = true;  // the key's character must not reach the text
        return true;
    default: return false;
    }
}

bool TEditor::CompletionChar(WPARAM ch, LPARAM lp, LRESULT& result) {
    if (swallowNextChar_) {
        swallowNextChar_ = false;
        if (ch == '\t' || ch == '\r' || ch == 27) return true;
    }
    if (!box_.Visible()) return false;
    // An end-of-token character completes, then is typed.
    if (ch < 128 && std::string_view("()[]. ").find(static_cast<char>(ch)) != std::string_view::npos)
        CompleteFromBox();
    result = editSubclass_.CallNext(WM_CHAR, ch, lp);
    if (box_.Visible()) {
        if (edit_.Call(SCI_GETCURRENTPOS) < anchor_) box_.Hide();
        else box_.Filter(TypedSinceAnchor());
    }
    return true;
}

void TEditor::CompleteFromBox() {
    std::string text = box_.SelectedInsert();
    box_.Hide();
    LRESULT caret = edit_.Call(SCI_GETCURRENTPOS);
    if (text.empty() || anchor_ < 0 || caret < anchor_) return;
    edit_.ReplaceBytes(anchor_, caret - anchor_, text);
    edit_.Call(SCI_GOTOPOS, anchor_ + static_cast<LRESULT>(text.size()));
}

std::string TEditor::SelectedText() const {
    LRESULT start = edit_.Call(SCI_GETSELECTIONSTART), end = edit_.Call(SCI_GETSELECTIONEND);
    if (end <= start) return {};
    std::string_view text = edit_.TextView();
    return std::string(text.substr(static_cast<size_t>(start), static_cast<size_t>(end - start)));
}

void TEditor::ReplaceSelection(const std::string& text) {
    LRESULT start = edit_.Call(SCI_GETSELECTIONSTART), end = edit_.Call(SCI_GETSELECTIONEND);
    edit_.ReplaceBytes(start, end - start, text);
    edit_.Call(SCI_SETSEL, start, start + static_cast<LRESULT>(text.size()));
}

HMENU TEditor::BuildPopupMenu() {
    bool selected = edit_.Call(SCI_GETSELECTIONEND) > edit_.Call(SCI_GETSELECTIONSTART);
    std::string selection = selected ? SelectedText() : std::string();
    auto flags = [](bool enabled) { return MF_STRING | (enabled ? MF_ENABLED : MF_GRAYED); };
    HMENU comments = CreatePopupMenu();
    AppendMenuA(comments, flags(!HoldsBlockCommentStart(selection)), menuON, "on");
    AppendMenuA(comments, flags(HoldsBlockCommentStart(selection)), menuOFF, "off");
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, flags(edit_.Call(SCI_CANUNDO) != 0), menuUndo, "Undo");
    AppendMenuA(menu, flags(edit_.Call(SCI_CANREDO) != 0), menuRedo, "Redo");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, flags(edit_.Call(SCI_CANPASTE) != 0), menuPaste, "Paste");
    AppendMenuA(menu, flags(selected), menuCut, "Cut");
    AppendMenuA(menu, flags(selected), menuCopy, "Copy");
    AppendMenuA(menu, flags(selected), menuDelete, "Delete");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, flags(!edit_.Empty()), menuSelectAll, "Select All");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_POPUP | (selected ? MF_ENABLED : MF_GRAYED), reinterpret_cast<UINT_PTR>(comments),
                "Comments");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, menuProperties, "Properties...");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    autoCreateChecked_ = HasAutoCreate && HasAutoCreate();
    AppendMenuA(menu, MF_STRING | (autoCreateChecked_ ? MF_CHECKED : 0), menuAutoCreateForm, "AutoCreate Form");
    return menu;
}

void TEditor::RunMenuCommand(int item) {
    switch (item) {
    case menuUndo: edit_.Call(SCI_UNDO); break;
    case menuRedo: edit_.Call(SCI_REDO); break;
    case menuPaste: edit_.Call(SCI_PASTE); break;
    case menuCut: edit_.Call(SCI_CUT); break;
    case menuCopy: edit_.Call(SCI_COPY); break;
    case menuDelete: edit_.Call(SCI_CLEAR); break;
    case menuSelectAll: edit_.Call(SCI_SELECTALL); break;
    case menuON: ReplaceSelection(CommentOn(SelectedText())); break;
    case menuOFF: ReplaceSelection(CommentOff(SelectedText())); break;
    case menuProperties: ShowEditorOptions(); break;
    case menuAutoCreateForm:
        autoCreateChecked_ = !autoCreateChecked_;
        if (SetAutoCreate) SetAutoCreate(autoCreateChecked_);
        if (OnRescan) OnRescan();
        break;
    }
}

void TEditor::ShowEditorOptions() {
    // This editor's options become the workbench-wide ones; the options box
    // edits those, and on OK they apply to this editor.
    EditorOptions& options = SharedEditorOptions();
    char font[LF_FACESIZE] = {};
    edit_.Call(SCI_STYLEGETFONT, STYLE_DEFAULT, reinterpret_cast<LPARAM>(font));
    options.fontName = font;
    options.fontSize = static_cast<int>(edit_.Call(SCI_STYLEGETSIZE, STYLE_DEFAULT));
    std::string name = options.fontName;
    int size = options.fontSize;
    if (!UserPrompts().PickFont(name, size)) return;
    options.fontName = name;
    options.fontSize = size;
    ApplyFont(name, size);
}

}  // namespace tavrin
