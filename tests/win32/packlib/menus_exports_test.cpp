// Menus of the library loaded by name: items made and added through the members a program
// calls, read and set through the property exports, looked at in the window-system menus.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "library_members.h"
#include "velpack_binding.h"

namespace {

std::string Address(const void* pointer) {
    return std::to_string(reinterpret_cast<UINT_PTR>(pointer));
}

std::vector<int> menuCommands;
void __stdcall RecordMenu(void*, int id) { menuCommands.push_back(id); }

class Menus : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(vp.Loaded());
        menuCommands.clear();
    }

    // A new menu node of the class ("QMenu", "QPopupMenu", "QMainMenu").
    void* Make(const char* className, const char* caption = nullptr) {
        made.push_back(std::make_unique<LibraryInstance>(members, className));
        void* menu = made.back()->get();
        if (caption) vp.Set(menu, "Caption", caption);
        return menu;
    }
    void Add(void* menu, void* item) { members.Call(menu, MemberName("QMenu", "Add", "PS_"), item); }
    void Remove(void* menu, void* item) {
        members.Call(menu, MemberName("QMenu", "Remove", "PS_"), item);
    }
    int IndexOf(void* menu, void* item) {
        return members.Call<int>(menu, MemberName("QMenu", "IndexOf", "PS_", true), item);
    }
    HMENU HandleOf(void* menu) {
        return members.Call<HMENU>(menu, MemberName("QMenu", "GetHandle", "v", true));
    }

    // The item data of every entry, and one entry's text and type.
    static std::vector<void*> Entries(HMENU menu) {
        std::vector<void*> entries;
        for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i) {
            MENUITEMINFOA info{};
            info.cbSize = sizeof info;
            info.fMask = MIIM_DATA;
            GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info);
            entries.push_back(reinterpret_cast<void*>(info.dwItemData));
        }
        return entries;
    }
    static std::string EntryText(HMENU menu, int position) {
        char text[64] = {};
        GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
        return text;
    }
    static UINT EntryType(HMENU menu, int position) {
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE;
        GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info);
        return info.fType;
    }

    const VelpackBinding& vp = Velpack();
    LibraryMembers members{vp.library ? vp.library->Module() : nullptr};
    std::vector<std::unique_ptr<LibraryInstance>> made;
};

// In a process of its own: the identifiers handed out are the first of the process.
TEST_F(Menus, FirstTwoItemsGetOneAndTwoAndASeparatorUsesNone) {
    ASSERT_EQ(0, members.Variable<int>("LastCommandID"));
    void* popup = Make("QPopupMenu");
    void* first = Make("QMenu", "First");
    void* separator = Make("QMenu", "-");
    void* second = Make("QMenu", "Second");
    Add(popup, first);
    Add(popup, separator);
    Add(popup, second);
    HMENU menu = HandleOf(popup);
    ASSERT_EQ(3, GetMenuItemCount(menu));
    EXPECT_EQ(1u, GetMenuItemID(menu, 0));
    EXPECT_EQ(static_cast<UINT>(-1), GetMenuItemID(menu, 1));
    EXPECT_EQ(2u, GetMenuItemID(menu, 2));
    EXPECT_TRUE(EntryType(menu, 1) & MFT_SEPARATOR);
    EXPECT_EQ(2, members.Variable<int>("LastCommandID"));
    EXPECT_EQ("1", vp.Value(first, "CommandID"));
    EXPECT_EQ("2", vp.Value(second, "CommandID"));
    EXPECT_EQ("0", vp.Value(separator, "CommandID"));
    EXPECT_EQ(3, members.Call<int>(nullptr, "_Z12NewCommandIDv"));
}

TEST_F(Menus, TheSameItemAddedTwiceGivesOneEntry) {
    void* popup = Make("QPopupMenu");
    void* item = Make("QMenu", "Once");
    Add(popup, item);
    Add(popup, item);
    EXPECT_EQ(1, GetMenuItemCount(HandleOf(popup)));
    EXPECT_EQ(0, IndexOf(popup, item));
    EXPECT_EQ(Address(popup), vp.Value(item, "Parent"));
    // A menu cannot go below itself, nor below a menu under it.
    Add(item, popup);
    EXPECT_EQ(-1, IndexOf(item, popup));
    Add(popup, popup);
    EXPECT_EQ(1, GetMenuItemCount(HandleOf(popup)));
}

TEST_F(Menus, CheckedShowsTheMarkAndFalseRemovesIt) {
    void* popup = Make("QPopupMenu");
    void* item = Make("QMenu", "Word wrap");
    Add(popup, item);
    HMENU menu = HandleOf(popup);
    EXPECT_TRUE(vp.Set(item, "Checked", "1"));
    EXPECT_TRUE(GetMenuState(menu, 0, MF_BYPOSITION) & MF_CHECKED);
    EXPECT_EQ("-1", vp.Value(item, "Checked"));
    vp.Set(item, "Checked", "0");
    EXPECT_FALSE(GetMenuState(menu, 0, MF_BYPOSITION) & MF_CHECKED);
    EXPECT_EQ("0", vp.Value(item, "Checked"));
    vp.Set(item, "Enabled", "0");
    EXPECT_TRUE(GetMenuState(menu, 0, MF_BYPOSITION) & MF_GRAYED);
    vp.Set(item, "Enabled", "-1");
    EXPECT_FALSE(GetMenuState(menu, 0, MF_BYPOSITION) & MF_GRAYED);
}

TEST_F(Menus, RadioItemChecksOneEntryOfItsMenu) {
    void* popup = Make("QPopupMenu");
    void* small = Make("QMenu", "Small");
    void* large = Make("QMenu", "Large");
    Add(popup, small);
    Add(popup, large);
    HMENU menu = HandleOf(popup);
    vp.Set(small, "RadioItem", "1");
    vp.Set(large, "RadioItem", "1");
    EXPECT_FALSE(GetMenuState(menu, 0, MF_BYPOSITION) & MF_CHECKED);
    EXPECT_TRUE(GetMenuState(menu, 1, MF_BYPOSITION) & MF_CHECKED);
    EXPECT_TRUE(EntryType(menu, 1) & MFT_RADIOCHECK);
    vp.Set(large, "RadioItem", "0");  // back to its own (clear) check mark
    EXPECT_FALSE(GetMenuState(menu, 1, MF_BYPOSITION) & MF_CHECKED);
    EXPECT_FALSE(EntryType(menu, 1) & MFT_RADIOCHECK);
    EXPECT_EQ("false", vp.Value(large, "RadioItem"));
}

TEST_F(Menus, VisibleFalseRemovesTheEntryAndTrueReinsertsItAtItsPosition) {
    void* popup = Make("QPopupMenu");
    void* a = Make("QMenu", "A");
    void* b = Make("QMenu", "B");
    void* c = Make("QMenu", "C");
    Add(popup, a);
    Add(popup, b);
    Add(popup, c);
    HMENU menu = HandleOf(popup);
    vp.Set(b, "Checked", "1");
    EXPECT_TRUE(vp.Set(b, "Visible", "0"));
    EXPECT_EQ((std::vector<void*>{a, c}), Entries(menu));
    EXPECT_EQ("false", vp.Value(b, "Visible"));
    vp.Set(b, "Visible", "1");
    EXPECT_EQ((std::vector<void*>{a, b, c}), Entries(menu));
    EXPECT_EQ("B", EntryText(menu, 1));
    EXPECT_EQ(static_cast<UINT>(std::stoi(vp.Value(b, "CommandID"))), GetMenuItemID(menu, 1));
    EXPECT_TRUE(GetMenuState(menu, 1, MF_BYPOSITION) & MF_CHECKED);  // with its check mark
    // Shown already: no second entry.
    vp.Set(b, "Visible", "1");
    EXPECT_EQ(3, GetMenuItemCount(menu));
    // A sub-menu goes back as a sub-menu.
    void* sub = Make("QMenu", "More");
    Add(c, sub);
    vp.Set(c, "Visible", "0");
    vp.Set(c, "Visible", "1");
    EXPECT_EQ(HandleOf(c), GetSubMenu(menu, 2));
}

TEST_F(Menus, NewCaptionIsOneBlankAndADashMakesASeparator) {
    void* popup = Make("QPopupMenu");
    void* item = Make("QMenu");
    EXPECT_EQ(" ", vp.Value(item, "Caption"));
    Add(popup, item);
    HMENU menu = HandleOf(popup);
    EXPECT_EQ(" ", EntryText(menu, 0));
    EXPECT_TRUE(vp.Set(item, "Caption", "-"));
    EXPECT_TRUE(EntryType(menu, 0) & MFT_SEPARATOR);
    vp.Set(item, "Caption", "&Save");
    EXPECT_FALSE(EntryType(menu, 0) & MFT_SEPARATOR);
    EXPECT_EQ("&Save", EntryText(menu, 0));
    EXPECT_EQ((std::vector<void*>{item}), Entries(menu));  // the entry still carries the item
    QPropInfo* caption = vp.Info(item, "Caption");
    ASSERT_TRUE(caption);
    EXPECT_EQ(8, caption->Kind);
    EXPECT_EQ(nullptr, caption->Value);
}

TEST_F(Menus, CommandIdFollowsIntoTheEntry) {
    void* popup = Make("QPopupMenu");
    void* item = Make("QMenu", "Run");
    Add(popup, item);
    EXPECT_TRUE(vp.Set(item, "CommandID", "4711"));
    EXPECT_EQ(4711u, GetMenuItemID(HandleOf(popup), 0));
    EXPECT_EQ("4711", vp.Value(item, "CommandID"));
}

TEST_F(Menus, RemoveTakesOutTheEntryAndTheItemKeepsItsOwnMenu) {
    void* bar = Make("QMainMenu");
    void* file = Make("QMenu", "&File");
    void* edit = Make("QMenu", "&Edit");
    void* open = Make("QMenu", "&Open");
    Add(bar, file);
    Add(bar, edit);
    Add(file, open);  // File becomes a sub-menu after its entry was made
    HMENU menu = HandleOf(bar);
    HMENU fileMenu = HandleOf(file);
    ASSERT_TRUE(fileMenu);
    EXPECT_EQ(fileMenu, GetSubMenu(menu, 0));
    Remove(bar, file);
    EXPECT_EQ((std::vector<void*>{edit}), Entries(menu));
    EXPECT_EQ(-1, IndexOf(bar, file));
    EXPECT_EQ("0", vp.Value(file, "Parent"));
    EXPECT_EQ(Address(bar), vp.Value(edit, "Parent"));
    EXPECT_TRUE(IsMenu(fileMenu));
    EXPECT_EQ((std::vector<void*>{open}), Entries(fileMenu));
    // Added again, it opens its menu as before; setting Visible finds it at its new place.
    Add(bar, file);
    EXPECT_EQ(fileMenu, GetSubMenu(menu, 1));
    vp.Set(file, "Visible", "0");
    EXPECT_EQ((std::vector<void*>{edit}), Entries(menu));
}

TEST_F(Menus, DestroyedItemsLeaveTheirMenusAndParentsLetChildrenGo) {
    void* popup = Make("QPopupMenu");
    auto item = std::make_unique<LibraryInstance>(members, "QMenu");
    auto parent = std::make_unique<LibraryInstance>(members, "QMenu");
    void* child = Make("QMenu", "Child");
    Add(popup, item->get());
    Add(popup, parent->get());
    Add(parent->get(), child);
    HMENU childOwner = HandleOf(parent->get());
    item.reset();
    EXPECT_EQ(1, GetMenuItemCount(HandleOf(popup)));
    parent.reset();
    EXPECT_EQ(0, GetMenuItemCount(HandleOf(popup)));
    EXPECT_FALSE(IsMenu(childOwner));
    EXPECT_EQ("0", vp.Value(child, "Parent"));
    // An item given another parent by its property leaves the menu it was in, so that its
    // end leaves nothing of it behind there.
    auto moved = std::make_unique<LibraryInstance>(members, "QMenu");
    void* other = Make("QPopupMenu");
    Add(popup, moved->get());
    EXPECT_TRUE(vp.Set(moved->get(), "Parent", Address(other)));
    EXPECT_EQ(-1, IndexOf(popup, moved->get()));
    EXPECT_EQ(0, GetMenuItemCount(HandleOf(popup)));
    moved.reset();
    void* last = Make("QMenu", "Last");
    Add(popup, last);
    EXPECT_EQ((std::vector<void*>{last}), Entries(HandleOf(popup)));
}

TEST_F(Menus, LoadFromResourceTakesTheMenuOfThatName) {
    void* menu = Make("QPopupMenu");
    std::string name = "VELPACKTESTMENU";
    members.Call(menu, MemberName("QMenu", "LoadFromResource", kStringParameter), &name);
    HMENU loaded = HandleOf(menu);
    ASSERT_TRUE(IsMenu(loaded));
    ASSERT_EQ(2, GetMenuItemCount(loaded));
    EXPECT_EQ("&Help", EntryText(loaded, 1));
    HMENU file = GetSubMenu(loaded, 0);
    ASSERT_TRUE(file);
    EXPECT_EQ(101u, GetMenuItemID(file, 0));
    // Every entry, also those of the sub-menu, carries the object.
    EXPECT_EQ((std::vector<void*>{menu, menu}), Entries(loaded));
    EXPECT_EQ((std::vector<void*>{menu, menu, menu}), Entries(file));
    // A name that is no menu of the program changes nothing.
    std::string missing = "NOSUCHMENU";
    members.Call(menu, MemberName("QMenu", "LoadFromResource", kStringParameter), &missing);
    EXPECT_EQ(loaded, HandleOf(menu));
}

TEST_F(Menus, MenuBarOfAFormReportsItsItemsThroughOnMenu) {
    HWND window = CreateWindowExA(0, "QForm", "menu form", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200,
                                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_TRUE(window);
    void* form = GetPropA(window, "FreeBasicObject");
    ASSERT_TRUE(form);
    void* bar = Make("QMainMenu");
    void* file = Make("QMenu", "&File");
    void* quit = Make("QMenu", "&Quit");
    Add(file, quit);
    Add(bar, file);
    EXPECT_TRUE(vp.Set(form, "MainMenu", Address(bar)));
    EXPECT_EQ(HandleOf(bar), GetMenu(window));
    EXPECT_TRUE(vp.Set(form, "onMenu", Address(reinterpret_cast<void*>(RecordMenu))));
    int quitId = std::stoi(vp.Value(quit, "CommandID"));
    // What the window system sends when the entry is chosen.
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(GetMenuItemID(HandleOf(file), 0), 0), 0);
    EXPECT_EQ((std::vector<int>{quitId}), menuCommands);
    DestroyWindow(window);
}

}  // namespace
