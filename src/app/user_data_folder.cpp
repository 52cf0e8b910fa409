#include "app/user_data_folder.h"

#include <windows.h>
#include <shlobj.h>

#include "common/paths.h"

namespace tavrin {

namespace {

std::string ApplicationDataFolder() {
    char path[MAX_PATH] = {};
    DWORD length = GetEnvironmentVariableA("APPDATA", path, MAX_PATH);
    if (length > 0 && length < MAX_PATH) return path;
    if (SUCCEEDED(SHGetFolderPathA(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, path)))
        return path;
    return {};
}

}  // namespace

std::string WorkbenchUserDataFolder() { return UserDataFolderFor(ApplicationDataFolder()); }

SettingsLocation LocateSettings(const std::string& executablePath, const std::string& userDataFolder) {
    bool writable = FolderAcceptsNewFiles(ExtractFileDir(executablePath));
    SettingsLocation location = ChooseSettingsLocation(executablePath, writable, userDataFolder);
    if (!PrepareSettingsLocation(location, executablePath)) location = ChooseSettingsLocation(executablePath, true, "");
    return location;
}

}  // namespace tavrin
