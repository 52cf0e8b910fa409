// The MRU drop-down menu of the toolbar's open button, as the settings object sees it.
#pragma once

#include <windows.h>

#include "ui/app_windows.h"

namespace tavrin {

class Win32MRUMenu : public MRUMenuView {
public:
    Win32MRUMenu(HMENU menu, int firstCommand) : menu_(menu), firstCommand_(firstCommand) {}
    void RemoveAllItems() override;
    void AddItem(const std::string& caption) override;
    HMENU Menu() const { return menu_; }

private:
    HMENU menu_;
    int firstCommand_;
};

}  // namespace tavrin
