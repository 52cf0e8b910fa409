#include "designer/dialog_menus.h"

#include <algorithm>

#include "common/commands.h"
#include "common/prompts.h"
#include "common/text.h"
#include "designer/unique_names.h"

namespace tavrin {

namespace {

constexpr UINT kFirstItemCommand = 0x7000;
UINT nextCommand = kFirstItemCommand;

}  // namespace

DesignMenu*& DialogMenus::ActiveMenu() {
    static DesignMenu* active = nullptr;
    return active;
}

int& DialogMenus::ItemCounter() {
    static int counter = 0;
    return counter;
}

DialogMenus::~DialogMenus() {
    if (Owns(ActiveMenu())) ActiveMenu() = nullptr;
}

bool DialogMenus::Owns(const DesignMenu* menu) const {
    return menu && std::any_of(all_.begin(), all_.end(), [&](const auto& m) { return m.get() == menu; });
}

void DialogMenus::SetActive(DesignMenu* menu) {
    ActiveMenu() = menu;
    if (menu && OnStatus) OnStatus("Active Menu:" + menu->name);
}

DesignMenu& DialogMenus::NewMenu(const std::string& name, bool isMain) {
    auto menu = std::make_unique<DesignMenu>();
    menu->name = name;
    menu->isMain = isMain;
    if (isMain) {
        menu->handle = CreateMenu();
    } else {
        menu->commandId = nextCommand++;
        menu->codeId = NextCodeId();
    }
    all_.push_back(std::move(menu));
    ++revision_;
    return *all_.back();
}

int DialogMenus::NextCodeId() const {
    int highest = 0;
    for (const auto& m : all_) highest = std::max(highest, m->codeId);
    return highest + 1;
}

void DialogMenus::AddMainMenu() {
    if (main_) return;
    std::string name = "MainMenu";
    if (!UserPrompts().InputBox("Menu", "Add a menu name", name)) return;
    // The name becomes a field of the dialog's code: it must be one code can use.
    if (!IsIdentifier(name)) throw CommandError("''" + name + "'' is not a valid component name");
    std::string error = MenuItemNameError(name, [this](std::string_view n) { return NameTaken(std::string(n)); });
    if (!error.empty()) throw CommandError(error);
    main_ = &NewMenu(name, true);
    SetMenu(window_, main_->handle);
    SetActive(main_);
}

DesignMenu* DialogMenus::MainMenuFromCode(const std::string& name) {
    if (main_) return nullptr;
    main_ = &NewMenu(name, true);
    SetMenu(window_, main_->handle);
    DrawMenuBar(window_);
    return main_;
}

DesignMenu* DialogMenus::ItemFromCode(const std::string& name) {
    DesignMenu& item = NewMenu(name, false);
    item.caption = name;
    return &item;
}

void DialogMenus::Attach(DesignMenu& parent, DesignMenu& item) {
    if (item.parent || item.isMain || !Owns(&parent) || !Owns(&item)) return;
    for (const DesignMenu* up = &parent; up; up = up->parent)
        if (up == &item) return;  // an item never goes below itself
    if (!parent.isMain && !parent.handle) {
        // The parent opens a submenu from now on.
        parent.handle = CreatePopupMenu();
        if (HMENU above = ParentHandle(parent))
            ModifyMenuA(above, parent.commandId, MF_BYCOMMAND | MF_POPUP,
                        reinterpret_cast<UINT_PTR>(parent.handle), parent.caption.c_str());
    }
    if (item.handle)
        AppendMenuA(parent.handle, MF_POPUP, reinterpret_cast<UINT_PTR>(item.handle), item.caption.c_str());
    else
        AppendMenuA(parent.handle, MF_STRING, item.commandId, item.caption.c_str());
    item.parent = &parent;
    parent.children.push_back(&item);
    ++revision_;
    DrawMenuBar(window_);
}

void DialogMenus::SetCaption(DesignMenu& item, const std::string& caption) {
    item.caption = caption;
    ++revision_;
    DesignMenu* parent = item.parent;
    if (!parent || !parent->handle) return;
    auto at = std::find(parent->children.begin(), parent->children.end(), &item) - parent->children.begin();
    UINT flags = MF_BYPOSITION | (item.handle ? MF_POPUP : MF_STRING);
    UINT_PTR id = item.handle ? reinterpret_cast<UINT_PTR>(item.handle) : item.commandId;
    ModifyMenuA(parent->handle, static_cast<UINT>(at), flags, id, caption.c_str());
    DrawMenuBar(window_);
}

DesignMenu* DialogMenus::OfTag(const void* tag) const {
    for (const auto& m : all_)
        if (&m->code == tag) return m.get();
    return nullptr;
}

const MenuNode* DialogMenus::CodeTree() {
    auto fill = [](auto& self, DesignMenu& menu, MenuNode* parent) -> void {
        menu.code.name = menu.name;
        menu.code.caption = menu.caption;
        menu.code.commandId = menu.codeId;
        menu.code.parent = parent;
        menu.code.items.clear();
        for (DesignMenu* child : menu.children) {
            self(self, *child, &menu.code);
            menu.code.items.push_back(&child->code);
        }
    };
    if (!main_) return nullptr;
    fill(fill, *main_, nullptr);
    return &main_->code;
}

std::vector<const void*> DialogMenus::CodeTags() const {
    std::vector<const void*> tags;
    for (const auto& m : all_) tags.push_back(&m->code);
    return tags;
}

bool DialogMenus::NameTaken(const std::string& name) const {
    if (NameUsedElsewhere && NameUsedElsewhere(name)) return true;
    // "this" and "base" stand for the dialog itself in its code.
    if (EqualsNoCase(name, "this") || EqualsNoCase(name, "base")) return true;
    return std::any_of(all_.begin(), all_.end(), [&](const auto& m) { return EqualsNoCase(m->name, name); });
}

void DialogMenus::AddItem() {
    DesignMenu* target = ActiveMenu();
    if (!Owns(target) || !main_) return;
    std::string caption = DefaultMenuItemCaption(++ItemCounter());
    UserPrompts().InputBox("MenuItem Caption", "type a caption:", caption);  // a cancel keeps the offered caption
    std::string name = IdentifierFilter(caption);
    std::string error = MenuItemNameError(name, [this](std::string_view n) { return NameTaken(std::string(n)); });
    if (!error.empty()) throw CommandError(error);
    DesignMenu& item = NewMenu(name, false);
    item.caption = caption;
    Attach(*target, item);
}

HMENU DialogMenus::ParentHandle(const DesignMenu& item) const {
    return item.parent ? item.parent->handle : nullptr;
}

void DialogMenus::Destroy(DesignMenu& menu) {
    while (!menu.children.empty()) Destroy(*menu.children.back());
    if (menu.isMain) {
        SetMenu(window_, nullptr);
        DestroyMenu(menu.handle);
        main_ = nullptr;
    } else if (DesignMenu* parent = menu.parent) {
        int count = GetMenuItemCount(parent->handle);
        int position = static_cast<int>(std::find(parent->children.begin(), parent->children.end(), &menu) -
                                         parent->children.begin());
        if (position < count) DeleteMenu(parent->handle, static_cast<UINT>(position), MF_BYPOSITION);
        parent->children.erase(std::remove(parent->children.begin(), parent->children.end(), &menu),
                               parent->children.end());
    }
    if (ActiveMenu() == &menu) ActiveMenu() = nullptr;
    ++revision_;
    all_.erase(std::remove_if(all_.begin(), all_.end(), [&](const auto& m) { return m.get() == &menu; }),
               all_.end());
}

void DialogMenus::DeleteActive() {
    if (!Owns(ActiveMenu())) return;
    Destroy(*ActiveMenu());
    ActiveMenu() = nullptr;
    DrawMenuBar(window_);
}

void DialogMenus::ClearActive() {
    DesignMenu* target = ActiveMenu();
    if (!Owns(target)) return;
    while (!target->children.empty()) Destroy(*target->children.back());
    DrawMenuBar(window_);
}

bool DialogMenus::ItemClicked(UINT commandId) {
    for (const auto& menu : all_) {
        if (!menu->isMain && menu->commandId == commandId) {
            SetActive(menu.get());
            return true;
        }
    }
    return false;
}

bool DialogMenus::SubmenuOpened(HMENU submenu) {
    for (const auto& menu : all_) {
        if (!menu->isMain && submenu && menu->handle == submenu) {
            SetActive(menu.get());
            return true;
        }
    }
    return false;
}

void DialogMenus::ActivateMainMenu() {
    ActiveMenu() = main_;
    if (main_) SetActive(main_);
}

}  // namespace tavrin
