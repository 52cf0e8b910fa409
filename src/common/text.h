// Text helpers shared by the portable logic: 8-bit text compared without
// regard to ASCII letter case, splitting and trimming.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavrin {

char AsciiLower(char c);
std::string ToLower(std::string_view text);
bool EqualsNoCase(std::string_view a, std::string_view b);
bool StartsWithNoCase(std::string_view text, std::string_view prefix);
bool EndsWithNoCase(std::string_view text, std::string_view suffix);

// Blanks and tabs removed at both ends.
std::string_view Trim(std::string_view text);

// Splits at every occurrence of the separator; empty parts are kept.
std::vector<std::string> Split(std::string_view text, char separator);

// Joins parts with the separator between them.
std::string Join(const std::vector<std::string>& parts, std::string_view separator);

// Splits text into lines at CR LF, LF or a lone CR. A final line break does
// not start an empty last line.
std::vector<std::string> SplitLines(std::string_view text);

// Parses a whole decimal integer (optional sign, surrounding blanks allowed).
// Returns false when the text is not such a number or does not fit.
bool ParseInt(std::string_view text, long long& value);

}  // namespace tavrin
