// Where the workbench keeps its settings file and include database. A copy
// whose folder can be written (a portable copy, a build) keeps them beside the
// program, as the program's own ".ini" and DataBase.ini. An installed copy
// whose folder cannot be written (Program Files) keeps them in the user's
// application-data folder, under the program's name; the first start there
// takes the program folder's files as its starting point.
#pragma once

#include <string>

namespace tavrin {

struct SettingsLocation {
    std::string folder;        // holds the settings file and DataBase.ini
    std::string settingsFile;  // folder + "\" + the program's name + ".ini"
    bool inUserData = false;   // true: the user's application-data folder
};

// The folder for the program's files in the user's application-data folder
// (userData + "\Tavrin2"); empty when userData is empty.
std::string UserDataFolderFor(const std::string& userData);

// The location for the program at executablePath. programFolderWritable says
// whether new files can be made beside the program; userDataFolder is the
// result of UserDataFolderFor (empty: none known, the program folder is used).
SettingsLocation ChooseSettingsLocation(const std::string& executablePath, bool programFolderWritable,
                                        const std::string& userDataFolder);

// True when a new file can be created in the folder: one is made under a
// fresh name and removed again.
bool FolderAcceptsNewFiles(const std::string& folder);

// Makes the application-data location ready: creates its folder and copies
// the program folder's settings file and DataBase.ini there, each only when
// the location has none yet. Nothing for a location beside the program.
// False when the folder cannot be created (the caller falls back to the
// program folder).
bool PrepareSettingsLocation(const SettingsLocation& location, const std::string& executablePath);

}  // namespace tavrin
