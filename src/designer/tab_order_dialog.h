// TTabOrder, the "Tab Order..." window of a dialog under design: its
// components in code order, moved up and down; "OK" gives the new order.
#pragma once

#include <string>
#include <vector>

#include "ui/form_window.h"

namespace tavrin {

class TTabOrder : public FormWindow {
public:
    enum { lbxComponents = 750, btnUp, btnDown };

    explicit TTabOrder(std::vector<std::string> names);

    // The names in the order shown (after "OK", the new order).
    const std::vector<std::string>& Names() const { return names_; }
    HWND List() const { return GetDlgItem(Handle(), lbxComponents); }
    // Moves the selected entry one place up (-1) or down (+1).
    void MoveSelected(int by);

protected:
    DWORD Style() const override { return WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME; }
    DWORD ExStyle() const override { return WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT; }
    SIZE InitialSize() const override { return SIZE{300, 320}; }
    void OnCreate() override;
    void OnCommand(int id, int code, HWND control) override;

private:
    void Fill(int selected);

    std::vector<std::string> names_;
};

}  // namespace tavrin
