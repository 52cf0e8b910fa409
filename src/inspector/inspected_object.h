// What the inspector needs of a design object (a component container, or a
// dialog's own container): its pack object, its published design properties
// and where its lines stand in the dialog's code. The designer's containers
// implement it through an adapter.
#pragma once

#include <string>

#include "designer/design_properties.h"
#include "designer/dialog_code.h"
#include "editor/line_document.h"
#include "packhost/pack_api.h"

namespace tavrin {

class InspectedObject {
public:
    virtual ~InspectedObject() = default;

    virtual PackObject Object() const = 0;
    // The design properties an edit may set (the container's own).
    virtual const DesignProperties& Properties() const = 0;
    // Where an editor's result goes: the dialog window's properties for a
    // dialog's own container, else the container's.
    virtual const DesignProperties& EditorProperties() const { return Properties(); }
    // The dialog's code page text, or null when the object has no page.
    virtual LineDocument* Code() const = 0;
    // The object's tag and the name its lines use.
    virtual CodeObject CodeTarget() const = 0;
};

}  // namespace tavrin
