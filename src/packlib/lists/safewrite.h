// Writing a whole file for QStringList::SaveToFile: the text goes to a
// temporary file beside the target, created exclusively under a fresh name
// (so no file of the user's is ever taken or removed), which then replaces
// the target. A read-only target cannot be opened for writing, so it is
// neither replaced nor made writable.
#pragma once

#include <string>

// False, with the target as it was, when any step fails.
bool VelpackReplaceFile(const std::string& name, const std::string& content);
