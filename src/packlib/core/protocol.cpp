#include "packlib/core/protocol.h"

#include <cstdlib>
#include <cstring>

#include "packlib/text/textutils.h"

QPropInfo* LastPropInfo = nullptr;

namespace velpack {

char* NewText(const std::string& text) {
    char* block = static_cast<char*>(std::calloc(text.size() + 1, 1));
    if (block) std::memcpy(block, text.data(), text.size());
    return block;
}

QPropInfo* NewRecord(std::int32_t kind) {
    auto* info = static_cast<QPropInfo*>(std::malloc(sizeof(QPropInfo)));
    if (!info) return nullptr;
    std::memset(info, 0, sizeof(QPropInfo));
    info->Kind = kind;
    return info;
}

char* NewRowText(const char* text, const std::string& spelledName) {
    if (!text) return nullptr;
    if (text == kSpelledName) return NewText(spelledName);
    if (text == kLowerName) return NewText(LowerCase(spelledName));
    if (text == kEventClassName) return NewText(EventClassOf(spelledName));
    return NewText(text);
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
