// The rules of the "Install Class" dialog without its windows: the path it
// starts with, the library paths it loads, the saving of a class source that
// was never saved, and the main window's side after OK.
#pragma once

#include <functional>
#include <string>

namespace tavrin {

// ApplicationDirectory\<class>.bas for a selected class; empty without one.
std::string InstallPathFor(const std::string& applicationDirectory, const std::string& selectedClassName);

// The file filter of "...".
inline constexpr const char* kInstallClassFilter =
    "Code file (*.bas,*.bi)|*.bas;*.bi|Component file (*.dfll)|*.dll|All files (*.*)|*.*";
// A path "..." loads as a pack library (its extension is ".lib", any case).
bool IsPackLibraryPath(const std::string& path);

class PackRegistry;

// "..." with a ".lib" path not yet in the pack list: a new pack loads it
// (without registration: no palette buttons), the outcome is reported and
// the path is listed with its pack.
void LoadPackLibrary(PackRegistry& packs, const std::string& path);

// The active code page as OK sees it.
class InstallPage {
public:
    virtual ~InstallPage() = default;
    virtual std::string FileName() const = 0;  // its own file ("" when it has none)
    virtual std::string Text() const = 0;
    virtual void SetCaption(const std::string& caption) = 0;
};

// OK with the active page (or none): a page whose file does not exist is
// captioned with the selected class and its text saved to path; a failed
// save is shown as "Invalid format for filename.\nCan't save.". An empty
// path saves nothing.
void SaveClassSource(InstallPage* page, const std::string& path, const std::string& selectedClassName);

// The main window's side after OK: a window class known to the system (or
// registered by the workbench) gets a palette button on the page named
// paletteName through addButton; otherwise "The classname is not registered.".
void InstallClass(const std::string& selectedClassName, const std::string& paletteName,
                  const std::function<bool(const std::string& className)>& classKnown,
                  const std::function<void(const std::string& page, const std::string& className)>& addButton);

}  // namespace tavrin
