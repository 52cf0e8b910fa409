// The menu editor of a dialog under design: a main menu on the dialog
// window and menu items below it or below each other, made from the
// dialog's right-click menu or rebuilt by the code reader. The menu being
// edited (ActiveMenu) and the count of items made are shared by every dialog
// of the workbench. Each menu object carries its form in code (a MenuNode),
// whose address is the tag of the object's lines.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "designer/menu_node.h"

namespace tavrin {

struct DesignMenu {
    std::string name;
    std::string caption;
    bool isMain = false;
    UINT commandId = 0;           // a menu item's command (0 for the main menu)
    HMENU handle = nullptr;       // the main menu, or an item's submenu once it has children
    DesignMenu* parent = nullptr;
    std::vector<DesignMenu*> children;
    int codeId = 0;               // the item's CommandID in code
    MenuNode code;                // the menu as code writes it (filled by CodeTree)
};

class DialogMenus {
public:
    explicit DialogMenus(HWND window) : window_(window) {}
    ~DialogMenus();

    DesignMenu* MainMenu() const { return main_; }
    // "Add...": asks for the main menu's name (only while the dialog has none).
    void AddMainMenu();
    // "Add Item...": asks for a caption; the item goes below ActiveMenu.
    void AddItem();
    // "Delete": ActiveMenu with its children; ActiveMenu becomes none.
    void DeleteActive();
    // "Clear": every child of ActiveMenu, the last first.
    void ClearActive();
    // A click on an item at design time makes it ActiveMenu; false when the id is no item of this dialog.
    bool ItemClicked(UINT commandId);
    // A click on an item that opens a submenu (the submenu is about to open) does the same.
    bool SubmenuOpened(HMENU submenu);
    // A double click on the surface: the main menu becomes ActiveMenu.
    void ActivateMainMenu();
    bool Owns(const DesignMenu* menu) const;

    // The code reader's side: a main menu (null when there is one already), an
    // item outside every menu, an item made the last child of parent.
    DesignMenu* MainMenuFromCode(const std::string& name);
    DesignMenu* ItemFromCode(const std::string& name);
    void Attach(DesignMenu& parent, DesignMenu& item);
    void SetCaption(DesignMenu& item, const std::string& caption);
    // The menu object whose lines carry tag, or null.
    DesignMenu* OfTag(const void* tag) const;

    // The main menu's tree as code writes it, or null without a main menu.
    const MenuNode* CodeTree();
    // The tags of every menu object, for removing their lines.
    std::vector<const void*> CodeTags() const;
    // Grows with every change of the menus (items added, deleted, renamed).
    int Revision() const { return revision_; }
    // Names in use outside the menus (the dialog's components); may be empty.
    std::function<bool(std::string_view)> NameUsedElsewhere;

    // "Active Menu:" and the name, for the status bar.
    std::function<void(const std::string&)> OnStatus;

    static DesignMenu*& ActiveMenu();
    static int& ItemCounter();

private:
    void SetActive(DesignMenu* menu);
    void Destroy(DesignMenu& menu);
    HMENU ParentHandle(const DesignMenu& item) const;
    bool NameTaken(const std::string& name) const;
    DesignMenu& NewMenu(const std::string& name, bool isMain);
    int NextCodeId() const;

    HWND window_;
    int revision_ = 0;
    DesignMenu* main_ = nullptr;
    std::vector<std::unique_ptr<DesignMenu>> all_;
};

}  // namespace tavrin
