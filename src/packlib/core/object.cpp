#include "packlib/core/object.h"

#include "packlib/core/property_access.h"
#include "packlib/core/registry.h"
#include "packlib/text/textutils.h"

using velpack::kSpelledName;

namespace {

using Row = velpack::PropertyRow<QObject>;
using A = velpack::Access<QObject>;

const Row kObjectRows[] = {
    {"ClassName", velpack::kListed, {pkString, kSpelledName, nullptr, nullptr},
     A::Text<&QObject::ClassName>, nullptr, A::SetText<&QObject::ClassName>},
    {"ClassAncestor", velpack::kListed, {pkString, kSpelledName, nullptr, nullptr},
     A::Text<&QObject::ClassAncestor>, nullptr, A::SetText<&QObject::ClassAncestor>},
    {"Tag", velpack::kListed, {pkInteger, kSpelledName, nullptr, nullptr},
     A::Signed<&QObject::Tag>, nullptr, A::SetRounded<&QObject::Tag>},
};

const velpack::PropertyTable<QObject> kObjectTable(kObjectRows, velpack::kRememberedRecords);

const std::string kNoIndex;

}  // namespace

QObject::QObject() {
    velpack::EnterLiveObject(this);
}

QObject::QObject(const QObject& other)
    : Tag(other.Tag), ClassName(other.ClassName), ClassAncestor(other.ClassAncestor) {
    velpack::EnterLiveObject(this);
}

QObject::~QObject() {
    velpack::LeaveLiveObject(this);
}

char* QObject::GetPropList() {
    return kObjectTable.List(nullptr);
}

QPropInfo* QObject::ObjectPropInfo(const std::string& name, bool remember) {
    const Row* row = kObjectTable.Find(name);
    if (!row) return nullptr;
    return kObjectTable.Record(*this, *row, {name, kNoIndex},
                               remember ? velpack::kRememberedRecords : velpack::kPrivateRecords);
}

QPropInfo* QObject::GetPropInfo(std::string& name) {
    return ObjectPropInfo(name, true);
}

char* QObject::GetPropValue(std::string& name) {
    return kObjectTable.Value(*this, name, [] { return static_cast<char*>(nullptr); });
}

bool QObject::SetPropValue(std::string& name, const char* value) {
    return kObjectTable.Set(*this, name, value, [] { return false; });
}

bool QObject::IsA(const std::string& className) {
    return velpack::EqualsNoCase(className, ClassName) ||
           velpack::EqualsNoCase(className, "object");
}

QPersistent* QObject::Invoke(const std::string&) {
    return nullptr;
}
