#include "designer/live_design_builder.h"

#include <algorithm>

#include "common/text.h"
#include "designer/design_property_tables.h"
#include "designer/dialog_window.h"
#include "designer/unique_names.h"

// The system's headers name a function CreateDialog too.
#undef CreateDialog

namespace tavrin {

namespace {

std::optional<PropertyError> SetOn(const DesignProperties& properties, std::string_view name,
                                   std::string_view text) {
    const DesignProperty* property = properties.Find(name);
    if (!property || !property->set) return std::nullopt;  // not a design property: skipped
    if (!DesignValue(*property, text)) return PropertyError{DesignValueError(*property, text)};
    properties.Set(name, text);
    return std::nullopt;
}

Bounds Changed(Bounds bounds, const BoundsChange& change) {
    if (change.left) bounds.left = *change.left;
    if (change.top) bounds.top = *change.top;
    if (change.width) bounds.width = *change.width;
    if (change.height) bounds.height = *change.height;
    return bounds;
}

}  // namespace

TDialog* LiveDesignBuilder::DialogOf(DesignHandle object) const {
    for (TDialog* dialog : dialogs_)
        if (object == dialog || object == &dialog->OwnContainer()) return dialog;
    return nullptr;
}

TContainer* LiveDesignBuilder::ComponentOf(DesignHandle object) const {
    auto found = components_.find(object);
    return found == components_.end() ? nullptr : found->second;
}

CreatedDialog LiveDesignBuilder::CreateDialog(std::string_view name) {
    TDialog& dialog = newDialog_();
    dialog.SetName(std::string(name));
    dialogs_.push_back(&dialog);
    return {&dialog, &dialog.OwnContainer()};
}

DesignHandle LiveDesignBuilder::CreateContainer(DesignHandle dialog, std::string_view name,
                                                std::string_view packClass) {
    TDialog* owner = DialogOf(dialog);
    if (!owner) return nullptr;
    TContainer* made = owner->AddComponentFromCode(std::string(name), std::string(packClass), true);
    if (made) components_[made] = made;
    return made;
}

std::optional<PropertyError> LiveDesignBuilder::SetDesignProperty(DesignHandle object, std::string_view name,
                                                                  std::string_view text) {
    if (!object) return std::nullopt;
    if (TDialog* dialog = DialogOf(object)) {
        if (object == dialog) return SetOn(dialog->Properties(), name, text);
        // The own container stands for the dialog: its bounds are the window's,
        // and "this" keeps its name.
        static const char* const windowParts[] = {"Left", "Top", "Width", "Height"};
        for (const char* part : windowParts)
            if (EqualsNoCase(name, part)) return SetOn(dialog->Properties(), name, text);
        if (EqualsNoCase(name, "Name")) return std::nullopt;
        return SetOn(dialog->OwnContainer().Properties(), name, text);
    }
    if (TContainer* component = ComponentOf(object)) return SetOn(component->Properties(), name, text);
    if (MenuOf menu = FindMenu(object); menu.menu) return SetMenuProperty(menu, name, text);
    return std::nullopt;
}

LiveDesignBuilder::MenuOf LiveDesignBuilder::FindMenu(DesignHandle object) const {
    for (TDialog* dialog : dialogs_)
        if (DesignMenu* menu = dialog->Menus().OfTag(object)) return {dialog, menu};
    return {};
}

std::optional<PropertyError> LiveDesignBuilder::SetMenuProperty(const MenuOf& target, std::string_view name,
                                                                std::string_view text) {
    const DesignProperty* property = MenuPropertyKinds().Find(name);
    if (!property) return std::nullopt;
    std::optional<std::string> value = DesignValue(*property, text);
    if (!value) return PropertyError{DesignValueError(*property, text)};
    if (property->name == "Caption") {
        target.dialog->Menus().SetCaption(*target.menu, *value);
    } else if (property->name == "CommandID") {
        ParseWholeNumber(*value, target.menu->codeId);
    }
    // A menu object keeps the name of its field line.
    return std::nullopt;
}

DesignHandle LiveDesignBuilder::CreateMainMenu(DesignHandle dialog, std::string_view name) {
    TDialog* owner = DialogOf(dialog);
    if (!owner || !IsIdentifier(name)) return nullptr;
    DesignMenu* menu = owner->Menus().MainMenuFromCode(std::string(name));
    return menu ? &menu->code : nullptr;
}

DesignHandle LiveDesignBuilder::CreateMenuItem(DesignHandle dialog, std::string_view name) {
    TDialog* owner = DialogOf(dialog);
    if (!owner || !IsIdentifier(name)) return nullptr;
    return &owner->Menus().ItemFromCode(std::string(name))->code;
}

void LiveDesignBuilder::AddMenuItem(DesignHandle parent, DesignHandle item) {
    MenuOf above = FindMenu(parent), below = FindMenu(item);
    if (!above.menu || !below.menu || above.dialog != below.dialog) return;
    above.dialog->Menus().Attach(*above.menu, *below.menu);
}

void LiveDesignBuilder::SetBounds(DesignHandle object, const BoundsChange& change) {
    if (!object) return;
    if (TDialog* dialog = DialogOf(object)) {
        dialog->SetWindowBounds(Changed(dialog->WindowBounds(), change));
        return;
    }
    TContainer* container = ComponentOf(object);
    if (!container) return;
    Bounds now = Changed({container->Left(), container->Top(), container->Width(), container->Height()}, change);
    container->SetBounds(now.left, now.top, now.width, now.height);
}

void LiveDesignBuilder::SetParent(DesignHandle child, DesignHandle parent) {
    TContainer* inner = ComponentOf(child);
    TContainer* outer = parent ? ComponentOf(parent) : nullptr;
    if (!inner || (parent && !outer)) return;
    for (TContainer* up = outer; up; up = up->ParentComponent())
        if (up == inner) return;  // never inside itself
    inner->SetParentComponent(outer);
}

void LiveDesignBuilder::Finish() {
    for (TDialog* dialog : dialogs_)
        for (const auto& component : dialog->ELDesigner.Components()) component->CreateWindows();
}

void LiveDesignBuilder::ShowDialog(DesignHandle dialog) {
    if (TDialog* shown = DialogOf(dialog)) shown->Show();
}

}  // namespace tavrin
