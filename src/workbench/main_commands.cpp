// The commands behind the main window's menu entries and toolbar buttons:
// one table says what each runs and whether it can run, so that an entry
// never looks live while doing nothing.
#include "workbench/main_window.h"

#include "workbench/code_window.h"
#include "workbench/mru_menu.h"
#include "workbench/workbench.h"

namespace tavrin {

namespace {

bool WindowExists(const char* name) { return App().FindWindowByName(name) != nullptr; }

}  // namespace

TMain::Command TMain::HookCommand(Hook hook) {
    return {[this, hook] {
                if (Hooks.*hook) (Hooks.*hook)();
            },
            [this, hook] { return static_cast<bool>(Hooks.*hook); }};
}

TMain::Command TMain::ShowCommand(Hook hook, const char* windowName) {
    return {[this, hook, windowName] {
                if (Hooks.*hook) (Hooks.*hook)();
                else if (FormWindow* window = App().FindWindowByName(windowName)) window->Show();
            },
            [this, hook, windowName] { return Hooks.*hook || WindowExists(windowName); }};
}

void TMain::BuildCommands() {
    auto always = [] { return true; };
    auto modal = [](const char* name) {
        return Command{[name] {
                           if (FormWindow* window = App().FindWindowByName(name)) window->ShowModal();
                       },
                       [name] { return WindowExists(name); }};
    };
    auto toggle = [this](const char* name) {
        return Command{[this, name] { ToggleWindow(name); }, [name] { return WindowExists(name); }};
    };
    auto newPage = [this](bool dialog) {
        return Command{[this, dialog] {
                           if (Hooks.newPage) Hooks.newPage(dialog);
                           UpdateToolbar();
                       },
                       [this] { return static_cast<bool>(Hooks.newPage); }};
    };
    // Runs the hook only while the current document is a code page.
    auto onCodePage = [this](Command command) {
        return Command{[this, run = command.run] {
                           if (CurrentIsCodePage()) run();
                       },
                       command.available};
    };

    commands_ = {
        // File. "New" makes a code page, as New Code does.
        {cmdNew, newPage(false)},
        {cmdOpen, HookCommand(&MainHooks::openFiles)},
        {cmdOpenToolbar, HookCommand(&MainHooks::openFiles)},
        {cmdSave, HookCommand(&MainHooks::save)},
        {cmdSaveAs, HookCommand(&MainHooks::saveAs)},
        {cmdSaveAll, HookCommand(&MainHooks::saveAll)},
        {cmdClose, HookCommand(&MainHooks::close)},
        {cmdCloseAll, HookCommand(&MainHooks::closeAll)},
        {cmdExportRtf, HookCommand(&MainHooks::exportRtf)},
        {cmdExportHtml, HookCommand(&MainHooks::exportHtml)},
        {cmdPrint, modal("PrintDialog")},
        {cmdExit, {[this] { CloseQuery(); }, always}},
        // Search
        {cmdFind, onCodePage(HookCommand(&MainHooks::find))},
        {cmdFindNext, {[this] {
                           if (App().CurrentDocument && Hooks.findNext) Hooks.findNext();
                       },
                       [this] { return static_cast<bool>(Hooks.findNext); }}},
        {cmdFindInFiles, ShowCommand(&MainHooks::findInFiles, "FindInFilesDialog")},
        {cmdReplace, onCodePage(HookCommand(&MainHooks::replace))},
        {cmdGoToLine, onCodePage(ShowCommand(&MainHooks::goToLine, "GoToLine"))},
        // View. "Packs" shows the packs window, as Components > Packs does.
        {cmdSettings, HookCommand(&MainHooks::settings)},
        {cmdViewPacks, ShowCommand(&MainHooks::packs, "Packs")},
        {cmdViewCodeEditor, toggle("Code")},
        {cmdViewObjectsTree, toggle("ObjectsTree")},
        {cmdViewInspector, toggle("Inspector")},
        {cmdViewCodeExplorer, {[] {
                                   if (App().Code) App().Code->ShowExplorer(!App().Code->ExplorerVisible());
                               },
                               [] { return App().Code != nullptr; }}},
        {cmdViewResultWindow, {[] {
                                   if (App().Code) App().Code->ShowResults(!App().Code->ResultsVisible());
                               },
                               [] { return App().Code != nullptr; }}},
        {cmdViewResources, ShowCommand(&MainHooks::resources, "Resources")},
        {cmdViewProjects, ShowCommand(&MainHooks::projects, "Projects")},
        {cmdViewForms, ShowCommand(&MainHooks::forms, "FormsList")},
        {cmdViewCodeModules, ShowCommand(&MainHooks::codeModules, "Units")},
        {cmdViewCompilerSwitch, ShowCommand(&MainHooks::compilerSwitch, "Switch")},
        // Action
        {cmdCompile, HookCommand(&MainHooks::compile)},
        {cmdRun, HookCommand(&MainHooks::run)},
        {cmdCompileAndRun, {[this] {
                                if (Hooks.compileAndRun) Hooks.compileAndRun();
                                UpdateToolbar();
                            },
                            [this] { return static_cast<bool>(Hooks.compileAndRun); }}},
        {cmdRunWithDebugger, HookCommand(&MainHooks::runWithDebugger)},
        {cmdResetProgram, HookCommand(&MainHooks::resetProgram)},
        // Components
        {cmdComponentPalette, HookCommand(&MainHooks::componentPalette)},
        {cmdNewComponent, HookCommand(&MainHooks::newComponent)},
        {cmdInstallComponent, HookCommand(&MainHooks::installComponent)},
        {cmdComponentsPacks, ShowCommand(&MainHooks::packs, "Packs")},
        // About
        {cmdAboutSoftware, modal("About")},
        {cmdHelps, {[this] { ShowHelp(); }, always}},
        {cmdLanguages, HookCommand(&MainHooks::languages)},
        // Toolbar only
        {cmdNewDialog, newPage(true)},
        {cmdNewCode, newPage(false)},
    };
}

bool TMain::CommandAvailable(int id) const {
    if (id >= cmdMRUFirst) return mruMenu_ && mruMenu_->PathOf(id) && Hooks.openFile;
    auto command = commands_.find(id);
    return command != commands_.end() && command->second.available();
}

void TMain::Dispatch(int id) {
    if (BeforeCommand) BeforeCommand(id);
    if (id >= cmdMRUFirst) {
        std::optional<std::string> path = mruMenu_ ? mruMenu_->PathOf(id) : std::nullopt;
        if (path && Hooks.openFile) Hooks.openFile(*path);
        return;
    }
    auto command = commands_.find(id);
    if (command != commands_.end()) command->second.run();
}

}  // namespace tavrin
