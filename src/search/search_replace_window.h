// TSearchReplaceDialog, the find-and-replace window: "Find text:" with its
// history, "Replace with:", the "&Options" boxes, the "&Direction" and the
// buttons "&Search for", "&Replace" and "Replace &all". It works on the
// editor attached last; closing it only hides it. Stays on top.
#pragma once

#include <string>

#include "search/search_session.h"
#include "search/search_workspace.h"
#include "ui/form_window.h"

namespace tavrin {

class TConfirmReplaceDialog;

class TSearchReplaceDialog : public FormWindow {
public:
    enum ControlId {
        idSearch = IDOK,  // Enter presses "&Search for"
        idReplace = 1010, idReplaceAll, idFindText, idReplaceWith, idWholeWord, idCaseSensitive, idFromCursor,
        idSelectedText, idRegularExpression, idForward, idBackward
    };

    explicit TSearchReplaceDialog(SearchWorkspace& workspace);

    // The window that asks before each replacement of Replace all.
    void SetConfirmWindow(TConfirmReplaceDialog* confirm) { confirm_ = confirm; }

    // Works on the editor from now on (another editor clears the option boxes).
    void Attach(SearchTarget* editor);
    SearchTarget* Editor() const { return session_.Editor(); }
    void SetReplaceMode(bool on);
    bool ReplaceMode() const { return !session_.findOnly; }
    // "&Search for" (tag 0), "&Replace" (1), "Replace &all" (2).
    void Press(int tag);
    bool LastSearchFound() const { return session_.lastSearchFound; }

    void SetFindText(const std::string& text);
    void SetReplaceText(const std::string& text);
    SearchBoxOptions Options() const;
    void SetOptions(const SearchBoxOptions& options);
    HWND Control(int id) const { return GetDlgItem(Handle(), id); }
    const std::vector<std::string>& History() const { return session_.history; }

protected:
    DWORD Style() const override { return WS_POPUP | WS_CAPTION | WS_SYSMENU; }
    DWORD ExStyle() const override { return WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_CONTROLPARENT; }
    SIZE InitialSize() const override { return SIZE{436, 280}; }
    void OnCreate() override;
    void OnShow() override;
    void OnCommand(int id, int code, HWND control) override;

private:
    void ShowHistory();

    SearchWorkspace& workspace_;
    SearchSession session_;
    TConfirmReplaceDialog* confirm_ = nullptr;
    HWND replaceLabel_ = nullptr;
};

}  // namespace tavrin
