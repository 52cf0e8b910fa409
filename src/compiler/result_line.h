// Reading a line of the result window as a source position: every "(" and
// ")" becomes a break; part 0 is a file name, part 1 a line number.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace tavrin {

struct ResultPosition {
    std::string fileName;
    std::optional<int> line;  // present when part 1 is a decimal number
};

ResultPosition ParseResultLine(const std::string& text);

// The position the jump from a result line goes to: the reading above, except
// when its file does not exist and the line reads as a compiler message whose
// file does (folder names with parentheses, "C:\app (v2)\m.bas(5) error ...").
ResultPosition LocateResultLine(const std::string& text,
                                const std::function<bool(const std::string&)>& fileExists);

}  // namespace tavrin
