// The Windows side of platform_folders.h: ANSI calls, so that names stay
// 8-bit text in the system code page.
#include "common/platform_folders.h"

#include <windows.h>

#include <sys/stat.h>


#include "common/paths.h"

namespace tavrin {

bool CreateFolder(const std::string& path) {
    if (CreateDirectoryA(path.c_str(), nullptr)) return true;
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool CreateFolders(const std::string& path) {
    if (path.empty()) return false;
    if (CreateFolder(path)) return true;
    std::string parent = ExtractFileDir(path);
    if (parent.empty() || parent == path || parent.back() == ':') return false;
    return CreateFolders(parent) && CreateFolder(path);
}

bool RemoveEmptyFolder(const std::string& path) { return RemoveDirectoryA(path.c_str()) != 0; }

bool RemoveFile(const std::string& path) { return DeleteFileA(path.c_str()) != 0; }

std::time_t FileModifiedTime(const std::string& path) {
    struct _stat64 status {};
    return _stat64(path.c_str(), &status) == 0 ? static_cast<std::time_t>(status.st_mtime) : 0;
}

FileClaim::FileClaim(const std::string& path) {
    // No sharing at all: another open of the file, a delete included, fails
    // while this handle lives.
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) handle_ = reinterpret_cast<std::intptr_t>(file);
}

void FileClaim::Release() {
    if (handle_ == kNone) return;
    CloseHandle(reinterpret_cast<HANDLE>(handle_));
    handle_ = kNone;
}

}  // namespace tavrin
