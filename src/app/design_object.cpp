#include "app/design_object.h"

#include "common/text.h"
#include "designer/dialog_window.h"

namespace tavrin {

namespace {

CodeObject TargetOf(TDialog& dialog, TContainer& container) {
    if (IsOwnContainer(dialog, container)) return {&container, "this", true};
    return {&container, container.Name(), false};
}

bool IsWindowPart(const std::string& name) {
    for (const char* part : {"Left", "Top", "Width", "Height"})
        if (EqualsNoCase(name, part)) return true;
    return false;
}

}  // namespace

bool IsOwnContainer(TDialog& dialog, const TContainer& container) { return &dialog.OwnContainer() == &container; }

DesignObject::DesignObject(TDialog& dialog, TContainer& container)
    : ContainerObject(container, dialog.Code, TargetOf(dialog, container),
                      IsOwnContainer(dialog, container) ? &dialog.Properties() : nullptr),
      dialog_(dialog), own_(IsOwnContainer(dialog, container)) {
    if (!own_) return;
    for (const std::string& name : container.Properties().Names()) {
        if (EqualsNoCase(name, "Name")) continue;  // "this" keeps its name
        const DesignProperty* property =
            IsWindowPart(name) ? dialog.Properties().Find(name) : container.Properties().Find(name);
        if (property) ownView_.Add(*property);
    }
}

LineDocument* DesignObject::Code() const { return dialog_.Code; }

CodeObject DesignObject::CodeTarget() const { return TargetOf(dialog_, Container()); }

}  // namespace tavrin
