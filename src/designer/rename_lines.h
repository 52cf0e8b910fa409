// A design object renamed in its dialog's code: the lines tagged with the
// object (its field declaration "<name> as <class>" and its statements
// "<name>.<member>...") take the new name; a dialog's type, constructor,
// cast operator and auto-create lines take the new dialog name. Other text,
// such as the user's own code, is left as it is.
#pragma once

#include <string>
#include <string_view>

#include "editor/line_document.h"

namespace tavrin {

// Why a component cannot take the name, or empty when it can: it must be an
// identifier, not "this", and no other component of the dialog may have it
// (taken answers that, without regard to case).
std::string ComponentNameError(std::string_view name, bool taken);

// The lines tagged with tag that begin with oldName (as a field or as the
// object of a statement) begin with newName instead. The number of lines changed.
int RenameObjectLines(LineDocument& doc, LineTag tag, std::string_view oldName, std::string_view newName);

// The dialog's own lines, "type Q<old> extends", "constructor Q<old>",
// "operator Q<old>.cast" and "var shared <old>=Q<old>", name the new dialog.
// The number of lines changed.
int RenameDialogLines(LineDocument& doc, std::string_view oldName, std::string_view newName);

}  // namespace tavrin
