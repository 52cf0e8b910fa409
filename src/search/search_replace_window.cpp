#include "search/search_replace_window.h"

#include "common/commands.h"
#include "search/confirm_replace_window.h"
#include "ui/component_names.h"
#include "ui/window_hooks.h"

namespace tavrin {

TSearchReplaceDialog::TSearchReplaceDialog(SearchWorkspace& workspace)
    : FormWindow("TSearchReplaceDialog", "SearchReplaceDialog", "Find and Replace"), workspace_(workspace) {}

void TSearchReplaceDialog::OnCreate() {
    const DWORD combo = WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL;
    const DWORD box = WS_TABSTOP | BS_AUTOCHECKBOX;
    NameComponent(AddLabel("Find text:", 10, 12, 84, 18), "lblFindText");
    NameComponent(AddControl("COMBOBOX", "", combo, 96, 8, 318, 200, idFindText), "cbxFindText");
    replaceLabel_ = NameComponent(AddLabel("Replace with:", 10, 40, 84, 18), "lblReplaceWith");
    NameComponent(AddControl("COMBOBOX", "", combo, 96, 36, 318, 200, idReplaceWith), "cbxReplaceWith");
    NameComponent(AddControl("BUTTON", "&Options", BS_GROUPBOX, 8, 66, 220, 134), "gbOptions");
    NameComponent(AddControl("BUTTON", "&Whole Word", box | WS_GROUP, 18, 84, 200, 20, idWholeWord), "cbWholeWord");
    NameComponent(AddControl("BUTTON", "&Case Sensitive", box, 18, 106, 200, 20, idCaseSensitive), "cbCaseSensitive");
    NameComponent(AddControl("BUTTON", "&From Cursor", box, 18, 128, 200, 20, idFromCursor), "cbFromCursor");
    NameComponent(AddControl("BUTTON", "&Selected Text", box, 18, 150, 200, 20, idSelectedText), "cbSelectedText");
    NameComponent(AddControl("BUTTON", "&Regular expression", box, 18, 172, 200, 20, idRegularExpression),
                  "cbRegularExpression");
    NameComponent(AddControl("BUTTON", "&Direction", BS_GROUPBOX, 236, 66, 178, 74), "rgDirection");
    NameComponent(AddControl("BUTTON", "&Forward", WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON, 246, 86, 160, 20,
                             idForward),
                  "rbForward");
    NameComponent(AddControl("BUTTON", "&Backward", BS_AUTORADIOBUTTON, 246, 110, 160, 20, idBackward), "rbBackward");
    NameComponent(AddButton("&Search for", 96, 210, 100, 26, idSearch, true), "btnSearch");
    NameComponent(AddButton("&Replace", 204, 210, 100, 26, idReplace), "btnReplace");
    NameComponent(AddButton("Replace &all", 312, 210, 100, 26, idReplaceAll), "btnReplaceAll");
    SetOptions(session_.options);  // "&From Cursor" and "&Forward" checked
    SetReplaceMode(false);
    EnableDialogKeys(Handle());
}

SearchBoxOptions TSearchReplaceDialog::Options() const {
    SearchBoxOptions options;
    options.wholeWord = IsChecked(Control(idWholeWord));
    options.caseSensitive = IsChecked(Control(idCaseSensitive));
    options.fromCursor = IsChecked(Control(idFromCursor));
    options.selectedOnly = IsChecked(Control(idSelectedText));
    options.regex = IsChecked(Control(idRegularExpression));
    options.backward = IsChecked(Control(idBackward));
    return options;
}

void TSearchReplaceDialog::SetOptions(const SearchBoxOptions& options) {
    SetChecked(Control(idWholeWord), options.wholeWord);
    SetChecked(Control(idCaseSensitive), options.caseSensitive);
    SetChecked(Control(idFromCursor), options.fromCursor);
    SetChecked(Control(idSelectedText), options.selectedOnly);
    SetChecked(Control(idRegularExpression), options.regex);
    SetChecked(Control(idForward), !options.backward);
    SetChecked(Control(idBackward), options.backward);
}

void TSearchReplaceDialog::Attach(SearchTarget* editor) {
    session_.options = Options();
    session_.Attach(editor);
    SetOptions(session_.options);
}

void TSearchReplaceDialog::SetReplaceMode(bool on) {
    session_.findOnly = !on;
    for (int id : {idReplaceWith, idReplace, idReplaceAll}) EnableWindow(Control(id), on);
    EnableWindow(replaceLabel_, on);
}

void TSearchReplaceDialog::SetFindText(const std::string& text) { SetWindowTextA(Control(idFindText), text.c_str()); }

void TSearchReplaceDialog::SetReplaceText(const std::string& text) {
    SetWindowTextA(Control(idReplaceWith), text.c_str());
}

void TSearchReplaceDialog::OnShow() {
    session_.lastSearchFound = false;
    HWND findText = Control(idFindText);
    SetFocus(findText);
    SendMessageA(findText, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
}

void TSearchReplaceDialog::Press(int tag) {
    // The editor of a page closed meanwhile is never used: the current one takes its place.
    if (!workspace_.Alive(session_.Editor())) Attach(workspace_.CurrentEditor());
    session_.options = Options();
    session_.lastAction = static_cast<SearchAction>(tag);
    session_.confirmReplace = [this](const std::string& found) {
        return confirm_ ? confirm_->Ask(found) : ReplaceAnswer::YesToAll;
    };
    if (!session_.Editor()) return;
    session_.Run(WindowText(Control(idFindText)), WindowText(Control(idReplaceWith)));
    ShowHistory();
}

void TSearchReplaceDialog::ShowHistory() {
    HWND findText = Control(idFindText);
    for (const std::string& entry : session_.history)
        if (SendMessageA(findText, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                         reinterpret_cast<LPARAM>(entry.c_str())) == CB_ERR)
            SendMessageA(findText, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
}

void TSearchReplaceDialog::OnCommand(int id, int, HWND) {
    switch (id) {
    case idSearch: RunCommand([this] { Press(0); }); break;
    case idReplace: RunCommand([this] { Press(1); }); break;
    case idReplaceAll: RunCommand([this] { Press(2); }); break;
    case IDCANCEL: Hide(); break;
    }
}

}  // namespace tavrin
