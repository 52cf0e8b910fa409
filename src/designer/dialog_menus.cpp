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

void DialogMenus::AddMainMenu() {
    if (main_) return;
    std::string name = "MainMenu";
    if (!UserPrompts().InputBox("Menu", "Add a menu name", name)) return;
    auto menu = std::make_unique<DesignMenu>();
    menu->name = name;
    menu->isMain = true;
    menu->handle = CreateMenu();
    main_ = menu.get();
    all_.push_back(std::move(menu));
    SetMenu(window_, main_->handle);
    SetActive(main_);
}

bool DialogMenus::NameTaken(const std::string& name) const {
    return std::any_of(all_.begin(), all_.end(),
                       [&](const auto& m) { return !m->isMain && EqualsNoCase(m->name, name); });
}

void DialogMenus::AddItem() {
    DesignMenu* target = ActiveMenu();
    if (!Owns(target) || !main_) return;
    std::string caption = DefaultMenuItemCaption(++ItemCounter());
    UserPrompts().InputBox("MenuItem Caption", "type a caption:", caption);  // a cancel keeps the offered caption
    std::string name = IdentifierFilter(caption);
    std::string error = MenuItemNameError(name, [this](std::string_view n) { return NameTaken(std::string(n)); });
    if (!error.empty()) throw CommandError(error);
    auto item = std::make_unique<DesignMenu>();
    item->name = name;
    item->caption = caption;
    item->commandId = nextCommand++;
    item->parent = target;
    if (!target->isMain && !target->handle) {
        // The target item opens a submenu from now on.
        target->handle = CreatePopupMenu();
        ModifyMenuA(ParentHandle(*target), target->commandId, MF_BYCOMMAND | MF_POPUP,
                    reinterpret_cast<UINT_PTR>(target->handle), target->caption.c_str());
    }
    AppendMenuA(target->handle, MF_STRING, item->commandId, caption.c_str());
    target->children.push_back(item.get());
    all_.push_back(std::move(item));
    DrawMenuBar(window_);
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

void DialogMenus::ActivateMainMenu() {
    ActiveMenu() = main_;
    if (main_) SetActive(main_);
}

}  // namespace tavrin
