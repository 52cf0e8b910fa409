// One object of a dialog's main menu as its code describes it: the main menu
// itself or an item, with its name, caption, command and children.
#pragma once

#include <string>
#include <vector>

namespace tavrin {

struct MenuNode {
    std::string name;
    std::string caption;
    int commandId = 0;
    MenuNode* parent = nullptr;
    std::vector<MenuNode*> items;  // children in order; owned by whoever made them
};

}  // namespace tavrin
