#include "resources/dialog_import.h"

#include <algorithm>

#include "common/text.h"
#include "designer/dialog_reader.h"
#include "resources/resource_types.h"

namespace tavrin {

void DialogImport::Import(const std::vector<const void*>& chosen, ResourceItems& items,
                          const std::function<DialogText(const void* dialog)>& describe) {
    for (const void* dialog : chosen)
        if (std::find(dialogs_.begin(), dialogs_.end(), dialog) == dialogs_.end()) dialogs_.push_back(dialog);
    for (const void* dialog : dialogs_) {
        DialogText described = describe(dialog);
        ResourceItems::Added added = items.AddResource(described.name, dialog, rtDialog);
        added.item->DialogText = std::move(described.text);
    }
}

std::optional<DialogResource> ReadDialogResource(LineDocument& page, std::string_view dialogName,
                                                 std::string_view hostClass, const DialogWindowFacts& facts) {
    DesignModel model{std::string(hostClass)};
    ParseDialogs(page, model, hostClass);
    for (const auto& dialog : model.Dialogs())
        if (EqualsNoCase(dialog->name, dialogName)) return DialogResourceOf(*dialog, facts);
    return std::nullopt;
}

}  // namespace tavrin
