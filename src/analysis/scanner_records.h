// Symbol records made by the source scanner: one TField per declared symbol
// (type member, parameter, enumeration member, function, constant...) and a
// TType for each type. Records are shared: category lists, the explorer tree
// and the include database all hold references to the same records.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tavrin {

class TField;
class TType;

// Ordered list of records; the entry's name is its record's Name().
using FieldList = std::vector<std::shared_ptr<TField>>;

// A notification slot that costs one pointer while nobody listens (a scan
// makes about one record per source line, and few records ever get a handler).
class NameChangedEvent {
public:
    using Handler = std::function<void(TField&)>;
    NameChangedEvent() = default;
    NameChangedEvent& operator=(Handler handler) {
        handler_ = handler ? std::make_unique<Handler>(std::move(handler)) : nullptr;
        return *this;
    }
    explicit operator bool() const { return handler_ != nullptr; }
    void operator()(TField& field) const {
        if (handler_) (*handler_)(field);
    }

private:
    std::unique_ptr<Handler> handler_;
};

class TField {
public:
    TField() = default;
    TField(const TField&) = delete;
    TField& operator=(const TField&) = delete;
    virtual ~TField() = default;

    // The file in which the symbol was found. Records of one file share the text.
    const std::string& FileName() const;
    void SetFileName(std::string fileName);
    void ShareFileName(const std::shared_ptr<const std::string>& fileName);

    const std::string& Name() const { return name_; }
    // Raises onNameChanged when the name differs (exact comparison).
    void SetName(std::string name);

    virtual TType* AsType() { return nullptr; }
    const TType* AsType() const { return const_cast<TField*>(this)->AsType(); }

    std::string Kind;
    std::string Return;
    FieldList Fields;  // members, parameters or enumeration members, owned by the record
    int Line = 0;      // counted from 1
    NameChangedEvent onNameChanged;

    // Used by the scanner when filling a fresh record (no notification).
    void InitName(std::string name) { name_ = std::move(name); }

private:
    std::shared_ptr<const std::string> fileName_;
    std::string name_;
};

class TType : public TField {
public:
    TType* AsType() override { return this; }

    std::string AliasOf;     // the type after "as" on an alias line
    std::string Extends;     // the base type after "extends"
    std::string FieldAlign;  // the value after "field ="
    std::string Rest;        // last word after the alias type, followed by one blank
};

// Names of a list, one per entry.
std::vector<std::string> NamesOf(const FieldList& list);

}  // namespace tavrin
