// The list of designed dialogs shown modally with OK and Cancel, from which
// Import Dialogs takes the dialogs chosen (several may be chosen).
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "ui/form_window.h"

namespace tavrin {

class TDialogChooser : public FormWindow {
public:
    enum ControlId { idList = 1500, idOK = IDOK, idCancel = IDCANCEL };

    TDialogChooser();

    // Shows the names modally; the positions chosen on OK, none on Cancel.
    std::optional<std::vector<int>> Choose(const std::vector<std::string>& names);
    HWND List() const { return GetDlgItem(Handle(), idList); }

protected:
    DWORD Style() const override { return WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME; }
    DWORD ExStyle() const override { return WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT; }
    SIZE InitialSize() const override { return SIZE{260, 300}; }
    void OnCreate() override;
    void OnCommand(int id, int code, HWND control) override;
};

}  // namespace tavrin
