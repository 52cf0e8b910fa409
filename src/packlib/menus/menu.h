// Menu items, the menu bar and the pop-up menu, over window-system menus.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "packlib/core/object.h"

class VELPACK_API QMenu : public QObject {
public:
    QMenu();
    ~QMenu();
    QMenu(const QMenu&) = delete;
    QMenu& operator=(const QMenu&) = delete;

    char* GetPropList() override;
    QPropInfo* GetPropInfo(std::string& name) override;
    char* GetPropValue(std::string& name) override;
    bool SetPropValue(std::string& name, const char* value) override;
    bool IsA(const std::string& className) override;

    // Appends the item (once) and gives its entry a new command identifier.
    void Add(QMenu* item);
    void Remove(QMenu* item);
    int IndexOf(QMenu* item) const;
    void SetCaption(const std::string& caption);
    void SetChecked(bool on);
    void SetEnabled(bool on);
    void SetRadioItem(bool on);
    void SetVisible(bool on);
    void SetCommandID(int id);
    void SetParent(QMenu* parent) { Parent = parent; }
    // Whether the item may go below the given menu (null: none): not below itself nor
    // below one of the menus under it.
    bool CanGoInside(const QMenu* parent) const;
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
    // How the parent's menu identifies this item's entry: by its sub-menu or its command.
    UINT_PTR EntryId(UINT& flags) const;
};

class VELPACK_API QMainMenu : public QMenu {
public:
    QMainMenu();
};

class VELPACK_API QPopupMenu : public QMenu {
public:
    QPopupMenu();
};

// The next menu command identifier (identifiers start at 1).
VELPACK_API int NewCommandID();
extern VELPACK_API int LastCommandID;
