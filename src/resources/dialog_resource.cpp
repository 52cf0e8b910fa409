#include "resources/dialog_resource.h"

#include <algorithm>

#include "common/text.h"
#include "designer/design_property_tables.h"
#include "resources/resource_script.h"

namespace tavrin {
namespace {

// Styles are written as unsigned decimals: a resource compiler does not take
// the negative number that a style with its highest bit set would give.
std::string Style(uint32_t value) { return std::to_string(value); }

std::string Numbers(const Bounds& units) {
    return std::to_string(units.left) + ", " + std::to_string(units.top) + ", " + std::to_string(units.width) +
           ", " + std::to_string(units.height);
}

// Every control of a dialog resource stands in the dialog itself: one inside
// another component is moved by that component's place (origin).
void WriteControls(std::string& text, const std::vector<ResourceControl>& controls, const DialogUnitsFont& font,
                   int originLeft, int originTop) {
    for (const ResourceControl& control : controls) {
        Bounds inDialog = control.bounds;
        inDialog.left += originLeft;
        inDialog.top += originTop;
        Bounds units = ToDialogUnits(inDialog, font);
        text += "   CONTROL " + ResourceString(control.name) + "," + std::to_string(control.id) + "," +
                ResourceString(control.className) + "," + Style(control.style) + ", " + Numbers(units) + ", " +
                Style(control.exStyle) + "\r\n";
        WriteControls(text, control.children, font, inDialog.left, inDialog.top);
    }
}

void WriteMenuItems(std::string& text, const std::vector<ResourceMenuItem>& items, int level) {
    std::string indent(level, ' ');
    for (const ResourceMenuItem& item : items) {
        if (item.items.empty()) {
            text += indent + "MENUITEM " + ResourceString(item.caption) + ", " + std::to_string(item.commandId) + "\r\n";
            continue;
        }
        text += indent + "POPUP " + ResourceString(item.caption) + "\r\n";
        text += indent + "BEGIN\r\n";
        WriteMenuItems(text, item.items, level + 1);
        text += indent + "END\r\n";
    }
}

ResourceMenuItem MenuItemOf(const MenuNode& node) {
    ResourceMenuItem item{node.caption, node.commandId, {}};
    for (const MenuNode* child : node.items) item.items.push_back(MenuItemOf(*child));
    return item;
}

struct PendingControl {
    ResourceControl control;
    std::string parent;
};

// Places the controls whose parent is named parentName (empty: the dialog),
// each followed by its own.
void Nest(std::vector<ResourceControl>& into, std::vector<PendingControl>& pending, const std::string& parentName,
          int depth) {
    for (PendingControl& entry : pending) {
        if (entry.control.name.empty() || !EqualsNoCase(entry.parent, parentName)) continue;
        into.push_back(std::move(entry.control));
        entry.control.name.clear();  // placed
        if (depth < 64) Nest(into.back().children, pending, into.back().name, depth + 1);
    }
}

}  // namespace

Bounds ToDialogUnits(const Bounds& pixels, const DialogUnitsFont& font) {
    // A font that measures nothing would divide by zero: one pixel stands in.
    int average = std::max(1, (font.letterWidth / 26 + 1) / 2);
    int height = std::max(1, font.fontHeight);
    return Bounds{pixels.left * 4 / average, pixels.top * 8 / height, pixels.width * 4 / average,
                  pixels.height * 8 / height};
}

std::string DialogResourceText(const DialogResource& dialog, const DialogUnitsFont& font) {
    std::string text;
    if (!dialog.menuName.empty()) {
        text += dialog.menuName + " MENU\r\nBEGIN\r\n";
        WriteMenuItems(text, dialog.menu, 0);
        text += "END\r\n";
    }
    Bounds units = ToDialogUnits(dialog.bounds, font);
    text += dialog.name + " DIALOGEX " + Numbers(units) + "\r\n";
    text += "CAPTION " + ResourceString(dialog.caption) + "\r\n";
    text += "STYLE " + Style(dialog.style) + "\r\nEXSTYLE " + Style(dialog.exStyle) + "\r\n";
    text += "BEGIN\r\n";
    WriteControls(text, dialog.controls, font, 0, 0);
    text += "END\r\n";
    return text;
}

DialogResource DialogResourceOf(const DialogDesign& dialog, const DialogWindowFacts& facts) {
    DialogResource resource;
    resource.name = dialog.name;
    auto caption = dialog.windowValues.find("Caption");
    resource.caption = caption != dialog.windowValues.end() ? caption->second : dialog.name;
    resource.bounds = dialog.bounds;
    WindowFacts own = facts.Dialog();
    resource.style = own.style;
    resource.exStyle = own.exStyle;

    std::vector<PendingControl> pending;
    for (const auto& component : dialog.components) {
        WindowFacts window = facts.Component(*component);
        ResourceControl control{component->name, window.id, component->packClass, window.style, window.exStyle,
                                component->bounds, {}};
        auto id = component->values.find("id");
        if (id != component->values.end()) ParseWholeNumber(id->second, control.id);
        pending.push_back({std::move(control), window.parent});
    }
    Nest(resource.controls, pending, "", 0);
    // A component whose parent is not among them stands in the dialog.
    for (PendingControl& entry : pending) {
        if (entry.control.name.empty()) continue;
        resource.controls.push_back(std::move(entry.control));
        entry.control.name.clear();
        Nest(resource.controls.back().children, pending, resource.controls.back().name, 1);
    }

    if (dialog.mainMenu) {
        resource.menuName = dialog.mainMenu->name;
        for (const MenuNode* item : dialog.mainMenu->items) resource.menu.push_back(MenuItemOf(*item));
    }
    return resource;
}

}  // namespace tavrin
