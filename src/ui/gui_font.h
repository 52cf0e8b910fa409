// The workbench's shared GUI font (the system's message font) at each
// resolution a window is shown at, and the swap of it in a window's controls
// when the window moves to a display of another scale.
#pragma once

#include <windows.h>

namespace tavrin {

// The message font sized for dpi: the system's own font at the system's
// resolution, scaled from it for any other. Made once per resolution and kept
// for the whole run.
HFONT GuiFontForDpi(int dpi);

// Gives every direct child of parent that shows the GUI font of oldDpi the
// one of newDpi; controls with fonts of their own keep them.
void ChangeGuiFontOfChildren(HWND parent, int oldDpi, int newDpi);

}  // namespace tavrin
