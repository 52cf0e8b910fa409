#include "designer/live_design_builder.h"

#include <algorithm>

#include "designer/design_property_tables.h"
#include "common/text.h"
#include "designer/dialog_window.h"

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
    for (TDialog* dialog : dialogs_)
        for (const auto& component : dialog->ELDesigner.Components())
            if (object == component.get()) return component.get();
    return nullptr;
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
    return owner->AddComponentFromCode(std::string(name), std::string(packClass));
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
    TContainer* component = ComponentOf(object);
    return component ? SetOn(component->Properties(), name, text) : std::nullopt;
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

void LiveDesignBuilder::ShowDialog(DesignHandle dialog) {
    if (TDialog* shown = DialogOf(dialog)) shown->Show();
}

}  // namespace tavrin
