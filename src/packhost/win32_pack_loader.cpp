#include "packhost/win32_pack_loader.h"

#include <windows.h>

#include "packhost/pack_library.h"

namespace tavrin {

OpenedPack Win32PackLoader::Open(const std::string& path) {
    auto library = std::make_unique<PackLibrary>(path);
    OpenedPack opened;
    opened.module = reinterpret_cast<std::uintptr_t>(library->Module());
    char modulePath[MAX_PATH * 2] = {};
    DWORD length = GetModuleFileNameA(library->Module(), modulePath, sizeof modulePath);
    opened.modulePath = length > 0 && length < sizeof modulePath ? std::string(modulePath, length) : library->Path();
    opened.api = std::move(library);
    return opened;
}

}  // namespace tavrin
