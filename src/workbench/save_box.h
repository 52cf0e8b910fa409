// The save box of the workbench's writers: asks for a name until the name is
// not that of a read-only file (such a file is never written over; the user
// is told so and asked again, as the system's own editors do).
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "common/prompts.h"

namespace tavrin {

// target turns the chosen name and the filter index into the path to write
// (the extension rule of the box). Returns that path, or nothing when the box
// was cancelled.
std::optional<std::string> AskNameToWrite(
    FileBoxRequest request, const std::function<std::string(const std::string& chosen, int filterIndex)>& target);

}  // namespace tavrin
