// The resource text of one designed dialog: its menu bar as a MENU block and
// the dialog as a DIALOGEX block with one CONTROL line per component,
// coordinates in dialog units. DialogResourceOf gathers what the text needs
// from a dialog read back from its code and from the dialog's live windows.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "designer/design_bounds.h"
#include "designer/design_model.h"

namespace tavrin {

// The dialog window's font: the width of the 52 letters A to Z and a to z
// written in it, and its height, both in pixels.
struct DialogUnitsFont {
    int letterWidth = 0;
    int fontHeight = 0;
};

// Pixels to dialog units with the font's average character width.
Bounds ToDialogUnits(const Bounds& pixels, const DialogUnitsFont& font);

struct ResourceControl {
    std::string name;
    int id = 0;
    std::string className;  // the component's pack class
    uint32_t style = 0;
    uint32_t exStyle = 0;
    Bounds bounds;  // pixels, in the client area of the component or dialog it stands in
    std::vector<ResourceControl> children;
};

struct ResourceMenuItem {
    std::string caption;
    int commandId = 0;
    std::vector<ResourceMenuItem> items;
};

struct DialogResource {
    std::string name;
    std::string caption;
    Bounds bounds;  // pixels
    uint32_t style = 0;
    uint32_t exStyle = 0;
    std::vector<ResourceControl> controls;
    std::string menuName;  // empty: no menu bar
    std::vector<ResourceMenuItem> menu;
};

// The text, lines ended by CR LF.
std::string DialogResourceText(const DialogResource& dialog, const DialogUnitsFont& font);

// What only the live windows of a dialog know.
struct WindowFacts {
    int id = 0;
    uint32_t style = 0;
    uint32_t exStyle = 0;
    std::string parent;  // the component a component stands in; empty: the dialog
};

class DialogWindowFacts {
public:
    virtual ~DialogWindowFacts() = default;
    virtual WindowFacts Dialog() const = 0;
    virtual WindowFacts Component(const ComponentDesign& component) const = 0;
};

// The dialog as its code describes it (caption, bounds, components in code
// order, each right before the components inside it, the menu bar) with the
// identifiers and styles of its windows. A component's design property "id"
// wins over its window's identifier.
DialogResource DialogResourceOf(const DialogDesign& dialog, const DialogWindowFacts& facts);

}  // namespace tavrin
