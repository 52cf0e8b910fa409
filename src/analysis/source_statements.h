// The statements of a FreeBASIC text as a reader meets them, from the top:
// comments removed, lines continued with "_" joined, and lines split at the
// ":" that separates statements (outside string literals). Used by the readers
// that need more than the scanner's one-line forms: the include lines of a
// page and the declarations in scope at a point.
#pragma once

#include <functional>
#include <string_view>

namespace tavrin {

// Letters, digits and "_": the characters of a name.
inline bool IsNameChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// Calls visit(statement, line) for every non-empty statement of text, in
// order; line is the index (from 0) of the line the statement starts on. The
// statement is trimmed of blanks and valid only during the call.
void ForEachStatement(std::string_view text, const std::function<void(std::string_view, int)>& visit);

// Whether a "'" or a string literal of the line is still open at its end:
// the end of the line lies inside a comment or a string.
bool EndsInCommentOrString(std::string_view line);

}  // namespace tavrin
