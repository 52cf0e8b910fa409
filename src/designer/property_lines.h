// Property lines of a design object in its dialog's code: "<name>.<P>=<V>",
// with V as a quoted string literal for text properties. The writer replaces
// the object's own line for that property, or adds one after the object's
// last line.
#pragma once

#include <string>
#include <string_view>

#include "designer/dialog_code.h"
#include "editor/line_document.h"

namespace tavrin {

// "<object>.<property>=<value>", the value quoted (quotes inside doubled) when textKind.
std::string FormatPropertyLine(std::string_view object, std::string_view property, std::string_view value,
                               bool textKind);

// The first line tagged with tag that assigns property ("<x>.<property>=..."), or -1.
int FindPropertyLine(const LineDocument& doc, LineTag tag, std::string_view property);

enum class PropertyLineWrite { Replaced, Inserted, NotWritten };

// Replaces the object's line for property in place; otherwise inserts a new
// line, tagged with the object, directly after the object's last tagged line.
// An object without any line gets nothing.
PropertyLineWrite WritePropertyLine(LineDocument& doc, const CodeObject& object, std::string_view property,
                                    std::string_view value, bool textKind);

}  // namespace tavrin
