// The design properties that the design model knows by name and kind, without
// access to any live object: a component container's, a dialog window's and
// a menu object's. The code reader's model converts text through them the way
// the live design objects do (DesignValue).
#pragma once

#include <string>
#include <string_view>

#include "designer/design_properties.h"

namespace tavrin {

// Name, Tag, Left, Top, Width, Height, Cursor, Hint, HelpType, HelpKeyword,
// HelpContext, Align, Color, Text, id, Host, HostHandle, Node.
const DesignProperties& ContainerPropertyKinds();
// The properties of a dialog's top-level design window.
const DesignProperties& DialogWindowPropertyKinds();
// Name, Caption and CommandID of a menu item or a main menu.
const DesignProperties& MenuPropertyKinds();

// Why text is no value of the property's kind.
std::string DesignValueError(const DesignProperty& property, std::string_view text);

// A whole number as design values take it: decimal, optional sign, 32 bits.
bool ParseWholeNumber(std::string_view text, int& value);

}  // namespace tavrin
