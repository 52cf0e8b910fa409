// FreeBASIC string literals as the dialog code writes and reads them: "..."
// with a doubled quote standing for one quote; a text holding control
// characters (line breaks, tabs) is written as an escaped literal !"..."
// so that it stays on one source line.
#pragma once

#include <string>
#include <string_view>

namespace tavrin {

std::string QuoteBasicString(std::string_view text);

// Reads the literal at the start of source ("..." or !"..."). value receives
// the text it stands for. A literal without its closing quote runs to the end.
// False when source does not start with a literal.
bool ReadBasicString(std::string_view source, std::string& value);

}  // namespace tavrin
