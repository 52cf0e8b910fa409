// Interface languages in the running workbench: the base file from the live
// windows, the shipped German and French files applied to every window and
// menu (those made later too), a language changed back, and the languages
// window.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <Scintilla.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>

#include "../workbench/workbench_fixture.h"
#include "support/win32_test_windows.h"
#include "app/component_wiring.h"
#include "app/language_wiring.h"
#include "app/on_demand_windows.h"
#include "app/search_wiring.h"
#include "common/text.h"
#include "designer/control_alignment.h"
#include "designer/dialog_window.h"
#include "designer/global_designer.h"
#include "designer/tab_order_dialog.h"
#include "languages/base_language.h"
#include "languages/language_runtime.h"
#include "languages/languages_window.h"
#include "languages/window_components.h"
#include "packhost/packs_window.h"
#include "resources/resources_window.h"
#include "search/find_in_files_window.h"
#include "search/search_replace_window.h"
#include "settings/launcher.h"
#include "ui/component_names.h"
#include "workbench/code_page.h"
#include "workbench/code_window.h"
#include "workbench/main_window.h"
#include "workbench/settings_dialog.h"
#include "workbench/workbench.h"

namespace tavrin::test {
namespace {

// The shipped language file as the Wine side names it.
std::string Shipped(const std::string& name) {
    std::string path = std::string("Z:") + TAVRIN_LANGUAGES_SOURCE + "/" + name;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

std::string MenuText(HMENU menu, int position) {
    char text[256] = {};
    GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof(text), MF_BYPOSITION);
    return text;
}

std::string MainMenuText(int top, int item = -1) {
    HMENU bar = App().Main->MenuBar();
    return item < 0 ? MenuText(bar, top) : MenuText(GetSubMenu(bar, top), item);
}

// The text of the button at that position of the first tool bar of a window.
std::string ToolButtonText(const char* window, int index) {
    FormWindow* form = App().FindWindowByName(window);
    HWND bar = form ? FindWindowExA(form->Handle(), nullptr, TOOLBARCLASSNAMEA, nullptr) : nullptr;
    char text[64] = {};
    TBBUTTONINFOA info{};
    info.cbSize = sizeof(info);
    info.dwMask = TBIF_BYINDEX | TBIF_TEXT;
    info.pszText = text;
    info.cchText = sizeof(text);
    SendMessageA(bar, TB_GETBUTTONINFOA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&info));
    return text;
}

class LanguagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureWorkbenchStarted();
        Prompts().shown.clear();
    }
    void TearDown() override { TheLanguageRuntime().Apply(""); }
    static LanguageRuntime& Runtime() { return TheLanguageRuntime(); }
    static std::string Caption(HWND window) { return WindowText(window); }
    static HWND Named(FormWindow& window, const std::string& name) {
        for (HWND child = GetWindow(window.Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            if (ComponentName(child) == name) return child;
        return nullptr;
    }
    static std::string WriteScratch(const std::string& name, const std::string& text) {
        std::string path = TestProgramFolder() + "\\" + name;
        std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
        return path;
    }
};

TEST_F(LanguagesTest, TheBaseFileHoldsEveryWindowInCreationOrder) {
    std::vector<std::string> lines = Runtime().BaseLines();
    std::vector<std::string> blocks;
    for (const std::string& line : lines)
        if (!line.empty() && line.front() == '[') blocks.push_back(line.substr(1, line.size() - 2));
    std::vector<std::string> names;
    for (const auto& window : App().Windows) names.push_back(window->Name());
    // Then the windows made on demand that are not among them (the others and
    // the pop-up menus join the block of their name).
    for (const char* later : {"TabOrder", "NewClass"}) names.push_back(later);
    EXPECT_EQ(blocks, names);
    for (const char* line : {"menuFile.caption=File", "menuFindNext.caption=Find  Next", "menuPacks2.caption=Packs",
                             "btnSearch.caption=&Search for", "cbxFindText.text=", "rbOpenedFiles.caption=All lOpened Files",
                             "menuSaveBaseLanguage.caption=Save Base Language", "btnYesToAll.caption=Yes to &all"}) {
        bool found = std::find(lines.begin(), lines.end(), line) != lines.end();
        EXPECT_EQ(found, std::string(line) != "cbxFindText.text=") << line << " (empty texts are left out)";
    }
}

BOOL CALLBACK CountWindow(HWND, LPARAM counter) {
    ++*reinterpret_cast<int*>(counter);
    return TRUE;
}

int ThreadTopLevelWindows() {
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

// The lines of a window's block in the base lines.
std::vector<std::string> BlockOf(const std::vector<std::string>& lines, const std::string& window) {
    std::vector<std::string> block;
    bool inside = false;
    for (const std::string& line : lines) {
        if (!line.empty() && line.front() == '[') {
            inside = line == "[" + window + "]";
            continue;
        }
        if (inside) block.push_back(line);
    }
    return block;
}

bool Holds(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// The windows and menus made only on demand are in the base file with their
// base texts (a language active meanwhile), made for the moment and gone
// again, and the file comes out the same each time.
TEST_F(LanguagesTest, TheBaseFileHoldsTheWindowsMadeOnDemandAndLeavesNoneAlive) {
    Runtime().Apply(Shipped("German.txt"));
    const int before = ThreadTopLevelWindows();
    std::vector<std::string> lines = Runtime().BaseLines();
    EXPECT_EQ(ThreadTopLevelWindows(), before) << "no window made for the base file is left";
    EXPECT_TRUE(Holds(BlockOf(lines, "Settings"), "Button9.caption=Clear MRU List"));
    EXPECT_TRUE(Holds(BlockOf(lines, "NewClass"), "lblClassName.caption=ClassName:"));
    EXPECT_TRUE(Holds(BlockOf(lines, "InstallClass"), "lblClassName.caption=Class Name:"));
    EXPECT_TRUE(Holds(BlockOf(lines, "TabOrder"), "caption=Tab Order"));
    EXPECT_TRUE(Holds(BlockOf(lines, "Dialog"), "menuUndo.caption=Undo"));
    for (const char* window : {"Resources", "Dialog", "Settings", "Main"}) {
        std::vector<std::string> block = BlockOf(lines, window);
        std::set<std::string> keys;
        for (const std::string& line : block)
            EXPECT_TRUE(keys.insert(ToLower(line.substr(0, line.find('=')))).second) << window << ": " << line;
    }
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "[Resources]"), 1) << "its menu joins its block";
    EXPECT_EQ(Runtime().BaseLines(), lines) << "the same lines each time";
    EXPECT_EQ(ThreadTopLevelWindows(), before);

    // The languages window writes them to Base.txt, the same each time it shows.
    const std::string file = App().ApplicationDirectory + "\\Languages\\Base.txt";
    auto read = [&file] {
        std::ifstream in(file, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    };
    std::string first, second;
    {
        TLanguagesDlg dialog(MakeLanguagesHost());
        dialog.Create();
        dialog.Show();
        first = read();
        dialog.Hide();
        DeleteFileA(file.c_str());
        dialog.Show();
        second = read();
    }
    EXPECT_NE(first.find("\r\n[Settings]\r\n"), std::string::npos);
    EXPECT_NE(first.find("\r\nmenuUndo.caption=Undo\r\n"), std::string::npos);
    EXPECT_EQ(second, first);
    EXPECT_EQ(ThreadTopLevelWindows(), before);
}

TEST_F(LanguagesTest, GermanReachesEveryWindowMenuAndLaterWindow) {
    Runtime().Apply(Shipped("German.txt"));
    EXPECT_EQ(MainMenuText(0), "Datei");
    EXPECT_EQ(MainMenuText(1, 1), "Weitersuchen\tF3") << "the shortcut text stays";
    EXPECT_EQ(Caption(App().Code->Handle()), "Quelltext");
    auto& search = *TheSearchWindows().searchReplace;
    EXPECT_EQ(search.Caption(), "Suchen und Ersetzen");
    EXPECT_EQ(Caption(search.Control(TSearchReplaceDialog::idSearch)), "&Suchen");
    EXPECT_EQ(Caption(TheSearchWindows().findInFiles->Control(TFindInFilesDialog::idOpenedFiles)),
              "Allen ge\xF6" "ffneten Dateien");
    EXPECT_EQ(ToolButtonText("ObjectsTree", 3), "Ab") << "tool buttons that show a text";
    // A window made later (the command's fresh languages window) starts in German.
    TLanguagesDlg fresh(MakeLanguagesHost());
    fresh.Create();
    EXPECT_EQ(fresh.Caption(), "Sprachen");
    EXPECT_EQ(Caption(fresh.SetButton()), "&\xDC" "bernehmen");
    // A pop-up menu made for one showing is translated as it opens.
    App().Main->Hooks.newPage(false);
    auto* page = dynamic_cast<TCodePage*>(App().Code->ActivePage());
    ASSERT_NE(page, nullptr);
    HMENU popup = page->Editor().BuildPopupMenu();
    SendMessageA(page->Editor().Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 0);
    EXPECT_EQ(MenuText(popup, 0), "R\xFC" "ckg\xE4" "ngig");
    EXPECT_EQ(MenuText(GetSubMenu(popup, 10), 1), "aus") << "its sub-menus too";
    DestroyMenu(popup);
    App().Code->FreePage(page);
    // The base file still holds the texts before any translation.
    std::vector<std::string> lines = Runtime().BaseLines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "menuFile.caption=File"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "[Code]"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "caption=Code"), lines.end());
}

TEST_F(LanguagesTest, ChangingTheLanguagePutsBackWhatTheNewOneLeavesOut) {
    Runtime().Apply(Shipped("German.txt"));
    std::string partial = WriteScratch("partial.txt", "[Main]\r\nmenuFile.caption=Fichier\r\n");
    Runtime().Apply(partial);
    EXPECT_EQ(MainMenuText(0), "Fichier");
    EXPECT_EQ(MainMenuText(1), "Search");
    EXPECT_EQ(Caption(App().Code->Handle()), "Code");
    EXPECT_EQ(ToolButtonText("ObjectsTree", 3), "Down");
    Runtime().Apply("");
    EXPECT_EQ(MainMenuText(0), "File");
    EXPECT_FALSE(Runtime().HasLanguage());
}

TEST_F(LanguagesTest, InGermanTheExportEntryStillFollowsItsRule) {
    Runtime().Apply(Shipped("German.txt"));
    HMENU file = GetSubMenu(App().Main->MenuBar(), 0);
    int position = -1;
    for (int i = 0; i < GetMenuItemCount(file); ++i)
        if (MenuText(file, i) == "Exportieren") position = i;
    ASSERT_GE(position, 0) << "the sub-menu in German";
    auto grayed = [&] { return (GetMenuState(file, static_cast<UINT>(position), MF_BYPOSITION) & MF_GRAYED) != 0; };
    while (App().Code->PageCount() > 0) App().Code->FreePage(App().Code->Page(0));
    App().Main->UpdateMenu(file);
    EXPECT_TRUE(grayed()) << "no page to export";
    App().Main->Hooks.newPage(false);
    App().Main->UpdateMenu(file);
    EXPECT_FALSE(grayed());
    App().Code->FreePage(App().Code->ActivePage());
    App().Main->UpdateMenu(file);
    EXPECT_TRUE(grayed());
}

// The first control of that class among the window's children (and theirs).
HWND FirstOfClass(HWND parent, const char* className) {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char name[64] = {};
        GetClassNameA(child, name, sizeof(name));
        if (lstrcmpiA(name, className) == 0) return child;
        if (HWND inner = FirstOfClass(child, className)) return inner;
    }
    return nullptr;
}

HWND ControlOf(const char* window, const char* className) {
    FormWindow* form = App().FindWindowByName(window);
    return form ? FirstOfClass(form->Handle(), className) : nullptr;
}

std::string TabText(HWND tabs, int index) {
    char text[128] = {};
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof(text);
    SendMessageA(tabs, TCM_GETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return text;
}

std::string ColumnText(HWND list, int index) {
    char text[128] = {};
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT;
    column.pszText = text;
    column.cchTextMax = sizeof(text);
    SendMessageA(list, LVM_GETCOLUMNA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
    return text;
}

std::string PanelText(HWND bar, int panel) {
    char text[256] = {};
    SendMessageA(bar, SB_GETTEXTA, static_cast<WPARAM>(panel), reinterpret_cast<LPARAM>(text));
    return text;
}

// The main window's tool tip for the command, asked as the tool tip control
// asks it (ANSI and wide).
HWND MainToolBarOf(int command) {
    for (HWND bar = FindWindowExA(App().Main->Handle(), nullptr, TOOLBARCLASSNAMEA, nullptr); bar;
         bar = FindWindowExA(App().Main->Handle(), bar, TOOLBARCLASSNAMEA, nullptr))
        if (SendMessageA(bar, TB_COMMANDTOINDEX, static_cast<WPARAM>(command), 0) >= 0) return bar;
    return nullptr;
}

std::string ToolTipA(int command) {
    NMTTDISPINFOA info{};
    info.hdr.hwndFrom = MainToolBarOf(command);
    info.hdr.idFrom = static_cast<UINT_PTR>(command);
    info.hdr.code = TTN_GETDISPINFOA;
    info.lpszText = info.szText;
    SendMessageA(App().Main->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    return info.lpszText ? info.lpszText : "";
}

std::wstring ToolTipW(int command) {
    NMTTDISPINFOW info{};
    info.hdr.hwndFrom = MainToolBarOf(command);
    info.hdr.idFrom = static_cast<UINT_PTR>(command);
    info.hdr.code = TTN_GETDISPINFOW;
    info.lpszText = info.szText;
    SendMessageA(App().Main->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    return info.lpszText ? info.lpszText : L"";
}

TEST_F(LanguagesTest, TabsColumnsStatusTextsAndToolTipsFollowTheLanguage) {
    std::vector<std::string> base = Runtime().BaseLines();
    for (const char* line : {"ToolButton12.hint=Compile and Run (F9)", "TabSheet2.caption=&Events",
                             "ListColumn2.caption=Attached", "StatusText2.caption=Modified",
                             "RunTimeText2.caption=Hide"})
        EXPECT_NE(std::find(base.begin(), base.end(), line), base.end()) << line;
    HWND inspectorTabs = ControlOf("Inspector", WC_TABCONTROLA);
    HWND units = ControlOf("Units", WC_LISTVIEWA);
    HWND status = ControlOf("Code", STATUSCLASSNAMEA);
    HWND pageTabs = ControlOf("Code", WC_TABCONTROLA);
    HWND formsShow = ControlOf("FormsList", "Button");  // its caption follows the selected dialog
    ASSERT_TRUE(inspectorTabs && units && status && pageTabs && formsShow);
    App().Main->Hooks.newPage(false);
    const std::string pageCaption = TabText(pageTabs, 0);
    App().Code->SetStatusText(1, "Modified");  // shown before the language changes

    Runtime().Apply(Shipped("German.txt"));
    EXPECT_EQ(TabText(inspectorTabs, 1), "E&reignisse");
    EXPECT_EQ(ColumnText(units, 1), "Angeh\xE4" "ngt");
    EXPECT_EQ(PanelText(status, 1), "\t" "Ge\xE4" "ndert") << "a text already shown is translated";
    App().Code->SetStatusText(1, "Insert");
    EXPECT_EQ(App().Code->StatusText(1), "Einf\xFC" "gen") << "and one shown later";
    App().Code->SetStatusText(1, "Line 3");
    EXPECT_EQ(App().Code->StatusText(1), "Line 3") << "other texts stay";
    EXPECT_EQ(ToolTipA(cmdCompileAndRun), "Kompilieren und ausf\xFC" "hren (F9)");
    EXPECT_EQ(ToolTipW(cmdCompileAndRun), L"Kompilieren und ausf\u00FChren (F9)");
    EXPECT_EQ(TabText(pageTabs, 0), pageCaption) << "the pages' tabs show file names";
    SetWindowTextA(formsShow, "Hide");
    EXPECT_EQ(Caption(formsShow), "Verbergen") << "a caption the code sets at run time";
    SetWindowTextA(formsShow, "Show");
    EXPECT_EQ(Caption(formsShow), "Anzeigen");

    Runtime().Apply(Shipped("French.txt"));
    EXPECT_EQ(ColumnText(units, 0), "Unit\xE9");
    EXPECT_EQ(ToolTipA(cmdSave), "Enregistrer");
    Runtime().Apply("");
    EXPECT_EQ(TabText(inspectorTabs, 1), "&Events");
    EXPECT_EQ(ColumnText(units, 1), "Attached");
    App().Code->SetStatusText(1, "Modified");
    EXPECT_EQ(App().Code->StatusText(1), "Modified");
    EXPECT_EQ(ToolTipA(cmdCompileAndRun), "Compile and Run (F9)");
    SetWindowTextA(formsShow, "Hide");
    EXPECT_EQ(Caption(formsShow), "Hide");
    SetWindowTextA(formsShow, "Show");
    App().Code->FreePage(App().Code->ActivePage());
}

TEST_F(LanguagesTest, LinesForMissingComponentsOrPropertiesAndJunkChangeNothing) {
    std::string before = MainMenuText(0) + Caption(App().Code->Handle()) + TheSearchWindows().searchReplace->Caption();
    std::string junk = "[Main]\r\nmenuNothing.caption=x\r\nmenuFile.colour=red\r\nmenuFile.width=abc\r\n"
                       "[NoSuchWindow]\r\ncaption=x\r\n[Code]\r\nnoequals\r\n";
    for (int i = 0; i < 2000; ++i) junk += static_cast<char>((i * 131 + 7) % 256);
    Runtime().Apply(WriteScratch("junk.txt", junk));
    EXPECT_EQ(MainMenuText(0) + Caption(App().Code->Handle()) + TheSearchWindows().searchReplace->Caption(), before);
    Runtime().Apply(TestProgramFolder() + "\\no such language.txt");
    EXPECT_EQ(MainMenuText(0), "File");
}

// Every line of the shipped files names a window and one of its components
// (or an item of a pop-up menu the window shows), and the windows of the
// menus, the search, the languages, the settings, the designer and its
// dialogs, the resource editor and the component wizards are translated
// completely (a text without a letter, such as "..." or a number, excepted).
TEST_F(LanguagesTest, TheShippedFilesAreCompleteAndNameOnlyWhatExists) {
    std::map<std::string, std::set<std::string>> known;  // window -> lower-case keys
    for (const auto& window : App().Windows) {
        PublishedWindow published = PublishWindow(*window);
        for (const std::string& name : published.properties.Names()) known[window->Name()].insert(ToLower(name));
        for (const PublishedComponent& component : published.components)
            for (const std::string& property : component.properties.Names())
                known[window->Name()].insert(ToLower(component.name + "." + property));
    }
    // The pop-up menus made for one showing.
    App().Main->Hooks.newPage(false);
    auto* page = dynamic_cast<TCodePage*>(App().Code->ActivePage());
    HMENU editorMenu = page->Editor().BuildPopupMenu();
    HMENU codeMenus = CreatePopupMenu();
    for (const char* caption : {"Close Page", "Read Only", "Full Collapse", "DataBase", "Find..."})
        AppendMenuA(codeMenus, MF_STRING, 1, caption);
    auto* packs = dynamic_cast<TPacks*>(App().FindWindowByName("Packs"));
    ASSERT_NE(packs, nullptr);
    for (auto [window, menu] : {std::pair<const char*, HMENU>{"Code", editorMenu}, {"Code", codeMenus},
                                {"Packs", packs->PopupMenu()}})
        for (const PublishedComponent& item : PublishPopupMenu(window, menu).components)
            known[window].insert(ToLower(item.name + ".caption"));
    DestroyMenu(editorMenu);
    DestroyMenu(codeMenus);
    App().Code->FreePage(page);
    OnDemandWindows onDemand;
    std::vector<PublishedWindow> later = onDemand.Published();
    for (const PublishedWindow& window : later) {
        for (const std::string& name : window.properties.Names()) known[window.name].insert(ToLower(name));
        for (const PublishedComponent& component : window.components)
            for (const std::string& property : component.properties.Names())
                known[window.name].insert(ToLower(component.name + "." + property));
    }

    const std::set<std::string> untranslated = {"btnbrowse.caption", "edfilemasks.text", "edline.text",
                                                "gblines.caption", "menurtf.caption", "caption"};
    // Texts that show data (the palette page offered, the preview's sample button).
    const std::set<std::string> data = {"InstallClass/cbxpalette.text", "InstallClass/edit1.text",
                                        "GlobalDesigner/button1.caption"};
    const std::set<std::string> ours = {"Main", "FindInFilesDialog", "GoToLine", "SearchReplaceDialog",
                                        "ConfirmReplaceDialog", "LanguagesDlg", "FormsList", "Settings",
                                        "ControlAlignment", "TabOrder", "GlobalDesigner", "Resources",
                                        "NewClass", "InstallClass", "Dialog"};
    std::vector<std::string> base = MergeBaseLines(Runtime().BaseLines(), BaseLanguageLines(later));
    for (const char* file : {"German.txt", "French.txt"}) {
        LanguageFile language = ReadLanguageFile(Shipped(file));
        ASSERT_FALSE(language.sections.empty()) << file;
        for (const LanguageSection& section : language.sections) {
            ASSERT_TRUE(known.count(section.name)) << file << ": no window " << section.name;
            for (const LanguageEntry& entry : section.entries)
                EXPECT_TRUE(known[section.name].count(ToLower(entry.key)))
                    << file << ": [" << section.name << "] " << entry.key;
        }
        std::string window;
        for (const std::string& line : base) {
            if (line.front() == '[') {
                window = line.substr(1, line.size() - 2);
                continue;
            }
            std::string key = ToLower(line.substr(0, line.find('=')));
            std::string text = line.substr(line.find('=') + 1);
            bool words = std::any_of(text.begin(), text.end(),
                                     [](char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; });
            if (!ours.count(window) || untranslated.count(key) || data.count(window + "/" + key) || !words) continue;
            const LanguageSection* section = language.Find(window);
            bool translated = false;
            if (section)
                for (const LanguageEntry& entry : section->entries) translated |= ToLower(entry.key) == key;
            EXPECT_TRUE(translated) << file << " lacks [" << window << "] " << key;
        }
    }
}

// The pop-up menus of a dialog under design and of the resource editor are
// made for one showing and translated as they open (the dialog's undo, tab
// order and alignment entries added to it too).
TEST_F(LanguagesTest, ThePopUpMenusOfTheDesignerAndTheResourceEditorFollowTheLanguage) {
    Runtime().Apply(Shipped("German.txt"));
    TDialog dialog("", nullptr);
    dialog.Create();
    HMENU popup = dialog.BuildPopupMenu();
    SendMessageA(dialog.Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 0);
    std::set<std::string> texts;
    for (int i = 0; i < GetMenuItemCount(popup); ++i) texts.insert(MenuText(popup, i));
    for (const char* text : {"Men\xFC-Editor...", "Ausrichtung...", "Ausschneiden", "Alles markieren",
                             "R\xFC" "ckg\xE4" "ngig\tCtrl+Z", "Wiederholen\tCtrl+Y", "Tabulatorreihenfolge..."})
        EXPECT_EQ(texts.count(text), 1u) << text;
    EXPECT_EQ(MenuText(GetSubMenu(popup, 0), 2), "&Eintrag hinzuf\xFC" "gen...") << "its sub-menu too";
    DestroyMenu(popup);

    auto* resources = dynamic_cast<TResources*>(App().FindWindowByName("Resources"));
    ASSERT_NE(resources, nullptr);
    popup = resources->BuildPopupMenu();
    SendMessageA(resources->Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 0);
    EXPECT_EQ(MenuText(popup, 0), "Hinzuf\xFC" "gen...");
    EXPECT_EQ(MenuText(popup, GetMenuItemCount(popup) - 1), "Quelltext anzeigen");
    DestroyMenu(popup);
}

// The labels, buttons, check boxes and group boxes among the window's
// children (and theirs) whose text needs more room than the control has, as
// "name: text".
void CollectCutTexts(HWND parent, std::vector<std::string>& cut) {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        CollectCutTexts(child, cut);
        char className[64] = {};
        GetClassNameA(child, className, sizeof(className));
        std::string text = WindowText(child);
        if (text.empty() || (lstrcmpiA(className, "Button") != 0 && lstrcmpiA(className, "Static") != 0)) continue;
        LONG style = GetWindowLongA(child, GWL_STYLE);
        LONG kind = style & BS_TYPEMASK;
        bool box = lstrcmpiA(className, "Button") == 0 &&
                   (kind == BS_CHECKBOX || kind == BS_AUTOCHECKBOX || kind == BS_RADIOBUTTON ||
                    kind == BS_AUTORADIOBUTTON || kind == BS_3STATE || kind == BS_AUTO3STATE);
        bool group = lstrcmpiA(className, "Button") == 0 && kind == BS_GROUPBOX;
        bool push = lstrcmpiA(className, "Button") == 0 && !box && !group;
        HDC dc = GetDC(child);
        HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(child, WM_GETFONT, 0, 0)));
        RECT needed{0, 0, 0, 0};
        DrawTextA(dc, text.c_str(), -1, &needed, DT_CALCRECT | DT_SINGLELINE);
        SelectObject(dc, old);
        ReleaseDC(child, dc);
        RECT client{};
        GetClientRect(child, &client);
        int room = client.right - (box ? GetSystemMetrics(SM_CXMENUCHECK) + 4 : push ? 8 : group ? 16 : 0);
        if (needed.right > room)
            cut.push_back(ComponentName(child) + "|" + className + ": " + text + " (needs " +
                          std::to_string(needed.right) + ", has " + std::to_string(room) + ")");
    }
}

// Saves the window as it shows now when TAVRIN_LANGUAGE_PICTURES names a folder.
void SavePicture(FormWindow& window, const std::string& name) {
    const char* folder = std::getenv("TAVRIN_LANGUAGE_PICTURES");
    if (!folder) return;
    Pump(300);
    RECT area{};
    GetWindowRect(window.Handle(), &area);
    SaveScreenArea(area, std::string(folder) + "\\" + name + ".bmp");
}

// German and French are long: every text of the windows added later still
// fits its control.
TEST_F(LanguagesTest, InGermanAndFrenchNoTextOfTheLaterWindowsIsCutOff) {
    for (const char* file : {"French.txt", "German.txt"}) {
        Runtime().Apply(Shipped(file));
        OnDemandWindows onDemand;
        std::vector<std::string> cut;
        for (FormWindow* window : onDemand.Windows()) CollectCutTexts(window->Handle(), cut);
        for (const char* name : {"Resources", "FormsList", "InstallClass"})
            CollectCutTexts(App().FindWindowByName(name)->Handle(), cut);
        EXPECT_TRUE(cut.empty()) << file << ":\n" << Join(cut, "\n");
    }
    OnDemandWindows onDemand;
    EXPECT_EQ(WindowText(onDemand.Settings().Item(TSettings::btnClearMRU)), "Verlauf leeren")
        << "a window made later starts in the language";

    TSettings& settings = onDemand.Settings();
    settings.Show();
    for (int tab = 0; tab < 5; ++tab) {
        settings.ShowTab(tab);
        SavePicture(settings, "german_settings_" + std::to_string(tab + 1));
    }
    settings.Hide();
    FormWindow& resources = *App().FindWindowByName("Resources");
    resources.Show();
    SavePicture(resources, "german_resources");
    resources.Hide();
}

TEST_F(LanguagesTest, TheLanguagesWindowListsSetsAndRewritesTheBaseFile) {
    const std::string folder = App().ApplicationDirectory + "\\Languages";
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    TLanguagesDlg dialog(MakeLanguagesHost());
    dialog.Create();
    ASSERT_TRUE(std::filesystem::is_directory(folder)) << "made when the window is created";
    CopyFileA(Shipped("German.txt").c_str(), (folder + "\\German.txt").c_str(), FALSE);
    dialog.Show();
    std::ifstream base(folder + "\\Base.txt", std::ios::binary);
    std::string firstLines(15, '\0');
    base.read(firstLines.data(), 15);
    EXPECT_EQ(firstLines, "[Main]\r\ncaption");
    EXPECT_EQ(SendMessageA(dialog.ListBox(), LB_GETCOUNT, 0, 0), 2);
    EXPECT_FALSE(IsWindowEnabled(dialog.SetButton()));
    dialog.ClickEntry(1);
    EXPECT_TRUE(IsWindowEnabled(dialog.SetButton()));
    dialog.RunCommandId(TLanguagesDlg::cmdSet);
    EXPECT_EQ(App().Launcher->SettingsFile().ReadString("Main", "ActiveLang", ""), folder + "\\German.txt");
    EXPECT_EQ(MainMenuText(0), "Datei");
    EXPECT_EQ(dialog.Caption(), "Sprachen") << "the open languages window follows too";
    // Showing again rewrites the base file, still in the base language, and selects the language.
    DeleteFileA((folder + "\\Base.txt").c_str());
    dialog.Hide();
    dialog.Show();
    EXPECT_TRUE(std::filesystem::exists(folder + "\\Base.txt"));
    EXPECT_EQ(SendMessageA(dialog.ListBox(), LB_GETCURSEL, 0, 0), 1);
    std::ifstream again(folder + "\\Base.txt", std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(again)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("menuFile.caption=File\r\n"), std::string::npos);
    App().Launcher->SettingsFile().DeleteKey("Main", "ActiveLang");
    dialog.Hide();
}

}  // namespace
}  // namespace tavrin::test
