#include "app/database_wiring.h"

#include <memory>

#include "workbench/code_window.h"
#include "analysis/include_database.h"
#include "analysis/scanner.h"
#include "common/message_pump.h"
#include "ui/file_system.h"
#include "settings/launcher.h"
#include "workbench/splash_window.h"
#include "workbench/workbench.h"

namespace tavrin {

namespace {

std::unique_ptr<TDataBase> database;

// The result window's view of the database's type names: a gutter click shows
// the entry of the clicked line.
constexpr const char* kDataBaseView = "include database";

// The "DataBase" command: the result window lists the type names, and a
// gutter click shows the entry of the caret's line.
void ShowDataBaseView() {
    ScintillaView& results = App().Code->Results();
    results.SetText(database->TypeNamesText());
    App().Code->ResultViews().Activate(kDataBaseView);
}

}  // namespace

void WireIncludeDatabase() {
    Workbench& app = App();
    database = std::make_unique<TDataBase>(app.SettingsDirectory + "\\DataBase.ini");
    app.DataBase = database.get();
    app.Code->ResultViews().Register(kDataBaseView, [](int line) {
        database->ShowEntry(App().Code->Results().Line(line));
    });

    SetScanReportSink([](const std::string& line) {
        if (App().Code) App().Code->QueueResultLine(line);
    });
    database->OnScanBegin = [](const std::string& fileName) {
        PumpMessages();
        if (App().Splash) App().Splash->SetProgress(fileName);
    };
    database->OnScanEnd = [](const std::string& timeText) {
        if (App().Splash) App().Splash->NoteProgress(timeText);
    };

    TSplash* splash = app.Splash;
    splash->LoadDataBase = [] { return database->LoadDataBase() && database->IsBuilt(); };
    splash->BuildDataBase = [] {
        TLauncher& settings = *App().Launcher;
        database->AddCompilerIncludes(ExtractFileDir(settings.Compiler));
        for (const auto& entry : settings.Directories) database->AddFolder(entry.text);
    };
    splash->SaveDataBase = [] {
        App().Code->FlushResultLines();
        database->SaveDataBase();
    };
    app.Code->OnDataBase = ShowDataBaseView;
}

}  // namespace tavrin
