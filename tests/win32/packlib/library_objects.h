// One object of every kind a host can reach through the exports: a window of each class
// of the registration text and a form, created by name, and the objects their values
// lead to (a font, the form's menu bar and pop-up menu, a plain child frame).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "velpack_binding.h"

struct LibraryObject {
    std::string kind;  // the class name ("QButton") or "font", "mainmenu", "popupmenu", "frame"
    void* object = nullptr;
    HWND window = nullptr;  // for the classes created by name
};

class LibraryObjects {
public:
    // Everything is made inside the given host window.
    explicit LibraryObjects(HWND host);
    std::vector<LibraryObject> all;
    // The first object of the kind, or null, and its window.
    void* Of(const std::string& kind) const;
    HWND WindowOf(const std::string& kind) const;
};

// The names of a property list text, in order.
std::vector<std::string> ListNames(const std::string& list);

// An address as the protocol writes it (unsigned decimal).
std::string AddressText(const void* address);
// The object whose address a value text gives.
void* ObjectFrom(const std::string& valueText);
