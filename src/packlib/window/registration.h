// Window classes of the library and their window procedures.
#pragma once

#include <windows.h>

#include "packlib/api.h"

// Registers a form class of the given name for the executable's module (user programs
// register their own form classes this way). False when it is registered already.
VELPACK_API bool RegisterFormClass(const char* className);

namespace velpack {

// Registers "QForm" and the ten control classes (a class registered already is kept).
void RegisterLibraryClasses();
void UnregisterLibraryClasses();

// The window procedure of the window-system class that the window's class builds on (for
// the ten control classes), or null for a window of any other class.
WNDPROC BuiltOnProcedure(HWND window);

}  // namespace velpack
