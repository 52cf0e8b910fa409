// The Windows side of platform_files.h: ANSI calls, so that names stay 8-bit
// text in the system code page (std::filesystem would hand back UTF-8).
#include "common/platform_files.h"

#include <windows.h>
#include <winternl.h>

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

namespace {

// Reads the open file to its end into content (see ReadFileBytes).
FileReadStatus ReadOpenFile(HANDLE file, std::string& content, long long listedSize) {
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

// The system's own open call, which opens a name inside an open folder.
using OpenCall = NTSTATUS(NTAPI*)(PHANDLE, ACCESS_MASK, POBJECT_ATTRIBUTES, PIO_STATUS_BLOCK, PLARGE_INTEGER, ULONG,
                                  ULONG, ULONG, ULONG, PVOID, ULONG);
using StatusToErrorCall = ULONG(NTAPI*)(NTSTATUS);

struct SystemOpen {
    OpenCall open = nullptr;
    StatusToErrorCall statusToError = nullptr;
};

const SystemOpen& System() {
    static const SystemOpen system = [] {
        SystemOpen found;
        if (HMODULE ntdll = GetModuleHandleA("ntdll.dll")) {
            found.open = reinterpret_cast<OpenCall>(reinterpret_cast<void*>(GetProcAddress(ntdll, "NtCreateFile")));
            found.statusToError = reinterpret_cast<StatusToErrorCall>(
                reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlNtStatusToDosError")));
        }
        if (!found.statusToError) found.open = nullptr;
        return found;
    }();
    return system;
}

}  // namespace

FileReadStatus ReadFileBytes(const std::string& path, std::string& content, long long listedSize) {
    content.clear();
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return IsMissingFileError(GetLastError()) ? FileReadStatus::Missing : FileReadStatus::Failed;
    return ReadOpenFile(file, content, listedSize);
}

FolderFiles::FolderFiles(const std::string& folder) : folder_(folder) {
    if (!System().open) return;
    HANDLE handle = CreateFileA(folder.c_str(), FILE_LIST_DIRECTORY | SYNCHRONIZE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle != INVALID_HANDLE_VALUE) handle_ = reinterpret_cast<std::intptr_t>(handle);
}

FolderFiles::~FolderFiles() {
    if (handle_ != -1) CloseHandle(reinterpret_cast<HANDLE>(handle_));
}

namespace {

// A name the folder's open handle can take as it is: a plain name of the
// folder in ASCII, not ending in a dot or a blank. Other names go by the
// whole path, where the system turns the 8-bit text into its own and trims
// the name's end exactly as for every other file call.
bool IsPlainAsciiName(const std::string& name) {
    if (name.empty() || name.size() > 255 || name.back() == '.' || name.back() == ' ') return false;
    for (char c : name)
        if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) >= 0x80 || c == '\\' || c == '/' ||
            c == ':')
            return false;
    return true;
}

}  // namespace

FileReadStatus FolderFiles::Read(const std::string& name, std::string& content, long long listedSize) const {
    if (handle_ == -1 || !IsPlainAsciiName(name)) return ReadFileBytes(JoinPath(folder_, name), content, listedSize);
    content.clear();
    std::wstring wide(name.begin(), name.end());
    UNICODE_STRING counted{static_cast<USHORT>(wide.size() * 2), static_cast<USHORT>(wide.size() * 2), wide.data()};
    OBJECT_ATTRIBUTES where{sizeof(OBJECT_ATTRIBUTES), reinterpret_cast<HANDLE>(handle_), &counted,
                            OBJ_CASE_INSENSITIVE, nullptr, nullptr};
    IO_STATUS_BLOCK status{};
    HANDLE file = nullptr;
    NTSTATUS result = System().open(&file, GENERIC_READ | SYNCHRONIZE, &where, &status, nullptr, FILE_ATTRIBUTE_NORMAL,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, FILE_OPEN,
                                    FILE_NON_DIRECTORY_FILE | FILE_SEQUENTIAL_ONLY | FILE_SYNCHRONOUS_IO_NONALERT,
                                    nullptr, 0);
    if (result < 0)
        return IsMissingFileError(System().statusToError(result)) ? FileReadStatus::Missing : FileReadStatus::Failed;
    return ReadOpenFile(file, content, listedSize);
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
