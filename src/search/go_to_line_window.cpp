#include "search/go_to_line_window.h"

#include <commctrl.h>

#include <Scintilla.h>

#include "common/commands.h"
#include "common/text.h"
#include "editor/super_edit.h"
#include "search/go_to_line_rules.h"
#include "ui/component_names.h"
#include "ui/window_hooks.h"

namespace tavrin {

TGoToLine::TGoToLine(SearchWorkspace& workspace) : FormWindow("TGoToLine", "GoToLine", "GoToLine"), workspace_(workspace) {}

void TGoToLine::OnCreate() {
    group_ = NameComponent(AddControl("BUTTON", "void lines", BS_GROUPBOX, 8, 4, 236, 56), "gbLines");
    NameComponent(AddLabel("Line no:", 18, 28, 60, 18), "lblLineNo");
    HWND line = NameComponent(AddControl("EDIT", "0", WS_TABSTOP | ES_NUMBER | ES_AUTOHSCROLL, 84, 24, 120, 22, idLine,
                                         WS_EX_CLIENTEDGE),
                              "edLine");
    HWND upDown = CreateWindowExA(0, UPDOWN_CLASSA, "",
                                  WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS,
                                  0, 0, 0, 0, Handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(idUpDown)),
                                  GetModuleHandleA(nullptr), nullptr);
    NameComponent(upDown, "udLine");
    SendMessageA(upDown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(line), 0);
    SendMessageA(upDown, UDM_SETRANGE32, 0, 0);
    NameComponent(AddButton("&Go", 8, 72, 80, 26, idGo, true), "btnGo");
    NameComponent(AddControl("BUTTON", "Place &Mark", WS_TABSTOP | BS_AUTOCHECKBOX, 100, 76, 140, 20, idPlaceMark),
                  "cbPlaceMark");
    EnableDialogKeys(Handle());
}

std::string TGoToLine::GroupCaption() const { return WindowText(group_); }

void TGoToLine::OnShow() {
    TELSuperEdit* edit = workspace_.CurrentEdit();
    std::optional<int> lines;
    if (edit) lines = edit->LineCount();
    SetWindowTextA(group_, LineCountCaption(lines).c_str());
    // Every line of the page can be chosen; the field starts on the caret's line.
    SendMessageA(Control(idUpDown), UDM_SETRANGE32, 0, std::max(1, lines.value_or(0)));
    SetLine(edit ? edit->CaretLine() + 1 : 0);
    SetFocus(Control(idLine));
    SendMessageA(Control(idLine), EM_SETSEL, 0, -1);
}

void TGoToLine::SetLine(int line) { SetWindowTextA(Control(idLine), std::to_string(line).c_str()); }

void TGoToLine::SetPlaceMark(bool checked) {
    SendMessageA(Control(idPlaceMark), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool TGoToLine::Go() {
    TELSuperEdit* edit = workspace_.CurrentEdit();
    if (!edit) return false;
    long long chosen = 0;
    if (!ParseInt(WindowText(Control(idLine)), chosen)) chosen = 1;
    int line = ClampedLine(chosen, edit->LineCount()) - 1;
    edit->SetTopLine(line);
    edit->Call(SCI_GOTOLINE, line);
    edit->SetTopLine(line);
    if (SendMessageA(Control(idPlaceMark), BM_GETCHECK, 0, 0) == BST_CHECKED &&
        !(edit->Call(SCI_MARKERGET, line) & (1 << TELSuperEdit::kBookmarkMarker)))
        edit->Call(SCI_MARKERADD, line, TELSuperEdit::kBookmarkMarker);
    SetFocus(edit->Handle());
    return true;
}

void TGoToLine::OnCommand(int id, int, HWND) {
    switch (id) {
    case idGo:
        RunCommand([this] {
            if (Go()) Hide();
        });
        break;
    case IDCANCEL: Hide(); break;
    }
}

}  // namespace tavrin
