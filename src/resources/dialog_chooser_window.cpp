#include "resources/dialog_chooser_window.h"

#include "ui/component_names.h"
#include "ui/window_hooks.h"

namespace tavrin {

TDialogChooser::TDialogChooser() : FormWindow("TDialogChooser", "DialogChooser", "FormsList") {}

void TDialogChooser::OnCreate() {
    NameComponent(AddControl("LISTBOX", "", WS_TABSTOP | WS_VSCROLL | LBS_EXTENDEDSEL | LBS_NOTIFY, 8, 8, 228, 200,
                             idList, WS_EX_CLIENTEDGE),
                  "FormsList");
    NameComponent(AddButton("OK", 66, 220, 80, 26, idOK, true), "btnOK");
    NameComponent(AddButton("Cancel", 156, 220, 80, 26, idCancel), "btnCancel");
    EnableDialogKeys(Handle());
}

std::optional<std::vector<int>> TDialogChooser::Choose(const std::vector<std::string>& names) {
    SendMessageA(List(), LB_RESETCONTENT, 0, 0);
    for (const std::string& name : names) SendMessageA(List(), LB_ADDSTRING, 0, LPARAM(name.c_str()));
    if (ShowModal() != IDOK) return std::nullopt;
    std::vector<int> chosen;
    int count = static_cast<int>(SendMessageA(List(), LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
        if (SendMessageA(List(), LB_GETSEL, i, 0) > 0) chosen.push_back(i);
    return chosen;
}

void TDialogChooser::OnCommand(int id, int, HWND) {
    if (id == idOK || id == idCancel) EndModal(id);
}

}  // namespace tavrin
