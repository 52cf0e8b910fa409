// The private clipboard data of the design surface: components with their
// class name, name, named properties and children, as text that only this
// workbench reads; and the renaming and placing of pasted components.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "designer/design_bounds.h"
#include "designer/surface_geometry.h"

namespace tavrin {

// The name under which the data is put on the clipboard.
inline constexpr const char* kClipboardFormat = "Extension Library designer components";

struct ClipboardComponent {
    std::string className;
    std::string name;
    std::vector<std::pair<std::string, std::string>> properties;  // in order
    std::vector<ClipboardComponent> children;
};

// One "object <name>: <class>" line, a "<property>=<value>" line per
// property (value escaped so that it stays on its line), the children, "end".
std::string ClipboardText(const std::vector<ClipboardComponent>& components);

// The components of such a text. Lines it cannot use are skipped; an object
// left open at the end is closed.
std::vector<ClipboardComponent> ParseClipboardText(std::string_view text);

// Gives every pasted component whose name taken() refuses, or that an
// earlier pasted component already has, the first free stem + number of its
// class name; property values that name a renamed pasted component (without
// regard to case) follow the new name.
void RenamePasted(std::vector<ClipboardComponent>& components, const std::function<bool(std::string_view)>& taken);

// Where a pasted control goes: moved by (xStep, yStep) for as long as it
// stands exactly on the left and top of another sibling.
Point FreePasteSpot(Point at, const std::vector<Point>& siblings, int xStep, int yStep);

}  // namespace tavrin
