// Velpack for C++ programs: the class library as a program that links Velpack.dll sees
// it, and the library's services. Programs include this header and link the import
// library of Velpack.dll; the window classes are registered when the library loads.
#pragma once

#include <windows.h>

#include "packlib/api.h"
#include "packlib/controls/controls.h"
#include "packlib/core/object.h"
#include "packlib/core/protocol.h"
#include "packlib/exports/messagebox.h"
#include "packlib/graphics/font.h"
#include "packlib/graphics/graphics.h"
#include "packlib/lists/qlist.h"
#include "packlib/lists/qstringlist.h"
#include "packlib/menus/menu.h"
#include "packlib/text/numbers.h"
#include "packlib/text/textutils.h"
#include "packlib/window/form.h"
#include "packlib/window/frame.h"
#include "packlib/window/generic.h"
#include "packlib/window/registration.h"

// The exported entry points, callable by name from C++ as well.
extern "C" {
__declspec(dllimport) char* __stdcall GETPROPLIST(QPersistent* object);
__declspec(dllimport) QPropInfo* __stdcall GETPROPINFO(QPersistent* object, const char* name);
__declspec(dllimport) char* __stdcall GETPROPVALUE(QPersistent* object, const char* name);
__declspec(dllimport) int __stdcall SETPROPVALUE(QPersistent* object, const char* name,
                                                 const char* value);
__declspec(dllimport) char* __stdcall REGISTER();
__declspec(dllimport) char* __stdcall VERSION();
__declspec(dllimport) HWND __stdcall MAINWINDOW();
}
