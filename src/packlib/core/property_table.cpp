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

void AppendName(std::string& list, const char* name) {
    if (!list.empty()) list += '\n';
    list += name;
}

std::string TakeText(char* block) {
    std::string text = block ? block : "";
    std::free(block);
    return text;
}

bool PropertyChain::Matches(const char* rowName, const std::string& name) const {
    std::string_view compared = naming_ == Naming::kTrimmed ? TrimBlanks(name) : name;
    std::size_t i = 0;
    for (; i < compared.size(); ++i)
        if (rowName[i] == '\0' || Lower(rowName[i]) != Lower(compared[i])) return false;
    return rowName[i] == '\0';
}

std::string PropertyChain::CutIndexOf(std::string& name) const {
    return naming_ == Naming::kIndexed ? CutIndex(name) : std::string();
}

std::string PropertyChain::Names() const {
    std::string list = base_ && baseNames_ == kBaseNamesFirst ? base_().Names() : std::string();
    AppendOwnNames(list);
    return list;
}

char* PropertyChain::List() const {
    return NewText(Names());
}

QPropInfo* PropertyChain::Info(QObject& object, std::string& name) const {
    return InfoAs(object, name, remembering_);
}

QPropInfo* PropertyChain::InfoAs(QObject& object, std::string& name,
                                 Remembering remembering) const {
    std::string index = CutIndexOf(name);
    QPropInfo* info = nullptr;
    if (OwnInfo(object, {name, index}, remembering, info)) return info;
    return base_ ? base_().InfoAs(object, name, remembering) : nullptr;
}

char* PropertyChain::Value(QObject& object, std::string& name) const {
    std::string index = CutIndexOf(name);
    char* value = nullptr;
    if (OwnValue(object, {name, index}, value)) return value;
    return base_ ? base_().Value(object, name) : nullptr;
}

bool PropertyChain::Set(QObject& object, std::string& name, const char* value) const {
    std::string index = CutIndexOf(name);
    bool taken = false;
    if (OwnSet(object, {name, index}, value ? value : "", taken)) return taken;
    return base_ && base_().Set(object, name, value);
}

}  // namespace velpack
