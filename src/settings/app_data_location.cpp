#include "settings/app_data_location.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <random>

#include "common/file_checks.h"
#include "common/file_replace.h"
#include "common/file_search.h"
#include "common/paths.h"
#include "common/platform_files.h"
#include "common/platform_folders.h"
#include "common/string_list.h"

namespace tavrin {

namespace {

constexpr const char* kDataBaseName = "DataBase.ini";
constexpr int kProbeAttempts = 4;

std::string ProbeName(const std::string& folder) {
    static std::mt19937 random(static_cast<unsigned>(
        std::chrono::steady_clock::now().time_since_epoch().count() ^ std::random_device{}()));
    char name[40];
    std::snprintf(name, sizeof name, "~write-probe-%08x.tmp", static_cast<unsigned>(random()));
    return JoinPath(folder, name);
}

// Copies source to target unless target exists; true when target exists afterwards.
bool CopyIfMissing(const std::string& source, const std::string& target) {
    if (FileExists(NativePath(target))) return true;
    std::string content;
    if (ReadWholeFile(NativePath(source), content) != FileReadStatus::Ok) return false;
    return WriteFileReplacing(NativePath(target), content);
}

}  // namespace

std::string UserDataFolderFor(const std::string& userData) {
    return userData.empty() ? std::string() : JoinPath(userData, "Tavrin2");
}

SettingsLocation ChooseSettingsLocation(const std::string& executablePath, bool programFolderWritable,
                                        const std::string& userDataFolder) {
    SettingsLocation location;
    location.inUserData = !programFolderWritable && !userDataFolder.empty();
    location.folder = location.inUserData ? userDataFolder : ExtractFileDir(executablePath);
    location.settingsFile = JoinPath(location.folder, ExtractFileName(ChangeFileExt(executablePath, ".ini")));
    return location;
}

bool FolderAcceptsNewFiles(const std::string& folder) {
    for (int attempt = 0; attempt < kProbeAttempts; ++attempt) {
        std::string probe = NativePath(ProbeName(folder));
        int file = CreateFileExclusively(probe);
        if (file >= 0) {
            CloseFileDescriptor(file);
            std::remove(probe.c_str());  // ours: it did not exist before
            return true;
        }
        // Windows answers "access denied" both for a folder that refuses new
        // files and for a name taken by a folder: only a taken name is tried again.
        if (!IsNameTakenError(errno)) return false;
    }
    return false;
}

bool PrepareSettingsLocation(const SettingsLocation& location, const std::string& executablePath) {
    if (!location.inUserData) return true;
    if (!CreateFolders(location.folder)) return false;
    std::string programFolder = ExtractFileDir(executablePath);
    std::string programSettings = JoinPath(programFolder, ExtractFileName(location.settingsFile));
    if (FileExists(NativePath(programSettings))) CopyIfMissing(programSettings, location.settingsFile);
    std::string programDataBase = JoinPath(programFolder, kDataBaseName);
    if (FileExists(NativePath(programDataBase)))
        CopyIfMissing(programDataBase, JoinPath(location.folder, kDataBaseName));
    return true;
}

}  // namespace tavrin
