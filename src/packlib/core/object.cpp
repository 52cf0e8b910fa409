#include "packlib/core/object.h"

#include "packlib/core/class_tables.h"
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

// The root of every chain.
const velpack::PropertyTable<QObject> kObjectTable(kObjectRows, nullptr);

}  // namespace

const velpack::PropertyChain& velpack::ObjectTable() {
    return kObjectTable;
}

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

VELPACK_TABLE_PROTOCOL(QObject, kObjectTable)

bool QObject::IsA(const std::string& className) {
    return velpack::EqualsNoCase(className, ClassName) ||
           velpack::EqualsNoCase(className, "object");
}

QPersistent* QObject::Invoke(const std::string&) {
    return nullptr;
}
