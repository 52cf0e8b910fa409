// TFormsList: the window "FormsList" that lists the dialogs made by New
// Dialog, from which a hidden dialog is shown again, a visible one hidden, or
// a visible one closed together with its code page ("Destroy"). Viewed from
// the main window its "OK" and "Cancel" buttons are hidden; the resource
// editor shows it modally with them to choose dialogs.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <vector>

#include "ui/tool_window.h"

namespace tavrin {

class TDialog;

class TFormsList : public ToolWindow {
public:
    enum ControlId : int { idListBox = 340, idShow, idDestroy, idOK, idCancel };

    TFormsList();
    ~TFormsList() override;

    // One entry per dialog, its name as text, carrying the dialog.
    void AddDialog(TDialog& dialog);
    void RemoveDialog(const TDialog& dialog);
    // The forms list of the workbench (if any) forgets a dialog that goes.
    static void Forget(const TDialog& dialog);
    int Count() const;
    TDialog* Entry(int index) const;
    // "View" > "Forms...": without "OK" and "Cancel".
    void ShowAsView();
    // Shown modally with "OK" and "Cancel": the dialogs selected on OK, in
    // the list's order; none when cancelled.
    std::optional<std::vector<TDialog*>> ChooseModally();
    // The entry of a renamed dialog shows its new name.
    void DialogRenamed(const TDialog& dialog);

    // "Destroy": closes the dialog's code page (with its save question).
    std::function<void(TDialog&)> OnCloseDialogPage;

    // The selected dialog (the focused entry when it is selected, else the
    // first selected), or null.
    TDialog* SelectedDialog() const;
    void Select(int index, bool selected = true);
    // What a click in the list, "Show" and "Destroy" do.
    void ListClicked();
    void ShowClicked();
    void DestroyClicked();

    HWND Control(ControlId id) const { return GetDlgItem(Handle(), id); }

protected:
    void OnCreate() override;
    void OnShow() override;
    void OnSize(int width, int height) override;
    void OnCommand(int id, int code, HWND control) override;

private:
    void Enable(ControlId id, bool enabled) const;
    void ShowChoiceButtons(bool shown) const;
    HWND list_ = nullptr;
};

}  // namespace tavrin
