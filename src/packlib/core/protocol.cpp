#include "packlib/core/protocol.h"

#include <cstdlib>
#include <cstring>

#include "packlib/text/textutils.h"

QPropInfo* LastPropInfo = nullptr;

namespace velpack {

const char* const kSpelledName = "\x01name";
const char* const kLowerName = "\x01lower";

char* NewText(const std::string& text) {
    char* block = static_cast<char*>(std::calloc(text.size() + 1, 1));
    if (block) std::memcpy(block, text.data(), text.size());
    return block;
}

namespace {

char* ResolveField(const char* field, const std::string& spelledName) {
    if (!field) return nullptr;
    if (field == kSpelledName) return NewText(spelledName);
    if (field == kLowerName) return NewText(LowerCase(spelledName));
    return NewText(field);
}

}  // namespace

QPropInfo* NewInfo(const InfoFields& fields, const std::string& spelledName, bool hasValue,
                   const std::string& value, bool remember) {
    auto* info = static_cast<QPropInfo*>(std::malloc(sizeof(QPropInfo)));
    if (!info) return nullptr;
    std::memset(info, 0, sizeof(QPropInfo));
    info->Kind = fields.kind;
    info->TypeName = ResolveField(fields.typeName, spelledName);
    info->Items = ResolveField(fields.items, spelledName);
    if (hasValue) info->Value = NewText(value);
    info->Editor = ResolveField(fields.editor, spelledName);
    if (remember) LastPropInfo = info;
    return info;
}

void SetInfoValue(QPropInfo* info, const std::string& value) {
    if (info) info->Value = NewText(value);
}

std::string AppendNames(const std::string& base, const char* const* names, int count) {
    std::string list = base;
    for (int i = 0; i < count; ++i) {
        if (!list.empty() || i > 0) list += '\n';
        list += names[i];
    }
    return list;
}

std::string EventClassOf(const std::string& name) {
    static const struct { const char* name; const char* eventClass; } kEvents[] = {
        {"onclick", "QEvent"},        {"ondblclick", "QEvent"},
        {"oncreate", "QEvent"},       {"ondestroy", "QEvent"},
        {"onpaint", "QEvent"},        {"ondata", "QDataEvent"},
        {"oncommand", "QCommandEvent"}, {"onmenu", "QMenuEvent"},
        {"onaccel", "QMenuEvent"},    {"onmousedown", "QMouseEvent"},
        {"onmouseup", "QMouseEvent"}, {"onmousemove", "QMouseMoveEvent"},
        {"onkeydown", "QKeyEvent"},   {"onkeyup", "QKeyEvent"},
        {"onkeypress", "QCharEvent"}, {"onmousewheel", "QMouseWheelEvent"},
    };
    std::string lower = LowerCase(name);
    for (const auto& event : kEvents)
        if (lower == event.name) return event.eventClass;
    return std::string();
}

std::string CutIndex(std::string& name) {
    std::size_t open = name.find('(');
    if (open == std::string::npos) return std::string();
    std::size_t close = name.find(')', open + 1);
    std::string index = name.substr(open + 1, close == std::string::npos ? std::string::npos
                                                                          : close - open - 1);
    name.erase(open);
    return index;
}

}  // namespace velpack
