#include "settings/launcher.h"

#include <utility>
#include <vector>

#include "common/text.h"
#include "editor/editor_options.h"
#include "settings/help_file.h"
#include "settings/window_placement.h"

namespace tavrin {

namespace {

constexpr const char* kGeneral = "general";

struct FlagField {
    const char* key;
    bool TLauncher::*field;
    bool defaultValue;
};

// In the order they are read and written.
constexpr FlagField kFlags[] = {
    {"AllowCompletion", &TLauncher::AllowCompletion, false},
    {"AutocreateForms", &TLauncher::AutocreateForms, true},
    {"PredefinedControls", &TLauncher::PredefinedControls, false},
    {"MultipleFileInstances", &TLauncher::MultipleFileInstances, false},
    {"Minimizeonrun", &TLauncher::Minimizeonrun, false},
    {"DisableOnRun", &TLauncher::DisableOnRun, false},
    {"GUIResources", &TLauncher::GUIResources, false},
    {"ExportSymbols", &TLauncher::ExportSymbols, true},
};

// Each entry is a key; the value is its position.
bool WriteNumberedList(IniFile& file, const char* section, const StringList& list) {
    std::vector<std::pair<std::string, std::string>> entries;
    entries.reserve(list.Count());
    for (size_t i = 0; i < list.Count(); ++i)
        entries.emplace_back(list[i], std::to_string(i));
    return file.WriteKeys(section, entries);
}

ApplicationWindow* FindWindow(const std::vector<ApplicationWindow*>& windows,
                              std::string_view name) {
    for (ApplicationWindow* window : windows)
        if (window && EqualsNoCase(window->Name(), name)) return window;
    return nullptr;
}

}  // namespace

TLauncher::TLauncher(std::string settingsPath, WindowRegistry* windows)
    : file_(std::move(settingsPath)), windows_(windows) {}

// The recent files stay where they stand in the file and new ones are added
// at its end; the keys of files that the limit pushed out of the list leave
// the file (other keys stay, as the section is not erased).
bool TLauncher::WriteRecentFiles() {
    std::vector<std::string> gone;
    for (const std::string& file : droppedMRU_)
        if (MRU.IndexOf(file) < 0) gone.push_back(file);
    bool ok = gone.empty() || file_.DeleteKeys("mru", gone);
    return WriteNumberedList(file_, "mru", MRU) && ok;
}

void TLauncher::LimitMRU() {
    while (MRU.Count() > kMRULimit) {
        droppedMRU_.push_back(MRU[MRU.Count() - 1]);
        MRU.Delete(MRU.Count() - 1);
    }
}

void TLauncher::LoadSettings() {
    IniBatch batch(file_);  // one reading of the file for all values
    MRUCount = file_.ReadInteger(kGeneral, "mrucount", 20);
    Compiler = file_.ReadString(kGeneral, "compiler", "");
    HelpFile = file_.ReadString(kGeneral, "help", "");
    ApplicationHelpFile() = HelpFile;

    std::pair<const char*, StringList*> lists[] = {
        {"compilers", &Compilers},
        {"directories", &Directories},
        {"files", &Files},
        {"libs", &Libs},
        {"mru", &MRU},
    };
    for (auto& [section, list] : lists) {
        list->Clear();
        list->Assign(file_.ReadSectionKeys(section));
    }
    droppedMRU_.clear();
    LimitMRU();

    for (const FlagField& flag : kFlags)
        this->*flag.field = file_.ReadBool(kGeneral, flag.key, flag.defaultValue);

    EditorOptions& editor = SharedEditorOptions();
    editor.fontName = file_.ReadString("editor", "font.name", "lucida console");
    editor.fontSize = file_.ReadInteger("editor", "font.size", 10);

    LoadForms();
}

bool TLauncher::SaveSettings() {
    IniBatch batch(file_);  // the writes below reach the file in one replacement
    bool ok = file_.WriteString(kGeneral, "compiler", Compiler);
    for (const char* section : {"compilers", "directories", "files"})
        ok = file_.EraseSection(section) && ok;
    ok = WriteNumberedList(file_, "compilers", Compilers) && ok;
    ok = WriteNumberedList(file_, "directories", Directories) && ok;
    ok = WriteNumberedList(file_, "files", Files) && ok;
    ok = WriteRecentFiles() && ok;
    ok = file_.WriteString(kGeneral, "help", HelpFile) && ok;

    for (const FlagField& flag : kFlags)
        ok = file_.WriteBool(kGeneral, flag.key, this->*flag.field) && ok;

    const EditorOptions& editor = SharedEditorOptions();
    ok = file_.WriteString("editor", "font.name", editor.fontName) && ok;
    ok = file_.WriteInteger("editor", "font.size", editor.fontSize) && ok;

    ok = file_.EraseSection("libs") && ok;
    std::vector<std::pair<std::string, std::string>> libs;
    for (const StringList::Entry& lib : Libs) libs.emplace_back(lib.text, "true");
    ok = file_.WriteKeys("libs", libs) && ok;

    ok = SaveForms() && ok;
    return batch.End() && ok;
}

void TLauncher::LoadForms() {
    std::vector<ApplicationWindow*> windows;
    DesktopGeometry desktop;
    if (windows_) {
        windows = windows_->Windows();
        desktop = windows_->Desktop();
    }
    IniBatch batch(file_);
    for (const std::string& part : Split(file_.ReadString(kGeneral, "forms", ""), ',')) {
        std::string_view name = Trim(part);
        if (name.empty()) continue;
        ApplicationWindow* window = FindWindow(windows, name);
        if (!window) continue;
        const WindowBounds saved{file_.ReadInteger(name, "left", 0), file_.ReadInteger(name, "top", 0),
                                 file_.ReadInteger(name, "width", 300), file_.ReadInteger(name, "height", 200)};
        // Saved bounds may be off every screen now: the window is brought back onto one.
        const WindowBounds placed = PlaceOnDesktop(saved, desktop);
        window->SetLeft(placed.left);
        window->SetTop(placed.top);
        window->SetWidth(placed.width);
        window->SetHeight(placed.height);
    }
}

bool TLauncher::SaveForms() {
    if (!windows_) return true;
    IniBatch batch(file_);
    bool ok = true;
    std::vector<std::string> names;
    for (ApplicationWindow* window : windows_->Windows()) {
        if (!window) continue;
        const std::string name = window->Name();
        const WindowBounds bounds = window->Bounds();
        ok = file_.WriteKeys(name, {{"left", std::to_string(bounds.left)},
                                    {"top", std::to_string(bounds.top)},
                                    {"width", std::to_string(bounds.width)},
                                    {"height", std::to_string(bounds.height)}}) &&
             ok;
        names.push_back(name);
    }
    ok = file_.WriteString(kGeneral, "forms", Join(names, ",")) && ok;
    return batch.End() && ok;
}

void TLauncher::AttachMRUMenu(MRUMenuView* menu) {
    if (menu == MRUMenu) return;
    MRUMenu = menu;
    BuildMRUMenu();
}

void TLauncher::BuildMRUMenu() {
    if (!MRUMenu) return;
    MRUMenu->RemoveAllItems();
    // Up to MRUCount + 1 items: positions 0 to MRUCount.
    for (size_t i = 0; i < MRU.Count() && static_cast<long long>(i) <= MRUCount; ++i)
        MRUMenu->AddItem(MRU[i]);
}

bool TLauncher::AddToMRU(const std::string& path) {
    if (path.empty() || MRU.IndexOf(path) >= 0) return false;
    MRU.Insert(0, path);
    LimitMRU();
    return true;
}

}  // namespace tavrin
