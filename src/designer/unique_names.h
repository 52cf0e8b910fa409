// Names for new design objects: the design surface's unique names
// ("Container1", "Container2", ... for the class TContainer, the first number
// free) and the menu editor's names for menu items, taken from their captions.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace tavrin {

// A name that code can use: a letter or "_" followed by letters, digits, "_".
bool IsIdentifier(std::string_view name);

// The stem of a class name: without a leading "Q", "T", "q" or "t" when it is
// at least 2 characters long, otherwise empty.
std::string NameStem(std::string_view className);

// stem + "1", stem + "2", ...: the first that taken() refuses.
std::string UniqueName(std::string_view className, const std::function<bool(std::string_view)>& taken);

// The default caption of the n-th menu item made since start-up: "MenuItem%d".
std::string DefaultMenuItemCaption(int counter);

// A caption with everything removed that is not a letter A to Z or a to z,
// a digit, "_" or "-" ("&File" gives "File").
std::string IdentifierFilter(std::string_view text);

// Why a menu item cannot take the name, or empty when it can: not an
// identifier (it begins with a digit or holds "-"), or taken by another item
// of the same main menu. An empty name is allowed.
std::string MenuItemNameError(std::string_view name, const std::function<bool(std::string_view)>& taken);

}  // namespace tavrin
