#include "resources/resource_script.h"

#include "common/text.h"
#include "resources/resource_types.h"

namespace tavrin {
namespace {

std::string_view TrimLineSpace(std::string_view text) {
    const char* space = " \t\r\n";
    size_t first = text.find_first_not_of(space);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(space) - first + 1);
}

std::string ItemText(const TResourcesItem& item) {
    switch (item.ResType) {
    case rtCursor:
    case rtBitmap:
    case rtIcon: return item.Name + " " + ResourceTypeName(item.ResType) + " " + ResourceString(item.FileName);
    case rtDialog: return item.Control ? item.DialogText : std::string();
    case rtRCData: return item.Data;
    default: return {};
    }
}

}  // namespace

std::string ResourceString(std::string_view text) {
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') quoted += c;
        quoted += c;
    }
    return quoted + "\"";
}

std::vector<ScriptLine> GenerateScript(const ResourceItems& items) {
    std::vector<ScriptLine> script;
    for (const auto& item : items.Items()) {
        std::string whole = ItemText(*item);
        std::string_view text = TrimLineSpace(whole);
        if (text.empty()) continue;
        for (std::string& line : SplitLines(text)) script.push_back({std::move(line), item.get()});
    }
    return script;
}

std::string ScriptText(const std::vector<ScriptLine>& lines) {
    std::string text;
    for (const ScriptLine& line : lines) text += line.text + "\r\n";
    return text;
}

}  // namespace tavrin
