#include "designer/rename_lines.h"

#include <vector>

#include "common/text.h"
#include "designer/unique_names.h"
#include "designer/word_split.h"

namespace tavrin {

namespace {

// Where the line's first word begins (after its indentation).
size_t Indentation(const std::string& line) {
    size_t at = 0;
    while (at < line.size() && (line[at] == ' ' || line[at] == '\t')) ++at;
    return at;
}

// Whether text at position at holds word, ending there (at the end, a blank or one of ends).
bool WordAt(const std::string& text, size_t at, std::string_view word, std::string_view ends) {
    if (at + word.size() > text.size() || !EqualsNoCase(std::string_view(text).substr(at, word.size()), word))
        return false;
    if (at + word.size() == text.size()) return true;
    char next = text[at + word.size()];
    return next == ' ' || next == '\t' || ends.find(next) != std::string_view::npos;
}

}  // namespace

std::string ComponentNameError(std::string_view name, bool taken) {
    std::string error;
    if (!IsIdentifier(name) || EqualsNoCase(name, "this")) {
        error.append("'").append(name).append("' is not a valid component name.");
    } else if (taken) {
        error.append("A component named '").append(name).append("' already exists.");
    }
    return error;
}

int RenameObjectLines(LineDocument& doc, LineTag tag, std::string_view oldName, std::string_view newName) {
    if (!tag || oldName.empty()) return 0;
    int changed = 0;
    for (int i = 0, count = doc.LineCount(); i < count; ++i) {
        if (doc.Tag(i) != tag) continue;
        std::string line = doc.Line(i);
        size_t start = Indentation(line);
        if (!WordAt(line, start, oldName, ".=(")) continue;
        doc.SetLine(i, line.substr(0, start) + std::string(newName) + line.substr(start + oldName.size()));
        ++changed;
    }
    return changed;
}

int RenameDialogLines(LineDocument& doc, std::string_view oldName, std::string_view newName) {
    std::string oldType(1, 'Q'), newType(1, 'Q');
    oldType.append(oldName);
    newType.append(newName);
    int changed = 0;
    for (int i = 0, count = doc.LineCount(); i < count; ++i) {
        std::string line = doc.Line(i);
        std::vector<std::string_view> words = SplitCodeWords(line);
        if (words.size() < 2) continue;
        bool typeLine = EqualsNoCase(words[0], "type") || EqualsNoCase(words[0], "constructor");
        bool castLine = EqualsNoCase(words[0], "operator");
        bool autoCreate = words.size() >= 4 && EqualsNoCase(words[0], "var") && EqualsNoCase(words[1], "shared") &&
                          EqualsNoCase(words[2], oldName) && words[3] == "=";
        std::string renamed = line;
        if (autoCreate) {
            size_t at = static_cast<size_t>(words[2].data() - line.data());
            size_t typeAt = line.find('=', at) + 1;
            while (typeAt < line.size() && line[typeAt] == ' ') ++typeAt;
            if (!WordAt(line, typeAt, oldType, "")) continue;
            renamed = line.substr(0, at) + std::string(newName) + line.substr(at + oldName.size(), typeAt - at - oldName.size()) +
                      newType + line.substr(typeAt + oldType.size());
        } else if (typeLine || castLine) {
            size_t at = static_cast<size_t>(words[1].data() - line.data());
            if (!WordAt(line, at, oldType, castLine ? "." : "")) continue;
            renamed = line.substr(0, at) + newType + line.substr(at + oldType.size());
        } else {
            continue;
        }
        doc.SetLine(i, renamed);
        ++changed;
    }
    return changed;
}

}  // namespace tavrin
