// Reading memory that a pack hands over without trusting its pointers: every
// byte is checked to lie in committed, readable pages of this process before it
// is read, so a wild pointer from a pack gives an error instead of a crash.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace tavrin {

// Whether size bytes from start lie in committed, readable memory.
bool IsReadableBlock(const void* start, std::size_t size);

// Copies a zero-terminated text; false when it leaves readable memory before its
// terminating zero. A null pointer gives true and an empty optional.
bool ReadZeroTerminated(const char* text, std::optional<std::string>& copy);

}  // namespace tavrin
