#include "common/file_search.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "common/file_checks.h"
#include "common/message_pump.h"
#include "common/text.h"

#ifdef _WIN32
// The ANSI folder listing of the system, declared here so that the portable
// layer stays free of <windows.h>. std::filesystem would hand back names in
// UTF-8, while the workbench's names are 8-bit text in the system code page.
namespace {
struct FileTimeValue {
    unsigned long low, high;
};
struct FindDataA {  // the layout of WIN32_FIND_DATAA
    unsigned long attributes;
    FileTimeValue created, accessed, written;
    unsigned long sizeHigh, sizeLow, reserved0, reserved1;
    char fileName[260];
    char alternateFileName[14];
};
}  // namespace
extern "C" __declspec(dllimport) void* __stdcall FindFirstFileA(const char* pattern, FindDataA* data);
extern "C" __declspec(dllimport) int __stdcall FindNextFileA(void* find, FindDataA* data);
extern "C" __declspec(dllimport) int __stdcall FindClose(void* find);
#endif

namespace tavrin {

#ifndef _WIN32
namespace fs = std::filesystem;
#endif

std::string NativePath(std::string_view path) {
    std::string result(path);
#ifndef _WIN32
    std::replace(result.begin(), result.end(), '\\', '/');
#endif
    return result;
}

std::string JoinPath(std::string_view folder, std::string_view name) {
    std::string result(folder);
    if (result.empty() || (result.back() != '\\' && result.back() != '/')) result += '\\';
    result += name;
    return result;
}

bool MatchesMask(std::string_view name, std::string_view mask) {
    if (mask == "*.*") return true;
    // Greedy match with one back-tracking point for the last "*".
    size_t n = 0, m = 0, starMask = std::string_view::npos, starName = 0;
    while (n < name.size()) {
        if (m < mask.size() && mask[m] == '*') {
            starMask = m++;
            starName = n;
        } else if (m < mask.size() &&
                   (mask[m] == '?' || AsciiLower(mask[m]) == AsciiLower(name[n]))) {
            ++n;
            ++m;
        } else if (starMask != std::string_view::npos) {
            m = starMask + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == '*') ++m;
    return m == mask.size();
}

namespace {

struct FolderEntries {
    std::vector<std::string> files;
    std::vector<std::string> folders;
};

bool LessNoCase(const std::string& a, const std::string& b) {
    std::string la = ToLower(a), lb = ToLower(b);
    return la != lb ? la < lb : a < b;
}

#ifdef _WIN32
void ListFolder(const std::string& folder, FolderEntries& entries) {
    const unsigned long kDirectory = 0x10, kReparsePoint = 0x400;
    FindDataA data{};
    void* find = FindFirstFileA(JoinPath(folder, "*").c_str(), &data);
    if (find == reinterpret_cast<void*>(-1)) return;
    do {
        std::string name = data.fileName;
        if (name == "." || name == "..") continue;
        if (data.attributes & kDirectory) {
            if (!(data.attributes & kReparsePoint)) entries.folders.push_back(std::move(name));
        } else {
            entries.files.push_back(std::move(name));
        }
    } while (FindNextFileA(find, &data));
    FindClose(find);
}
#else
void ListFolder(const std::string& folder, FolderEntries& entries) {
    std::error_code error;
    fs::directory_iterator it(fs::path(NativePath(folder)), error), end;
    for (; !error && it != end; it.increment(error)) {
        std::string name = it->path().filename().string();
        std::error_code kindError;
        if (it->is_directory(kindError)) {
            if (!it->is_symlink(kindError)) entries.folders.push_back(std::move(name));
        } else if (!kindError) {
            entries.files.push_back(std::move(name));
        }
    }
}
#endif

FolderEntries ReadFolder(const std::string& folder) {
    FolderEntries entries;
    ListFolder(folder, entries);
    std::sort(entries.files.begin(), entries.files.end(), LessNoCase);
    std::sort(entries.folders.begin(), entries.folders.end(), LessNoCase);
    return entries;
}

void SearchOneMask(const std::string& folder, std::string_view mask, bool recursive,
                   std::vector<std::string>& found) {
    PumpMessages();
    FolderEntries entries = ReadFolder(folder);
    for (const std::string& name : entries.files)
        if (MatchesMask(name, mask)) found.push_back(JoinPath(folder, name));
    if (!recursive) return;
    for (const std::string& name : entries.folders)
        if (!name.empty() && name[0] != '.')
            SearchOneMask(JoinPath(folder, name), mask, recursive, found);
}

}  // namespace

void FileSearch(const std::string& folder, const std::string& masks, bool recursive,
                std::vector<std::string>& found) {
    for (const std::string& mask : Split(masks, ';')) {
        std::string_view trimmed = Trim(mask);
        if (!trimmed.empty()) SearchOneMask(folder, trimmed, recursive, found);
    }
}

bool IsExistingFile(const std::string& path) { return FileExists(NativePath(path)); }

bool IsExistingFolder(const std::string& path) { return FolderExists(NativePath(path)); }

}  // namespace tavrin
