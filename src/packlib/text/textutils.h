// Text and file-name utilities offered to user programs and used by the library.
// A separator is "/" or "\".
#pragma once

#include <string>

#include "packlib/api.h"

VELPACK_API std::string ExtractFileName(const std::string& path);
VELPACK_API std::string ExtractFilePath(const std::string& path);
VELPACK_API std::string ExtractFileExt(const std::string& path);
VELPACK_API std::string ChangeFileExt(const std::string& path, const std::string& extension);
VELPACK_API std::string ChangeFilePath(const std::string& path, const std::string& folder);

// Non-overlapping occurrences of find in text, from left to right (0 for an empty find).
VELPACK_API int Tally(const std::string& find, const std::string& text);
// Occurrences of the number's decimal text in the text.
VELPACK_API int Tally(const std::string& text, int number);

// -1 when the texts are equal without regard to case, else 0.
VELPACK_API int SameText(const std::string& a, const std::string& b);

// Every non-overlapping occurrence of find, from left to right, replaced; the text
// itself when find or replacement is empty.
VELPACK_API std::string Replace(const std::string& text, const std::string& find,
                                const std::string& replacement);

// Copies the pattern; "%i" takes the next argument as a 32-bit int, "%l" as a 64-bit
// integer, "%d" and "%f" as a double (written as FreeBASIC's Str), "%s" as a
// zero-terminated text (null gives nothing). "%" with any other character drops both;
// a "%" at the very end is copied.
VELPACK_API std::string Format(const char* pattern, ...);

namespace velpack {
VELPACK_API std::string LowerCase(std::string text);
VELPACK_API bool EqualsNoCase(const std::string& a, const std::string& b);
}  // namespace velpack
