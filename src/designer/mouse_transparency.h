// Makes a live pack window and every window below it transparent to the
// mouse: a filter procedure replaces each window procedure, keeping the
// replaced one in the window property "@@@proc". The filter passes every
// message on and then answers the hit test with "transparent", so the mouse
// goes to the container beneath.
#pragma once

#include <windows.h>

namespace tavrin {

void MakeMouseTransparent(HWND window);
// Whether the window's procedure is the filter.
bool IsMouseTransparent(HWND window);

}  // namespace tavrin
