// The designer's part of start-up: New Dialog on a code page, the dialogs
// read from opened files, the editor's auto-create switch, and the link
// between a dialog and its page (its code lines, the unsaved mark, the page's
// close hiding the dialog).
#pragma once

#include <vector>

namespace tavrin {

// Sets the code pages' dialog hooks.
void WireDialogs();

class TDialog;
// The dialogs of open pages, in the order made (a closed page's dialog is freed).
std::vector<TDialog*> DesignedDialogs();

}  // namespace tavrin
