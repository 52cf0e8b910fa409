// Every message box of the library goes through here, so that a program (or a test) can
// take the boxes over instead of showing them.
#pragma once

#include <windows.h>

#include "packlib/api.h"

// Receives the box's owner, text, caption and style; returns the button the box would
// have returned (IDOK, IDYES ...).
using VelpackMessageBoxHook = int(__stdcall*)(HWND owner, const char* text, const char* caption,
                                              unsigned style);

extern "C" {
// Installs the hook (null shows real boxes again); returns the previous hook.
VELPACK_API VelpackMessageBoxHook VelpackSetMessageBoxHook(VelpackMessageBoxHook hook);
}

namespace velpack {

int ShowMessageBox(HWND owner, const char* text, const char* caption, unsigned style);

// Routes the lists' error reports to message boxes.
void InstallListErrorBoxes();

}  // namespace velpack
