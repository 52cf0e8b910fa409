// Path helpers of the Win32 layer (8-bit names in the system code page);
// existence checks come from common/file_checks.h.
#pragma once

#include <string>

#include "common/file_checks.h"
#include "common/paths.h"

namespace tavrin {

// Full path of the running executable.
std::string ExecutableFilePath();

}  // namespace tavrin
