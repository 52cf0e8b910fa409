#include "search/folder_walk.h"

#include <algorithm>

#include "common/file_search.h"
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

bool FolderWalk::Next(std::string& folder, std::vector<std::string>& files, std::vector<FileStamp>* stamps) {
    if (pending_.empty()) return false;
    folder = std::move(pending_.back());
    pending_.pop_back();
    files.clear();
    if (stamps) stamps->clear();
    std::vector<std::string> names, folders;
    std::vector<FileStamp> listed;
    ListFolderEntries(NativePath(folder), names, folders, &listed);
    std::vector<std::size_t> order(names.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return LessNoCase(names[a], names[b]); });
    for (std::size_t i : order) {
        bool matches = std::any_of(masks_.begin(), masks_.end(),
                                   [&](const std::string& mask) { return MatchesMask(names[i], mask); });
        if (!matches) continue;
        files.push_back(JoinPath(folder, names[i]));
        if (stamps) stamps->push_back(i < listed.size() ? listed[i] : FileStamp{});
    }
    if (subfolders_) {
        std::sort(folders.begin(), folders.end(), LessNoCase);
        for (auto name = folders.rbegin(); name != folders.rend(); ++name)
            if (!name->empty() && (*name)[0] != '.') pending_.push_back(JoinPath(folder, *name));
    }
    return true;
}

}  // namespace tavrin
