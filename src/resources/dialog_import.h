// Import Dialogs: the dialogs chosen so far (each once, in the order chosen)
// become DIALOG items whose text is generated anew at every import; and the
// reading of one designed dialog back from the code of its page.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/line_document.h"
#include "resources/dialog_resource.h"
#include "resources/resource_items.h"

namespace tavrin {

struct DialogText {
    std::string name;
    std::string text;  // the dialog's resource text
};

class DialogImport {
public:
    // Adds the chosen dialogs not yet in the import list, then makes (or
    // renews) the DIALOG item of every dialog in it with describe's text.
    void Import(const std::vector<const void*>& chosen, ResourceItems& items,
                const std::function<DialogText(const void* dialog)>& describe);
    const std::vector<const void*>& Dialogs() const { return dialogs_; }

private:
    std::vector<const void*> dialogs_;
};

// Reads the page's dialogs and returns the one named dialogName, with the
// identifiers and styles of its windows; none when the page does not hold it.
std::optional<DialogResource> ReadDialogResource(LineDocument& page, std::string_view dialogName,
                                                 std::string_view hostClass, const DialogWindowFacts& facts);

}  // namespace tavrin
