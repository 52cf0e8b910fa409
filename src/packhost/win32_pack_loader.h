// The pack loader of the workbench: opens a pack library with PackLibrary
// (bound entry points, copies of everything the pack answers).
#pragma once

#include "packhost/pack_loader.h"

namespace tavrin {

class Win32PackLoader final : public PackLoader {
public:
    OpenedPack Open(const std::string& path) override;
};

}  // namespace tavrin
