#include "packlib/menus/menu.h"

#include <algorithm>
#include <cstdlib>

#include "packlib/text/numbers.h"
#include "packlib/text/textutils.h"

using velpack::kSpelledName;

int LastCommandID = 0;

int NewCommandID() {
    return ++LastCommandID;
}

namespace {

const char* const kMenuNames[] = {"Caption", "Checked",  "RadioItem", "Enabled",
                                  "Visible", "Parent",   "CommandID"};

std::string AddressText(const void* address) {
    return velpack::SignedText(static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(address)));
}

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

char* QMenu::GetPropList() {
    char* base = QObject::GetPropList();
    std::string list = velpack::AppendNames(base ? base : "", kMenuNames, 7);
    std::free(base);
    return velpack::NewText(list);
}

QPropInfo* QMenu::GetPropInfo(std::string& name) {
    if (name.empty()) return nullptr;
    std::string lower = velpack::LowerCase(name);
    auto make = [&](std::int32_t kind) {
        return velpack::NewInfo({kind, nullptr, kSpelledName, nullptr}, name, false, "", false);
    };
    if (lower == "checked" || lower == "radioitem" || lower == "enabled" || lower == "visible")
        return make(pkBoolean);
    if (lower == "caption") return make(pkString);
    if (lower == "commandid") return make(pkInteger);
    if (lower == "parent") {
        QPropInfo* info = make(pkObject);
        velpack::SetInfoValue(info, AddressText(Parent));
        return info;
    }
    return ObjectPropInfo(name, false);
}

char* QMenu::GetPropValue(std::string& name) {
    if (name.empty()) return nullptr;
    std::string lower = velpack::LowerCase(name);
    auto flag = [](bool on) { return velpack::NewText(on ? "true" : "false"); };
    if (lower == "checked") return velpack::NewText(Checked ? "-1" : "0");
    if (lower == "radioitem") return flag(RadioItem);
    if (lower == "enabled") return flag(Enabled);
    if (lower == "visible") return flag(Visible);
    if (lower == "caption") return velpack::NewText(Caption);
    if (lower == "commandid") return velpack::NewText(velpack::SignedText(CommandID));
    if (lower == "parent") return velpack::NewText(AddressText(Parent));
    return QObject::GetPropValue(name);
}

bool QMenu::SetPropValue(std::string& name, const char* value) {
    if (name.empty()) return false;
    std::string text = value ? value : "";
    std::string lower = velpack::LowerCase(name);
    int number = velpack::ReadInteger(text.c_str());
    if (lower == "checked") SetChecked(number != 0);
    else if (lower == "radioitem") SetRadioItem(number != 0);
    else if (lower == "enabled") SetEnabled(number != 0);
    else if (lower == "visible") SetVisible(number != 0);
    else if (lower == "caption") SetCaption(text);
    else if (lower == "commandid") SetCommandID(number);
    else if (lower == "parent")
        SetParent(reinterpret_cast<QMenu*>(static_cast<std::uintptr_t>(
            velpack::ReadAddress(text.c_str()))));
    else
        return QObject::SetPropValue(name, value);
    return true;
}

bool QMenu::IsA(const std::string& className) {
    return velpack::EqualsNoCase(className, ClassName) ||
           velpack::EqualsNoCase(className, "qmenu") || QObject::IsA(className);
}
