// Where a compiler message points: "file(line) error N: text" or
// "file(line) warning N(level): text". Folder and file names may themselves
// hold parentheses ("C:\app (v2)\main.bas(12) error 1: ..."), so the location
// is found as follows:
//   1. The first "(" ... ")" pair is taken when it holds a whole decimal number
//      and the text before it names an existing file (the plain case).
//   2. Otherwise the last "(" ... ")" pair that closes before the message text
//      is taken, the message text starting at the first "error " or
//      "warning " of the line (letter case ignored), or, when neither word is
//      there, at the first "error". The file name is all text before that "(".
//   3. When neither gives a whole number, the pair of rule 2 is kept when its
//      file exists, otherwise the first pair (its file may not exist).
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace tavrin {

struct MessageLocation {
    std::string file;       // text before the chosen "(" (empty when there is none)
    long long line = 0;     // valid only when lineValid
    bool lineValid = false;
    std::string numberText; // the text between the chosen parentheses
};

MessageLocation FindMessageLocation(std::string_view line,
                                    const std::function<bool(const std::string&)>& fileExists);

// The leading decimal number of a text (after blanks), 0 when it has none, as
// the jump from a result line reads its line number.
long long LeadingNumber(std::string_view text);

}  // namespace tavrin
