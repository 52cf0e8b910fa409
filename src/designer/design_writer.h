// Writes a whole dialog design into an empty page the way the designer writes
// it step by step: the skeleton, the own container's lines, each component's
// lines, the property lines of the own container and the components (text
// properties quoted), and the main menu. The dialog window's own values are
// not part of the written form.
#pragma once

#include "designer/design_model.h"
#include "designer/dialog_code.h"
#include "editor/line_document.h"

namespace tavrin {

CodeObject CodeObjectOf(const ComponentDesign& component, bool ownContainer = false);
CodeObject OwnContainerObject(const DialogDesign& dialog);

// Appends the dialog to the page: the skeleton goes after any text there.
void WriteDialogDesign(LineDocument& doc, const DialogDesign& dialog, const DialogCodeSettings& settings);

// Everything but the skeleton, written into the dialog's blocks already in the page.
void WriteDialogContent(LineDocument& doc, const DialogDesign& dialog);

}  // namespace tavrin
