// The help file that the help command opens; the settings object loads and
// saves it.
#pragma once

#include <string>

namespace tavrin {

std::string& ApplicationHelpFile();

}  // namespace tavrin
