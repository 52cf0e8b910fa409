// A live workbench window as a language file sees it: the window by its name
// with a "caption" property, the items of its menu bar and of the pop-up
// menus it keeps, and its child controls (those inside child windows too,
// but not the live windows of packs), each by its name. A control that its
// window did not name is named after its kind and its place among the
// controls of that kind ("Button3", "Label1", "CheckBox2"). Buttons and
// labels have a "caption", edit and combo boxes a "text"; every control has
// "left", "top", "width" and "height"; the buttons of tool bars ("ToolButton1"
// and on, per window) have a "caption" when they show a text. The first
// change of a caption or text keeps the text it replaced as the base text.
#pragma once

#include <windows.h>

#include <string>

#include "languages/published_windows.h"

namespace tavrin {

class FormWindow;

PublishedWindow PublishWindow(FormWindow& window);

// The items of a pop-up menu made for one showing, as the components of the
// window of that name.
PublishedWindow PublishPopupMenu(const std::string& windowName, HMENU menu);

}  // namespace tavrin
