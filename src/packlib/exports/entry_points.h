// The protocol entry points as the library itself calls them (the test program of the test
// build reads its objects the way a host does).
#pragma once

#include "packlib/core/object.h"

extern "C" {
char* __stdcall GETPROPLIST(QPersistent* object);
QPropInfo* __stdcall GETPROPINFO(QPersistent* object, const char* name);
char* __stdcall GETPROPVALUE(QPersistent* object, const char* name);
int __stdcall SETPROPVALUE(QPersistent* object, const char* name, const char* value);
}
