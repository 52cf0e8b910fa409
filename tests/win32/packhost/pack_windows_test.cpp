// The windows of the pack host under Wine with Velpack and ProbePack loaded
// from this program's folder: the palette strip (tabs, button windows in their
// cells, glyphs, clicks), the Packs window and the customize-palette window.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "beside_program.h"
#include "common/ini_file.h"
#include "packhost/customize_palette_window.h"
#include "packhost/pack_registry.h"
#include "packhost/packs_window.h"
#include "packhost/palette_window.h"
#include "packhost/win32_pack_loader.h"
#include "settings/launcher.h"
#include "support/scripted_prompts.h"
#include "support/win32_test_windows.h"

namespace tavrin::test {
namespace {

using Kind = ScriptedPrompts::Kind;

std::string Folder() {
    std::string path = BesideProgram("");
    return path.substr(0, path.size() - 1);
}

std::string TabText(HWND tabs, int index) {
    char text[64] = {};
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(tabs, TCM_GETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return text;
}

// The user picks a tab: the control changes its selection and tells its parent.
void PickTab(HWND tabs, int index) {
    SendMessageA(tabs, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
    NMHDR header{tabs, static_cast<UINT_PTR>(GetDlgCtrlID(tabs)), static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageA(GetParent(tabs), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

std::vector<std::string> ListTexts(HWND list) {
    std::vector<std::string> texts;
    int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[MAX_PATH] = {};
        LVITEMA item{};
        item.iSubItem = 0;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        texts.push_back(text);
    }
    return texts;
}

bool ListChecked(HWND list, int index) {
    auto state = static_cast<UINT>(SendMessageA(list, LVM_GETITEMSTATE, static_cast<WPARAM>(index), LVIS_STATEIMAGEMASK));
    return (state >> 12) == 2;
}

// What a user's click on an entry's check box or text does to the list view.
void SetListState(HWND list, int index, UINT mask, UINT state) {
    LVITEMA item{};
    item.stateMask = mask;
    item.state = state;
    SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}
void CheckEntry(HWND list, int index, bool checked) {
    SetListState(list, index, LVIS_STATEIMAGEMASK, INDEXTOSTATEIMAGEMASK(checked ? 2 : 1));
}
void SelectEntry(HWND list, int index) {
    SetListState(list, index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

// The palette's tooltip window: the one tooltip of the thread that has an owner.
BOOL CALLBACK FindPaletteTooltip(HWND window, LPARAM found) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    if (lstrcmpiA(name, TOOLTIPS_CLASSA) != 0 || !GetWindow(window, GW_OWNER)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

// A palette strip in a window of its own, with both packs loaded onto it.
class PackWindowsTest : public testing::Test {
protected:
    PackWindowsTest() : settings(BesideProgram("pack_windows.ini")) {
        DeleteFileA(settings.SettingsFile().Path().c_str());
        parent = CreateWindowExA(0, PlainWindowClass("PaletteTestParent"), "palette", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 700, 140,
                                 nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        strip = std::make_unique<PaletteWindow>(parent, 0, 0, 640, 90);
        strip->Palette().SetFlat(true);
        registry = std::make_unique<PackRegistry>(settings, strip->Palette(), loader, Folder());
        registry->ShowStatus = [this](const std::string& text) { status.push_back(text); };
        settings.Libs.Add("Velpack.dll");
        settings.Libs.Add("ProbePack.dll");
        registry->LoadPacks();
    }
    ~PackWindowsTest() override {
        registry.reset();
        strip.reset();
        DestroyWindow(parent);
    }
    TPaletteControl& Palette() { return strip->Palette(); }
    TPalettePage& Page(const char* caption) { return *Palette().FindPage(caption); }

    ScriptedPrompts prompts;
    TLauncher settings;
    Win32PackLoader loader;
    HWND parent = nullptr;
    std::unique_ptr<PaletteWindow> strip;
    std::unique_ptr<PackRegistry> registry;
    std::vector<std::string> status;
};

TEST_F(PackWindowsTest, BothPacksGetATabAndTheFirstIsShown) {
    EXPECT_TRUE(prompts.shown.empty());
    HWND tabs = strip->Tabs();
    ASSERT_EQ(2, SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
    EXPECT_EQ("Standards", TabText(tabs, 0));
    EXPECT_EQ("Probes", TabText(tabs, 1));
    EXPECT_EQ(0, SendMessageA(tabs, TCM_GETCURSEL, 0, 0));
    EXPECT_TRUE(IsWindowVisible(strip->PageWindow(Page("Standards"))));
    EXPECT_FALSE(IsWindowVisible(strip->PageWindow(Page("Probes"))));
    PickTab(tabs, 1);
    EXPECT_EQ(&Page("Probes"), Palette().ActivePalette());
    EXPECT_TRUE(IsWindowVisible(strip->PageWindow(Page("Probes"))));
    EXPECT_FALSE(IsWindowVisible(strip->PageWindow(Page("Standards"))));
}

TEST_F(PackWindowsTest, ButtonWindowsStandInTheirCells) {
    TPalettePage& standards = Page("Standards");
    RECT page{};
    GetClientRect(strip->PageWindow(standards), &page);
    EXPECT_EQ(page.right, standards.ClientWidth()) << "the page's width is its window's";
    RECT arrow = ChildRect(strip->ButtonWindow(standards.Arrow()));
    EXPECT_EQ(4, arrow.left);
    EXPECT_EQ(4, arrow.top);
    EXPECT_EQ(28, arrow.right - arrow.left);
    Palette().SetPageClientWidth(100);
    std::vector<POINT> expected = {{32, 4}, {60, 4}, {88, 4}, {4, 32}, {32, 32}};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        RECT r = ChildRect(strip->ButtonWindow(*standards.Buttons()[i]));
        EXPECT_EQ(expected[i].x, r.left) << i;
        EXPECT_EQ(expected[i].y, r.top) << i;
    }
    // The strip resized: the pages take the new width again.
    MoveWindow(strip->Handle(), 0, 0, 400, 90, TRUE);
    GetClientRect(strip->PageWindow(standards), &page);
    EXPECT_EQ(page.right, standards.ClientWidth());
    EXPECT_GT(standards.ClientWidth(), 300);
}

TEST_F(PackWindowsTest, VelpackClassesShowTheirGlyphsAndProbesDrawTheirOwn) {
    for (const auto& button : Page("Standards").Buttons())
        EXPECT_EQ(Folder() + "\\controls\\" + button->Hint() + ".bmp", button->Glyph()) << button->Hint();
    for (const auto& button : Page("Probes").Buttons()) EXPECT_EQ("", button->Glyph());
    // 12 class buttons and 2 arrows, each with its tooltip.
    HWND tooltip = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindPaletteTooltip, reinterpret_cast<LPARAM>(&tooltip));
    ASSERT_TRUE(tooltip);
    EXPECT_EQ(14, SendMessageA(tooltip, TTM_GETTOOLCOUNT, 0, 0));
}

TEST_F(PackWindowsTest, ClickingAButtonSelectsItsClassAndShowsItsModule) {
    TPaletteButton& edit = *Palette().FindButton("QEdit");
    SendMessageA(strip->ButtonWindow(edit), BM_CLICK, 0, 0);
    EXPECT_EQ("QEdit", registry->SelectedClassName);
    EXPECT_EQ("Velpack", registry->CurrentPack->Name);
    EXPECT_EQ((std::vector<std::string>{"QEdit :Velpack.dll"}), status);
    EXPECT_TRUE(edit.Pressed());
    EXPECT_FALSE(Page("Standards").Arrow().Pressed());
    SendMessageA(strip->ButtonWindow(Page("Standards").Arrow()), BM_CLICK, 0, 0);
    EXPECT_EQ("", registry->SelectedClassName);
    EXPECT_EQ(nullptr, registry->CurrentPack);
    EXPECT_FALSE(edit.Pressed());
    TPaletteButton& probe = *Palette().FindButton("QProbe");
    SendMessageA(strip->ButtonWindow(probe), BM_CLICK, 0, 0);
    EXPECT_EQ("QProbe :ProbePack.dll", status.back());
}

TEST_F(PackWindowsTest, RemovedButtonsAndPagesTakeTheirWindows) {
    TPaletteButton& edit = *Palette().FindButton("QEdit");
    HWND window = strip->ButtonWindow(edit);
    Palette().RemoveButton("QEdit");
    EXPECT_FALSE(IsWindow(window));
    HWND probes = strip->PageWindow(Page("Probes"));
    Palette().RemovePage(Page("Probes"));
    EXPECT_FALSE(IsWindow(probes));
    EXPECT_EQ(1, SendMessageA(strip->Tabs(), TCM_GETITEMCOUNT, 0, 0));
}

TEST_F(PackWindowsTest, PacksWindowListsThePacksAndTheirClasses) {
    TPacks packs(*registry);
    packs.Create();
    packs.Show();
    HWND list = packs.PacksList();
    EXPECT_EQ((std::vector<std::string>{"Velpack.dll", "ProbePack.dll"}), ListTexts(list));
    EXPECT_TRUE(ListChecked(list, 0));
    EXPECT_TRUE(ListChecked(list, 1));
    EXPECT_FALSE(IsWindowEnabled(packs.CommandButton(TPacks::idInstall))) << "no entry is current yet";
    SelectEntry(list, 1);
    EXPECT_EQ(1, packs.List().Current);
    EXPECT_EQ((std::vector<std::string>{"QProbe", "QRefuser"}), ListTexts(packs.ComponentsList()));
    EXPECT_TRUE(IsWindowEnabled(packs.CommandButton(TPacks::idInstall)));
    CheckEntry(list, 1, false);
    EXPECT_FALSE(packs.List().Entries[1].checked);
    EXPECT_FALSE(IsWindowEnabled(packs.CommandButton(TPacks::idRemove)));
    CheckEntry(list, 1, true);
    EXPECT_TRUE(IsWindowEnabled(packs.CommandButton(TPacks::idUninstall)));
    // Install on loaded packs loads nothing.
    CheckEntry(list, 0, false);
    prompts.answers = {Answer::Yes};
    SendMessageA(packs.CommandButton(TPacks::idInstall), BM_CLICK, 0, 0);
    EXPECT_EQ((std::vector<std::string>{"Install ProbePack.dll package with his components?",
                                        "The ProbePack.dll package are allready installed."}),
              prompts.Texts());
    // Add.. appends an unchecked path.
    prompts.fileResults.push_back({true, {"C:\\Packs\\Extra.dll"}, 1});
    SendMessageA(packs.CommandButton(TPacks::idAdd), BM_CLICK, 0, 0);
    EXPECT_EQ(3u, ListTexts(list).size());
    EXPECT_FALSE(ListChecked(list, 2));
    EXPECT_EQ(0u, MF_GRAYED & GetMenuState(packs.PopupMenu(), TPacks::idMenuRemove, MF_BYCOMMAND));
    packs.Hide();
}

TEST_F(PackWindowsTest, PacksWindowUninstallTakesTheClassesOffThePalette) {
    TPacks packs(*registry);
    packs.Create();
    packs.Show();
    CheckEntry(packs.PacksList(), 0, false);
    prompts.answers = {Answer::Yes};
    SendMessageA(packs.CommandButton(TPacks::idUninstall), BM_CLICK, 0, 0);
    EXPECT_EQ((std::vector<std::string>{"Uninstall ProbePack.dll package with his components?",
                                        "The package was removed."}),
              prompts.Texts());
    EXPECT_EQ((std::vector<std::string>{"Velpack.dll"}), ListTexts(packs.PacksList()));
    EXPECT_EQ(nullptr, Palette().FindButton("QProbe"));
    EXPECT_EQ((std::vector<std::string>{"Velpack.dll"}), settings.Libs.Texts());
    // A Cancel ends the command and the list still shows what is left.
    prompts.answers = {Answer::Cancel};
    SendMessageA(packs.CommandButton(TPacks::idUninstall), BM_CLICK, 0, 0);
    EXPECT_EQ((std::vector<std::string>{"Velpack.dll"}), ListTexts(packs.PacksList()));
    packs.Hide();
}

TEST_F(PackWindowsTest, PacksWindowKeepsItsMinimumSizeAndStaysOnTop) {
    TPacks packs(*registry);
    packs.Create();
    EXPECT_EQ("Packs", packs.Caption());
    EXPECT_TRUE(GetWindowLongPtrA(packs.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    SetWindowPos(packs.Handle(), nullptr, 0, 0, 100, 50, SWP_NOMOVE | SWP_NOZORDER);
    MINMAXINFO limits{};
    SendMessageA(packs.Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    EXPECT_EQ(357, limits.ptMinTrackSize.x);
    EXPECT_EQ(162, limits.ptMinTrackSize.y);
    EXPECT_EQ("Available(s):", TabText(packs.Tabs(), 0));
    EXPECT_EQ("Component(s):", TabText(packs.Tabs(), 1));
}

TEST_F(PackWindowsTest, CustomizePaletteRemovesTheCheckedClasses) {
    IniFile file(settings.SettingsFile().Path());
    file.WriteString("QRefuser", "left", "1");
    TCustomizePalette customize(Palette(), file);
    customize.Create();
    customize.Show();
    EXPECT_EQ("CustomizePalette", customize.Caption());
    ASSERT_EQ(2, SendMessageA(customize.PageControl(), TCM_GETITEMCOUNT, 0, 0));
    std::vector<std::string> standards = ListTexts(customize.ClassList());
    ASSERT_EQ(10u, standards.size());
    EXPECT_EQ("QStatic", standards[0]);
    CheckEntry(customize.ClassList(), 0, true);
    CheckEntry(customize.ClassList(), 1, true);
    PickTab(customize.PageControl(), 1);
    EXPECT_EQ((std::vector<std::string>{"QProbe", "QRefuser"}), ListTexts(customize.ClassList()));
    CheckEntry(customize.ClassList(), 1, true);
    PickTab(customize.PageControl(), 0);
    EXPECT_TRUE(ListChecked(customize.ClassList(), 1)) << "each page keeps its marks";
    prompts.answers = {Answer::Yes};
    customize.PressOk();
    EXPECT_EQ((std::vector<std::string>{"Remove QRefuser ,\nQStatic ,QImage class(es)?"}), prompts.Texts());
    EXPECT_EQ(nullptr, Palette().FindButton("QImage"));
    EXPECT_EQ(nullptr, Palette().FindButton("QRefuser"));
    EXPECT_NE(nullptr, Palette().FindButton("QProbe"));
    EXPECT_TRUE(file.ReadSections().empty());
    EXPECT_FALSE(customize.Visible());
}

}  // namespace
}  // namespace tavrin::test
