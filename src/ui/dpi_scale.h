// The resolution (dots per inch) the workbench's windows are shown at, the
// scaling of fixed pixel sizes to it, and the process's declaration that it
// scales itself: per monitor (version 2) where the system offers it, else for
// the system's resolution. Functions missing on older systems (and under
// Wine) are looked up in user32 at run time.
#pragma once

#include <windows.h>

#include "common/dpi_units.h"

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

namespace tavrin {

// The resolution of the primary display as the process sees it.
int SystemDpi();
// The resolution of the window's monitor; the system's when the system cannot tell.
int WindowDpi(HWND window);
// A 96-dots-per-inch size in pixels at the window's resolution.
int ScaleForWindow(HWND window, int pixels);

// Declares the process aware of resolutions: per-monitor version 2 where
// offered, otherwise system awareness. Runs before any window exists; true
// when a declaration was accepted (false also when the manifest already made one).
bool DeclareDpiAwareness();

// Moves every direct child window of parent from oldDpi to newDpi: positions
// and sizes scaled by newDpi / oldDpi.
void RescaleChildWindows(HWND parent, int oldDpi, int newDpi);

// A WM_DPICHANGED message: its new resolution, and the rectangle the system
// suggests for the window there.
int DpiOfChange(WPARAM wp);
void MoveToSuggestedRect(HWND window, LPARAM lp);

}  // namespace tavrin
