// The workbench-wide state and the singletons, one instance for the life of
// the process. Windows and commands reach each other through it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ui/app_windows.h"

namespace tavrin {

class TDocument;
class TDialog;
class TProject;
class TPageSheet;
class TLauncher;
class TDataBase;
class FormWindow;
class TMain;
class TCode;
class TSplash;
class TAbout;
class TimageShow;
class THelps;
class TPrintDialog;
class PackRegistry;

struct Workbench {
    // Folder of the workbench executable, without trailing separator.
    std::string ApplicationDirectory;
    // Path of the executable and the application title (its name without extension).
    std::string ExecutablePath;
    std::string Title = "Tavrin2";
    // Folder of the settings file and DataBase.ini: ApplicationDirectory, or
    // the user's application-data folder when the program's cannot be written.
    std::string SettingsDirectory;
    // The workbench's folder in the user's application-data folder (empty
    // when unknown): recovery copies live there.
    std::string UserDataDirectory;

    TDocument* CurrentDocument = nullptr;
    TPageSheet* ActiveCodePage = nullptr;
    TDialog* CurrentDialog = nullptr;    // the dialog of the designer, when there is one
    TProject* CurrentProject = nullptr;  // the project last created, when there is one

    TLauncher* Launcher = nullptr;
    TDataBase* DataBase = nullptr;  // the include database
    PackRegistry* Packs = nullptr;  // the loaded packs and the palette's selection

    TMain* Main = nullptr;
    TCode* Code = nullptr;
    TSplash* Splash = nullptr;
    TAbout* About = nullptr;
    TimageShow* ImageShow = nullptr;
    THelps* Helps = nullptr;
    TPrintDialog* PrintDialog = nullptr;

    // The windows created at start, in creation order (owned here).
    std::vector<std::unique_ptr<FormWindow>> Windows;
    FormWindow* FindWindowByName(const std::string& name) const;
};

Workbench& App();

// The windows created at start, for the settings object's window bounds.
class WorkbenchWindows : public WindowRegistry {
public:
    std::vector<ApplicationWindow*> Windows() const override;
    // The work areas of the monitors attached now.
    DesktopGeometry Desktop() const override;
};

}  // namespace tavrin
