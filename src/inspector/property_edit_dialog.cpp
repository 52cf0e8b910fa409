#include "inspector/property_edit_dialog.h"

#include "inspector/property_editors.h"

namespace tavrin {

TPropertyEditDialog::TPropertyEditDialog()
    : FormWindow("TPropertyEditDialog", "PropertyEditDialog", "Property editor") {}

void TPropertyEditDialog::OnCreate() {
    // The box has nothing to edit yet; OK and Cancel let the user answer it.
    AddButton("OK", 170, 66, 75, 25, IDOK, true);
    AddButton("Cancel", 252, 66, 75, 25, IDCANCEL);
}

void TPropertyEditDialog::OnCommand(int id, int, HWND) {
    if (id == IDOK || id == IDCANCEL) EndModal(id);
}

void InstallPropertyEditDialog() {
    SetPropertyEditDialog([] {
        TPropertyEditDialog dialog;
        dialog.Create(GetActiveWindow());
        return dialog.ShowModal() == IDOK;
    });
}

}  // namespace tavrin
