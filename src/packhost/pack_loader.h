// How the pack loader opens a pack library: the Win32 loader binds a real
// library; tests open packs held in memory.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "packhost/pack_api.h"

namespace tavrin {

struct OpenedPack {
    std::unique_ptr<PackApi> api;
    std::uintptr_t module = 0;  // the library's module handle, never 0 for an opened pack
    std::string modulePath;     // the library's full path as the system knows it
};

class PackLoader {
public:
    virtual ~PackLoader() = default;
    // Opens the library at path. Throws PackError when the file is missing,
    // cannot be loaded or is no pack (see PackFailure).
    virtual OpenedPack Open(const std::string& path) = 0;
};

}  // namespace tavrin
