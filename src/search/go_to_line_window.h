// TGoToLine ("GoToLine"): a group whose caption shows the current page's line
// count, "Line no:" with an up/down number field that reaches every line of
// the page, "&Go" and "Place &Mark" (a bookmark on the line gone to). Stays
// on top.
#pragma once

#include "search/search_workspace.h"
#include "ui/form_window.h"

namespace tavrin {

class TGoToLine : public FormWindow {
public:
    enum ControlId { idGo = IDOK, idLine = 1030, idUpDown, idPlaceMark };

    explicit TGoToLine(SearchWorkspace& workspace);

    // "&Go" with the number in the field; false without a code page.
    bool Go();
    void SetLine(int line);
    void SetPlaceMark(bool checked);
    std::string GroupCaption() const;
    HWND Control(int id) const { return GetDlgItem(Handle(), id); }

protected:
    DWORD Style() const override { return WS_POPUP | WS_CAPTION | WS_SYSMENU; }
    DWORD ExStyle() const override { return WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_CONTROLPARENT; }
    SIZE InitialSize() const override { return SIZE{260, 150}; }
    void OnCreate() override;
    void OnShow() override;
    void OnCommand(int id, int code, HWND control) override;

private:
    SearchWorkspace& workspace_;
    HWND group_ = nullptr;
};

}  // namespace tavrin
