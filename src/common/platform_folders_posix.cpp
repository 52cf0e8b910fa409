// The POSIX side of platform_folders.h, for the native build of the portable
// logic and its tests. A claim is an exclusive flock on an open descriptor.
#include "common/platform_folders.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "common/file_search.h"
#include "common/paths.h"

namespace tavrin {

bool CreateFolder(const std::string& path) {
    std::string native = NativePath(path);
    if (mkdir(native.c_str(), 0777) == 0) return true;
    struct stat status {};
    return stat(native.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

bool CreateFolders(const std::string& path) {
    if (path.empty()) return false;
    if (CreateFolder(path)) return true;
    std::string parent = ExtractFileDir(path);
    if (parent.empty() || parent == path) return false;
    return CreateFolders(parent) && CreateFolder(path);
}

bool RemoveEmptyFolder(const std::string& path) { return rmdir(NativePath(path).c_str()) == 0; }

bool RemoveFile(const std::string& path) { return unlink(NativePath(path).c_str()) == 0; }

std::time_t FileModifiedTime(const std::string& path) {
    struct stat status {};
    return stat(NativePath(path).c_str(), &status) == 0 ? status.st_mtime : 0;
}

FileClaim::FileClaim(const std::string& path) {
    int file = open(NativePath(path).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (file < 0) return;
    if (flock(file, LOCK_EX | LOCK_NB) != 0) {
        close(file);
        return;
    }
    handle_ = file;
}

void FileClaim::Release() {
    if (handle_ == kNone) return;
    close(static_cast<int>(handle_));  // drops the lock
    handle_ = kNone;
}

}  // namespace tavrin
