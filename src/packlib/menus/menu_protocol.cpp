// The property table of menu items, menu bars and pop-up menus.
#include "packlib/core/class_tables.h"
#include "packlib/core/property_access.h"
#include "packlib/menus/menu.h"

using velpack::kListed;
using velpack::kSpelledName;

namespace {

// 0 detaches the item; any other address must name a live menu that is not the item
// itself nor one of the menus below it.
bool SetParentFromText(QMenu& menu, const char* value, const velpack::PropertyName&) {
    QMenu* parent = nullptr;
    if (!velpack::ObjectFromText(value, parent) || !menu.CanGoInside(parent)) return false;
    menu.SetParent(parent);
    return true;
}

// Menus list the object's names and then their own; their records carry a Value only for
// "Parent" and stay private.
using A = velpack::Access<QMenu>;
constexpr auto& kFlag = velpack::kNamedFlag<QMenu>;
const velpack::PropertyRow<QMenu> kMenuRows[] = {
    {"Caption", kListed, {pkString, nullptr, kSpelledName, nullptr}, A::Text<&QMenu::Caption>,
     A::NoValue, A::SetText<&QMenu::SetCaption>},
    {"Checked", kListed, kFlag, A::MinusOneOrZero<&QMenu::Checked>, A::NoValue,
     A::SetFlag<&QMenu::SetChecked>},
    {"RadioItem", kListed, kFlag, A::TrueOrFalse<&QMenu::RadioItem>, A::NoValue,
     A::SetFlag<&QMenu::SetRadioItem>},
    {"Enabled", kListed, kFlag, A::TrueOrFalse<&QMenu::Enabled>, A::NoValue,
     A::SetFlag<&QMenu::SetEnabled>},
    {"Visible", kListed, kFlag, A::TrueOrFalse<&QMenu::Visible>, A::NoValue,
     A::SetFlag<&QMenu::SetVisible>},
    {"Parent", kListed, {pkObject, nullptr, kSpelledName, nullptr},
     A::SignedAddress<&QMenu::Parent>, nullptr, SetParentFromText},
    {"CommandID", kListed, {pkInteger, nullptr, kSpelledName, nullptr},
     A::Signed<&QMenu::CommandID>, A::NoValue, A::SetInteger<&QMenu::SetCommandID>},
};
const velpack::PropertyTable<QMenu> kMenuTable(kMenuRows, velpack::ObjectTable,
                                               velpack::Naming::kExact, velpack::kPrivateRecords);

}  // namespace

VELPACK_TABLE_PROTOCOL(QMenu, kMenuTable)
