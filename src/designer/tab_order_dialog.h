// TTabOrder, the "Tab Order..." window of a dialog under design: its
// components in code order, moved up and down; "OK" gives the new order.
// A component inside another is listed with the one that holds it.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "ui/form_window.h"

namespace tavrin {

class TTabOrder : public FormWindow {
public:
    enum { lbxComponents = 750, btnUp, btnDown };

    // parents: for each component inside another, the name of that one.
    explicit TTabOrder(std::vector<std::string> names, std::map<std::string, std::string> parents = {});

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

    std::string Label(const std::string& name) const;

    std::vector<std::string> names_;
    std::map<std::string, std::string> parents_;
};

}  // namespace tavrin
