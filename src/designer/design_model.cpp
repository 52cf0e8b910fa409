#include "designer/design_model.h"

#include <algorithm>

#include "common/text.h"
#include "designer/design_property_tables.h"
#include "designer/unique_names.h"

namespace tavrin {
namespace {

std::optional<PropertyError> Failure(std::string message) { return PropertyError{std::move(message)}; }

std::optional<PropertyError> InvalidName(std::string_view name) {
    return Failure("''" + std::string(name) + "'' is not a valid component name");
}

std::optional<PropertyError> NameExists(std::string_view name) {
    return Failure("A component named " + std::string(name) + " already exists");
}

// The design property of a table named name, and text converted for it
// (no property: the name is not a design property; no value: the text does
// not fit the property's kind).
struct Conversion {
    const DesignProperty* property = nullptr;
    std::optional<std::string> value;
};

Conversion Convert(const DesignProperties& table, std::string_view name, std::string_view text) {
    Conversion conversion;
    conversion.property = table.Find(name);
    if (conversion.property) conversion.value = DesignValue(*conversion.property, text);
    return conversion;
}

// Sets one of the four bounds numbers when the converted property is one of them.
bool SetBoundsPart(Bounds& bounds, const Conversion& conversion) {
    std::string_view property = conversion.property->name;
    int value = 0;
    if (conversion.property->kind != DesignKind::Integer || !ParseWholeNumber(*conversion.value, value))
        return false;
    if (property == "Left") bounds.left = value;
    else if (property == "Top") bounds.top = value;
    else if (property == "Width") bounds.width = value;
    else if (property == "Height") bounds.height = value;
    else return false;
    return true;
}

void ApplyBounds(Bounds& bounds, const BoundsChange& change) {
    if (change.left) bounds.left = *change.left;
    if (change.top) bounds.top = *change.top;
    if (change.width) bounds.width = *change.width;
    if (change.height) bounds.height = *change.height;
}

std::string BoundsText(const Bounds& b) {
    return std::to_string(b.left) + "," + std::to_string(b.top) + "," + std::to_string(b.width) + "," +
           std::to_string(b.height);
}

std::string ValuesText(const DesignValues& values) {
    std::string text = "{";
    for (const auto& [name, value] : values) text += name + "=" + value + ";";
    return text + "}";
}

std::string ComponentDifference(const std::string& where, const ComponentDesign& a, const ComponentDesign& b) {
    if (a.name != b.name) return where + ": name " + a.name + " / " + b.name;
    if (a.packClass != b.packClass) return where + " " + a.name + ": class " + a.packClass + " / " + b.packClass;
    if (a.bounds != b.bounds)
        return where + " " + a.name + ": bounds " + BoundsText(a.bounds) + " / " + BoundsText(b.bounds);
    if (a.values != b.values)
        return where + " " + a.name + ": values " + ValuesText(a.values) + " / " + ValuesText(b.values);
    std::string parentA = a.parent ? a.parent->name : "", parentB = b.parent ? b.parent->name : "";
    if (parentA != parentB) return where + " " + a.name + ": parent " + parentA + " / " + parentB;
    return {};
}

std::string MenuDifference(const MenuNode* a, const MenuNode* b) {
    if (!a || !b) return (a == b) ? std::string() : std::string("main menu present / absent");
    if (a->name != b->name) return "menu name " + a->name + " / " + b->name;
    if (a->caption != b->caption) return "menu " + a->name + ": caption " + a->caption + " / " + b->caption;
    if (a->commandId != b->commandId) return "menu " + a->name + ": command id";
    if (a->items.size() != b->items.size()) return "menu " + a->name + ": number of items";
    for (size_t i = 0; i < a->items.size(); ++i) {
        std::string difference = MenuDifference(a->items[i], b->items[i]);
        if (!difference.empty()) return difference;
    }
    return {};
}

bool Contains(const MenuNode* ancestor, const MenuNode* node) {
    for (; node; node = node->parent)
        if (node == ancestor) return true;
    return false;
}

}  // namespace

Bounds NewDialogBounds(int dialogCounter) {
    Bounds bounds = kDefaultDialogBounds;
    bounds.left += dialogCounter * kDialogCascadeStep;
    bounds.top += dialogCounter * kDialogCascadeStep;
    return bounds;
}

std::string NewDialogName(int dialogCounter) { return "Dialog" + std::to_string(dialogCounter + 1); }

std::string DesignDifference(const DialogDesign& a, const DialogDesign& b) {
    if (a.name != b.name) return "dialog name " + a.name + " / " + b.name;
    if (a.bounds != b.bounds) return "dialog bounds " + BoundsText(a.bounds) + " / " + BoundsText(b.bounds);
    if (a.visible != b.visible) return "dialog visibility";
    if (a.windowValues != b.windowValues)
        return "dialog values " + ValuesText(a.windowValues) + " / " + ValuesText(b.windowValues);
    std::string difference = ComponentDifference("own container", a.ownContainer, b.ownContainer);
    if (!difference.empty()) return difference;
    if (a.components.size() != b.components.size())
        return "number of components " + std::to_string(a.components.size()) + " / " +
               std::to_string(b.components.size());
    for (size_t i = 0; i < a.components.size(); ++i) {
        difference = ComponentDifference("component " + std::to_string(i), *a.components[i], *b.components[i]);
        if (!difference.empty()) return difference;
    }
    return MenuDifference(a.mainMenu, b.mainMenu);
}

DesignModel::DesignModel(std::string hostClass) : hostClass_(std::move(hostClass)) {}

DialogDesign& DesignModel::NewDialog(std::string_view name) {
    auto dialog = std::make_unique<DialogDesign>();
    dialog->name = std::string(name);
    dialog->ownContainer.name = "this";
    dialog->ownContainer.packClass = hostClass_;
    DialogDesign& result = *dialog;
    targets_[&result] = {Kind::Dialog, &result, nullptr, nullptr};
    targets_[&result.ownContainer] = {Kind::OwnContainer, &result, &result.ownContainer, nullptr};
    dialogs_.push_back(std::move(dialog));
    return result;
}

ComponentDesign& DesignModel::NewComponent(DialogDesign& dialog, std::string_view name,
                                           std::string_view packClass, const Bounds& bounds) {
    auto component = std::make_unique<ComponentDesign>();
    component->name = std::string(name);
    component->packClass = std::string(packClass);
    component->bounds = bounds;
    ComponentDesign& result = *component;
    targets_[&result] = {Kind::Component, &dialog, &result, nullptr};
    names_[&dialog].insert(ToLower(name));
    dialog.components.push_back(std::move(component));
    return result;
}

MenuNode& DesignModel::NewMainMenu(DialogDesign& dialog, std::string_view name) {
    auto node = std::make_unique<MenuNode>();
    node->name = std::string(name);
    MenuNode& result = *node;
    targets_[&result] = {Kind::Menu, &dialog, nullptr, &result};
    names_[&dialog].insert(ToLower(name));
    dialog.menuNodes.push_back(std::move(node));
    dialog.mainMenu = &result;
    return result;
}

MenuNode& DesignModel::NewMenuItem(DialogDesign& dialog, std::string_view name, std::string_view caption,
                                   int commandId, MenuNode* parent) {
    auto node = std::make_unique<MenuNode>();
    node->name = std::string(name);
    node->caption = std::string(caption);
    node->commandId = commandId;
    MenuNode& result = *node;
    targets_[&result] = {Kind::Menu, &dialog, nullptr, &result};
    names_[&dialog].insert(ToLower(name));
    dialog.menuNodes.push_back(std::move(node));
    if (parent) {
        result.parent = parent;
        parent->items.push_back(&result);
    }
    return result;
}

void DesignModel::DeleteComponent(DialogDesign& dialog, const ComponentDesign& component) {
    auto found = std::find_if(dialog.components.begin(), dialog.components.end(),
                              [&](const auto& owned) { return owned.get() == &component; });
    if (found == dialog.components.end()) return;
    // The components inside it go with it.
    for (size_t i = dialog.components.size(); i-- > 0;)
        if (i < dialog.components.size() && dialog.components[i]->parent == &component)
            DeleteComponent(dialog, *dialog.components[i]);
    found = std::find_if(dialog.components.begin(), dialog.components.end(),
                         [&](const auto& owned) { return owned.get() == &component; });
    targets_.erase(&component);
    names_[&dialog].erase(ToLower(component.name));
    dialog.components.erase(found);
}

const DesignModel::Target* DesignModel::Find(DesignHandle handle) const {
    auto found = targets_.find(handle);
    return found == targets_.end() ? nullptr : &found->second;
}

bool DesignModel::NameTaken(const DialogDesign& dialog, std::string_view name) const {
    // "this" and "base" stand for the dialog's own object in its code.
    if (EqualsNoCase(name, "this") || EqualsNoCase(name, "base")) return true;
    auto names = names_.find(&dialog);
    return names != names_.end() && names->second.count(ToLower(name)) > 0;
}

std::optional<PropertyError> DesignModel::Rename(const DialogDesign& dialog, std::string& name,
                                                const std::string& newName) {
    if (!IsIdentifier(newName)) return InvalidName(newName);
    if (!EqualsNoCase(newName, name) && NameTaken(dialog, newName)) return NameExists(newName);
    names_[&dialog].erase(ToLower(name));
    names_[&dialog].insert(ToLower(newName));
    name = newName;
    return std::nullopt;
}

CreatedDialog DesignModel::CreateDialog(std::string_view name) {
    DialogDesign& dialog = NewDialog(name);
    return {&dialog, &dialog.ownContainer};
}

DesignHandle DesignModel::CreateContainer(DesignHandle dialogHandle, std::string_view name,
                                          std::string_view packClass) {
    const Target* target = Find(dialogHandle);
    if (!target || target->kind != Kind::Dialog) return nullptr;
    if (!IsIdentifier(name) || NameTaken(*target->dialog, name)) return nullptr;
    return &NewComponent(*target->dialog, name, packClass);
}

DesignHandle DesignModel::CreateMainMenu(DesignHandle dialogHandle, std::string_view name) {
    const Target* target = Find(dialogHandle);
    if (!target || target->kind != Kind::Dialog || target->dialog->mainMenu) return nullptr;
    if (!IsIdentifier(name) || NameTaken(*target->dialog, name)) return nullptr;
    return &NewMainMenu(*target->dialog, name);
}

DesignHandle DesignModel::CreateMenuItem(DesignHandle dialogHandle, std::string_view name) {
    const Target* target = Find(dialogHandle);
    if (!target || target->kind != Kind::Dialog) return nullptr;
    if (!IsIdentifier(name) || NameTaken(*target->dialog, name)) return nullptr;
    return &NewMenuItem(*target->dialog, name, "", 0, nullptr);
}

void DesignModel::AddMenuItem(DesignHandle parentHandle, DesignHandle itemHandle) {
    const Target* parent = Find(parentHandle);
    const Target* item = Find(itemHandle);
    if (!parent || !item || parent->kind != Kind::Menu || item->kind != Kind::Menu) return;
    MenuNode* node = item->menu;
    // An item joins one menu once; a main menu or an ancestor never becomes a child.
    if (parent->dialog != item->dialog || node->parent || node == item->dialog->mainMenu ||
        Contains(node, parent->menu))
        return;
    node->parent = parent->menu;
    parent->menu->items.push_back(node);
}

void DesignModel::SetParent(DesignHandle childHandle, DesignHandle parentHandle) {
    const Target* child = Find(childHandle);
    if (!child || child->kind != Kind::Component) return;
    ComponentDesign* parent = nullptr;
    if (parentHandle) {
        const Target* target = Find(parentHandle);
        if (!target || target->kind != Kind::Component || target->dialog != child->dialog) return;
        for (ComponentDesign* up = target->component; up; up = up->parent)
            if (up == child->component) return;  // never inside itself
        parent = target->component;
    }
    child->component->parent = parent;
}

void DesignModel::ShowDialog(DesignHandle dialogHandle) {
    const Target* target = Find(dialogHandle);
    if (target && target->kind == Kind::Dialog) target->dialog->visible = true;
}

void DesignModel::SetBounds(DesignHandle object, const BoundsChange& change) {
    const Target* target = Find(object);
    if (!target) return;
    if (target->kind == Kind::Dialog || target->kind == Kind::OwnContainer)
        ApplyBounds(target->dialog->bounds, change);
    else if (target->kind == Kind::Component)
        ApplyBounds(target->component->bounds, change);
}

std::optional<PropertyError> DesignModel::SetDesignProperty(DesignHandle object, std::string_view name,
                                                            std::string_view text) {
    const Target* target = Find(object);
    if (!target) return std::nullopt;
    switch (target->kind) {
        case Kind::Dialog: return SetWindowValue(*target->dialog, name, text);
        case Kind::OwnContainer: return SetComponentValue(*target->dialog, *target->component, true, name, text);
        case Kind::Component: return SetComponentValue(*target->dialog, *target->component, false, name, text);
        case Kind::Menu: return SetMenuValue(*target->dialog, *target->menu, name, text);
    }
    return std::nullopt;
}

std::optional<PropertyError> DesignModel::SetComponentValue(DialogDesign& dialog, ComponentDesign& component,
                                                            bool own, std::string_view name,
                                                            std::string_view text) {
    Conversion converted = Convert(ContainerPropertyKinds(), name, text);
    if (!converted.property) return std::nullopt;
    if (!converted.value) return Failure(DesignValueError(*converted.property, text));
    // The dialog's own container stands for the dialog: its position is the window's.
    if (SetBoundsPart(own ? dialog.bounds : component.bounds, converted)) return std::nullopt;
    std::string_view canonical = converted.property->name;
    const std::string& value = *converted.value;
    if (canonical == "Name") {
        if (own) return std::nullopt;  // "this" keeps its name
        return Rename(dialog, component.name, value);
    }
    if (canonical == "Host") {
        if (!value.empty()) component.packClass = value;
        return std::nullopt;
    }
    if (canonical == "Node") return std::nullopt;  // tree nodes are not in the design
    component.values[std::string(canonical)] = value;
    return std::nullopt;
}

std::optional<PropertyError> DesignModel::SetWindowValue(DialogDesign& dialog, std::string_view name,
                                                         std::string_view text) {
    Conversion converted = Convert(DialogWindowPropertyKinds(), name, text);
    if (!converted.property) return std::nullopt;
    if (!converted.value) return Failure(DesignValueError(*converted.property, text));
    if (SetBoundsPart(dialog.bounds, converted)) return std::nullopt;
    std::string_view canonical = converted.property->name;
    const std::string& value = *converted.value;
    if (canonical == "Name") {
        if (!IsIdentifier(value)) return InvalidName(value);
        dialog.name = value;
        return std::nullopt;
    }
    if (canonical == "Visible") {
        dialog.visible = value == "True";
        return std::nullopt;
    }
    dialog.windowValues[std::string(canonical)] = value;
    return std::nullopt;
}

std::optional<PropertyError> DesignModel::SetMenuValue(DialogDesign& dialog, MenuNode& node,
                                                       std::string_view name, std::string_view text) {
    Conversion converted = Convert(MenuPropertyKinds(), name, text);
    if (!converted.property) return std::nullopt;
    if (!converted.value) return Failure(DesignValueError(*converted.property, text));
    std::string_view canonical = converted.property->name;
    if (canonical == "Name") return Rename(dialog, node.name, *converted.value);
    if (canonical == "Caption")
        node.caption = *converted.value;
    else
        ParseWholeNumber(*converted.value, node.commandId);
    return std::nullopt;
}

}  // namespace tavrin
