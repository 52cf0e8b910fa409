// The main window's component commands: New Component (the wizard, then the
// generated pages) and Install Component (the install dialog, then the
// palette button for the class).
#pragma once

#include "wizard/install_class_window.h"
#include "wizard/new_class_window.h"

namespace tavrin {

NewClassHost MakeNewClassHost();
InstallClassHost MakeInstallClassHost();
// Sets the main window's newComponent and installComponent hooks.
void WireComponents(TInstallClass& install);
// The wizard, made on first use.
TNewClass& NewClassWindow();

}  // namespace tavrin
