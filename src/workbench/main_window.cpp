#include "workbench/main_window.h"

#include <shellapi.h>

#include <vector>

#include "workbench/code_window.h"
#include "common/commands.h"
#include "common/prompts.h"
#include "workbench/document.h"
#include "workbench/mru_menu.h"
#include "ui/dropped_files.h"
#include "ui/file_system.h"
#include "settings/launcher.h"
#include "settings/help_file.h"
#include "workbench/toolbar_glyphs.h"
#include "workbench/workbench.h"

namespace tavrin {

namespace {

constexpr UINT kFirstShowMessage = WM_APP + 1;
constexpr int kToolbarWidth = 360;

struct MenuEntry {
    int id;  // 0: separator
    const char* caption;
};

HMENU BuildPopup(const std::vector<MenuEntry>& entries) {
    HMENU menu = CreatePopupMenu();
    for (const auto& entry : entries) {
        if (entry.id == 0)
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        else
            AppendMenuA(menu, MF_STRING, static_cast<UINT_PTR>(entry.id), entry.caption);
    }
    return menu;
}

void Enable(HMENU menu, int id, bool enabled) {
    EnableMenuItem(menu, static_cast<UINT>(id), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void Check(HMENU menu, int id, bool checked) {
    CheckMenuItem(menu, static_cast<UINT>(id), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

bool WindowVisible(const char* name) {
    FormWindow* window = App().FindWindowByName(name);
    return window && window->Visible();
}

}  // namespace

// Shortcut keys carry identifiers of their own (the command plus
// cmdShortcutBase), so that the system does not drop them while the menu
// entry is disabled: OnShortcut applies the entry's rule itself.
HACCEL CreateMainAccelerators() {
    ACCEL keys[] = {
        {FVIRTKEY, VK_F3, cmdShortcutBase + cmdFindNext},
        {FVIRTKEY, VK_F5, cmdShortcutBase + cmdCompile},
        {FVIRTKEY | FCONTROL, VK_F5, cmdShortcutBase + cmdRun},
        {FVIRTKEY, VK_F9, cmdShortcutBase + cmdCompileAndRun},
        {FVIRTKEY | FCONTROL | FSHIFT, VK_F5, cmdShortcutBase + cmdRunWithDebugger},
        {FVIRTKEY | FCONTROL, VK_F9, cmdShortcutBase + cmdResetProgram},
    };
    return CreateAcceleratorTableA(keys, static_cast<int>(sizeof(keys) / sizeof(keys[0])));
}

TMain::TMain() : FormWindow("TMain", "Main", "Tavrin2") { BuildCommands(); }

TMain::~TMain() = default;

SIZE TMain::InitialSize() const {
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    return SIZE{work.right - work.left, Scale(kHeight)};
}

void TMain::OnCreate() {
    AcceptDroppedFiles(Handle());
    BuildMenus();
    BuildToolbars();
    paletteWindow_ = std::make_unique<PaletteWindow>(Handle(), Scale(kToolbarWidth), 0, Scale(200), Scale(60));
    paletteWindow_->SetDpi(Dpi());
    paletteWindow_->Palette().SetFlat(true);
    palette_ = paletteWindow_->Handle();
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    SetWindowPos(Handle(), nullptr, work.left, work.top, work.right - work.left, Scale(kHeight),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void TMain::BuildMenus() {
    menuBar_ = CreateMenu();
    HMENU exportMenu = BuildPopup({{cmdExportRtf, "RTF"}, {cmdExportHtml, "Html"}});
    HMENU file = BuildPopup({{cmdNew, "New"}, {cmdOpen, "Open..."}, {0, nullptr},
                             {cmdSave, "Save"}, {cmdSaveAs, "Save As..."}, {cmdSaveAll, "Save All"},
                             {0, nullptr}, {cmdClose, "Close"}, {cmdCloseAll, "Close All"},
                             {0, nullptr}});
    AppendMenuA(file, MF_POPUP, reinterpret_cast<UINT_PTR>(exportMenu), "Export");
    AppendMenuA(file, MF_STRING, cmdPrint, "Print");
    AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(file, MF_STRING, cmdExit, "Exit");
    HMENU search = BuildPopup({{cmdFind, "Find"}, {cmdFindNext, "Find  Next\tF3"},
                               {cmdFindInFiles, "Find in Files..."}, {0, nullptr},
                               {cmdReplace, "Replace"}, {0, nullptr},
                               {cmdGoToLine, "Go to Line..."}});
    HMENU view = BuildPopup({{cmdSettings, "Settings..."}, {cmdViewPacks, "Packs"}, {0, nullptr},
                             {cmdViewCodeEditor, "Code Editor"},
                             {cmdViewObjectsTree, "Objects Tree"},
                             {cmdViewInspector, "Object Inspector"},
                             {cmdViewCodeExplorer, "Code Explorer"},
                             {cmdViewResultWindow, "Result Window"}, {0, nullptr},
                             {cmdViewResources, "Resources..."}, {cmdViewProjects, "Projects..."},
                             {cmdViewForms, "Forms..."}, {cmdViewCodeModules, "Code Modules..."},
                             {cmdViewCompilerSwitch, "Compiler Switch"}});
    HMENU action = BuildPopup({{cmdCompile, "Compile\tF5"}, {cmdRun, "Run\tCtrl+F5"},
                               {cmdCompileAndRun, "Compile and Run\tF9"}, {0, nullptr},
                               {cmdRunWithDebugger, "Run with Debugger\tShift+Ctrl+F5"},
                               {cmdResetProgram, "Reset Program\tCtrl+F9"}});
    HMENU components = BuildPopup({{cmdComponentPalette, "Component Palette"},
                                   {cmdNewComponent, "New. Component.."},
                                   {cmdInstallComponent, "Install Component"}, {0, nullptr},
                                   {cmdComponentsPacks, "Packs"}});
    HMENU about = BuildPopup({{cmdAboutSoftware, "Software"}, {cmdHelps, "Helps..."}, {0, nullptr},
                              {cmdLanguages, "Languages"}});
    AppendMenuA(menuBar_, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "File");
    AppendMenuA(menuBar_, MF_POPUP, reinterpret_cast<UINT_PTR>(search), "Search");
    AppendMenuA(menuBar_, MF_POPUP, reinterpret_cast<UINT_PTR>(view), "View");
    AppendMenuA(menuBar_, MF_POPUP, reinterpret_cast<UINT_PTR>(action), "Action");
    AppendMenuA(menuBar_, MF_POPUP, reinterpret_cast<UINT_PTR>(components), "Components");
    AppendMenuA(menuBar_, MF_POPUP, reinterpret_cast<UINT_PTR>(about), "About");
    SetMenu(Handle(), menuBar_);
    mruPopup_ = CreatePopupMenu();
    mruMenu_ = std::make_unique<Win32MRUMenu>(mruPopup_, cmdMRUFirst);
}

MRUMenuView& TMain::MRUMenu() { return *mruMenu_; }

void TMain::BuildToolbars() {
    auto makeBar = [this](const char* name, int top) {
        HWND bar = CreateWindowExA(0, TOOLBARCLASSNAMEA, name,
                                   WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS |
                                       CCS_NORESIZE | CCS_NODIVIDER | CCS_NOPARENTALIGN,
                                   0, Scale(top), Scale(kToolbarWidth), Scale(28), Handle(), nullptr,
                                   GetModuleHandleA(nullptr), nullptr);
        SendMessageA(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
        SendMessageA(bar, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
        SendMessageA(bar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(ToolbarImages(ToolbarGlyphSize(Dpi()))));
        return bar;
    };
    auto button = [](int image, int command, BYTE style = BTNS_BUTTON) {
        TBBUTTON b{};
        b.iBitmap = image;
        b.idCommand = command;
        b.fsState = TBSTATE_ENABLED;
        b.fsStyle = style;
        return b;
    };
    auto separator = [this] {
        TBBUTTON b{};
        b.fsStyle = BTNS_SEP;
        b.iBitmap = Scale(6);
        return b;
    };
    toolBarFiles_ = makeBar("ToolBarFiles", 0);
    TBBUTTON files[] = {button(glyphNew, cmdNew), button(glyphOpen, cmdOpenToolbar, BTNS_DROPDOWN),
                        separator(), button(glyphSave, cmdSave), button(glyphSaveAs, cmdSaveAs),
                        button(glyphSaveAll, cmdSaveAll), separator(),
                        button(glyphSettings, cmdSettings), button(glyphHelp, cmdHelps)};
    SendMessageA(toolBarFiles_, TB_ADDBUTTONSA, sizeof(files) / sizeof(files[0]),
                 reinterpret_cast<LPARAM>(files));
    toolBarActions_ = makeBar("ToolBarActions", 30);
    TBBUTTON actions[] = {button(glyphNewDialog, cmdNewDialog), button(glyphNewCode, cmdNewCode),
                          separator(), button(glyphUnits, cmdViewCodeModules),
                          button(glyphResources, cmdViewResources), separator(),
                          button(glyphCompileRun, cmdCompileAndRun, BTNS_DROPDOWN),
                          button(glyphReset, cmdResetProgram), button(glyphDebug, cmdRunWithDebugger)};
    SendMessageA(toolBarActions_, TB_ADDBUTTONSA, sizeof(actions) / sizeof(actions[0]),
                 reinterpret_cast<LPARAM>(actions));
}

void TMain::OnSize(int width, int height) {
    if (palette_) MoveWindow(palette_, Scale(kToolbarWidth), 0, std::max(0, width - Scale(kToolbarWidth)), height, TRUE);
}

void TMain::OnGetMinMaxInfo(MINMAXINFO* info) {
    // The strip keeps its height; only the width may change.
    info->ptMinTrackSize.y = Scale(kHeight);
    info->ptMaxTrackSize.y = Scale(kHeight);
    info->ptMaxSize.y = Scale(kHeight);
}

bool TMain::CurrentIsCodePage() const {
    return App().CurrentDocument && App().CurrentDocument->Kind() == DocumentKind::CodePage;
}

bool TMain::ExeExists() const {
    return Hooks.exeFile && FileExists(Hooks.exeFile());
}

bool TMain::IsRunning() const { return Hooks.running && Hooks.running(); }

bool TMain::ResetEnabled() const {
    return IsRunning() || (Hooks.compiling && Hooks.compiling());
}

bool TMain::ToolButtonEnabled(int command) const {
    for (HWND bar : {toolBarFiles_, toolBarActions_}) {
        LRESULT state = SendMessageA(bar, TB_GETSTATE, command, 0);
        if (state != -1) return (state & TBSTATE_ENABLED) != 0;
    }
    return false;
}

void TMain::SetToolButtonEnabled(int command, bool enabled) {
    for (HWND bar : {toolBarFiles_, toolBarActions_})
        if (SendMessageA(bar, TB_GETSTATE, command, 0) != -1)
            SendMessageA(bar, TB_ENABLEBUTTON, command, MAKELONG(enabled ? TRUE : FALSE, 0));
}

void TMain::UpdateToolbar() {
    // A button whose command has nothing to run stays disabled; the others
    // follow the rules below, or are enabled when no rule speaks of them.
    for (HWND bar : {toolBarFiles_, toolBarActions_}) {
        for (int i = 0, n = static_cast<int>(SendMessageA(bar, TB_BUTTONCOUNT, 0, 0)); i < n; ++i) {
            TBBUTTON button{};
            SendMessageA(bar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
            if (!(button.fsStyle & BTNS_SEP)) SetToolButtonEnabled(button.idCommand, CommandAvailable(button.idCommand));
        }
    }
    auto follow = [this](int command, bool rule) {
        SetToolButtonEnabled(command, rule && CommandAvailable(command));
    };
    TDocument* doc = App().CurrentDocument;
    bool saveEnabled = doc &&
                       (doc->Kind() == DocumentKind::CodePage || doc->Kind() == DocumentKind::Dialog) &&
                       FileExists(doc->DocumentFile());
    int pages = App().Code ? App().Code->PageCount() : 0;
    follow(cmdSave, saveEnabled);
    follow(cmdSaveAs, doc != nullptr);
    follow(cmdSaveAll, pages > 1);
    follow(cmdCompileAndRun, CurrentIsCodePage());
    follow(cmdResetProgram, doc != nullptr && ResetEnabled());
    follow(cmdRunWithDebugger, ExeExists());
}

bool TMain::SaveEnabled() const {
    TDocument* doc = App().CurrentDocument;
    if (!doc) return false;
    if (doc->Kind() != DocumentKind::CodePage && doc->Kind() != DocumentKind::Project) return false;
    return FileExists(doc->DocumentFile());
}

void TMain::UpdateMenu(HMENU menu) {
    // Every entry starts enabled: the rules below and the commands' availability decide.
    for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i)
        EnableMenuItem(menu, static_cast<UINT>(i), MF_BYPOSITION | MF_ENABLED);
    int pages = App().Code ? App().Code->PageCount() : 0;
    bool hasDocument = App().CurrentDocument != nullptr;
    bool codePage = CurrentIsCodePage();
    // File
    Enable(menu, cmdSave, SaveEnabled());
    Enable(menu, cmdSaveAs, hasDocument);
    Enable(menu, cmdSaveAll, pages > 1);
    Enable(menu, cmdCloseAll, pages > 1);
    bool activePage = App().ActiveCodePage != nullptr;
    Enable(menu, cmdClose, activePage);
    Enable(menu, cmdPrint, activePage);
    bool canExport = activePage && (CommandAvailable(cmdExportRtf) || CommandAvailable(cmdExportHtml));
    // "Export" is a sub-menu: found by the commands it holds (its caption
    // follows the language), enabled by position.
    for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i) {
        HMENU sub = GetSubMenu(menu, i);
        if (sub && GetMenuState(sub, cmdExportRtf, MF_BYCOMMAND) != static_cast<UINT>(-1))
            EnableMenuItem(menu, static_cast<UINT>(i), MF_BYPOSITION | (canExport ? MF_ENABLED : MF_GRAYED));
    }
    // Search
    Enable(menu, cmdFind, codePage);
    Enable(menu, cmdReplace, codePage);
    Enable(menu, cmdGoToLine, codePage);
    Enable(menu, cmdFindNext, codePage && Hooks.lastSearchFound && Hooks.lastSearchFound());
    // View
    Check(menu, cmdViewCodeEditor, WindowVisible("Code"));
    Check(menu, cmdViewObjectsTree, WindowVisible("ObjectsTree"));
    Check(menu, cmdViewInspector, WindowVisible("Inspector"));
    Check(menu, cmdViewCodeExplorer, App().Code && App().Code->ExplorerVisible());
    Check(menu, cmdViewResultWindow, App().Code && App().Code->ResultsVisible());
    // Action
    bool run = ExeExists();
    Enable(menu, cmdCompile, codePage);
    Enable(menu, cmdRun, run);
    Enable(menu, cmdCompileAndRun, codePage && run);
    Enable(menu, cmdRunWithDebugger, run && FolderExists(App().ApplicationDirectory + "\\debug"));
    Enable(menu, cmdResetProgram, ResetEnabled());
    DisableUnavailable(menu);
}

void TMain::DisableUnavailable(HMENU menu) {
    for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i) {
        MENUITEMINFOA item{};
        item.cbSize = sizeof(item);
        item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU;
        if (!GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &item)) continue;
        if (item.hSubMenu || (item.fType & MFT_SEPARATOR)) continue;
        if (!CommandAvailable(static_cast<int>(item.wID)))
            EnableMenuItem(menu, static_cast<UINT>(i), MF_BYPOSITION | MF_GRAYED);
    }
}

void TMain::ToggleWindow(const char* name) {
    FormWindow* window = App().FindWindowByName(name);
    if (!window) return;
    if (window->Visible()) window->Hide();
    else window->Show();
}

void TMain::ShowMRUDropDown(const NMTOOLBARA* info) {
    RECT r{};
    SendMessageA(info->hdr.hwndFrom, TB_GETRECT, info->iItem, reinterpret_cast<LPARAM>(&r));
    MapWindowPoints(info->hdr.hwndFrom, nullptr, reinterpret_cast<POINT*>(&r), 2);
    TrackPopupMenu(mruPopup_, TPM_LEFTALIGN | TPM_TOPALIGN, r.left, r.bottom, 0, Handle(), nullptr);
}

bool TMain::MenuEntryEnabled(int command) {
    for (int i = 0, n = GetMenuItemCount(menuBar_); i < n; ++i) {
        HMENU menu = GetSubMenu(menuBar_, i);
        if (GetMenuState(menu, static_cast<UINT>(command), MF_BYCOMMAND) == static_cast<UINT>(-1)) continue;
        UpdateMenu(menu);
        return !(GetMenuState(menu, static_cast<UINT>(command), MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED));
    }
    return false;
}

void TMain::OnShortcut(int command) {
    // F9 compiles and runs whenever Compile is possible: the entry itself
    // stays grey until a program exists, but the key must build the first one.
    bool enabled = command == cmdCompileAndRun ? MenuEntryEnabled(cmdCompile) : MenuEntryEnabled(command);
    if (enabled) Dispatch(command);
}

void TMain::OnCommand(int id, int, HWND) {
    RunCommand([&] {
        if (id >= cmdShortcutBase && id < cmdMRUFirst) OnShortcut(id - cmdShortcutBase);
        else Dispatch(id);
    });
}

bool TMain::CanClose() {
    bool cancelled = false;
    if (TCode* code = App().Code) {
        for (int i = code->PageCount() - 1; i >= 0; --i) {
            TPageSheet* page = code->Page(i);
            if (!page) continue;
            // A page whose save failed stays, as after a Cancel: its text is not lost.
            if (TCode::AskToClose(*page)) code->FreePage(page);
            else cancelled = true;
        }
    }
    if (Hooks.closeProjects && !Hooks.closeProjects()) return false;
    if (IsRunning()) {
        std::string exe = Hooks.exeFile ? Hooks.exeFile() : std::string();
        std::string question = "Was detected a running session.\n[" + exe + "]\nDo you want to terminate it?";
        Answer answer = UserPrompts().ConfirmYesNoCancel(question);
        if (answer == Answer::Cancel) return false;
        if (answer == Answer::Yes && Hooks.killRunning) Hooks.killRunning();
    }
    // A compiler left running would outlive the workbench.
    if (!cancelled && Hooks.stopCompilation) Hooks.stopCompilation();
    return !cancelled;
}

void TMain::CloseQuery() {
    if (!CanClose()) return;
    if (App().Launcher) App().Launcher->SaveSettings();
    if (BeforeExit) BeforeExit();
    ExitProcess(0);
}

void TMain::OnClose() { RunCommand([this] { CloseQuery(); }); }

LRESULT TMain::HandleMessage(UINT message, WPARAM wp, LPARAM lp) {
    switch (message) {
    case WM_DROPFILES: {
        std::vector<std::string> files = TakeDroppedFiles(reinterpret_cast<HDROP>(wp));
        if (Hooks.openDroppedFiles) RunCommand([&] { Hooks.openDroppedFiles(files); });
        return 0;
    }
    case WM_INITMENUPOPUP:
        if (!HIWORD(lp)) UpdateMenu(reinterpret_cast<HMENU>(wp));
        return 0;
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lp);
        if (header->code == TBN_DROPDOWN) {
            auto* info = reinterpret_cast<NMTOOLBARA*>(lp);
            if (info->iItem == cmdOpenToolbar) ShowMRUDropDown(info);
            return TBDDRET_DEFAULT;
        }
        if (header->code == TTN_GETDISPINFOA) {
            auto* tip = reinterpret_cast<NMTTDISPINFOA*>(lp);
            tip->lpszText = const_cast<char*>(ToolbarHint(static_cast<int>(header->idFrom)));
            return 0;
        }
        break;
    }
    case WM_SHOWWINDOW:
        if (wp && !shownOnce_) {
            shownOnce_ = true;
            PostMessageA(Handle(), kFirstShowMessage, 0, 0);
        }
        break;
    case kFirstShowMessage:
        if (OnFirstShow) RunCommand(OnFirstShow);
        return 0;
    }
    return FormWindow::HandleMessage(message, wp, lp);
}

}  // namespace tavrin

namespace tavrin {

void TMain::ShowHelp() {
    const std::string& help = ApplicationHelpFile();
    if (FileExists(help)) {
        ShellExecuteA(Handle(), "open", help.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
        return;
    }
    if (FormWindow* chooser = App().FindWindowByName("Helps")) chooser->ShowModal();
}

}  // namespace tavrin
