#include "workbench/save_box.h"

#include "common/file_replace.h"
#include "workbench/page_rules.h"

namespace tavrin {

std::optional<std::string> AskNameToWrite(
    FileBoxRequest request, const std::function<std::string(const std::string& chosen, int filterIndex)>& target) {
    for (;;) {
        FileBoxResult result = UserPrompts().SaveFile(request);
        if (!result.accepted || result.files.empty()) return std::nullopt;
        std::string path = target(result.files.front(), result.filterIndex);
        if (!IsReadOnlyFile(path)) return path;
        UserPrompts().Information(ReadOnlyMessage(path));
        request.fileName = result.files.front();
        request.filterIndex = result.filterIndex;
    }
}

}  // namespace tavrin
