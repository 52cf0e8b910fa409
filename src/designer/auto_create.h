// The auto-create line "var shared <N>=Q<N>" that makes a dialog's program
// create and show the dialog: finding it, and adding or removing it for the
// editor's "AutoCreate Form" switch.
#pragma once

#include <string>
#include <string_view>

#include "editor/line_document.h"

namespace tavrin {

inline constexpr std::string_view kNoDialogAttached = "Internal error $2.\nNo dialog attached.";

// The first "var" line (comments removed, cut at blanks and "=") whose word
// after the first "=" is the second word of some line of the page, as a
// dialog's type name is on its type line; -1 if there is none.
int FindAutoCreateLine(const LineDocument& doc);
bool HasAutoCreate(const LineDocument& doc);

// The dialog a page belongs to, as the auto-create switch needs it.
struct AutoCreateDialog {
    std::string name;
    LineTag tag = nullptr;
};

enum class AutoCreateChange {
    Unchanged,
    Inserted,  // the caller shows the dialog
    Removed,   // the caller hides the page's dialog, if it has one
    NoDialog,  // the caller reports kNoDialogAttached
};

// on: adds the line after the dialog's "end type" (or, when its type is not
// found, after the first line whose first word is "end"), tagged with the
// dialog, unless the page has one already. off: deletes the line found.
// linkedDialog is null when the page belongs to no dialog.
AutoCreateChange SetAutoCreate(LineDocument& doc, bool on, const AutoCreateDialog* linkedDialog);

}  // namespace tavrin
