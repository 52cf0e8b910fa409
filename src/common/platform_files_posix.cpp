// The POSIX side of platform_files.h, for the native build of the portable
// logic and its tests.
#include "common/platform_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "common/file_search.h"

namespace tavrin {

bool ReplaceFileWith(const std::string& source, const std::string& target) {
    return std::rename(source.c_str(), target.c_str()) == 0;
}

int CreateFileExclusively(const std::string& name) {
    return open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}

int WriteToFile(int file, const char* data, size_t size) {
    return static_cast<int>(write(file, data, size));
}

int CloseFileDescriptor(int file) { return close(file); }

bool IsNameTakenError(int error) { return error == EEXIST; }

void KeepPermissionsOf(const std::string& target, int file) {
    struct stat status {};
    if (stat(target.c_str(), &status) == 0) fchmod(file, status.st_mode & 07777);
}

bool IsReadOnlyFile(const std::string& path) {
    struct stat status {};
    return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) && (status.st_mode & S_IWUSR) == 0;
}

namespace {

bool IsMissingError(int error) { return error == ENOENT || error == ENOTDIR; }

// Reads the open file to its end into content and closes it (see ReadFileBytes).
FileReadStatus ReadOpenFile(int file, std::string& content, long long listedSize) {
    struct Closer {
        int file;
        ~Closer() { close(file); }
    } closer{file};
    // Sized by the file, with room for the read that finds the end; the size
    // is only a hint (a device may report anything).
    constexpr off_t kLargestHint = 256L * 1024 * 1024;
    const bool listed = listedSize >= 0;
    struct stat about {};
    about.st_size = static_cast<off_t>(listedSize);
    if ((listed || fstat(file, &about) == 0) && about.st_size >= 0 && about.st_size <= kLargestHint)
        content.resize(static_cast<std::size_t>(about.st_size) + 1);
    std::size_t used = 0;
    while (true) {
        if (used == content.size()) content.resize(used + std::max<std::size_t>(4096, used / 4));
        std::size_t wanted = content.size() - used;
        ssize_t got = read(file, &content[used], wanted);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            content.clear();
            return FileReadStatus::Failed;
        }
        used += static_cast<std::size_t>(got);
        if (got == 0 || (listed && static_cast<std::size_t>(got) < wanted)) break;
    }
    content.resize(used);
    return FileReadStatus::Ok;
}

}  // namespace

FileReadStatus ReadFileBytes(const std::string& path, std::string& content, long long listedSize) {
    content.clear();
    int file = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (file < 0) return IsMissingError(errno) ? FileReadStatus::Missing : FileReadStatus::Failed;
    return ReadOpenFile(file, content, listedSize);
}

FolderFiles::FolderFiles(const std::string& folder) : folder_(folder) {
    int handle = open(NativePath(folder).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle >= 0) handle_ = handle;
}

FolderFiles::~FolderFiles() {
    if (handle_ != -1) close(static_cast<int>(handle_));
}

FileReadStatus FolderFiles::Read(const std::string& name, std::string& content, long long listedSize) const {
    // A name that is not a plain one of this folder goes the long way.
    if (handle_ == -1 || name.empty() || name.find_first_of("\\/") != std::string::npos || name == "." ||
        name == "..")
        return ReadFileBytes(NativePath(JoinPath(folder_, name)), content, listedSize);
    content.clear();
    int file = openat(static_cast<int>(handle_), name.c_str(), O_RDONLY | O_CLOEXEC);
    if (file < 0) return IsMissingError(errno) ? FileReadStatus::Missing : FileReadStatus::Failed;
    return ReadOpenFile(file, content, listedSize);
}

void ListFolderEntries(const std::string& folder, std::vector<std::string>& files,
                       std::vector<std::string>& folders, std::vector<FileStamp>* stamps) {
    namespace fs = std::filesystem;
    std::error_code error;
    fs::directory_iterator it(fs::path(NativePath(folder)), error), end;
    for (; !error && it != end; it.increment(error)) {
        std::string name = it->path().filename().string();
        std::error_code kindError;
        if (it->is_directory(kindError)) {
            if (!it->is_symlink(kindError)) folders.push_back(std::move(name));
        } else if (!kindError) {
            files.push_back(std::move(name));
            if (!stamps) continue;
            std::error_code stampError;
            FileStamp stamp;
            stamp.size = it->file_size(stampError);
            stamp.modified = static_cast<unsigned long long>(it->last_write_time(stampError).time_since_epoch().count());
            stamps->push_back(stampError ? FileStamp{} : stamp);
        }
    }
}

}  // namespace tavrin
