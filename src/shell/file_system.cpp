#include "shell/file_system.h"

#include <windows.h>

#include <vector>

namespace tavrin {

namespace {
size_t LastSeparator(const std::string& path) { return path.find_last_of("\\/:"); }
}  // namespace

std::string ExtractFileDir(const std::string& path) {
    size_t separator = LastSeparator(path);
    if (separator == std::string::npos) return {};
    if (path[separator] == ':') return path.substr(0, separator + 1);
    return path.substr(0, separator);
}

std::string ExtractFileName(const std::string& path) {
    size_t separator = LastSeparator(path);
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

std::string ChangeFileExt(const std::string& path, const std::string& extension) {
    size_t separator = LastSeparator(path);
    size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (separator != std::string::npos && dot < separator))
        return path + extension;
    return path.substr(0, dot) + extension;
}

std::string ExecutableFilePath() {
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        DWORD length = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length < buffer.size()) return std::string(buffer.data(), length);
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace tavrin
