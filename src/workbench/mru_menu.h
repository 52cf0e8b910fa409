// The MRU drop-down menu of the toolbar's open button, as the settings object
// sees it. Each item keeps the path it shows by its command identifier, so a
// click opens exactly that path whatever its caption holds.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "ui/app_windows.h"

namespace tavrin {

class Win32MRUMenu : public MRUMenuView {
public:
    Win32MRUMenu(HMENU menu, int firstCommand) : menu_(menu), firstCommand_(firstCommand) {}
    void RemoveAllItems() override;
    void AddItem(const std::string& path) override;
    HMENU Menu() const { return menu_; }
    // The path of the item with that command identifier, if there is one.
    std::optional<std::string> PathOf(int command) const;

private:
    HMENU menu_;
    int firstCommand_;
    std::vector<std::string> paths_;  // by command identifier - firstCommand_
};

}  // namespace tavrin
