// Writing a whole file so that nothing is lost when the write fails: the
// content goes to a temporary file beside the target, which then replaces the
// target. The temporary file gets a fresh name and is created exclusively, so
// it can never be a file of the user's, and it is removed only by the write
// that made it. A read-only target is never replaced (nor made writable).
#pragma once

#include <string>
#include <string_view>

#include "common/platform_files.h"  // IsReadOnlyFile

namespace tavrin {

enum class ReplaceResult { Written, ReadOnly, Failed };

// Writes content to path as described above; the target is left as it was
// unless the result is Written.
ReplaceResult ReplaceFileContent(const std::string& path, std::string_view content);

// The same, true when written.
bool WriteFileReplacing(const std::string& path, std::string_view content);

}  // namespace tavrin
