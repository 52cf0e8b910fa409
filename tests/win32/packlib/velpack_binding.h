// Velpack.dll loaded the way the workbench loads it, by the pack host, with its
// protocol entry points as bound there and its service exports looked up by their
// decorated names.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "packapi/pack_protocol.h"
#include "packhost/pack_library.h"

struct FbText {
    const char* data;
    int length;
    int size;
};

using MessageBoxHook = int(__stdcall*)(HWND, const char*, const char*, unsigned);

// The protocol entry points (getPropList ... version) are those the pack host bound.
class VelpackBinding : public tavrin::PackEntryPoints {
public:
    VelpackBinding();
    bool Loaded() const { return library != nullptr; }

    std::string List(void* object) const;
    // The value text, or "<null>" when the library returns none.
    std::string Value(void* object, const char* name) const;
    bool Set(void* object, const char* name, const std::string& value) const;
    QPropInfo* Info(void* object, const char* name) const;

    std::unique_ptr<tavrin::PackLibrary> library;
    char*(__stdcall* standards)() = nullptr;
    char*(__stdcall* menus)() = nullptr;
    HWND(__stdcall* mainWindow)() = nullptr;
    void(__stdcall* showMessage)(const FbText*) = nullptr;
    int(__stdcall* messageDlg)(const FbText*, const FbText*, unsigned) = nullptr;
    FbText*(__stdcall* sysErrorMessage)(DWORD) = nullptr;
    FbText*(__stdcall* classNameIs)(HWND) = nullptr;
    void(__stdcall* debug)(const FbText*) = nullptr;
    MessageBoxHook(__cdecl* setMessageBoxHook)(MessageBoxHook) = nullptr;
};

// The one binding of the test program (the library stays loaded).
const VelpackBinding& Velpack();

std::string Text(const char* text);

// A top-level window of the test's own class, hosting library windows created by name.
class HostWindow {
public:
    HostWindow(int width = 400, int height = 300);
    ~HostWindow();
    HWND handle = nullptr;
};

// Creates a child of the class by name inside the parent; the object is what the
// library left in the parent's "this" property.
HWND CreateByName(const char* className, HWND parent, int x, int y, int width, int height,
                  DWORD style = WS_CHILD | WS_VISIBLE, int id = 0);
void* ObjectOf(HWND parent);
