// A pack held in memory, for tests of the workbench's users of PackApi (the
// inspector, the registry). It answers the way a real pack does: property info
// only for listed names, values also for unlisted ones, names matched without
// regard to case, null answers for unknown objects and names. An entry point
// marked missing throws as the real loader does, and every call is logged.
#pragma once

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "common/text.h"
#include "packhost/pack_api.h"
#include "packhost/pack_error.h"
#include "packhost/protocol_reading.h"

namespace tavrin::test {

struct FakeProperty {
    std::string name;
    std::optional<PropertyInfo> info;
    std::optional<std::string> value;
    bool listed = true;  // in the object's property list
};

class FakePackApi : public PackApi {
public:
    std::optional<std::string> registration;
    std::optional<std::string> version;
    std::map<PackObject, std::vector<FakeProperty>> objects;
    std::set<PackEntry> missing;     // entry points the pack does not export
    std::vector<std::string> calls;  // entry name, then the property name when there is one

    bool Has(PackEntry entry) const override { return missing.count(entry) == 0; }

    std::optional<std::string> RegistrationText() override {
        Call(PackEntry::Register, "");
        return registration;
    }
    std::optional<std::string> VersionText() override {
        Call(PackEntry::Version, "");
        return version;
    }
    std::vector<std::string> PropertyNames(PackObject object) override {
        Call(PackEntry::GetPropList, "");
        std::vector<std::string> names;
        for (const FakeProperty& property : objects[object]) {
            if (property.listed) names.push_back(property.name);
        }
        return names;
    }
    std::optional<PropertyInfo> PropertyInfoOf(PackObject object, const std::string& name) override {
        Call(PackEntry::GetPropInfo, name);
        const FakeProperty* property = Find(object, name);
        return property && property->listed ? property->info : std::nullopt;
    }
    std::optional<std::string> PropertyValue(PackObject object, const std::string& name) override {
        Call(PackEntry::GetPropValue, name);
        const FakeProperty* property = Find(object, name);
        return property ? property->value : std::nullopt;
    }
    bool SetPropertyValue(PackObject object, const std::string& name, const std::string& value) override {
        Call(PackEntry::SetPropValue, name);
        FakeProperty* property = Find(object, name);
        if (!property) return false;
        property->value = value;
        if (property->info) property->info->value = value;
        return true;
    }

private:
    void Call(PackEntry entry, const std::string& name) {
        if (!Has(entry)) throw MissingEntry("fake.dll", EntryName(entry));
        calls.push_back(name.empty() ? EntryName(entry) : std::string(EntryName(entry)) + " " + name);
    }
    FakeProperty* Find(PackObject object, const std::string& name) {
        auto found = objects.find(object);
        if (found == objects.end()) return nullptr;
        auto& properties = found->second;
        auto match = std::find_if(properties.begin(), properties.end(),
                                  [&](const FakeProperty& property) { return EqualsNoCase(property.name, name); });
        return match == properties.end() ? nullptr : &*match;
    }
};

}  // namespace tavrin::test
