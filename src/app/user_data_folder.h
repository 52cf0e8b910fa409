// The user's application-data folder, and where this copy of the workbench
// keeps its settings (beside the program, or there: settings/app_data_location.h).
#pragma once

#include <string>

#include "settings/app_data_location.h"

namespace tavrin {

// The workbench's folder in the user's application-data folder: "%APPDATA%\Tavrin2"
// (APPDATA as the environment gives it, else the shell's folder); empty when
// neither is known.
std::string WorkbenchUserDataFolder();

// The settings location of the program at executablePath: beside it when its
// folder takes new files, otherwise in userDataFolder (prepared for use); the
// program's folder when userDataFolder cannot be used either.
SettingsLocation LocateSettings(const std::string& executablePath, const std::string& userDataFolder);

}  // namespace tavrin
