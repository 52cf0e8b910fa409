// Named design properties of design objects (containers, dialog windows):
// set by name from text by the code reader and the inspector, read back as
// text. Texts are taken as they are, whole numbers from decimal text,
// enumerations and booleans from their value names without regard to case.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrin {

enum class DesignKind { Text, Integer, Enumeration, Boolean };

struct DesignProperty {
    std::string name;
    DesignKind kind = DesignKind::Text;
    std::vector<std::string> values;  // the value names of an enumeration
    std::function<std::string()> get;
    // Receives the text as the kind makes it: an integer in decimal, an
    // enumeration's or boolean's value name as declared. Null: read only.
    std::function<void(const std::string&)> set;
};

class DesignProperties {
public:
    void Add(DesignProperty property);
    const DesignProperty* Find(std::string_view name) const;
    // The names in declaration order.
    std::vector<std::string> Names() const;
    // Sets the property from text. False, changing nothing, when the name is no
    // design property, the property is read only or the text is no value of its kind.
    bool Set(std::string_view name, std::string_view text) const;
    std::optional<std::string> Get(std::string_view name) const;

private:
    std::vector<DesignProperty> properties_;
};

// The value of text for a property of the kind: the canonical value name, or
// the decimal number; none when the text is no such value.
std::optional<std::string> DesignValue(const DesignProperty& property, std::string_view text);

}  // namespace tavrin
