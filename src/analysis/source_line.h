// Line-level tools of the source scanner: comment removal and word splitting.
// FreeBASIC comments: "'" starts a line comment, "/'" ... "'/" a block comment
// that may span lines. Text between double quotes is never a comment.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavrin {

bool IsBlank(char c);  // blank or tab

// Blanks and tabs removed at both ends.
std::string_view TrimBlanks(std::string_view text);

// The code of one physical line, comments removed (a block comment inside the
// line counts as one blank). inBlock tells whether a block comment is open
// before the line and receives whether one is still open after it. The result
// refers either to line or to scratch.
std::string_view StripComments(std::string_view line, bool& inBlock, std::string& scratch);

// True when trimmed code ends with the continuation mark: a "_" word.
bool EndsWithContinuation(std::string_view code);

// Words of a line: split at blanks; "=", "(" and ")" are words of their own;
// empty words are dropped. The words refer to text.
void SplitWords(std::string_view text, std::vector<std::string_view>& words);

}  // namespace tavrin
