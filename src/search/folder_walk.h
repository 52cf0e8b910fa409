// The folders of a directory search, one at a time: the first folder, then
// (with subfolders) each sub-folder whose name does not begin with ".", depth
// first, names in order without regard to case. Each step gives a folder and
// its files that match one of the ";"-separated masks, so a search can report
// what it finds while it goes on.
#pragma once

#include <string>
#include <vector>

#include "common/platform_files.h"

namespace tavrin {

class FolderWalk {
public:
    FolderWalk(std::string root, std::string masks, bool subfolders);

    // The next folder and its matching files (full paths, each once), with
    // their stamps when asked for (stamps[i] for files[i]); false when every
    // folder was visited.
    bool Next(std::string& folder, std::vector<std::string>& files, std::vector<FileStamp>* stamps = nullptr);

private:
    std::vector<std::string> masks_;
    bool subfolders_;
    std::vector<std::string> pending_;  // folders still to visit, the next one last
};

}  // namespace tavrin
