// The records and texts of the property protocol: every text and record handed out is a
// new block of the C heap that the library never frees.
#pragma once

#include <cstdint>
#include <string>

#include "packapi/pack_protocol.h"
#include "packlib/api.h"

// The most recent record made by QObject, a frame class or a standard control.
extern VELPACK_API QPropInfo* LastPropInfo;

namespace velpack {

// A new zero-terminated copy of the text (calloc).
char* NewText(const std::string& text);

// Names of a protocol row that stand for the property name as the caller spelled it
// ("Name") and for its lower-case form ("lower").
extern const char* const kSpelledName;
extern const char* const kLowerName;

struct InfoFields {
    std::int32_t kind;
    const char* typeName;  // text, kSpelledName, kLowerName or null
    const char* items;     // the same choices
    const char* editor;    // text or null
};

// A new record (malloc, zero-filled): the fields resolved against the spelled name, and
// the value text when hasValue. remember: also becomes LastPropInfo.
QPropInfo* NewInfo(const InfoFields& fields, const std::string& spelledName, bool hasValue,
                   const std::string& value, bool remember);

// Fills the record's Value with a new copy of the text.
void SetInfoValue(QPropInfo* info, const std::string& value);

// base + one line feed + each name (the base may be empty only for a root list).
std::string AppendNames(const std::string& base, const char* const* names, int count);

// The event record class of an event name ("onclick" gives "QEvent"); empty for others.
std::string EventClassOf(const std::string& name);

// Splits the name into the name itself and its index text: the part between the first
// "(" and the first ")" after it; the name is cut before the "(" in place.
std::string CutIndex(std::string& name);

}  // namespace velpack
