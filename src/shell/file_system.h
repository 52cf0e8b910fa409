// Path helpers of the Win32 layer (8-bit names in the system code page);
// existence checks come from common/file_checks.h.
#pragma once

#include <string>

#include "common/file_checks.h"

namespace tavrin {

// Folder of a path without trailing separator ("" when there is none).
std::string ExtractFileDir(const std::string& path);
// Name of a path without its folder.
std::string ExtractFileName(const std::string& path);
// The path with its extension replaced (extension given with its dot).
std::string ChangeFileExt(const std::string& path, const std::string& extension);
// Full path of the running executable.
std::string ExecutableFilePath();

}  // namespace tavrin
