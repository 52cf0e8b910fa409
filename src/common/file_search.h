// File search with masks, and the path conventions of the workbench.
//
// Found paths are built the Windows way: folder + "\" + name (the "\" is
// added only when the folder does not already end with a separator). Before a
// path reaches the file system it goes through NativePath, which on Windows
// leaves it as it is and elsewhere (native tests on Linux) turns every "\"
// into "/", so that the same joining rule works with real folders on both
// platforms.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavrin {

// The path as the platform's file functions take it.
std::string NativePath(std::string_view path);

// folder + "\" + name, the "\" only when folder does not end with "\" or "/".
std::string JoinPath(std::string_view folder, std::string_view name);

// Windows-style mask match without regard to case: "*" any run of characters,
// "?" one character; "*.*" matches every name.
bool MatchesMask(std::string_view name, std::string_view mask);

// For each ";"-separated mask in order: appends the matching files (not
// folders) of the folder, sorted by name without regard to case; with
// recursive, then the same mask in every sub-folder whose name does not begin
// with "." (symbolic links to folders are not followed). Missing or unreadable
// folders give nothing. Pending window messages run once per folder visited.
void FileSearch(const std::string& folder, const std::string& masks, bool recursive,
                std::vector<std::string>& found);

bool IsExistingFile(const std::string& path);
bool IsExistingFolder(const std::string& path);

}  // namespace tavrin
