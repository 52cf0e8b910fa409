// Registering the window class of a child control of the workbench's own
// (palette strip, containers ...) once, for the workbench's module.
#pragma once

#include <windows.h>

namespace tavrin {

// Registers the class unless the module has one of that name already: the
// procedure, an arrow cursor, the class style and the background brush given
// (none: the window paints its own background).
void RegisterWindowClassOnce(const char* name, WNDPROC procedure, UINT style = 0, HBRUSH background = nullptr);

}  // namespace tavrin
