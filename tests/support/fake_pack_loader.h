// A PackLoader over packs held in memory, for tests of the pack registry and
// the Packs window: each known library path opens a FakePackApi built from its
// description; a path may instead fail the way a real library fails.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>

#include "packhost/pack_error.h"
#include "packhost/pack_loader.h"
#include "support/fake_pack_api.h"
#include "support/temp_folder.h"

namespace tavrin::test {

struct FakeLibrary {
    FakeLibrary(std::optional<std::string> registrationText = std::nullopt, std::set<PackEntry> missingEntries = {},
                std::optional<PackFailure> openFailure = std::nullopt)
        : registration(std::move(registrationText)), missing(std::move(missingEntries)), failure(openFailure) {}

    std::optional<std::string> registration;
    std::set<PackEntry> missing;         // entry points it does not export
    std::optional<PackFailure> failure;  // how opening it fails, if it does
};

class FakePackLoader : public PackLoader {
public:
    std::map<std::string, FakeLibrary> libraries;  // by the path Open is given
    std::vector<std::string> opened;               // every path opened, in order

    OpenedPack Open(const std::string& path) override {
        opened.push_back(path);
        auto found = libraries.find(path);
        if (found == libraries.end()) throw PackFileMissing(path);
        const FakeLibrary& library = found->second;
        if (library.failure) {
            switch (*library.failure) {
                case PackFailure::NotLoadable: throw PackNotLoadable(path, 193, "Bad image.");
                case PackFailure::NotAPack: throw NotAPack(path);
                case PackFailure::MissingEntry: throw MissingEntry(path, "REGISTER@0");
                default: throw PackFileMissing(path);
            }
        }
        auto api = std::make_unique<FakePackApi>();
        api->registration = library.registration;
        api->missing = library.missing;
        OpenedPack pack;
        pack.api = std::move(api);
        pack.module = ModuleOf(path);
        pack.modulePath = path;
        return pack;
    }

    // A library file that exists in the folder and opens as the library described.
    std::string AddFile(TempFolder& folder, const std::string& name, FakeLibrary library) {
        std::string path = folder.Write(name, "MZ");
        libraries[path] = std::move(library);
        return path;
    }

    // The same path gives the same module, as the system's loader does.
    std::uintptr_t ModuleOf(const std::string& path) {
        auto found = modules_.find(path);
        if (found != modules_.end()) return found->second;
        std::uintptr_t module = 0x10000000u + 0x10000u * (modules_.size() + 1);
        modules_[path] = module;
        return module;
    }

private:
    std::map<std::string, std::uintptr_t> modules_;
};

}  // namespace tavrin::test
