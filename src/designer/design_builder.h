// What the dialog code reader builds through: dialogs, component containers,
// menus, design properties set from text and bounds. The designer implements
// it with live windows; DesignModel implements it in memory. Every object it
// creates is known by a handle, which is also the tag of the object's lines.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "editor/line_document.h"

namespace tavrin {

using DesignHandle = LineTag;

struct CreatedDialog {
    DesignHandle dialog = nullptr;
    DesignHandle ownContainer = nullptr;  // the hidden container "this" that stands for the dialog
};

// The coordinates a bounds call gave; a missing one stays as it is.
struct BoundsChange {
    std::optional<int> left, top, width, height;
};

// A design property value that could not be set (text that does not fit the
// property's kind). It stops the reading at the line that gave it.
struct PropertyError {
    std::string message;
};

class DesignBuilder {
public:
    virtual ~DesignBuilder() = default;

    // A new hidden dialog whose own container hosts the form class.
    virtual CreatedDialog CreateDialog(std::string_view name) = 0;
    // A component container of the dialog; null when none can be made under
    // that name (not an identifier, or taken): the line is then skipped.
    virtual DesignHandle CreateContainer(DesignHandle dialog, std::string_view name,
                                         std::string_view packClass) = 0;
    // Sets the design property name of object (a dialog, a container or a menu
    // object) from text. A name that is not a design property is skipped.
    virtual std::optional<PropertyError> SetDesignProperty(DesignHandle object, std::string_view name,
                                                           std::string_view text) = 0;
    // Puts a container into another container of the same dialog (null parent:
    // back onto the dialog). Refused silently when parent lies inside child.
    virtual void SetParent(DesignHandle child, DesignHandle parent) {}
    // A dialog's window bounds or a container's bounds.
    virtual void SetBounds(DesignHandle object, const BoundsChange& change) = 0;

    // The dialog's main menu; null when it has one already or the name cannot be used.
    virtual DesignHandle CreateMainMenu(DesignHandle dialog, std::string_view name) = 0;
    // A menu item of the dialog, not yet in any menu; null when the name cannot be used.
    virtual DesignHandle CreateMenuItem(DesignHandle dialog, std::string_view name) = 0;
    // Makes item the last child of parent (the main menu or an item).
    virtual void AddMenuItem(DesignHandle parent, DesignHandle item) = 0;

    virtual void ShowDialog(DesignHandle dialog) = 0;
    // The reading ended (at the last line, or at a line that stopped it).
    virtual void Finish() {}
};

}  // namespace tavrin
