// The resource editor's window in-process: files added through the file box
// become list view entries with their images, the selection drives the kind
// list and Remove, imported dialogs come once, and Show Source Code shows a
// freshly generated script each time.
#include <gtest/gtest.h>

#include "resources/resources_window.h"

#include <commctrl.h>

#include <cstdlib>

#include "resources/resource_types.h"
#include "support/picture_files.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"
#include "support/win32_test_windows.h"
#include "ui/component_names.h"

namespace tavrin::test {
namespace {

struct FakeWorkbench {
    bool guiResources = true;
    std::vector<const void*> chosen;
    bool cancelChoice = false;
    std::optional<std::string> page;  // the text of the "Resources" page while shown
    std::string editedText;            // what the user left in that page

    ResourcesHost Host() {
        ResourcesHost host;
        host.guiResources = [this] { return guiResources; };
        host.hasDialogs = [this] { return !chosen.empty(); };
        host.chooseDialogs = [this]() -> std::optional<std::vector<const void*>> {
            if (cancelChoice) return std::nullopt;
            return chosen;
        };
        host.describeDialog = [](const void*) { return DialogText{"Dialog1", "Dialog1 DIALOGEX 0, 0, 10, 10"}; };
        host.showSourcePage = [this](const std::string& text) { page = text; };
        host.takeSourcePage = [this] {
            page.reset();
            return editedText;
        };
        host.sourcePageShown = [this] { return page.has_value(); };
        return host;
    }
};

class ResourcesWindowTest : public testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<TResources>(workbench.Host());
        window->Create();
    }
    void AddChosen(std::vector<std::string> files) {
        prompts.fileResults.push_back({true, std::move(files), 1});
        window->AddFiles();
    }
    int Entries() const { return ListView_GetItemCount(window->ListView()); }
    int ImageOf(int entry) const {
        LVITEMA item{};
        item.mask = LVIF_IMAGE;
        item.iItem = entry;
        SendMessageA(window->ListView(), LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        return item.iImage;
    }
    std::vector<std::string> MenuItems() {
        HMENU menu = window->BuildPopupMenu();
        std::vector<std::string> items;
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            char text[64] = {};
            GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
            UINT state = GetMenuState(menu, i, MF_BYPOSITION);
            if (state & MF_SEPARATOR) {
                items.push_back("");
                continue;
            }
            items.push_back(std::string(text) + (state & MF_GRAYED ? " (off)" : "") + (state & MF_CHECKED ? " (on)" : ""));
        }
        DestroyMenu(menu);
        return items;
    }

    TempFolder folder;
    ScriptedPrompts prompts;
    FakeWorkbench workbench;
    std::unique_ptr<TResources> window;
};

TEST_F(ResourcesWindowTest, FilesBecomeEntriesWithTheImageOfTheirTypeEachOnce) {
    std::string logo = folder.Write("logo.bmp", BitmapFile());
    AddChosen({logo, folder.Write("app.xp", "<assembly/>"), folder.Write("Menu.MNU", "x"), logo});
    ASSERT_EQ(Entries(), 3) << "a file chosen twice is one item";
    EXPECT_EQ(ImageOf(0), imagePicture);
    EXPECT_EQ(ImageOf(1), imageData);
    EXPECT_EQ(ImageOf(2), imageOther);
    EXPECT_FALSE(IsWindowEnabled(window->Control(TResources::idRemove)));

    window->SelectEntry(0);
    ASSERT_NE(window->Current(), nullptr);
    EXPECT_EQ(window->Current()->Name, "logo");
    EXPECT_EQ(WindowText(window->Control(TResources::idKind)), "BITMAP");
    EXPECT_TRUE(IsWindowEnabled(window->Control(TResources::idRemove)));
    window->SelectEntry(2);
    EXPECT_EQ(WindowText(window->Control(TResources::idKind)), "MENU");

    window->RemoveSelected();
    EXPECT_EQ(Entries(), 2);
    EXPECT_EQ(window->Items().Items().size(), 2u);
    EXPECT_FALSE(IsWindowEnabled(window->Control(TResources::idRemove)));
    window->Clear();
    EXPECT_EQ(Entries(), 0);
    EXPECT_TRUE(window->Items().Empty());
    EXPECT_EQ(prompts.shown.size(), 1u) << "one file box, no message";
}

TEST_F(ResourcesWindowTest, ImportDialogsIsOfferedWithTheSettingAndAddsEachDialogOnce) {
    workbench.guiResources = false;
    EXPECT_EQ(MenuItems(), (std::vector<std::string>{"Add...", "Remove (off)", "", "Clear (off)", "",
                                                     "Show Source Code"}));
    workbench.guiResources = true;
    EXPECT_EQ(MenuItems()[3], "Import Dialogs... (off)") << "no dialog to import";
    int dialog = 0;
    workbench.chosen = {&dialog, &dialog};
    EXPECT_EQ(MenuItems()[3], "Import Dialogs...");
    window->ImportDialogs();
    window->ImportDialogs();
    ASSERT_EQ(Entries(), 1);
    EXPECT_EQ(ImageOf(0), imageDialog);
    workbench.cancelChoice = true;
    window->ImportDialogs();
    EXPECT_EQ(Entries(), 1);
}

TEST_F(ResourcesWindowTest, ShowSourceCodeShowsAFreshScriptAndKeepsThePageLinesWhenHidden) {
    AddChosen({folder.Write("app.ico", IconFile())});
    std::string line = "app ICON " + ResourceString(folder.Path("app.ico")) + "\r\n";
    window->ToggleSourceCode();
    ASSERT_TRUE(workbench.page);
    EXPECT_EQ(*workbench.page, line);
    EXPECT_EQ(MenuItems().back(), "Show Source Code (on)");

    workbench.editedText = "// edited\r\n" + line;
    window->ToggleSourceCode();
    EXPECT_FALSE(workbench.page);
    ASSERT_EQ(window->Script().size(), 2u) << "the page's lines are kept";
    EXPECT_EQ(window->Script()[0].text, "// edited");

    window->ToggleSourceCode();
    ASSERT_TRUE(workbench.page);
    EXPECT_EQ(*workbench.page, line) << "generated anew, not appended to the lines kept";
}

// With TAVRIN_RESOURCES_SHOT naming a .bmp file: the editor with items.
TEST_F(ResourcesWindowTest, Screenshot) {
    const char* file = std::getenv("TAVRIN_RESOURCES_SHOT");
    if (!file) GTEST_SKIP() << "TAVRIN_RESOURCES_SHOT names no file";
    AddChosen({folder.Write("logo.bmp", BitmapFile()), folder.Write("app.ico", IconFile()),
               folder.Write("hand.cur", IconFile(true)), folder.Write("notes.txt", "N RCDATA { 1 }"),
               folder.Write("app.xp", "<assembly/>"), folder.Write("keys.acc", "")});
    int dialog = 0;
    workbench.chosen = {&dialog};
    window->ImportDialogs();
    window->SelectEntry(0);
    SetWindowPos(window->Handle(), HWND_TOP, 40, 40, 600, 400, SWP_SHOWWINDOW);
    PumpMessagesFor(600);
    RECT area{};
    GetWindowRect(window->Handle(), &area);
    EXPECT_TRUE(SaveScreenArea(area, file));
}

}  // namespace
}  // namespace tavrin::test
