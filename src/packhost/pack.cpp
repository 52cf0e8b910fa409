#include "packhost/pack.h"

#include "common/file_checks.h"
#include "common/paths.h"
#include "common/prompts.h"
#include "packhost/pack_error.h"
#include "packhost/pack_registry.h"

namespace tavrin {

std::string PackNameOf(const std::string& path) {
    std::string name = ExtractFileName(path);
    std::size_t dot = name.find_last_of('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

void TPack::SetHandle(std::uintptr_t handle) {
    handle_ = handle;
    if (handle && !modulePath_.empty()) {
        FileName = modulePath_;
        Name = PackNameOf(FileName);
    }
}

void TPack::Load(const std::string& path) {
    FileName = path;
    Name = PackNameOf(path);
    const std::string file = registry_->PackFile(path);
    if (!FileExists(file)) {
        UserPrompts().Information("internal error. $01");
        return;
    }
    OpenedPack opened;
    try {
        opened = registry_->Loader().Open(file);
    } catch (const PackError& error) {
        switch (error.Failure()) {
            case PackFailure::FileMissing:
                UserPrompts().Information("internal error. $01");
                return;
            case PackFailure::NotLoadable:
                // The library is no use, but the command that loads it goes on.
                UserPrompts().Error(error.what());
                return;
            default:
                throw;  // loaded, but no pack: whoever loads it reports that
        }
    }
    api_ = std::move(opened.api);
    modulePath_ = opened.modulePath;
    handle_ = opened.module;
    if (OnLoad) OnLoad(*this);
}

}  // namespace tavrin
