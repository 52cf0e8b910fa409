#include "packlib/core/property_table.h"

#include <cctype>

namespace velpack {

namespace {

std::string_view TrimBlanks(std::string_view text) {
    std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return std::string_view();
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

char Lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

}  // namespace

bool RowNameMatches(const char* rowName, std::string_view name, NameMatching matching) {
    if (matching == kTrimmedNames) name = TrimBlanks(name);
    std::size_t i = 0;
    for (; i < name.size(); ++i)
        if (rowName[i] == '\0' || Lower(rowName[i]) != Lower(name[i])) return false;
    return rowName[i] == '\0';
}

std::string TakeText(char* block) {
    std::string text = block ? block : "";
    std::free(block);
    return text;
}

void AppendName(std::string& list, const char* name) {
    if (!list.empty()) list += '\n';
    list += name;
}

}  // namespace velpack
