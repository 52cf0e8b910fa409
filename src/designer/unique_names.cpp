#include "designer/unique_names.h"


namespace tavrin {

bool IsIdentifier(std::string_view name) {
    if (name.empty()) return false;
    for (size_t i = 0; i < name.size(); ++i) {
        char c = name[i];
        bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
        bool digit = c >= '0' && c <= '9';
        if (!letter && !(digit && i > 0)) return false;
    }
    return true;
}

std::string NameStem(std::string_view className) {
    if (className.size() < 2) return {};
    char first = className[0];
    if (first != 'Q' && first != 'T' && first != 'q' && first != 't') return {};
    return std::string(className.substr(1));
}

std::string UniqueName(std::string_view className, const std::function<bool(std::string_view)>& taken) {
    std::string stem = NameStem(className);
    for (int number = 1;; ++number) {
        std::string name = stem + std::to_string(number);
        if (!taken(name)) return name;
    }
}

std::string DefaultMenuItemCaption(int counter) { return "MenuItem" + std::to_string(counter); }

std::string IdentifierFilter(std::string_view text) {
    std::string kept;
    for (char c : text) {
        bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        bool digit = c >= '0' && c <= '9';
        if (letter || digit || c == '_' || c == '-') kept += c;
    }
    return kept;
}

std::string MenuItemNameError(std::string_view name, const std::function<bool(std::string_view)>& taken) {
    if (name.empty()) return {};
    if (!IsIdentifier(name)) return "''" + std::string(name) + "'' is not a valid component name";
    if (taken(name)) return "A component named " + std::string(name) + " already exists";
    return {};
}

}  // namespace tavrin
