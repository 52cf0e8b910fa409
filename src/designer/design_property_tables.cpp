#include "designer/design_property_tables.h"

#include <cstdint>

#include "common/text.h"

namespace tavrin {
namespace {

DesignProperty Kind(std::string name, DesignKind kind, std::vector<std::string> values = {}) {
    return DesignProperty{std::move(name), kind, std::move(values), {}, {}};
}

// The properties every control has first: its name, tag and bounds; then the others.
DesignProperties ControlTable(std::vector<DesignProperty> others) {
    DesignProperties table;
    table.Add(Kind("Name", DesignKind::Text));
    for (const char* name : {"Tag", "Left", "Top", "Width", "Height"}) table.Add(Kind(name, DesignKind::Integer));
    for (DesignProperty& property : others) table.Add(std::move(property));
    return table;
}

const std::vector<std::string> kHelpTypes = {"htKeyword", "htContext"};

}  // namespace

const DesignProperties& ContainerPropertyKinds() {
    static const DesignProperties table = ControlTable({
        Kind("Cursor", DesignKind::Integer),
        Kind("Hint", DesignKind::Text),
        Kind("HelpType", DesignKind::Enumeration, kHelpTypes),
        Kind("HelpKeyword", DesignKind::Text),
        Kind("HelpContext", DesignKind::Integer),
        Kind("Align", DesignKind::Enumeration,
             {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient", "alCustom"}),
        Kind("Color", DesignKind::Integer),
        Kind("Text", DesignKind::Text),
        Kind("id", DesignKind::Integer),
        Kind("Host", DesignKind::Text),
        Kind("HostHandle", DesignKind::Integer),
        Kind("Node", DesignKind::Text),
    });
    return table;
}

const DesignProperties& DialogWindowPropertyKinds() {
    static const DesignProperties table = ControlTable({
        Kind("ClientWidth", DesignKind::Integer),
        Kind("ClientHeight", DesignKind::Integer),
        Kind("Caption", DesignKind::Text),
        Kind("Color", DesignKind::Integer),
        Kind("Hint", DesignKind::Text),
        Kind("Visible", DesignKind::Boolean),
        Kind("Enabled", DesignKind::Boolean),
        Kind("ShowHint", DesignKind::Boolean),
        Kind("Cursor", DesignKind::Integer),
        Kind("HelpType", DesignKind::Enumeration, kHelpTypes),
        Kind("HelpKeyword", DesignKind::Text),
        Kind("HelpContext", DesignKind::Integer),
        Kind("BorderStyle", DesignKind::Enumeration,
             {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"}),
        Kind("WindowState", DesignKind::Enumeration, {"wsNormal", "wsMinimized", "wsMaximized"}),
        Kind("AutoScroll", DesignKind::Boolean),
        Kind("KeyPreview", DesignKind::Boolean),
    });
    return table;
}

const DesignProperties& MenuPropertyKinds() {
    static const DesignProperties table = [] {
        DesignProperties menu;
        menu.Add(Kind("Name", DesignKind::Text));
        menu.Add(Kind("Caption", DesignKind::Text));
        menu.Add(Kind("CommandID", DesignKind::Integer));
        return menu;
    }();
    return table;
}

std::string DesignValueError(const DesignProperty& property, std::string_view text) {
    std::string error = "'";
    error += text;
    error += property.kind == DesignKind::Integer ? "' is not a valid integer value" : "' is not a value of ";
    if (property.kind != DesignKind::Integer) error += property.name;
    return error;
}

bool ParseWholeNumber(std::string_view text, int& value) {
    long long number = 0;
    if (!ParseInt(text, number) || number < INT32_MIN || number > INT32_MAX) return false;
    value = static_cast<int>(number);
    return true;
}

}  // namespace tavrin
