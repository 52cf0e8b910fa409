// The packs' part of start-up: the pack registry on the main window's palette,
// the Packs and customize-palette windows, and the hooks through which the main
// window loads the packs and shows those windows.
#pragma once

namespace tavrin {

class PackRegistry;

// The workbench's pack registry, made on first use (the main window must exist).
PackRegistry& WorkbenchPacks();

// Connects the registry to the main window and the code window's status bar.
void WirePacks();

}  // namespace tavrin
