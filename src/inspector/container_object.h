// The inspector's view of a design-time container (InspectedObject over
// TContainer), and the way from a pack object to the container hosting its
// live window: the pack's "handle" value names the live window, which the
// container marked as its own.
#pragma once

#include <windows.h>

#include "designer/container.h"
#include "inspector/inspected_object.h"

namespace tavrin {

class ContainerObject : public InspectedObject {
public:
    // code: the dialog's page text (null: none); target: the tag of the
    // container's lines and the name they use ("this" for a dialog's own
    // container); dialogProperties: the dialog window's properties when the
    // container stands for a dialog.
    ContainerObject(TContainer& container, LineDocument* code, CodeObject target,
                    const DesignProperties* dialogProperties = nullptr);

    TContainer& Container() const { return *container_; }
    PackObject Object() const override { return container_->PackObject(); }
    const DesignProperties& Properties() const override { return container_->Properties(); }
    const DesignProperties& EditorProperties() const override;
    LineDocument* Code() const override { return code_; }
    CodeObject CodeTarget() const override { return target_; }

private:
    TContainer* container_;
    LineDocument* code_;
    CodeObject target_;
    const DesignProperties* dialogProperties_;
};

// The container whose live window the pack object reports as its "handle", or null.
TContainer* ContainerOfPackObject(PackApi& pack, PackObject object);

}  // namespace tavrin
