#include "packlib/menus/menu.h"

#include <algorithm>

#include "packlib/core/parent_chain.h"
#include "packlib/core/registry.h"
#include "packlib/text/textutils.h"

int LastCommandID = 0;

int NewCommandID() {
    return ++LastCommandID;
}

namespace {

// The identifier a separator's entry carries: it uses no command identifier.
constexpr UINT kSeparatorId = static_cast<UINT>(-1);
// Deeper menus than this are not looked into (only a loop could make them).
constexpr int kMaxMenuDepth = 64;

bool IsSeparator(const std::string& caption) {
    return caption == "-";
}

MENUITEMINFOA ItemInfo(UINT mask) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = mask;
    return info;
}

void SetItemData(HMENU menu, int position, const QMenu* item) {
    MENUITEMINFOA info = ItemInfo(MIIM_DATA);
    info.dwItemData = reinterpret_cast<ULONG_PTR>(item);
    SetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info);
}

// Whether the target menu is the menu or one of the sub-menus below it.
bool MenuContains(HMENU menu, HMENU target, int depth = 0) {
    if (!menu || depth > kMaxMenuDepth) return false;
    if (menu == target) return true;
    for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i)
        if (MenuContains(GetSubMenu(menu, i), target, depth + 1)) return true;
    return false;
}

// Every entry of the menu and of its sub-menus carries the object.
void MarkEntries(HMENU menu, const QMenu* object, int depth = 0) {
    if (!menu || depth > kMaxMenuDepth) return;
    for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i) {
        SetItemData(menu, i, object);
        MarkEntries(GetSubMenu(menu, i), object, depth + 1);
    }
}

}  // namespace

QMenu::QMenu() {
    ClassName = "QMenu";
}

QMenu::~QMenu() {
    LeaveParent();
    ReleaseChildren();
    DestroyOwnMenu();
}

QMainMenu::QMainMenu() {
    ClassName = "QMainMenu";
    Handle = CreateMenu();
}

QMainMenu::~QMainMenu() = default;

QPopupMenu::QPopupMenu() {
    ClassName = "QPopupMenu";
    Handle = CreatePopupMenu();
}

QPopupMenu::~QPopupMenu() = default;

HMENU QMenu::GetHandle() const {
    return Handle;
}

HMENU QMenu::ParentMenu() const {
    if (!velpack::IsLiveObject(Parent) || !Parent->Handle || !IsMenu(Parent->Handle)) return nullptr;
    return Parent->Handle;
}

int QMenu::PositionOf(const QMenu* item) const {
    if (!Handle || !IsMenu(Handle)) return -1;
    for (int i = 0, n = GetMenuItemCount(Handle); i < n; ++i) {
        MENUITEMINFOA info = ItemInfo(MIIM_DATA);
        if (GetMenuItemInfoA(Handle, static_cast<UINT>(i), TRUE, &info) &&
            info.dwItemData == reinterpret_cast<ULONG_PTR>(item))
            return i;
    }
    return -1;
}

int QMenu::EntryPosition() const {
    return ParentMenu() ? Parent->PositionOf(this) : -1;
}

void QMenu::RemoveEntry() {
    int position = EntryPosition();
    if (position >= 0) RemoveMenu(Parent->Handle, static_cast<UINT>(position), MF_BYPOSITION);
}

void QMenu::InsertEntry() {
    HMENU menu = ParentMenu();
    // Once only; and never a menu into one of its own sub-menus.
    if (!menu || EntryPosition() >= 0 || (Handle && MenuContains(Handle, menu))) return;
    int position = std::clamp(Position, 0, GetMenuItemCount(menu));
    UINT where = static_cast<UINT>(position);
    BOOL inserted;
    if (Handle)
        inserted = InsertMenuA(menu, where, MF_BYPOSITION | MF_POPUP,
                               reinterpret_cast<UINT_PTR>(Handle), Caption.c_str());
    else if (IsSeparator(Caption))
        inserted = InsertMenuA(menu, where, MF_BYPOSITION | MF_SEPARATOR, kSeparatorId, nullptr);
    else
        inserted = InsertMenuA(menu, where,
                               MF_BYPOSITION | MF_STRING |
                                   static_cast<UINT>(CheckFlags[Checked ? 1 : 0]) |
                                   static_cast<UINT>(EnableFlags[Enabled ? 1 : 0]),
                               static_cast<UINT>(CommandID), Caption.c_str());
    if (inserted) SetItemData(menu, position, this);
}

void QMenu::ShowOwnMenuInEntry() {
    int position = EntryPosition();
    if (position < 0 || MenuContains(Handle, Parent->Handle)) return;
    MENUITEMINFOA info = ItemInfo(MIIM_SUBMENU);
    info.hSubMenu = Handle;
    SetMenuItemInfoA(Parent->Handle, static_cast<UINT>(position), TRUE, &info);
}

void QMenu::Renumber() {
    for (std::size_t i = 0; i < Items.size(); ++i) {
        Items[i]->Position = static_cast<std::int32_t>(i);
        Items[i]->Parent = this;
    }
    Count = static_cast<std::int32_t>(Items.size());
}

void QMenu::TakeOut(QMenu* item) {
    int position = PositionOf(item);
    if (position >= 0) RemoveMenu(Handle, static_cast<UINT>(position), MF_BYPOSITION);
    auto found = std::find(Items.begin(), Items.end(), item);
    if (found == Items.end()) return;
    Items.erase(found);
    Renumber();
}

void QMenu::LeaveParent() {
    if (velpack::IsLiveObject(Parent)) Parent->TakeOut(this);
    Parent = nullptr;
}

void QMenu::SetParent(QMenu* parent) {
    if (parent != Parent) LeaveParent();
    Parent = parent;
}

void QMenu::ReleaseChildren() {
    for (QMenu* child : Items) {
        int position = PositionOf(child);
        if (position >= 0) RemoveMenu(Handle, static_cast<UINT>(position), MF_BYPOSITION);
        if (velpack::IsLiveObject(child) && child->Parent == this) child->Parent = nullptr;
    }
    Items.clear();
    Count = 0;
}

void QMenu::DestroyOwnMenu() {
    if (Handle && IsMenu(Handle)) DestroyMenu(Handle);
    Handle = nullptr;
}

void QMenu::Add(QMenu* item) {
    if (!velpack::IsLiveObject(item) || IndexOf(item) >= 0 || !item->CanGoInside(this)) return;
    if (item->Handle && Handle && MenuContains(item->Handle, Handle)) return;
    item->LeaveParent();
    Items.push_back(item);
    item->Parent = this;
    if (!Handle) {
        Handle = CreatePopupMenu();
        ShowOwnMenuInEntry();
    }
    Renumber();
    bool separator = IsSeparator(item->Caption);
    BOOL appended;
    if (item->Handle)
        appended = AppendMenuA(Handle, MF_POPUP, reinterpret_cast<UINT_PTR>(item->Handle),
                               item->Caption.c_str());
    else if (separator)
        appended = AppendMenuA(Handle, MF_SEPARATOR, 0, nullptr);
    else
        appended = AppendMenuA(Handle, MF_STRING, static_cast<UINT>(item->CommandID),
                               item->Caption.c_str());
    // The entry just appended (and no other) gets the identifier and the item.
    if (!appended) return;
    MENUITEMINFOA info = ItemInfo(MIIM_ID | MIIM_DATA);
    info.wID = separator ? kSeparatorId : static_cast<UINT>(NewCommandID());
    info.dwItemData = reinterpret_cast<ULONG_PTR>(item);
    SetMenuItemInfoA(Handle, static_cast<UINT>(GetMenuItemCount(Handle) - 1), TRUE, &info);
    // The item keeps the identifier of its entry, so that its command reaches onMenu with
    // the identifier the item reports.
    if (!separator) item->CommandID = static_cast<std::int32_t>(info.wID);
}

void QMenu::Remove(QMenu* item) {
    if (IndexOf(item) < 0) return;
    TakeOut(item);
    if (item->Parent == this) item->Parent = nullptr;
}

int QMenu::IndexOf(QMenu* item) const {
    auto found = std::find(Items.begin(), Items.end(), item);
    return found == Items.end() ? -1 : static_cast<int>(found - Items.begin());
}

void QMenu::SetCaption(const std::string& caption) {
    Caption = caption;
    int position = EntryPosition();
    if (position < 0) return;
    MENUITEMINFOA info = ItemInfo(MIIM_FTYPE);
    if (IsSeparator(Caption)) {
        info.fType = MFT_SEPARATOR;
    } else {
        info.fMask |= MIIM_STRING;
        info.fType = MFT_STRING;
        info.dwTypeData = Caption.data();
    }
    SetMenuItemInfoA(Parent->Handle, static_cast<UINT>(position), TRUE, &info);
}

void QMenu::SetChecked(bool on) {
    Checked = on;
    int position = EntryPosition();
    if (position >= 0)
        CheckMenuItem(Parent->Handle, static_cast<UINT>(position),
                      MF_BYPOSITION | (on ? MF_CHECKED : MF_UNCHECKED));
}

void QMenu::SetEnabled(bool on) {
    Enabled = on;
    int position = EntryPosition();
    if (position >= 0)
        EnableMenuItem(Parent->Handle, static_cast<UINT>(position),
                       MF_BYPOSITION | (on ? MF_ENABLED : (MF_GRAYED | MF_DISABLED)));
}

// True marks the entry as the one chosen among the entries of its menu; false gives it
// back its own check mark.
void QMenu::SetRadioItem(bool on) {
    RadioItem = on;
    int position = EntryPosition();
    if (position < 0) return;
    HMENU menu = Parent->Handle;
    if (on) {
        CheckMenuRadioItem(menu, 0, static_cast<UINT>(GetMenuItemCount(menu) - 1),
                           static_cast<UINT>(position), MF_BYPOSITION);
        return;
    }
    MENUITEMINFOA info = ItemInfo(MIIM_FTYPE);
    if (GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info)) {
        info.fType &= ~MFT_RADIOCHECK;
        SetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info);
    }
    CheckMenuItem(menu, static_cast<UINT>(position), MF_BYPOSITION | (Checked ? MF_CHECKED : MF_UNCHECKED));
}

void QMenu::SetVisible(bool on) {
    Visible = on;
    if (on) InsertEntry();
    else RemoveEntry();
}

void QMenu::SetCommandID(int id) {
    int position = EntryPosition();
    if (position >= 0) {
        MENUITEMINFOA info = ItemInfo(MIIM_ID);
        info.wID = static_cast<UINT>(id);
        SetMenuItemInfoA(Parent->Handle, static_cast<UINT>(position), TRUE, &info);
    }
    CommandID = id;
}

void QMenu::LoadFromResource(const std::string& name) {
    if (name.empty()) return;
    HMODULE program = GetModuleHandleA(nullptr);
    if (!FindResourceA(program, name.c_str(), RT_MENU)) return;
    HMENU menu = LoadMenuA(program, name.c_str());
    if (!menu) return;
    // The loaded menu takes the place of the node's own, children and all.
    ReleaseChildren();
    DestroyOwnMenu();
    Handle = menu;
    MarkEntries(menu, this);
    ShowOwnMenuInEntry();
}

bool QMenu::CanGoInside(const QMenu* parent) const {
    return !velpack::OnParentChain(parent, this);
}

bool QMenu::IsA(const std::string& className) {
    return velpack::EqualsNoCase(className, ClassName) ||
           velpack::EqualsNoCase(className, "qmenu") || QObject::IsA(className);
}
