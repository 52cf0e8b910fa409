// File-system queries of the Win32 layer (8-bit names in the system code page).
#pragma once

#include <string>

namespace tavrin {

bool FileExists(const std::string& path);       // an existing file, not a folder
bool DirectoryExists(const std::string& path);
// Folder of a path without trailing separator ("" when there is none).
std::string ExtractFileDir(const std::string& path);
// Name of a path without its folder.
std::string ExtractFileName(const std::string& path);
// The path with its extension replaced (extension given with its dot).
std::string ChangeFileExt(const std::string& path, const std::string& extension);
// Full path of the running executable.
std::string ExecutableFilePath();

}  // namespace tavrin
