// Names of a window's components, for the parts that address controls by
// name at run time (language files). The window that creates a control names
// it (NameComponent); a control without a name is still found by the name its
// kind and position give it (see the languages' window components). Windows
// also list here the pop-up menus they keep, so that their items count among
// their components. With them, the small reads and writes of a control's
// text and check mark that windows addressing controls need.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace tavrin {

// Gives the control its name; returns the control.
HWND NameComponent(HWND control, const std::string& name);
// The name given to the control, or "" when none was.
std::string ComponentName(HWND control);

// The pop-up menus a window keeps for the life of the window (not those made
// for one showing).
void RegisterPopupMenu(HWND owner, HMENU menu);
std::vector<HMENU> PopupMenusOf(HWND owner);

// A control whose items show data (file names, pack pages) rather than texts
// of the workbench: languages leave its items alone.
void MarkItemsAsData(HWND control);
bool ItemsAreData(HWND control);

// The fixed texts a status bar shows at times (its window's code sets them as
// things happen), so that a language can translate them whenever they show.
void DeclareStatusTexts(HWND statusBar, const std::vector<std::string>& texts);
std::vector<std::string> DeclaredStatusTexts(HWND statusBar);
// The fixed texts another control (a button whose caption follows a state)
// is given by its window's code at run time, likewise translated whenever set.
void DeclareRunTimeTexts(HWND control, const std::vector<std::string>& texts);
std::vector<std::string> DeclaredRunTimeTexts(HWND control);

// The text of a window or control.
std::string WindowText(HWND window);
// The check mark of a check box or radio button.
bool IsChecked(HWND box);
void SetChecked(HWND box, bool checked);

// The same text kept for the life of the process (a window property or a
// menu item's data may point at it).
const std::string* InternedText(const std::string& text);

}  // namespace tavrin
