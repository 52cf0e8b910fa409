// TPack: one component pack as the workbench knows it: the library it was
// loaded from, the entry points bound there and the classes it put on the
// palette. Created and destroyed by the PackRegistry; destroying a pack
// removes its classes from the palette but leaves its library loaded.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "common/string_list.h"
#include "packhost/pack_api.h"

namespace tavrin {

class PackRegistry;

class TPack {
public:
    explicit TPack(PackRegistry& registry) : registry_(&registry) {}
    TPack(const TPack&) = delete;
    TPack& operator=(const TPack&) = delete;

    // Called at the end of a successful Load.
    std::function<void(TPack&)> OnLoad;
    // The library's path as the pack was asked to load it, and its file name
    // without folder and extension.
    std::string FileName;
    std::string Name;
    // Loaded from the settings at start-up: registration asks nothing and reports nothing.
    bool AutoLoad = false;
    // The class names this pack put on the palette, in registration order.
    StringList Classes;

    // The library's module handle; 0 while nothing is loaded.
    std::uintptr_t Handle() const { return handle_; }
    // Sets the handle; a non-zero handle also takes the file name from the
    // module's own path.
    void SetHandle(std::uintptr_t handle);
    // The full path of the loaded module; empty while nothing is loaded.
    const std::string& ModulePath() const { return modulePath_; }
    // The bound entry points; null while nothing is loaded.
    PackApi* Api() const { return handle_ ? api_.get() : nullptr; }
    bool Exports(PackEntry entry) const { return Api() && api_->Has(entry); }

    // Loads the library and binds its entry points, then runs OnLoad. A missing
    // file gives the information "internal error. $01"; a library the system
    // cannot load is reported and leaves Handle 0; a library that is no pack
    // (no "REGISTER@0") throws PackError.
    void Load(const std::string& path);

private:
    PackRegistry* registry_;
    std::uintptr_t handle_ = 0;
    std::string modulePath_;
    std::unique_ptr<PackApi> api_;
};

// The file name of a path without folder and extension ("Velpack" for "C:\App\Velpack.dll").
std::string PackNameOf(const std::string& path);

}  // namespace tavrin
