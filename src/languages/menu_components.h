// The items of a menu as named components with a "caption" property. An item
// is named after its caption when it is first seen ("&Save As...\tF2" gives
// "menuSaveAs"); the items of menus that last (menu bars, kept pop-ups) keep
// that name and that caption as their base text when a language changes
// their captions later. A caption set by a language keeps the item's
// shortcut text (after the tab).
#pragma once

#include <windows.h>

#include <set>
#include <string>
#include <vector>

#include "languages/published_windows.h"

namespace tavrin {

// The name a caption gives an item: "menu" and the caption's words, each
// starting with a capital ("menuItem" for a caption without letters or digits).
std::string MenuItemName(const std::string& caption);

// Appends the items of the menu and of its sub-menus (depth first) to the
// components. Names already taken (compared without case) get a number; new
// names are added to taken. owner: the window whose menu bar this may be;
// remember: the menu lasts (its items keep their names in their item data).
void PublishMenuItems(HMENU menu, HWND owner, bool remember, std::set<std::string>& taken,
                      std::vector<PublishedComponent>& components);

}  // namespace tavrin
