#include "wizard/install_class_rules.h"

#include <exception>

#include "common/file_checks.h"
#include "common/paths.h"
#include "common/prompts.h"
#include "common/string_list.h"
#include "common/text.h"
#include "packhost/pack_registry.h"
#include "settings/launcher.h"

namespace tavrin {

std::string InstallPathFor(const std::string& applicationDirectory, const std::string& selectedClassName) {
    if (selectedClassName.empty()) return {};
    return applicationDirectory + "\\" + selectedClassName + ".bas";
}

bool IsPackLibraryPath(const std::string& path) { return EndsWithNoCase(path, ".lib"); }

void LoadPackLibrary(PackRegistry& packs, const std::string& path) {
    StringList& libs = packs.Settings().Libs;
    if (!IsPackLibraryPath(path) || libs.IndexOf(path) >= 0) return;
    TPack& pack = packs.CreatePack();
    bool loaded = false;
    try {
        pack.Load(path);
        loaded = pack.Handle() != 0;
    } catch (const std::exception&) {
        // A library that is no pack: reported as a failure below.
    }
    UserPrompts().Information(loaded ? "The " + pack.Name + " was loaded with success." : std::string("Error."));
    libs.Add(path, &pack);
}

void SaveClassSource(InstallPage* page, const std::string& path, const std::string& selectedClassName) {
    // Without a path (no class selected, nothing chosen) there is nothing to
    // save to, and the page keeps its caption.
    if (!page || path.empty() || FileExists(page->FileName())) return;
    page->SetCaption(selectedClassName);
    if (!WriteFileReplacing(path, page->Text())) {
        UserPrompts().Error("Invalid format for filename.\nCan't save.");
        return;
    }
    if (FileExists(page->FileName())) page->SetCaption(ExtractFileName(path));
}

void InstallClass(const std::string& selectedClassName, const std::string& paletteName,
                  const std::function<bool(const std::string& className)>& classKnown,
                  const std::function<void(const std::string& page, const std::string& className)>& addButton) {
    if (selectedClassName.empty() || !classKnown(selectedClassName)) {
        UserPrompts().Information("The classname is not registered.");
        return;
    }
    addButton(paletteName, selectedClassName);
}

}  // namespace tavrin
