// TControlAlignment, the alignment dialog: two radio groups (horizontal and
// vertical) whose items name the design surface's alignment operations. The
// choice made with "OK" is remembered workbench-wide; "Cancel" resets it.
#pragma once

#include "ui/form_window.h"

namespace tavrin {

class TELDesigner;

// The remembered alignment choice: item indexes of the two groups.
struct AlignmentChoice {
    int horizontal = 0;
    int vertical = 0;
};
AlignmentChoice& RememberedAlignment();

class TControlAlignment : public FormWindow {
public:
    static constexpr int kClientWidth = 415;
    static constexpr int kClientHeight = 219;
    enum { rgxHorizontal = 700, rgxVertical = 710, kItems = 6 };

    TControlAlignment();

    // The radio button of a group's item (group rgxHorizontal or rgxVertical).
    HWND ItemButton(int group, int index) const { return GetDlgItem(Handle(), group + 1 + index); }
    int SelectedItem(int group) const;
    void SelectItem(int group, int index);
    void PressOk();
    void PressCancel();

protected:
    DWORD Style() const override { return WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_DLGFRAME; }
    DWORD ExStyle() const override { return WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT; }
    void OnCreate() override;
    void OnCommand(int id, int code, HWND control) override;
    LRESULT HandleMessage(UINT message, WPARAM wp, LPARAM lp) override;
};

// The dialog's "Alignment..." command: a fresh alignment dialog shown
// modally; on "OK" the choice is applied to the surface's selection.
void RunAlignmentDialog(TELDesigner& surface, HWND owner);

}  // namespace tavrin
