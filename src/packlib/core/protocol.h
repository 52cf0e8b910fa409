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

// A new record (malloc) with all five fields zero but Kind.
QPropInfo* NewRecord(std::int32_t kind);

// Texts of a table row that stand for the property name as the caller spelled it
// ("Name"), for its lower-case form ("lower") and for the event class of the name.
// They are told apart by their addresses.
inline constexpr char kSpelledName[] = "\x01name";
inline constexpr char kLowerName[] = "\x01lower";
inline constexpr char kEventClassName[] = "\x01event";

// A new copy of a fixed row text: the markers above are resolved against the spelled
// name; null stays null.
char* NewRowText(const char* text, const std::string& spelledName);

// The event record class of an event name ("onclick" gives "QEvent"); empty for others.
std::string EventClassOf(const std::string& name);

// Splits the name into the name itself and its index text: the part between the first
// "(" and the first ")" after it; the name is cut before the "(" in place.
std::string CutIndex(std::string& name);

}  // namespace velpack
