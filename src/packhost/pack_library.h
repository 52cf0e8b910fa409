// A component pack library loaded by path, with its entry points bound by their
// decorated names: the workbench's real PackApi.
//
// A library that loaded stays loaded until the process ends, also when it is
// then rejected as no pack: a pack's unload code may end the process that holds
// it, so nothing here ever unloads a library.
#pragma once

#include <windows.h>

#include <string>

#include "packhost/pack_api.h"

namespace tavrin {

// The entry points as bound; null where the library exports none.
struct PackEntryPoints {
    packapi::VersionFn version = nullptr;
    packapi::RegisterFn registerClasses = nullptr;
    packapi::GetPropListFn getPropList = nullptr;
    packapi::GetPropInfoFn getPropInfo = nullptr;
    packapi::GetPropValueFn getPropValue = nullptr;
    packapi::SetPropValueFn setPropValue = nullptr;

    bool Has(PackEntry entry) const;
};

class PackLibrary final : public PackApi {
public:
    // Loads the library (a relative path is taken from the current folder) and
    // binds its entry points. Throws PackError when the file is missing or cannot
    // be loaded, exports none of the entry points, or lacks "REGISTER@0", the one
    // every pack must have.
    explicit PackLibrary(const std::string& path);
    PackLibrary(const PackLibrary&) = delete;
    PackLibrary& operator=(const PackLibrary&) = delete;

    const std::string& Path() const { return path_; }  // the full path loaded
    HMODULE Module() const { return module_; }
    const PackEntryPoints& EntryPoints() const { return entries_; }

    // Any export by its exact name; null when the library has none of that name.
    void* Export(const char* name) const;
    template <class Function>
    Function ExportAs(const char* name) const {
        return reinterpret_cast<Function>(Export(name));
    }

    bool Has(PackEntry entry) const override { return entries_.Has(entry); }
    std::optional<std::string> RegistrationText() override;
    std::optional<std::string> VersionText() override;
    std::vector<std::string> PropertyNames(PackObject object) override;
    std::optional<PropertyInfo> PropertyInfoOf(PackObject object, const std::string& name) override;
    std::optional<std::string> PropertyValue(PackObject object, const std::string& name) override;
    bool SetPropertyValue(PackObject object, const std::string& name,
                          const std::string& value) override;

private:
    void BindEntryPoints();
    // The bound function; throws PackError naming the entry when it is missing.
    template <class Function>
    Function Require(Function function, PackEntry entry) const;
    // A copy of a text the entry returned; throws PackError when it is unreadable.
    std::optional<std::string> CopyText(const char* text, PackEntry entry) const;

    std::string path_;
    HMODULE module_ = nullptr;
    PackEntryPoints entries_;
};

}  // namespace tavrin
