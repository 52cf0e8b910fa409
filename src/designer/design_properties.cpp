#include "designer/design_properties.h"

#include <cstdint>

#include "common/text.h"

namespace tavrin {

namespace {

const std::vector<std::string>& BooleanNames() {
    static const std::vector<std::string> names = {"False", "True"};
    return names;
}

std::optional<std::string> ValueName(const std::vector<std::string>& names, std::string_view text) {
    std::string_view wanted = Trim(text);
    for (const std::string& name : names)
        if (EqualsNoCase(name, wanted)) return name;
    return std::nullopt;
}

}  // namespace

std::optional<std::string> DesignValue(const DesignProperty& property, std::string_view text) {
    switch (property.kind) {
        case DesignKind::Text: return std::string(text);
        case DesignKind::Integer: {
            long long value = 0;
            if (!ParseInt(text, value) || value < INT32_MIN || value > INT32_MAX) return std::nullopt;
            return std::to_string(value);
        }
        case DesignKind::Enumeration: return ValueName(property.values, text);
        case DesignKind::Boolean: return ValueName(BooleanNames(), text);
    }
    return std::nullopt;
}

void DesignProperties::Add(DesignProperty property) {
    properties_.push_back(std::move(property));
}

const DesignProperty* DesignProperties::Find(std::string_view name) const {
    for (const DesignProperty& property : properties_)
        if (EqualsNoCase(property.name, name)) return &property;
    return nullptr;
}

std::vector<std::string> DesignProperties::Names() const {
    std::vector<std::string> names;
    for (const DesignProperty& property : properties_) names.push_back(property.name);
    return names;
}

bool DesignProperties::Set(std::string_view name, std::string_view text) const {
    const DesignProperty* property = Find(name);
    if (!property || !property->set) return false;
    std::optional<std::string> value = DesignValue(*property, text);
    if (!value) return false;
    property->set(*value);
    return true;
}

std::optional<std::string> DesignProperties::Get(std::string_view name) const {
    const DesignProperty* property = Find(name);
    if (!property || !property->get) return std::nullopt;
    return property->get();
}

}  // namespace tavrin
