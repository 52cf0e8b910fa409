#include "inspector/inspector_rows.h"

#include <algorithm>

#include "common/text.h"

namespace tavrin {

namespace {

constexpr const char* kHiddenProperties[] = {"Style",  "Exstyle", "controlstyle", "controlcount", "Control",
                                             "Parent", "Handle",  "ParentWnd",    "clientrect",   "windowrect"};

bool Contains(const std::vector<std::string>& names, std::string_view name) {
    return std::any_of(names.begin(), names.end(), [&](const std::string& one) { return EqualsNoCase(one, name); });
}

void Run(const std::function<void()>& step) {
    if (step) step();
}

}  // namespace

const char* TabCaption(InspectorTab tab) {
    switch (tab) {
        case InspectorTab::Properties: return "&Properties";
        case InspectorTab::Events: return "&Events";
        case InspectorTab::All: return "&All";
    }
    return "";
}

std::string TabTitle(InspectorTab tab) {
    std::string title = TabCaption(tab);
    title.erase(std::remove(title.begin(), title.end(), '&'), title.end());
    return title;
}

bool IsHiddenProperty(std::string_view name) {
    return std::any_of(std::begin(kHiddenProperties), std::end(kHiddenProperties),
                       [&](const char* hidden) { return EqualsNoCase(hidden, name); });
}

int KindOf(const PropertyInfo& info) { return info.rawKind & 0xFF; }

std::string DisplayValue(const PropertyInfo& info, const std::string& value) {
    long long number = 0;
    if (KindOf(info) == pkBoolean && ParseInt(value, number)) return number != 0 ? "True" : "False";
    return value;
}

EditStyle EditStyleOf(const PropertyInfo& info) {
    switch (KindOf(info)) {
        case pkBoolean:
        case pkEnumeration: return EditStyle::PickList;
        case pkObject:
        case pkEvent: return EditStyle::Ellipsis;
        default: return EditStyle::Plain;
    }
}

bool TabAdmits(InspectorTab tab, const std::optional<PropertyInfo>& info) {
    switch (tab) {
        case InspectorTab::Properties: return info && KindOf(*info) != pkEvent;
        case InspectorTab::Events: return info && KindOf(*info) == pkEvent;
        case InspectorTab::All: return true;
    }
    return false;
}

std::vector<std::string> CommonNames(PackApi& pack, const std::vector<PackObject>& objects) {
    if (objects.empty()) return {};
    std::vector<std::string> names;
    for (const std::string& name : pack.PropertyNames(objects[0]))
        if (!Contains(names, name)) names.push_back(name);
    for (size_t i = 1; i < objects.size(); ++i) {
        std::vector<std::string> others = pack.PropertyNames(objects[i]);
        names.erase(std::remove_if(names.begin(), names.end(),
                                   [&](const std::string& name) { return !Contains(others, name); }),
                    names.end());
    }
    return names;
}

namespace {

// The value every object gives, or empty when they differ.
std::string AgreedValue(PackApi& pack, const std::vector<PackObject>& objects, const std::string& name) {
    if (!pack.Has(PackEntry::GetPropValue)) return "";
    std::optional<std::string> agreed;
    for (PackObject object : objects) {
        std::string value = pack.PropertyValue(object, name).value_or("");
        if (agreed && *agreed != value) return "";
        agreed = value;
    }
    return agreed.value_or("");
}

}  // namespace

std::vector<InspectorRow> BuildRows(PackApi& pack, const std::vector<PackObject>& objects, InspectorTab tab,
                                    const std::function<void()>& beforeEach) {
    std::vector<InspectorRow> rows;
    if (objects.empty() || !pack.Has(PackEntry::GetPropList)) return rows;
    for (size_t i = 1; i < objects.size(); ++i) Run(beforeEach);
    std::vector<std::string> names = CommonNames(pack, objects);
    bool infoBound = pack.Has(PackEntry::GetPropInfo);
    for (const std::string& name : names) {
        if (IsHiddenProperty(name)) continue;
        Run(beforeEach);
        InspectorRow row;
        row.name = name;
        if (infoBound) row.info = pack.PropertyInfoOf(objects[0], name);
        if (!TabAdmits(tab, row.info)) continue;
        if (row.info) {
            row.value = DisplayValue(*row.info, AgreedValue(pack, objects, name));
            row.style = EditStyleOf(*row.info);
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace tavrin
