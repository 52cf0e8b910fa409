#include "packlib/menus/menu.h"

#include <algorithm>

#include "packlib/core/class_tables.h"
#include "packlib/core/parent_chain.h"
#include "packlib/core/property_access.h"
#include "packlib/text/textutils.h"

using velpack::kListed;
using velpack::kSpelledName;

int LastCommandID = 0;

int NewCommandID() {
    return ++LastCommandID;
}

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

QMenu::QMenu() {
    ClassName = "QMenu";
}

QMenu::~QMenu() {
    if (Handle && IsMenu(Handle)) DestroyMenu(Handle);
}

QMainMenu::QMainMenu() {
    ClassName = "QMainMenu";
    Handle = CreateMenu();
}

QPopupMenu::QPopupMenu() {
    ClassName = "QPopupMenu";
    Handle = CreatePopupMenu();
}

UINT_PTR QMenu::EntryId(UINT& flags) const {
    if (Handle) {
        flags |= MF_POPUP;
        return reinterpret_cast<UINT_PTR>(Handle);
    }
    return static_cast<UINT_PTR>(static_cast<std::uint32_t>(CommandID));
}

void QMenu::Add(QMenu* item) {
    if (!item || item == this || IndexOf(item) >= 0) return;
    Items.push_back(item);
    Count = static_cast<std::int32_t>(Items.size());
    item->Parent = this;
    if (!Handle) Handle = CreatePopupMenu();
    for (std::size_t i = 0; i < Items.size(); ++i) {
        Items[i]->Position = static_cast<std::int32_t>(i);
        Items[i]->Parent = this;
    }
    bool separator = item->Caption == "-";
    if (item->Handle)
        AppendMenuA(Handle, MF_POPUP, reinterpret_cast<UINT_PTR>(item->Handle),
                    item->Caption.c_str());
    else if (separator)
        AppendMenuA(Handle, MF_SEPARATOR, 0, nullptr);
    else
        AppendMenuA(Handle, MF_STRING, static_cast<UINT>(item->CommandID), item->Caption.c_str());
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_DATA;
    info.wID = separator ? static_cast<UINT>(-1) : static_cast<UINT>(NewCommandID());
    info.dwItemData = reinterpret_cast<ULONG_PTR>(item);
    SetMenuItemInfoA(Handle, static_cast<UINT>(GetMenuItemCount(Handle) - 1), TRUE, &info);
    // The item keeps the identifier of its entry, so that its setters find the entry and
    // its command reaches onMenu with the identifier the item reports.
    if (!separator) item->CommandID = static_cast<std::int32_t>(info.wID);
}

void QMenu::Remove(QMenu* item) {
    int index = IndexOf(item);
    if (index < 0) return;
    Items.erase(Items.begin() + index);
    Count = static_cast<std::int32_t>(Items.size());
    if (item->Handle && IsMenu(item->Handle)) {
        DestroyMenu(item->Handle);
        item->Handle = nullptr;
    }
}

int QMenu::IndexOf(QMenu* item) const {
    auto found = std::find(Items.begin(), Items.end(), item);
    return found == Items.end() ? -1 : static_cast<int>(found - Items.begin());
}

void QMenu::SetCaption(const std::string& caption) {
    Caption = caption;
    if (!Parent || !Parent->Handle) return;
    if (Handle)
        ModifyMenuA(Parent->Handle, reinterpret_cast<UINT_PTR>(Handle), MF_POPUP,
                    reinterpret_cast<UINT_PTR>(Handle), Caption.c_str());
    else if (Caption == "-")
        ModifyMenuA(Parent->Handle, static_cast<UINT>(CommandID), MF_BYCOMMAND | MF_SEPARATOR,
                    static_cast<UINT>(CommandID), nullptr);
    else
        ModifyMenuA(Parent->Handle, static_cast<UINT>(CommandID), MF_BYCOMMAND | MF_STRING,
                    static_cast<UINT>(CommandID), Caption.c_str());
}

void QMenu::SetChecked(bool on) {
    Checked = on;
    if (!Parent || !Parent->Handle) return;
    UINT flags = on ? MF_CHECKED : MF_UNCHECKED;
    UINT_PTR id = EntryId(flags);
    CheckMenuItem(Parent->Handle, static_cast<UINT>(id), flags);
}

void QMenu::SetEnabled(bool on) {
    Enabled = on;
    if (!Parent || !Parent->Handle) return;
    UINT flags = on ? MF_ENABLED : (MF_GRAYED | MF_DISABLED);
    UINT_PTR id = EntryId(flags);
    EnableMenuItem(Parent->Handle, static_cast<UINT>(id), flags);
}

void QMenu::SetRadioItem(bool on) {
    RadioItem = on;
    if (!Parent || !Parent->Handle || Parent->Items.empty()) return;
    CheckMenuRadioItem(Parent->Handle, static_cast<UINT>(Parent->Items.front()->CommandID),
                       static_cast<UINT>(Parent->Items.back()->CommandID),
                       static_cast<UINT>(CommandID), MF_BYCOMMAND);
}

void QMenu::SetVisible(bool on) {
    Visible = on;
    if (!Parent || !Parent->Handle) return;
    if (!on) {
        RemoveMenu(Parent->Handle, static_cast<UINT>(CommandID), MF_BYCOMMAND);
        return;
    }
    if (Handle)
        InsertMenuA(Parent->Handle, static_cast<UINT>(Position), MF_BYPOSITION | MF_POPUP,
                    reinterpret_cast<UINT_PTR>(Handle), Caption.c_str());
    else if (Caption == "-")
        InsertMenuA(Parent->Handle, static_cast<UINT>(Position), MF_BYPOSITION | MF_SEPARATOR, 0,
                    nullptr);
    else
        InsertMenuA(Parent->Handle, static_cast<UINT>(Position),
                    MF_BYPOSITION | static_cast<UINT>(CheckFlags[Checked ? 1 : 0]) |
                        static_cast<UINT>(EnableFlags[Enabled ? 1 : 0]),
                    static_cast<UINT>(CommandID), Caption.c_str());
}

void QMenu::SetCommandID(int id) {
    if (Parent && Parent->Handle && IsMenu(Parent->Handle)) {
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID;
        if (GetMenuItemInfoA(Parent->Handle, static_cast<UINT>(CommandID), FALSE, &info)) {
            info.wID = static_cast<UINT>(id);
            SetMenuItemInfoA(Parent->Handle, static_cast<UINT>(CommandID), FALSE, &info);
        }
    }
    CommandID = id;
}

void QMenu::LoadFromResource(const std::string& name) {
    if (name.empty()) return;
    HMODULE program = GetModuleHandleA(nullptr);
    if (!FindResourceA(program, name.c_str(), RT_MENU)) return;
    HMENU menu = LoadMenuA(program, name.c_str());
    if (!menu) return;
    Handle = menu;
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_DATA;
    info.dwItemData = reinterpret_cast<ULONG_PTR>(this);
    for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i)
        SetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info);
}

VELPACK_TABLE_PROTOCOL(QMenu, kMenuTable)

bool QMenu::CanGoInside(const QMenu* parent) const {
    return !velpack::OnParentChain(parent, this);
}

bool QMenu::IsA(const std::string& className) {
    return velpack::EqualsNoCase(className, ClassName) ||
           velpack::EqualsNoCase(className, "qmenu") || QObject::IsA(className);
}
