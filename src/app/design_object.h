// A container of a dialog under design as the inspector sees it (a
// ContainerObject that follows its dialog): the page the dialog writes into
// now and the container's name now. A dialog's own container stands for the
// dialog: its place and size are the dialog window's, and its lines name it
// "this", as the code reader reads them.
#pragma once

#include "inspector/container_object.h"

namespace tavrin {

class TDialog;

class DesignObject : public ContainerObject {
public:
    DesignObject(TDialog& dialog, TContainer& container);

    TDialog& Dialog() const { return dialog_; }
    const DesignProperties& Properties() const override { return own_ ? ownView_ : ContainerObject::Properties(); }
    const DesignProperties& EditorProperties() const override { return Properties(); }
    LineDocument* Code() const override;
    CodeObject CodeTarget() const override;

private:
    TDialog& dialog_;
    bool own_;
    DesignProperties ownView_;  // for a dialog's own container
};

bool IsOwnContainer(TDialog& dialog, const TContainer& container);

}  // namespace tavrin
