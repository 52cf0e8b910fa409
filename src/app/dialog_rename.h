// A dialog renamed from the objects tree: the new name is refused when
// another dialog with a code page has it already; once renamed, the page's
// caption (while it shows the dialog's name, the page having no file yet)
// and the dialog's entry in the forms list show the new name.
#pragma once

#include <string>

namespace tavrin {

class TDialog;

// Why the dialog cannot take the name, or empty when it can.
std::string DialogNameError(const TDialog& dialog, const std::string& name);
// The page caption and the forms list follow the dialog's new name.
void FollowDialogRename(TDialog& dialog, const std::string& oldName);

}  // namespace tavrin
