// Reading a line of the result window as a source position: every "(" and
// ")" becomes a break; part 0 is a file name, part 1 a line number.
#pragma once

#include <optional>
#include <string>

namespace tavrin {

struct ResultPosition {
    std::string fileName;
    std::optional<int> line;  // present when part 1 is a decimal number
};

ResultPosition ParseResultLine(const std::string& text);

}  // namespace tavrin
