// The items inside controls that show fixed texts, as components of their
// window for language files (the windows' own controls are in
// window_components.h):
//  - the tabs of a tab control, "TabSheet1" and on per window, "caption";
//  - the column headers of a list view that shows them, "ListColumn1" and on;
//  - the fixed texts a status bar shows at times, "StatusText1" and on,
//    "caption": the translation replaces the text whenever the window's code
//    shows it;
//  - the hint (tool tip) of a tool bar's button, "hint" of its "ToolButton"
//    component, asked of the tool bar's window as the tool tip asks it.
// Tab controls whose items show data are left out (component_names.h). The
// first change of an item keeps the text it replaced as its base text.
#pragma once

#include <windows.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "languages/published_windows.h"

namespace tavrin {

// Names of a window's unnamed components: the kind and its count among the
// components of that kind ("Button3"), never a name already taken.
struct ComponentNaming {
    std::map<std::string, int> counts;
    std::set<std::string> taken;  // lower case
    std::string Next(const std::string& kindName);
};

// The items of the control (tabs, columns, status texts) as components.
void PublishControlItems(HWND control, ComponentNaming& naming, std::vector<PublishedComponent>& components);

// Gives a tool button's component its "hint" when its tool bar shows tool
// tips and the window answers one for the button's command.
void AddToolButtonHint(HWND bar, int command, PublishedComponent& button);

// The text kept as a control's item's base text under key, else current.
std::string ItemBaseText(HWND control, const std::string& key, const std::string& current);
// Keeps current as the base text under key unless one is kept already.
void KeepItemBaseText(HWND control, const std::string& key, const std::string& current);

}  // namespace tavrin
