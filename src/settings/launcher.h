// The settings object: every persistent preference of the workbench, read from
// and written to one INI file, plus the most recently used files and the
// drop-down menu that shows them.
#pragma once

#include <string>
#include <vector>

#include "common/ini_file.h"
#include "common/string_list.h"
#include "ui/app_windows.h"

namespace tavrin {

class TLauncher {
public:
    // The recent-file list never holds more entries than this, in memory or in the file.
    static constexpr size_t kMRULimit = 50;

    // windows may be null: then the window bounds are neither applied nor saved.
    explicit TLauncher(std::string settingsPath, WindowRegistry* windows = nullptr);

    int MRUCount = 20;  // read from the file, never written
    std::string Compiler;
    std::string HelpFile;
    StringList Compilers;
    StringList Directories;
    StringList Files;
    StringList Libs;  // an entry's object may be its loaded pack (not owned)
    StringList MRU;   // newest first, at most kMRULimit entries
    MRUMenuView* MRUMenu = nullptr;
    std::string HostClass = "QForm";
    std::string PredefinedSwitches;  // for one run only
    bool AllowCompletion = false;
    bool AutocreateForms = true;
    bool PredefinedControls = false;
    bool MultipleFileInstances = false;
    bool Minimizeonrun = false;
    bool DisableOnRun = false;
    bool GUIResources = false;
    bool ExportSymbols = true;

    void LoadSettings();
    // False when some value could not be written (the others are still written).
    bool SaveSettings();
    void LoadForms();
    bool SaveForms();

    void AttachMRUMenu(MRUMenuView* menu);
    void BuildMRUMenu();
    // Puts a newly opened file first; a file already listed (in any case) stays
    // where it is. The last entry makes room when the list is full. Returns
    // whether it was inserted.
    bool AddToMRU(const std::string& path);

    void SetWindowRegistry(WindowRegistry* windows) { windows_ = windows; }
    // The settings file, for the parts that change it directly (deleting a
    // pack's key, erasing a section).
    IniFile& SettingsFile() { return file_; }

private:
    // Drops the entries beyond the limit, remembering them for the next save.
    void LimitMRU();
    bool WriteRecentFiles();

    IniFile file_;
    std::vector<std::string> droppedMRU_;
    WindowRegistry* windows_;
};

}  // namespace tavrin
