#include "packlib/lists/safewrite.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

#ifdef _WIN32
int OpenNew(const std::string& name) {
    return _open(name.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
}
int WriteSome(int file, const char* data, size_t size) { return _write(file, data, static_cast<unsigned>(size)); }
int CloseFile(int file) { return _close(file); }
bool NameTaken(int error) { return error == EEXIST || error == EACCES; }  // a folder: "access denied"
constexpr int kWritable = _S_IWRITE;
#else
int OpenNew(const std::string& name) { return open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666); }
int WriteSome(int file, const char* data, size_t size) { return static_cast<int>(write(file, data, size)); }
int CloseFile(int file) { return close(file); }
bool NameTaken(int error) { return error == EEXIST; }
constexpr int kWritable = S_IWUSR;
#endif

bool IsReadOnly(const std::string& name) {
    struct stat status {};
    return stat(name.c_str(), &status) == 0 && (status.st_mode & S_IFMT) == S_IFREG &&
           (status.st_mode & kWritable) == 0;
}

// Opens a file beside the target under a name nothing had; -1 when none could be made.
int OpenTemporary(const std::string& target, std::string& temporary) {
    static std::mt19937 random{std::random_device{}()};
    for (int attempt = 0; attempt < 64; ++attempt) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, ".%08x.tmp", static_cast<unsigned>(random()));
        temporary = target + suffix;
        errno = 0;
        int file = OpenNew(temporary);
        if (file >= 0 || !NameTaken(errno)) return file;
    }
    return -1;
}

}  // namespace

bool VelpackReplaceFile(const std::string& name, const std::string& content) {
    if (IsReadOnly(name)) return false;
    std::string temporary;
    int file = OpenTemporary(name, temporary);
    if (file < 0) return false;
    bool written = true;
    for (size_t done = 0; written && done < content.size();) {
        int count = WriteSome(file, content.data() + done, content.size() - done);
        written = count > 0;
        if (written) done += static_cast<size_t>(count);
    }
    written = CloseFile(file) == 0 && written;
    std::error_code error;
    if (written) std::filesystem::rename(temporary, name, error);
    if (written && !error) return true;
    std::filesystem::remove(temporary, error);  // ours: made above
    return false;
}
