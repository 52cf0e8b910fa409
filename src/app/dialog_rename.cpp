#include "app/dialog_rename.h"

#include "app/dialog_documents.h"
#include "app/dialog_wiring.h"
#include "common/text.h"
#include "designer/dialog_window.h"
#include "designer/forms_list.h"
#include "designer/unique_names.h"
#include "workbench/code_page.h"
#include "workbench/code_window.h"
#include "workbench/page_rules.h"
#include "workbench/workbench.h"

namespace tavrin {

std::string DialogNameError(const TDialog& dialog, const std::string& name) {
    if (!IsIdentifier(name)) return "'" + name + "' is not a valid dialog name.";
    // Two dialogs of one name would declare the same type and variable.
    for (TDialog* other : DesignedDialogs())
        if (other != &dialog && DialogPage(*other) && EqualsNoCase(other->Name(), name))
            return "A dialog named " + name + " already exists.";
    return {};
}

void FollowDialogRename(TDialog& dialog, const std::string& oldName) {
    if (TFormsList* list = FormsList()) list->DialogRenamed(dialog);
    TCodePage* page = DialogPage(dialog);
    if (!page || !page->FileName().empty() || CaptionWithoutMark(page->Caption()) != oldName) return;
    bool marked = page->Caption() != oldName;
    page->SetCaption(marked ? "*" + dialog.Name() : dialog.Name());
    if (App().Code) App().Code->UpdatePageCaption(page);
}

}  // namespace tavrin
