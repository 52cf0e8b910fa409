// Reading what a pack answers, independent of how the pack is reached: the
// decorated names of its entry points and the checks and copy of a property
// info record.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "packhost/pack_api.h"

namespace tavrin {

inline constexpr std::array<PackEntry, 6> kPackEntries = {
    PackEntry::Version,     PackEntry::Register,     PackEntry::GetPropList,
    PackEntry::GetPropInfo, PackEntry::GetPropValue, PackEntry::SetPropValue};

// The decorated name under which a pack exports the entry point.
const char* EntryName(PackEntry entry);

// The property kind named by the low byte of a record's kind field (the higher
// bytes carry nothing for the host), or none when that byte is no known kind.
std::optional<QPropKind> KnownKind(std::int32_t rawKind);

// Copies one text of a pack: false when the pointer does not lead to a readable,
// zero-terminated text. A null pointer is read as "no text".
using PackTextReader = std::function<bool(const char* text, std::optional<std::string>& copy)>;

// A copy of a record, or the problem that makes it bad (info empty then).
struct RecordCopy {
    std::optional<PropertyInfo> info;
    std::string problem;
};

// A record is bad when its kind is no known kind or one of its texts cannot be read.
RecordCopy CopyPropInfo(const QPropInfo& record, const PackTextReader& read);

}  // namespace tavrin
