// The list of the "Packs" window: pack library paths, each with a check mark
// and, once loaded, its pack; and the window's commands on it (Add, Install,
// Uninstall, Remove). Questions and reports go through the prompts; a Cancel
// ends the whole command (CommandAborted).
#pragma once

#include <string>
#include <vector>

#include "packhost/pack_registry.h"

namespace tavrin {

struct PackListEntry {
    std::string text;  // the library's path
    TPack* pack = nullptr;
    bool checked = false;
};

class PackList {
public:
    explicit PackList(PackRegistry& registry) : registry_(&registry) {}

    std::vector<PackListEntry> Entries;
    int Current = -1;  // the entry the user clicked last, or -1

    // The window is shown: the settings' pack list replaces the entries when it
    // has any; entries holding a pack are checked exactly when it is loaded.
    void Show();
    // "Add..": a file box; the chosen path is appended, unchecked, without a pack.
    void Add();
    // "Install": loads and registers every checked entry, asking first.
    void Install();
    // "Uninstall": removes every checked entry's pack and its classes, asking first.
    void Uninstall();
    // "Remove": takes checked entries off the list (and the settings), asking first.
    void Remove();

    // Remove, Install and Uninstall are enabled: the current entry is checked.
    bool CommandsEnabled() const;
    // The pop-up menu's "Remove": an entry is current.
    bool RemoveMenuEnabled() const;
    // The class names of the entry's pack (the "Component(s):" tab).
    std::vector<std::string> ComponentsOf(int index) const;

private:
    void Erase(std::size_t index);
    void ForgetPack(const TPack* pack);

    PackRegistry* registry_;
};

}  // namespace tavrin
