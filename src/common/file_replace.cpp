#include "common/file_replace.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <random>

#include "common/platform_files.h"

namespace tavrin {

namespace {

constexpr int kNameAttempts = 64;

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
        int file = CreateFileExclusively(name);
        if (file >= 0 || !IsNameTakenError(errno)) return file;
    }
    return -1;
}

bool WriteAll(int file, std::string_view content) {
    while (!content.empty()) {
        size_t chunk = std::min<size_t>(content.size(), 1u << 20);
        int written = WriteToFile(file, content.data(), chunk);
        if (written <= 0) return false;
        content.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

}  // namespace

ReplaceResult ReplaceFileContent(const std::string& path, std::string_view content) {
    if (IsReadOnlyFile(path)) return ReplaceResult::ReadOnly;
    std::string temporary;
    int file = CreateTemporaryBeside(path, temporary);
    if (file < 0) return ReplaceResult::Failed;
    KeepPermissionsOf(path, file);
    bool written = WriteAll(file, content);
    written = CloseFileDescriptor(file) == 0 && written;
    if (written && ReplaceFileWith(temporary, path)) return ReplaceResult::Written;
    std::remove(temporary.c_str());  // ours: it was created above
    return ReplaceResult::Failed;
}

bool WriteFileReplacing(const std::string& path, std::string_view content) {
    return ReplaceFileContent(path, content) == ReplaceResult::Written;
}

}  // namespace tavrin
