#include "languages/language_file.h"

#include "common/file_search.h"
#include "common/string_list.h"
#include "common/text.h"

namespace tavrin {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\x1a'; }

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::string_view Unquoted(std::string_view value) {
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') return value.substr(1, value.size() - 2);
    return value;
}

bool HasKey(const LanguageSection& section, std::string_view key) {
    for (const LanguageEntry& entry : section.entries)
        if (EqualsNoCase(entry.key, key)) return true;
    return false;
}

}  // namespace

const LanguageSection* LanguageFile::Find(std::string_view name) const {
    for (const LanguageSection& section : sections)
        if (EqualsNoCase(section.name, name)) return &section;
    return nullptr;
}

LanguageFile ParseLanguageText(std::string_view text) {
    LanguageFile file;
    LanguageSection* current = nullptr;  // null: lines belong to no block (or a repeated one)
    for (const std::string& raw : SplitLines(text)) {
        std::string_view line = Trimmed(raw);
        if (line.empty() || line.front() == ';' || line.find('\0') != std::string_view::npos) continue;
        if (line.front() == '[') {
            std::size_t close = line.rfind(']');
            std::string_view name = close == std::string_view::npos ? std::string_view() : Trimmed(line.substr(1, close - 1));
            current = nullptr;
            if (name.empty() || file.Find(name)) continue;
            file.sections.push_back({std::string(name), {}});
            current = &file.sections.back();
            continue;
        }
        std::size_t equals = line.find('=');
        if (!current || equals == std::string_view::npos) continue;
        std::string_view key = Trimmed(line.substr(0, equals));
        if (key.empty() || HasKey(*current, key)) continue;
        current->entries.push_back(
            {std::string(key), UnescapeLanguageValue(Unquoted(Trimmed(line.substr(equals + 1))))});
    }
    return file;
}

LanguageFile ReadLanguageFile(const std::string& path) {
    std::string bytes;
    if (ReadWholeFile(NativePath(path), bytes) != FileReadStatus::Ok) return {};
    return ParseLanguageText(bytes);
}

std::string EscapeLanguageValue(std::string_view text) {
    std::string value;
    value.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
            value += "\\n";
        } else if (text[i] == '\n') {
            value += "\\n";
        } else {
            value += text[i];
        }
    }
    return value;
}

std::string UnescapeLanguageValue(std::string_view value) {
    std::string text;
    text.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size() && value[i + 1] == 'n') {
            text += "\r\n";
            ++i;
        } else {
            text += value[i];
        }
    }
    return text;
}

}  // namespace tavrin
