// The workbench's view of one component pack: the registration and property
// protocol of a loaded pack as plain C++ values. The Win32 loader implements it
// over a pack library; tests implement it over an in-memory table.
//
// Texts and records answered by a pack are copied at once; the pack's blocks are
// never freed. A pack that answers with null gives an empty optional: "no answer"
// is a normal result, not an error. Calling an entry point the pack does not
// export throws PackError naming it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "packapi/pack_protocol.h"

namespace tavrin {

// Address of a pack object, as the pack left it on its host window. The
// workbench never looks inside; it only hands it back to the pack.
using PackObject = void*;

// The entry points a pack may export, in the order a host looks them up.
enum class PackEntry { Version, Register, GetPropList, GetPropInfo, GetPropValue, SetPropValue };

// A copy of the pack's property info record.
struct PropertyInfo {
    QPropKind kind = pkNone;       // the known kind named by the low byte of rawKind
    std::int32_t rawKind = 0;      // the record's kind field as the pack wrote it
    std::optional<std::string> typeName;
    std::optional<std::string> items;   // value names separated by commas, for pick lists
    std::optional<std::string> value;
    std::optional<std::string> editor;  // property editor class, when the property has one
};

class PackApi {
public:
    virtual ~PackApi() = default;

    // Whether the pack exports the entry point.
    virtual bool Has(PackEntry entry) const = 0;

    // "Page:Class,Class..." lines naming palette pages and their classes.
    virtual std::optional<std::string> RegistrationText() = 0;
    virtual std::optional<std::string> VersionText() = 0;

    // The object's property names in the pack's order; empty when it gives none.
    virtual std::vector<std::string> PropertyNames(PackObject object) = 0;
    // The record of a listed name (the pack compares names without regard to case).
    virtual std::optional<PropertyInfo> PropertyInfoOf(PackObject object, const std::string& name) = 0;
    virtual std::optional<std::string> PropertyValue(PackObject object, const std::string& name) = 0;
    // Whether the pack reports the value as taken.
    virtual bool SetPropertyValue(PackObject object, const std::string& name,
                                  const std::string& value) = 0;
};

}  // namespace tavrin
