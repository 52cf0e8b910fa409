#include "languages/menu_components.h"

#include <deque>
#include <unordered_set>

#include "common/text.h"
#include "ui/component_names.h"

namespace tavrin {

namespace {

// What an item keeps in its item data once it was seen.
struct MenuItemRecord {
    std::string name;
    std::string baseCaption;
};

// Records live for the process; an item's data counts as a record only when
// it points at one of these (other code may keep its own data in items).
class MenuItemRecords {
public:
    MenuItemRecord* Add(MenuItemRecord record) {
        records_.push_back(std::move(record));
        known_.insert(&records_.back());
        return &records_.back();
    }
    MenuItemRecord* Find(ULONG_PTR data) const {
        auto* record = reinterpret_cast<MenuItemRecord*>(data);
        return known_.count(record) ? record : nullptr;
    }

private:
    std::deque<MenuItemRecord> records_;
    std::unordered_set<const MenuItemRecord*> known_;
};

MenuItemRecords& Records() {
    static MenuItemRecords records;
    return records;
}

struct ItemInfo {
    UINT type = 0;
    HMENU subMenu = nullptr;
    ULONG_PTR data = 0;
    std::string text;  // the whole text, shortcut included
};

bool ReadItem(HMENU menu, UINT position, ItemInfo& item) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_SUBMENU | MIIM_DATA | MIIM_STRING;
    if (!GetMenuItemInfoA(menu, position, TRUE, &info)) return false;
    item.type = info.fType;
    item.subMenu = info.hSubMenu;
    item.data = info.dwItemData;
    item.text.clear();
    if (info.cch > 0) {
        std::string text(info.cch + 1, '\0');
        info.dwTypeData = text.data();
        info.cch += 1;
        info.fMask = MIIM_STRING;
        if (GetMenuItemInfoA(menu, position, TRUE, &info)) item.text = text.c_str();
    }
    return true;
}

// The caption without the shortcut text, and the shortcut text with its tab.
std::string CaptionPart(const std::string& text) { return text.substr(0, text.find('\t')); }
std::string ShortcutPart(const std::string& text) {
    std::size_t tab = text.find('\t');
    return tab == std::string::npos ? std::string() : text.substr(tab);
}

std::string UniqueName(std::string name, std::set<std::string>& taken) {
    std::string unique = name;
    for (int n = 2; taken.count(ToLower(unique)); ++n) unique = name + std::to_string(n);
    taken.insert(ToLower(unique));
    return unique;
}

// The item's name and base caption: those it was given when first seen, or
// (new items) made now from its caption and, with remember, kept in the item.
MenuItemRecord RecordOf(HMENU menu, UINT position, const ItemInfo& item, bool remember,
                        std::set<std::string>& taken) {
    if (const MenuItemRecord* record = Records().Find(item.data)) {
        taken.insert(ToLower(record->name));
        return *record;
    }
    MenuItemRecord fresh{UniqueName(MenuItemName(CaptionPart(item.text)), taken), CaptionPart(item.text)};
    // Data of other code stays where it is.
    if (!remember || item.data != 0) return fresh;
    MENUITEMINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_DATA;
    info.dwItemData = reinterpret_cast<ULONG_PTR>(Records().Add(fresh));
    SetMenuItemInfoA(menu, position, TRUE, &info);
    return fresh;
}

DesignProperties CaptionProperty(HMENU menu, UINT position, HWND owner) {
    DesignProperties properties;
    auto get = [menu, position] {
        ItemInfo item;
        return ReadItem(menu, position, item) ? CaptionPart(item.text) : std::string();
    };
    auto set = [menu, position, owner](const std::string& caption) {
        ItemInfo item;
        if (!ReadItem(menu, position, item)) return;
        std::string text = caption + ShortcutPart(item.text);
        MENUITEMINFOA info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_STRING;
        info.dwTypeData = text.data();
        SetMenuItemInfoA(menu, position, TRUE, &info);
        if (owner && GetMenu(owner) == menu) DrawMenuBar(owner);
    };
    properties.Add({"caption", DesignKind::Text, {}, get, set});
    return properties;
}

}  // namespace

std::string MenuItemName(const std::string& caption) {
    std::string name = "menu";
    bool wordStart = true;
    for (char c : caption) {
        bool letterOrDigit = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (!letterOrDigit) {
            if (c != '&') wordStart = true;
            continue;
        }
        name += wordStart && c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
        wordStart = false;
    }
    return name == "menu" ? "menuItem" : name;
}

void PublishMenuItems(HMENU menu, HWND owner, bool remember, std::set<std::string>& taken,
                      std::vector<PublishedComponent>& components) {
    int count = menu ? GetMenuItemCount(menu) : 0;
    for (int i = 0; i < count; ++i) {
        const UINT position = static_cast<UINT>(i);
        ItemInfo item;
        if (!ReadItem(menu, position, item)) continue;
        bool textItem = !(item.type & (MFT_SEPARATOR | MFT_BITMAP | MFT_OWNERDRAW));
        if (textItem) {
            MenuItemRecord record = RecordOf(menu, position, item, remember, taken);
            PublishedComponent component;
            component.name = std::move(record.name);
            component.role = ComponentRole::MenuItem;
            component.caption = std::move(record.baseCaption);
            component.properties = CaptionProperty(menu, position, owner);
            components.push_back(std::move(component));
        }
        if (item.subMenu) PublishMenuItems(item.subMenu, owner, remember, taken, components);
    }
}

}  // namespace tavrin
