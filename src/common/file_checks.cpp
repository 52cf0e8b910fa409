#include "common/file_checks.h"

#include <sys/stat.h>


namespace tavrin {

namespace {
bool Stat(const std::string& path, struct stat& info) {
    return !path.empty() && ::stat(path.c_str(), &info) == 0;
}
}  // namespace

bool FileExists(const std::string& path) {
    struct stat info {};
    return Stat(path, info) && S_ISREG(info.st_mode);
}

bool FolderExists(const std::string& path) {
    struct stat info {};
    return Stat(path, info) && S_ISDIR(info.st_mode);
}

unsigned long long FileSizeBytes(const std::string& path) {
    struct stat info {};
    return Stat(path, info) && S_ISREG(info.st_mode) ? static_cast<unsigned long long>(info.st_size)
                                                      : 0;
}

bool FileHasLines(const std::string& path) {
    // Any byte at all gives at least one line: text without a line break is one
    // line, and a lone line break is one empty line.
    return FileSizeBytes(path) > 0;
}

}  // namespace tavrin
