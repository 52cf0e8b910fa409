#include "packlib/window/generic.h"

#include "packlib/core/class_tables.h"
#include "packlib/core/property_access.h"
#include "packlib/text/textutils.h"

namespace {

// The window is made again with the class the text names; the stored host text stays.
bool SetHostClass(QGeneric& generic, const char* value, const velpack::PropertyName&) {
    generic.ClassName = value;
    generic.CreateWnd();
    return true;
}

using A = velpack::Access<QGeneric>;
const velpack::PropertyRow<QGeneric> kGenericRows[] = {
    {"Host", velpack::kListed, {pkString, "string", nullptr, nullptr}, A::Text<&QGeneric::Host>,
     nullptr, SetHostClass},
};
const velpack::PropertyTable<QGeneric> kGenericTable(kGenericRows, velpack::FrameTable);

}  // namespace

QGeneric::QGeneric() {
    Width = 50;
    Height = 50;
    Style = WS_CHILD;
}

VELPACK_TABLE_PROTOCOL(QGeneric, kGenericTable)

bool QGeneric::IsA(const std::string& className) {
    return velpack::EqualsNoCase(className, ClassName) ||
           velpack::EqualsNoCase(className, "qgeneric") || QFrame::IsA(className);
}
