// The Windows side of platform_files.h: ANSI calls, so that names stay 8-bit
// text in the system code page (std::filesystem would hand back UTF-8).
#include "common/platform_files.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

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

void ListFolderEntries(const std::string& folder, std::vector<std::string>& files,
                       std::vector<std::string>& folders, std::vector<FileStamp>* stamps) {
    WIN32_FIND_DATAA data{};
    HANDLE find = FindFirstFileA(JoinPath(folder, "*").c_str(), &data);
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
