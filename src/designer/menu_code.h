// A dialog's main menu as code that compiles against the pack's menu classes
// and that the code reader builds again:
//
//   type QDialog1 extends QForm
//      MainMenu as QMainMenu         ' one field per menu object
//      File as QMenu
//      Open as QMenu
//   ...
//   constructor QDialog1
//   Open.Caption="&Open"             ' items before their parents: an item
//   Open.CommandID=2                 ' gets its children before it is added
//   File.Caption="&File"             ' to its own parent, so the parent's
//   File.CommandID=1                 ' entry becomes a sub-menu
//   File.Add(@Open)
//   MainMenu.Add(@File)
//   base.MainMenu=@MainMenu          ' the form shows the menu bar
//   end constructor
//
// Every line is tagged with the menu object it was written for.
#pragma once

#include <string_view>

#include "designer/menu_node.h"
#include "editor/line_document.h"

namespace tavrin {

// Deletes every line tagged with the main menu or one of its items.
void RemoveMenuLines(LineDocument& doc, const MenuNode& mainMenu);

// Writes the menu's lines anew (its old tagged lines go first).
void WriteMainMenu(LineDocument& doc, std::string_view dialogName, const MenuNode& mainMenu);

}  // namespace tavrin
