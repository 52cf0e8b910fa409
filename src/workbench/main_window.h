// The main window: a strip at the top of the screen with the menu bar, the two
// toolbars and the component palette. It only dispatches commands.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "packhost/palette_window.h"
#include "ui/form_window.h"

namespace tavrin {

class TPageSheet;
class Win32MRUMenu;

// Menu and toolbar command identifiers of the main window.
enum MainCommand : int {
    cmdNew = 1000, cmdOpen, cmdOpenToolbar, cmdSave, cmdSaveAs, cmdSaveAll, cmdClose, cmdCloseAll,
    cmdExportRtf, cmdExportHtml, cmdPrint, cmdExit,
    cmdFind, cmdFindNext, cmdFindInFiles, cmdReplace, cmdGoToLine,
    cmdSettings, cmdViewPacks, cmdViewCodeEditor, cmdViewObjectsTree, cmdViewInspector,
    cmdViewCodeExplorer, cmdViewResultWindow, cmdViewResources, cmdViewProjects, cmdViewForms,
    cmdViewCodeModules, cmdViewCompilerSwitch,
    cmdCompile, cmdRun, cmdCompileAndRun, cmdRunWithDebugger, cmdResetProgram,
    cmdComponentPalette, cmdNewComponent, cmdInstallComponent, cmdComponentsPacks,
    cmdAboutSoftware, cmdHelps, cmdLanguages,
    cmdNewDialog, cmdNewCode,
    cmdShortcutBase = 3000,  // shortcut keys: cmdShortcutBase + the command
    cmdMRUFirst = 5000,      // items of the MRU drop-down menu
};

// What the main window asks of subsystems that are wired in by their owners.
// A command whose hook is not set is disabled, in the menus and on the toolbars.
struct MainHooks {
    std::function<void()> openFiles, save, saveAs, saveAll, close, closeAll;
    std::function<void()> exportRtf, exportHtml;  // the active page's text as a document
    std::function<void(const std::string&)> openFile;  // MRU item: the path it shows
    std::function<void(const std::vector<std::string>&)> openDroppedFiles;  // dropped on the main or code window
    std::function<void(bool dialog)> newPage;
    // Opens a page on a file (a new empty page captioned with the name when
    // no such file exists) and returns it.
    std::function<TPageSheet*(const std::string&)> openPage;
    std::function<void()> loadPacks;
    std::function<void()> compile, run, compileAndRun, runWithDebugger, resetProgram;
    std::function<void()> find, findNext, findInFiles, replace, goToLine;
    std::function<void()> settings, resources, projects, forms, codeModules, compilerSwitch;
    std::function<void()> componentPalette, newComponent, installComponent, packs, languages;
    // Closes every project with its pages; false when the user cancelled.
    std::function<bool()> closeProjects;
    // The compiler driver's output file and running flag.
    std::function<std::string()> exeFile;
    std::function<bool()> running;
    std::function<void()> killRunning;
    // A compiler is running: Reset stops it, and so does closing the workbench.
    std::function<bool()> compiling;
    std::function<void()> stopCompilation;
    // True when the search dialog's last search found a match.
    std::function<bool()> lastSearchFound;
};

class TMain : public FormWindow {
public:
    static constexpr int kHeight = 119;  // at 96 dots per inch; scaled with the window's resolution

    TMain();
    ~TMain() override;
    MainHooks Hooks;

    void UpdateToolbar();
    // The drop-down menu of the toolbar's open button (the MRU menu).
    HMENU MRUPopup() const { return mruPopup_; }
    // The same menu as the settings object fills it.
    MRUMenuView& MRUMenu();
    HWND ToolBarFiles() const { return toolBarFiles_; }
    HWND ToolBarActions() const { return toolBarActions_; }
    HWND PaletteArea() const { return palette_; }
    // The component palette shown in the palette area.
    TPaletteControl& Palette() { return paletteWindow_->Palette(); }
    PaletteWindow& PaletteStrip() { return *paletteWindow_; }
    bool ToolButtonEnabled(int command) const;
    void SetToolButtonEnabled(int command, bool enabled);
    // Evaluates the enable rules of one top menu as when it opens; an entry
    // whose command has nothing to run stays disabled whatever the rules say.
    void UpdateMenu(HMENU menu);
    // True when the command of a menu entry or toolbar button has something
    // to run (its hook is set, or its window exists).
    bool CommandAvailable(int id) const;
    HMENU MenuBar() const { return menuBar_; }

    // Runs the close query; on success saves the settings and ends the process.
    void CloseQuery();
    // The close query without ending the process: true when the close may go ahead.
    bool CanClose();

    // Called once, the first time the main window is shown.
    std::function<void()> OnFirstShow;
    // Called with each menu, toolbar or shortcut command before it runs.
    std::function<void(int command)> BeforeCommand;
    // Called when the close went ahead and the settings are written, just
    // before the process ends.
    std::function<void()> BeforeExit;

protected:
    DWORD Style() const override {
        return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX |
               WS_THICKFRAME | WS_CLIPCHILDREN;
    }
    SIZE InitialSize() const override;
    void OnCreate() override;
    void OnSize(int width, int height) override;
    void OnCommand(int id, int code, HWND control) override;
    void OnClose() override;
    void OnGetMinMaxInfo(MINMAXINFO* info) override;
    void OnDpiChanged(int oldDpi, int newDpi) override;
    LRESULT HandleMessage(UINT message, WPARAM wp, LPARAM lp) override;

private:
    // What a menu entry or toolbar button runs, and whether it can run.
    struct Command {
        std::function<void()> run;
        std::function<bool()> available;
    };
    using Hook = std::function<void()> MainHooks::*;

    void BuildMenus();
    void BuildToolbars();
    void BuildCommands();
    Command HookCommand(Hook hook);
    // Runs the hook when set, otherwise shows the window of that name.
    Command ShowCommand(Hook hook, const char* windowName);
    void Dispatch(int id);
    // Disables every entry of the menu whose command cannot run.
    void DisableUnavailable(HMENU menu);
    // A shortcut key: runs the command when its menu entry's rule allows it.
    void OnShortcut(int command);
    bool MenuEntryEnabled(int command);
    void ToggleWindow(const char* name);
    // The help command: opens the help file or shows the help chooser.
    void ShowHelp();
    void ShowMRUDropDown(const NMTOOLBARA* info);
    bool CurrentIsCodePage() const;
    bool SaveEnabled() const;
    bool ExeExists() const;
    bool IsRunning() const;
    // Reset may act: the program or a compiler runs.
    bool ResetEnabled() const;

    HMENU menuBar_ = nullptr;
    HMENU mruPopup_ = nullptr;
    std::unique_ptr<Win32MRUMenu> mruMenu_;
    std::map<int, Command> commands_;
    HWND toolBarFiles_ = nullptr;
    HWND toolBarActions_ = nullptr;
    HWND palette_ = nullptr;
    std::unique_ptr<PaletteWindow> paletteWindow_;
    bool shownOnce_ = false;
};

// The accelerator table of the main window's shortcuts.
HACCEL CreateMainAccelerators();

}  // namespace tavrin
