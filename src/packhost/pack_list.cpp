#include "packhost/pack_list.h"

#include "common/commands.h"
#include "common/paths.h"
#include "common/prompts.h"
#include "settings/launcher.h"

namespace tavrin {

namespace {

void AbortOnCancel(Answer answer) {
    if (answer == Answer::Cancel) throw CommandAborted{};
}

}  // namespace

void PackList::Show() {
    const StringList& libs = registry_->Settings().Libs;
    if (!libs.Empty()) {
        Entries.clear();
        for (const auto& entry : libs) Entries.push_back({entry.text, static_cast<TPack*>(entry.object), false});
        if (Current >= static_cast<int>(Entries.size())) Current = -1;
    }
    for (PackListEntry& entry : Entries)
        if (entry.pack) entry.checked = entry.pack->Handle() != 0;
}

void PackList::Add() {
    FileBoxRequest request;
    request.title = "Add pack";
    request.filter = "Pack file (*.dll)|*.dll";
    FileBoxResult chosen = UserPrompts().OpenFile(request);
    if (chosen.accepted && !chosen.files.empty()) Entries.push_back({chosen.files.front(), nullptr, false});
}

void PackList::Install() {
    for (std::size_t i = 0; i < Entries.size(); ++i) {
        if (!Entries[i].checked) continue;
        const std::string path = Entries[i].text;
        Answer answer =
            UserPrompts().ConfirmYesNoCancel("Install " + ExtractFileName(path) + " package with his components?");
        AbortOnCancel(answer);
        if (answer != Answer::Yes) continue;
        TPack* pack = Entries[i].pack;
        registry_->CurrentPack = pack;
        if (!pack) {
            TPack& created = registry_->CreatePack();
            created.OnLoad = [this](TPack& loaded) { registry_->RegisterPack(loaded); };
            registry_->CurrentPack = &created;
            try {
                created.Load(path);
            } catch (...) {
                registry_->DestroyPack(created);  // the entry stays without a pack
                throw;
            }
            Entries[i].pack = &created;
        } else if (pack->Handle()) {
            UserPrompts().Information("The " + ExtractFileName(path) + " package are allready installed.");
        } else {
            pack->OnLoad = [this](TPack& loaded) { registry_->RegisterPack(loaded); };
            pack->Load(path);
            Entries[i].checked = pack->Handle() != 0;
        }
    }
}

void PackList::Uninstall() {
    for (std::size_t i = 0; i < Entries.size();) {
        if (!Entries[i].checked || !Entries[i].pack) {
            ++i;
            continue;
        }
        Answer answer = UserPrompts().ConfirmYesNoCancel("Uninstall " + ExtractFileName(Entries[i].text) +
                                                         " package with his components?");
        AbortOnCancel(answer);
        if (answer != Answer::Yes) {
            ++i;
            continue;
        }
        TPack* pack = Entries[i].pack;
        const std::string path = pack->FileName;
        registry_->DestroyPack(*pack);
        ForgetPack(pack);
        UserPrompts().Information("The package was removed.");
        StringList& libs = registry_->Settings().Libs;
        int listed = libs.IndexOf(path);
        if (listed >= 0) libs.Delete(static_cast<std::size_t>(listed));
        Erase(i);
    }
}

void PackList::Remove() {
    for (std::size_t i = Entries.size(); i-- > 0;) {
        if (i >= Entries.size() || !Entries[i].checked) continue;
        TPack* pack = Entries[i].pack;
        StringList& libs = registry_->Settings().Libs;
        if (!pack) {
            UserPrompts().Information("Internal error $5. Pack are missing.");
        } else if (pack->Handle()) {
            if (UserPrompts().ConfirmYesNo("The " + pack->FileName +
                                           " package are register, also unregister package?") != Answer::Yes)
                continue;
            int listed = libs.IndexOfObject(pack);
            if (listed >= 0) libs.Delete(static_cast<std::size_t>(listed));
            Erase(i);
            pack->SetHandle(0);
            registry_->DestroyPack(*pack);
            ForgetPack(pack);
        } else {
            const std::string path = Entries[i].text;
            if (UserPrompts().ConfirmYesNo("Remove " + path + " package from list?") != Answer::Yes) continue;
            int listed = libs.IndexOf(path);
            if (listed >= 0) libs.Delete(static_cast<std::size_t>(listed));
            registry_->Settings().SettingsFile().DeleteKey("LIBS", path);
            Erase(i);
            registry_->DestroyPack(*pack);  // it holds no library and no class
            ForgetPack(pack);
        }
    }
}

bool PackList::CommandsEnabled() const {
    return !Entries.empty() && Current >= 0 && Current < static_cast<int>(Entries.size()) &&
           Entries[static_cast<std::size_t>(Current)].checked;
}

bool PackList::RemoveMenuEnabled() const {
    return Current >= 0 && Current < static_cast<int>(Entries.size());
}

std::vector<std::string> PackList::ComponentsOf(int index) const {
    if (index < 0 || index >= static_cast<int>(Entries.size())) return {};
    const TPack* pack = Entries[static_cast<std::size_t>(index)].pack;
    return pack ? pack->Classes.Texts() : std::vector<std::string>{};
}

void PackList::Erase(std::size_t index) {
    Entries.erase(Entries.begin() + static_cast<std::ptrdiff_t>(index));
    if (Current == static_cast<int>(index)) Current = -1;
    else if (Current > static_cast<int>(index)) --Current;
}

void PackList::ForgetPack(const TPack* pack) {
    for (PackListEntry& entry : Entries)
        if (entry.pack == pack) entry.pack = nullptr;
}

}  // namespace tavrin
