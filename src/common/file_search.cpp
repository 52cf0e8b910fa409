#include "common/file_search.h"

#include <algorithm>

#include "common/file_checks.h"
#include "common/message_pump.h"
#include "common/platform_files.h"
#include "common/text.h"


namespace tavrin {

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


FolderEntries ReadFolder(const std::string& folder) {
    FolderEntries entries;
    ListFolderEntries(folder, entries.files, entries.folders);
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
