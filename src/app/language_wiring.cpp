#include "app/language_wiring.h"

#include <windows.h>

#include "app/on_demand_windows.h"
#include "common/file_search.h"
#include "languages/language_runtime.h"
#include "languages/languages_window.h"
#include "settings/launcher.h"
#include "ui/file_system.h"
#include "workbench/main_window.h"
#include "workbench/workbench.h"

namespace tavrin {

namespace {

std::vector<FormWindow*> ApplicationWindows() {
    std::vector<FormWindow*> windows;
    for (const auto& window : App().Windows) windows.push_back(window.get());
    return windows;
}

// The file the settings name, or the file of that name in the application's
// languages folder when the application folder was moved.
std::string ActiveLanguageFile() {
    if (!App().Launcher) return {};
    std::string path = App().Launcher->SettingsFile().ReadString(kActiveLanguageSection, kActiveLanguageKey, "");
    if (path.empty() || FileExists(path)) return path;
    std::string moved = JoinPath(JoinPath(App().ApplicationDirectory, kLanguagesFolder), ExtractFileName(path));
    return FileExists(moved) ? moved : std::string();
}

}  // namespace

LanguageRuntime& TheLanguageRuntime() {
    static LanguageRuntime runtime(ApplicationWindows);
    if (!runtime.onDemandWindows) runtime.onDemandWindows = PublishOnDemandWindows;
    return runtime;
}

void StartLanguages() {
    LanguageRuntime& runtime = TheLanguageRuntime();
    runtime.Install();
    std::string path = ActiveLanguageFile();
    if (path.empty()) return;
    runtime.Apply(path);
    runtime.currentLanguage = path;
}

LanguagesHost MakeLanguagesHost() {
    LanguagesHost host;
    host.applicationDirectory = App().ApplicationDirectory;
    host.settings = App().Launcher ? &App().Launcher->SettingsFile() : nullptr;
    host.baseLines = [] { return TheLanguageRuntime().BaseLines(); };
    host.apply = [](const std::string& path) { TheLanguageRuntime().Apply(path); };
    host.showFile = [](const std::string& path) {
        if (App().Main && App().Main->Hooks.openPage) App().Main->Hooks.openPage(path);
    };
    host.makeFolder = [](const std::string& folder) { return CreateDirectoryA(folder.c_str(), nullptr) != 0; };
    host.currentLanguage = &TheLanguageRuntime().currentLanguage;
    return host;
}

void WireLanguages() {
    App().Main->Hooks.languages = [] {
        TLanguagesDlg dialog(MakeLanguagesHost());
        dialog.Create(App().Main->Handle());
        dialog.ShowModal();
    };
}

}  // namespace tavrin
