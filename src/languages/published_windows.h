// The workbench's windows as a language file sees them: each window by its
// name with its components by theirs, the texts they showed before any
// language changed them (for the base file) and the properties a language
// line may set by name. The Win32 layer builds this from the live windows;
// tests build it by hand.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "designer/design_properties.h"

namespace tavrin {

// What a component is, for the rules of the base file.
enum class ComponentRole { Control, MenuItem, ToolBar, ToolButton, ToolSeparator, Panel };

struct PublishedComponent {
    std::string name;
    ComponentRole role = ComponentRole::Control;
    // The base texts; none when the component has no such property.
    std::optional<std::string> caption, text, hint;
    DesignProperties properties;
};

struct PublishedWindow {
    std::string name;
    std::optional<std::string> caption, hint;
    DesignProperties properties;
    // Every component the window owns, those inside its containers too.
    std::vector<PublishedComponent> components;
};

}  // namespace tavrin
