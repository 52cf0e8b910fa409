// One property table per class. Each row names a property and says how the four protocol
// operations answer it: its place in the property list, its info record, its value text
// and its setter. A class's operations read its own table; a table passes every name it
// does not hold to the table of the base class, as the class tree does.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "packlib/core/protocol.h"

class QObject;

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

// A flag whose record names no type and gives the spelled name as its items (the flags
// of fonts and menus).
template <class T>
inline constexpr RecordFields<T> kNamedFlag{pkBoolean, nullptr, kSpelledName, nullptr};

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

// Appends the name to a property list, after one line feed unless the list is empty.
void AppendName(std::string& list, const char* name);

// The text of a block the library made, which is released here (null: empty).
std::string TakeText(char* block);

// How a table treats a name before it looks it up: as given, trimmed of leading and
// trailing blanks, or with an index part ("Control(2)") cut off in place.
enum class Naming { kExact, kTrimmed, kIndexed };

// Whether the records made through a table become LastPropInfo.
enum Remembering : bool { kPrivateRecords = false, kRememberedRecords = true };

// Whether a table's list begins with the base table's names.
enum BaseNames : bool { kOwnNamesOnly = false, kBaseNamesFirst = true };

// A table's place in the chain: its base table (null for the root) and its rules.
class PropertyChain {
public:
    using BaseTable = const PropertyChain& (*)();

    constexpr PropertyChain(BaseTable base, Naming naming, Remembering remembering,
                            BaseNames baseNames)
        : base_(base), naming_(naming), remembering_(remembering), baseNames_(baseNames) {}

    // The four protocol operations of a class whose table this is. The object is of that
    // class; a frame's naming shortens the name in place.
    char* List() const;
    QPropInfo* Info(QObject& object, std::string& name) const;
    char* Value(QObject& object, std::string& name) const;
    bool Set(QObject& object, std::string& name, const char* value) const;

protected:
    ~PropertyChain() = default;

    // This table's own part: false when it holds no row of the name.
    virtual void AppendOwnNames(std::string& list) const = 0;
    virtual bool OwnInfo(QObject& object, const PropertyName& name, Remembering remembering,
                         QPropInfo*& info) const = 0;
    virtual bool OwnValue(QObject& object, const PropertyName& name, char*& value) const = 0;
    virtual bool OwnSet(QObject& object, const PropertyName& name, const char* value,
                        bool& taken) const = 0;

    // Whether the row name stands for the name under this table's naming.
    bool Matches(const char* rowName, const std::string& name) const;

private:
    std::string Names() const;
    // The records follow the rule of the table the chain was entered at.
    QPropInfo* InfoAs(QObject& object, std::string& name, Remembering remembering) const;
    std::string CutIndexOf(std::string& name) const;

    BaseTable base_;
    Naming naming_;
    Remembering remembering_;
    BaseNames baseNames_;
};

template <class T>
class PropertyTable final : public PropertyChain {
public:
    template <std::size_t N>
    constexpr PropertyTable(const PropertyRow<T> (&rows)[N], BaseTable base,
                            Naming naming = Naming::kExact,
                            Remembering remembering = kRememberedRecords,
                            BaseNames baseNames = kBaseNamesFirst)
        : PropertyChain(base, naming, remembering, baseNames), rows_(rows), count_(N) {}

    const PropertyRow<T>* begin() const { return rows_; }
    const PropertyRow<T>* end() const { return rows_ + count_; }

private:
    const PropertyRow<T>* Find(const std::string& name) const {
        for (const PropertyRow<T>& row : *this)
            if (Matches(row.name, name)) return &row;
        return nullptr;
    }

    void AppendOwnNames(std::string& list) const override {
        for (const PropertyRow<T>& row : *this)
            if (row.listing == kListed) AppendName(list, row.name);
    }

    // The fixed fields resolved against the spelled name, the Value from the row.
    bool OwnInfo(QObject& base, const PropertyName& name, Remembering remembering,
                 QPropInfo*& info) const override {
        const PropertyRow<T>* row = Find(name.spelled);
        if (!row) return false;
        T& object = static_cast<T&>(base);
        ValueText value = row->recordValue ? row->recordValue(object, name)
                          : row->value     ? row->value(object, name)
                                           : std::nullopt;
        info = NewRecord(row->record.kind);
        if (!info) return true;
        info->TypeName = row->record.typeName.Make(object, name.spelled);
        info->Items = row->record.items.Make(object, name.spelled);
        if (value) info->Value = NewText(*value);
        info->Editor = row->record.editor.Make(object, name.spelled);
        if (remembering == kRememberedRecords) LastPropInfo = info;
        return true;
    }

    bool OwnValue(QObject& base, const PropertyName& name, char*& value) const override {
        const PropertyRow<T>* row = Find(name.spelled);
        if (!row) return false;
        ValueText text = row->value ? row->value(static_cast<T&>(base), name) : std::nullopt;
        value = text ? NewText(*text) : nullptr;
        return true;
    }

    bool OwnSet(QObject& base, const PropertyName& name, const char* value,
                bool& taken) const override {
        const PropertyRow<T>* row = Find(name.spelled);
        if (!row) return false;
        taken = row->set && row->set(static_cast<T&>(base), value, name);
        return true;
    }

    const PropertyRow<T>* rows_;
    std::size_t count_;
};

}  // namespace velpack

// Defines the four protocol operations of a class as readings of its property table.
#define VELPACK_TABLE_PROTOCOL(Class, table)                                             \
    char* Class::GetPropList() { return (table).List(); }                                \
    QPropInfo* Class::GetPropInfo(std::string& name) { return (table).Info(*this, name); } \
    char* Class::GetPropValue(std::string& name) { return (table).Value(*this, name); }  \
    bool Class::SetPropValue(std::string& name, const char* value) {                     \
        return (table).Set(*this, name, value);                                          \
    }
