#include "common/file_replace.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <random>

#ifdef _WIN32
#include <io.h>
// Declared here so that the portable layer stays free of <windows.h>.
extern "C" __declspec(dllimport) int __stdcall MoveFileExA(const char* existing,
                                                           const char* replacement,
                                                           unsigned long flags);
#else
#include <unistd.h>
#endif

namespace tavrin {

namespace {

constexpr int kNameAttempts = 64;

#ifdef _WIN32
constexpr int kOwnerWrite = _S_IWRITE;

int CreateExclusively(const std::string& name) {
    return _open(name.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
}
int WriteSome(int file, const char* data, size_t size) {
    return _write(file, data, static_cast<unsigned>(size));
}
int CloseFile(int file) { return _close(file); }
bool Replace(const std::string& source, const std::string& target) {
    const unsigned long kReplaceExisting = 0x1, kWriteThrough = 0x8;
    return MoveFileExA(source.c_str(), target.c_str(), kReplaceExisting | kWriteThrough) != 0;
}
// Another folder of the same name answers "access denied" rather than "exists".
bool NameTaken(int error) { return error == EEXIST || error == EACCES; }
void KeepModeOf(const std::string&, int) {}  // a new file is plain, as the target was
#else
constexpr int kOwnerWrite = S_IWUSR;

int CreateExclusively(const std::string& name) {
    return open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}
int WriteSome(int file, const char* data, size_t size) {
    return static_cast<int>(write(file, data, size));
}
int CloseFile(int file) { return close(file); }
bool Replace(const std::string& source, const std::string& target) {
    return std::rename(source.c_str(), target.c_str()) == 0;
}
bool NameTaken(int error) { return error == EEXIST; }
// The replacement keeps the target's permissions.
void KeepModeOf(const std::string& target, int file) {
    struct stat status {};
    if (stat(target.c_str(), &status) == 0) fchmod(file, status.st_mode & 07777);
}
#endif

// "<target>.<eight hex digits>.tmp", the digits drawn anew for every name.
std::string CandidateName(const std::string& target) {
    static std::mt19937 random = [] {
        std::random_device device;
        auto now = std::chrono::steady_clock::now().time_since_epoch().count();
        std::seed_seq seed{device(), device(), static_cast<unsigned>(now), static_cast<unsigned>(now >> 32)};
        return std::mt19937(seed);
    }();
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, ".%08x.tmp", static_cast<unsigned>(random()));
    return target + suffix;
}

// Creates a temporary file beside the target that did not exist before;
// returns its descriptor (or -1) and its name.
int CreateTemporaryBeside(const std::string& target, std::string& name) {
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        name = CandidateName(target);
        errno = 0;
        int file = CreateExclusively(name);
        if (file >= 0 || !NameTaken(errno)) return file;
    }
    return -1;
}

bool WriteAll(int file, std::string_view content) {
    while (!content.empty()) {
        size_t chunk = std::min<size_t>(content.size(), 1u << 20);
        int written = WriteSome(file, content.data(), chunk);
        if (written <= 0) return false;
        content.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

}  // namespace

bool IsReadOnlyFile(const std::string& path) {
    struct stat status {};
    return stat(path.c_str(), &status) == 0 && (status.st_mode & S_IFMT) == S_IFREG &&
           (status.st_mode & kOwnerWrite) == 0;
}

ReplaceResult ReplaceFileContent(const std::string& path, std::string_view content) {
    if (IsReadOnlyFile(path)) return ReplaceResult::ReadOnly;
    std::string temporary;
    int file = CreateTemporaryBeside(path, temporary);
    if (file < 0) return ReplaceResult::Failed;
    KeepModeOf(path, file);
    bool written = WriteAll(file, content);
    written = CloseFile(file) == 0 && written;
    if (written && Replace(temporary, path)) return ReplaceResult::Written;
    std::remove(temporary.c_str());  // ours: it was created above
    return ReplaceResult::Failed;
}

bool WriteFileReplacing(const std::string& path, std::string_view content) {
    return ReplaceFileContent(path, content) == ReplaceResult::Written;
}

}  // namespace tavrin
