// The names a Windows program or library file exports, read from the export
// directory of its image bytes. Every offset is checked against the file, so
// a truncated or malformed file gives an error instead of a crash.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavrin {

struct ExportNames {
    bool ok = false;            // a readable image (a file without exports is ok)
    std::string error;          // why not, when !ok
    std::vector<std::string> names;  // in the export directory's order
};

ExportNames ReadExportNames(std::string_view image);

}  // namespace tavrin
