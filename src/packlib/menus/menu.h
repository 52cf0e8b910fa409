// Menu items, the menu bar and the pop-up menu, over window-system menus. Every entry a
// menu node puts into its window-system menu carries the item's address as its item
// data; the setters find the item's entry by it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "packlib/core/object.h"

class VELPACK_API QMenu : public QObject {
public:
    QMenu();
    // Leaves its parent's menu and lets its children go (each keeps its own sub-menu).
    ~QMenu();
    QMenu(const QMenu&) = delete;
    QMenu& operator=(const QMenu&) = delete;

    char* GetPropList() override;
    QPropInfo* GetPropInfo(std::string& name) override;
    char* GetPropValue(std::string& name) override;
    bool SetPropValue(std::string& name, const char* value) override;
    bool IsA(const std::string& className) override;

    // Appends the item (once; an item of another menu leaves that one first) and gives
    // its entry a new command identifier (a separator gets none).
    void Add(QMenu* item);
    // Takes the item and its entry out of this menu; the item keeps its own sub-menu.
    void Remove(QMenu* item);
    int IndexOf(QMenu* item) const;
    void SetCaption(const std::string& caption);
    void SetChecked(bool on);
    void SetEnabled(bool on);
    void SetRadioItem(bool on);
    // False takes the entry out of the parent's menu; true puts it back at Position.
    void SetVisible(bool on);
    void SetCommandID(int id);
    // The item leaves the menu it is in (its entry too); the new parent's list is not
    // changed: Add puts an item into a menu.
    void SetParent(QMenu* parent);
    HMENU GetHandle() const;
    // Whether the item may go below the given menu (null: none): not below itself nor
    // below one of the menus under it.
    bool CanGoInside(const QMenu* parent) const;
    // The menu resource of the name in the executable becomes this node's menu; its
    // entries carry this object's address.
    void LoadFromResource(const std::string& name);

    HMENU Handle = nullptr;
    std::int32_t Count = 0;
    std::int32_t CommandID = 0;
    std::int32_t Position = 0;
    std::string Caption = " ";
    std::vector<QMenu*> Items;
    QMenu* Parent = nullptr;
    bool Checked = false;
    bool Enabled = true;
    bool Visible = false;
    bool RadioItem = false;
    std::int32_t CheckFlags[3] = {MF_UNCHECKED, MF_CHECKED, 0};
    std::int32_t EnableFlags[3] = {MF_GRAYED | MF_DISABLED, MF_ENABLED, 0};

private:
    // The menu the item's entry is in: the parent's, when that is a live menu.
    HMENU ParentMenu() const;
    // The position of the item's entry in the parent's menu, or -1.
    int EntryPosition() const;
    // The position of the entry that carries the item in this node's menu, or -1.
    int PositionOf(const QMenu* item) const;
    void RemoveEntry();
    void InsertEntry();
    // The item's entry opens the item's own menu (made when it got its first child).
    void ShowOwnMenuInEntry();
    // Takes the item's entry out of this menu and the item out of Items.
    void TakeOut(QMenu* item);
    void LeaveParent();
    void Renumber();
    // Lets every child go and takes its entry out of this menu, so that destroying this
    // menu leaves the children's own menus alone.
    void ReleaseChildren();
    void DestroyOwnMenu();
};

class VELPACK_API QMainMenu : public QMenu {
public:
    QMainMenu();
    ~QMainMenu();
};

class VELPACK_API QPopupMenu : public QMenu {
public:
    QPopupMenu();
    ~QPopupMenu();
};

// The next menu command identifier (identifiers start at 1).
VELPACK_API int NewCommandID();
extern VELPACK_API int LastCommandID;
