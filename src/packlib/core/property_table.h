// One property table per class. Each row names a property and says how the four protocol
// operations answer it: its place in the property list, its info record, its value text
// and its setter. A class's operations read its own table and pass every name the table
// does not hold to the base class's operations, as the class tree does.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "packlib/core/protocol.h"

namespace velpack {

// The property name as the caller spelled it (a frame's index part cut off) and the
// index text ("" when there is none).
struct PropertyName {
    const std::string& spelled;
    const std::string& index;
};

// A value text, or none: the operation then answers null.
using ValueText = std::optional<std::string>;

// A text field of an info record: a fixed text (or one of the markers kSpelledName,
// kLowerName, kEventClassName), null, or a text computed from the object.
template <class T>
struct RowText {
    constexpr RowText(std::nullptr_t) {}
    constexpr RowText(const char* text) : fixed(text) {}
    constexpr RowText(std::string (*of)(T&)) : computed(of) {}

    char* Make(T& object, const std::string& spelledName) const {
        return computed ? NewText(computed(object)) : NewRowText(fixed, spelledName);
    }

    const char* fixed = nullptr;
    std::string (*computed)(T&) = nullptr;
};

// The fixed part of an info record: Kind, TypeName, Items and Editor.
template <class T>
struct RecordFields {
    std::int32_t kind;
    RowText<T> typeName;
    RowText<T> items;
    RowText<T> editor;
};

// Whether a row's name appears in the property list; unlisted names are still answered.
enum Listing : bool { kUnlisted = false, kListed = true };

template <class T>
struct PropertyRow {
    const char* name;
    Listing listing;
    RecordFields<T> record;
    // The value text; a null getter means the property cannot be read (null).
    ValueText (*value)(T& object, const PropertyName& name);
    // The record's Value when it differs from the value text; null: the value text.
    ValueText (*recordValue)(T& object, const PropertyName& name);
    // Stores the value text and tells whether it was taken; null: not settable (false).
    bool (*set)(T& object, const char* value, const PropertyName& name);
};

// Whether a table's records become LastPropInfo.
enum Remembering : bool { kPrivateRecords = false, kRememberedRecords = true };

// How a table matches names: as given, or with leading and trailing blanks removed.
enum NameMatching : bool { kExactNames = false, kTrimmedNames = true };

// Case-insensitive comparison of a row name with a name (trimmed of blanks when asked).
bool RowNameMatches(const char* rowName, std::string_view name, NameMatching matching);

// The text of a block that the base class made, which is released here (null: empty).
std::string TakeText(char* block);

// Appends the name to a property list, after one line feed unless the list is empty.
void AppendName(std::string& list, const char* name);

template <class T>
class PropertyTable {
public:
    template <std::size_t N>
    constexpr PropertyTable(const PropertyRow<T> (&rows)[N], Remembering remembering,
                            NameMatching matching = kExactNames)
        : rows_(rows), count_(N), remembering_(remembering), matching_(matching) {}

    const PropertyRow<T>* begin() const { return rows_; }
    const PropertyRow<T>* end() const { return rows_ + count_; }

    // The row of the name, or null.
    const PropertyRow<T>* Find(const std::string& name) const {
        for (const PropertyRow<T>& row : *this)
            if (RowNameMatches(row.name, name, matching_)) return &row;
        return nullptr;
    }

    // The base list (released here) followed by the table's listed names.
    char* List(char* base) const {
        std::string list = TakeText(base);
        for (const PropertyRow<T>& row : *this)
            if (row.listing == kListed) AppendName(list, row.name);
        return NewText(list);
    }

    // The record of the row's property: the fixed fields resolved against the spelled
    // name, the Value from the row.
    QPropInfo* Record(T& object, const PropertyRow<T>& row, const PropertyName& name,
                      Remembering remembering) const {
        ValueText value = row.recordValue ? row.recordValue(object, name)
                          : row.value     ? row.value(object, name)
                                          : std::nullopt;
        QPropInfo* info = NewRecord(row.record.kind);
        if (!info) return nullptr;
        info->TypeName = row.record.typeName.Make(object, name.spelled);
        info->Items = row.record.items.Make(object, name.spelled);
        if (value) info->Value = NewText(*value);
        info->Editor = row.record.editor.Make(object, name.spelled);
        if (remembering == kRememberedRecords) LastPropInfo = info;
        return info;
    }

    // The three operations: the table's answer for a name it holds, else base().
    template <class Base>
    QPropInfo* Info(T& object, const std::string& name, const std::string& index,
                    Base base) const {
        const PropertyRow<T>* row = Find(name);
        return row ? Record(object, *row, {name, index}, remembering_) : base();
    }

    template <class Base>
    char* Value(T& object, const std::string& name, const std::string& index, Base base) const {
        const PropertyRow<T>* row = Find(name);
        if (!row) return base();
        ValueText value = row->value ? row->value(object, {name, index}) : std::nullopt;
        return value ? NewText(*value) : nullptr;
    }

    template <class Base>
    bool Set(T& object, const std::string& name, const std::string& index, const char* value,
             Base base) const {
        const PropertyRow<T>* row = Find(name);
        if (!row) return base();
        return row->set && row->set(object, value ? value : "", {name, index});
    }

    // The same for names without an index part.
    template <class Base>
    QPropInfo* Info(T& object, const std::string& name, Base base) const {
        return Info(object, name, NoIndex(), base);
    }
    template <class Base>
    char* Value(T& object, const std::string& name, Base base) const {
        return Value(object, name, NoIndex(), base);
    }
    template <class Base>
    bool Set(T& object, const std::string& name, const char* value, Base base) const {
        return Set(object, name, NoIndex(), value, base);
    }

private:
    static const std::string& NoIndex() {
        static const std::string none;
        return none;
    }

    const PropertyRow<T>* rows_;
    std::size_t count_;
    Remembering remembering_;
    NameMatching matching_;
};

}  // namespace velpack
