// The rows of the object inspector built from a pack's answers: which names
// are listed for one or several objects, on which tab, with which value text
// and edit style. Several objects show the names they all have, each once; a
// row's value shows when every object gives the same value and stays empty
// when they differ.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "packhost/pack_api.h"

namespace tavrin {

enum class InspectorTab { Properties = 0, Events = 1, All = 2 };

// The tab captions, as the tab control shows them.
const char* TabCaption(InspectorTab tab);
// The caption without its accelerator mark ("Properties").
std::string TabTitle(InspectorTab tab);

enum class EditStyle { Plain, PickList, Ellipsis };

struct InspectorRow {
    std::string name;
    std::string value;
    EditStyle style = EditStyle::Plain;
    std::optional<PropertyInfo> info;  // from the first object
};

// Names never listed (window internals a user cannot edit).
bool IsHiddenProperty(std::string_view name);

// The kind code the inspector compares: the low byte of the record's kind.
int KindOf(const PropertyInfo& info);

// The value as the grid shows it: a boolean whose text is an integer shows
// "True" (non-zero) or "False" (zero); anything else as it is.
std::string DisplayValue(const PropertyInfo& info, const std::string& value);

EditStyle EditStyleOf(const PropertyInfo& info);

// Whether a row with this record (or none) is shown on the tab.
bool TabAdmits(InspectorTab tab, const std::optional<PropertyInfo>& info);

// The names of the first object that every other object lists too, in the
// first object's order, each once.
std::vector<std::string> CommonNames(PackApi& pack, const std::vector<PackObject>& objects);

// The rows for the objects on the tab. beforeEach runs before each object and
// each row (pending window messages); the pack's missing entries give empty
// values and no rows as a real pack would.
std::vector<InspectorRow> BuildRows(PackApi& pack, const std::vector<PackObject>& objects, InspectorTab tab,
                                    const std::function<void()>& beforeEach = {});

}  // namespace tavrin
