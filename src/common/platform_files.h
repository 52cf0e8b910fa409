// The few file-system calls whose portable form would be wrong on Windows
// (8-bit names in the system code page, replacing an existing file), behind
// one small interface: platform_files_win32.cpp calls the system,
// platform_files_posix.cpp the C library and std::filesystem.
#pragma once

#include <string>
#include <vector>

namespace tavrin {

// Moves source over target, replacing it; true on success.
bool ReplaceFileWith(const std::string& source, const std::string& target);

// The names of the files and of the sub-folders of a folder (not "." or "..",
// not folders that are links), in the order the system lists them. Nothing
// for a folder that cannot be read.
void ListFolderEntries(const std::string& folder, std::vector<std::string>& files,
                       std::vector<std::string>& folders);

}  // namespace tavrin
