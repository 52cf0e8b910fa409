// One object of every kind a host or a program can reach: a window of each class of the
// registration text and a form, created by name, the objects their values lead to (a font,
// the form's menu bar and pop-up menu, a plain child frame), and one object of each class
// a program makes itself through the library's exported members (a menu item inside a
// pop-up menu, a pen, a brush, a picture, a bitmap, an icon, a cursor and a canvas).
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "library_members.h"
#include "velpack_binding.h"

struct LibraryObject {
    // The class name ("QButton") or "font", "mainmenu", "popupmenu", "frame", "menuitem",
    // "pen", "brush", "picture", "bitmap", "icon", "cursor", "canvas".
    std::string kind;
    void* object = nullptr;
    HWND window = nullptr;  // for the classes created by name
};

// The kinds a program makes itself, and the class of each.
struct ProgramKind {
    const char* kind;
    const char* className;
};
inline constexpr ProgramKind kProgramKinds[] = {
    {"menuitem", "QMenu"},  {"pen", "QPen"},       {"brush", "QBrush"},   {"picture", "QPicture"},
    {"bitmap", "QBitmap"},  {"icon", "QIcon"},     {"cursor", "QCursor"}, {"canvas", "QCanvas"}};

bool IsMenuKind(const std::string& kind);
// Whether the kind is a frame (a window class or "frame").
bool IsFrameKind(const std::string& kind);

// Objects a program made: each lives until this ends. A menu item is made inside a pop-up
// menu of its own.
class ProgramObjects {
public:
    explicit ProgramObjects(const LibraryMembers& members) : members_(members) {}
    // A new object of the kind, or null for a kind programs do not make.
    void* Make(const std::string& kind);

private:
    const LibraryMembers& members_;
    std::vector<std::unique_ptr<LibraryInstance>> made_;
};

class LibraryObjects {
public:
    // Everything is made inside the given host window.
    explicit LibraryObjects(HWND host);
    std::vector<LibraryObject> all;
    // The first object of the kind, or null, and its window.
    void* Of(const std::string& kind) const;
    HWND WindowOf(const std::string& kind) const;

private:
    LibraryMembers members_;
    ProgramObjects programObjects_{members_};
};

// The names of a property list text, in order.
std::vector<std::string> ListNames(const std::string& list);

// An address as the protocol writes it (unsigned decimal).
std::string AddressText(const void* address);
// The object whose address a value text gives.
void* ObjectFrom(const std::string& valueText);
