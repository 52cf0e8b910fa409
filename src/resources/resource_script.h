// The resource script the resource editor writes from its items: one line
// per picture, icon or cursor, the stored text of each imported dialog, and
// the text of each raw data item, every line linked to its item.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "resources/resource_items.h"

namespace tavrin {

struct ScriptLine {
    std::string text;
    const TResourcesItem* item = nullptr;
};

std::vector<ScriptLine> GenerateScript(const ResourceItems& items);
// The lines joined by CR LF, with a line end after the last.
std::string ScriptText(const std::vector<ScriptLine>& lines);

// Text as a resource-script string: in double quotes, with quotes doubled
// and backslashes doubled (a resource compiler reads "\n" in a path as a
// line break).
std::string ResourceString(std::string_view text);

}  // namespace tavrin
