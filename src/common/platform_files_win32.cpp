// The Windows side of platform_files.h: ANSI calls, so that names stay 8-bit
// text in the system code page (std::filesystem would hand back UTF-8).
#include "common/platform_files.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>

#include "common/file_search.h"

namespace tavrin {

bool ReplaceFileWith(const std::string& source, const std::string& target) {
    return MoveFileExA(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

int CreateFileExclusively(const std::string& name) {
    return _open(name.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
}

int WriteToFile(int file, const char* data, size_t size) {
    return _write(file, data, static_cast<unsigned>(size));
}

int CloseFileDescriptor(int file) { return _close(file); }

bool IsNameTakenError(int error) { return error == EEXIST || error == EACCES; }

// A new file is plain, as the target was (a read-only target is never replaced).
void KeepPermissionsOf(const std::string&, int) {}

bool IsReadOnlyFile(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY) &&
           (attributes & FILE_ATTRIBUTE_READONLY);
}

namespace {

// The errors that say a file is not there (the C library's ENOENT).
bool IsMissingFileError(DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND: case ERROR_PATH_NOT_FOUND: case ERROR_INVALID_DRIVE: case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME: case ERROR_BAD_PATHNAME: case ERROR_FILENAME_EXCED_RANGE: case ERROR_INVALID_NAME:
        return true;
    default: return false;
    }
}

struct HandleCloser {
    HANDLE handle;
    ~HandleCloser() { CloseHandle(handle); }
};

}  // namespace

FileReadStatus ReadFileBytes(const std::string& path, std::string& content, long long listedSize) {
    content.clear();
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return IsMissingFileError(GetLastError()) ? FileReadStatus::Missing : FileReadStatus::Failed;
    HandleCloser closer{file};
    // Sized by the file, with room for the read that finds the end; the size
    // is only a hint (a device may report anything).
    constexpr LONGLONG kLargestHint = 256LL * 1024 * 1024;
    const bool listed = listedSize >= 0;
    LARGE_INTEGER size{};
    size.QuadPart = listedSize;
    if ((listed || GetFileSizeEx(file, &size)) && size.QuadPart >= 0 && size.QuadPart <= kLargestHint)
        content.resize(static_cast<std::size_t>(size.QuadPart) + 1);
    std::size_t used = 0;
    while (true) {
        if (used == content.size()) content.resize(used + std::max<std::size_t>(4096, used / 4));
        DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(content.size() - used, 1u << 30)), got = 0;
        if (!ReadFile(file, &content[used], wanted, &got, nullptr)) {
            content.clear();
            return FileReadStatus::Failed;
        }
        used += got;
        if (got == 0 || (listed && got < wanted)) break;
    }
    content.resize(used);
    return FileReadStatus::Ok;
}

void ListFolderEntries(const std::string& folder, std::vector<std::string>& files,
                       std::vector<std::string>& folders, std::vector<FileStamp>* stamps) {
    WIN32_FIND_DATAA data{};
    // The basic information (no short names) in large portions: listing a
    // folder costs the fewest calls to the system.
    HANDLE find = FindFirstFileExA(JoinPath(folder, "*").c_str(), FindExInfoBasic, &data, FindExSearchNameMatch,
                                   nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        std::string name = data.cFileName;
        if (name == "." || name == "..") continue;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (!(data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) folders.push_back(std::move(name));
        } else {
            files.push_back(std::move(name));
            if (stamps)
                stamps->push_back({(static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow,
                                   (static_cast<unsigned long long>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                                       data.ftLastWriteTime.dwLowDateTime});
        }
    } while (FindNextFileA(find, &data));
    FindClose(find);
}

}  // namespace tavrin
