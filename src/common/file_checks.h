// File queries on narrow (system code page) paths.
#pragma once

#include <string>

namespace tavrin {

// A regular file exists at the path.
bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);
// Size in bytes; 0 when the file cannot be read.
unsigned long long FileSizeBytes(const std::string& path);
// The file exists and splitting its text into lines gives at least one line.
bool FileHasLines(const std::string& path);

}  // namespace tavrin
