// The menu editor of a dialog under design: a main menu on the dialog
// window and menu items below it or below each other, made from the
// dialog's right-click menu. The menu being edited (ActiveMenu) and the
// count of items made are shared by every dialog of the workbench.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tavrin {

struct DesignMenu {
    std::string name;
    std::string caption;
    bool isMain = false;
    UINT commandId = 0;           // a menu item's command (0 for the main menu)
    HMENU handle = nullptr;       // the main menu, or an item's submenu once it has children
    DesignMenu* parent = nullptr;
    std::vector<DesignMenu*> children;
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
    // A double click on the surface: the main menu becomes ActiveMenu.
    void ActivateMainMenu();
    bool Owns(const DesignMenu* menu) const;

    // "Active Menu:" and the name, for the status bar.
    std::function<void(const std::string&)> OnStatus;

    static DesignMenu*& ActiveMenu();
    static int& ItemCounter();

private:
    void SetActive(DesignMenu* menu);
    void Destroy(DesignMenu& menu);
    HMENU ParentHandle(const DesignMenu& item) const;
    bool NameTaken(const std::string& name) const;

    HWND window_;
    DesignMenu* main_ = nullptr;
    std::vector<std::unique_ptr<DesignMenu>> all_;
};

}  // namespace tavrin
