#include "search/folder_walk.h"

#include <algorithm>

#include "common/file_search.h"
#include "common/platform_files.h"
#include "common/text.h"

namespace tavrin {

namespace {

bool LessNoCase(const std::string& a, const std::string& b) {
    std::string la = ToLower(a), lb = ToLower(b);
    return la != lb ? la < lb : a < b;
}

}  // namespace

FolderWalk::FolderWalk(std::string root, std::string masks, bool subfolders) : subfolders_(subfolders) {
    for (const std::string& mask : Split(masks, ';')) {
        std::string_view trimmed = Trim(mask);
        if (!trimmed.empty()) masks_.emplace_back(trimmed);
    }
    if (masks_.empty()) masks_.push_back("*.*");
    if (!root.empty()) pending_.push_back(std::move(root));
}

bool FolderWalk::Next(std::string& folder, std::vector<std::string>& files) {
    if (pending_.empty()) return false;
    folder = std::move(pending_.back());
    pending_.pop_back();
    files.clear();
    std::vector<std::string> names, folders;
    ListFolderEntries(NativePath(folder), names, folders);
    std::sort(names.begin(), names.end(), LessNoCase);
    for (const std::string& name : names) {
        bool matches = std::any_of(masks_.begin(), masks_.end(),
                                   [&](const std::string& mask) { return MatchesMask(name, mask); });
        if (matches) files.push_back(JoinPath(folder, name));
    }
    if (subfolders_) {
        std::sort(folders.begin(), folders.end(), LessNoCase);
        for (auto name = folders.rbegin(); name != folders.rend(); ++name)
            if (!name->empty() && (*name)[0] != '.') pending_.push_back(JoinPath(folder, *name));
    }
    return true;
}

}  // namespace tavrin
