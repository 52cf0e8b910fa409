// Line breaks of 8-bit text: CR LF, LF or a lone CR. One finder and one line
// walker for every reader of text (lists, INI files, the scanner, the editor's
// documents), so they all agree on where lines end.
#pragma once

#include <string_view>

namespace tavrin {

// The first CR or LF at or after p, or end.
const char* FindLineBreak(const char* p, const char* end);

// Calls visit(line, lineBreak) for every line of the text, in order; lineBreak
// is the break that ends the line ("\r\n", "\n", "\r"), empty for a last line
// without one. A final line break does not start an empty last line.
template <class Visit>
void ForEachLine(std::string_view text, Visit&& visit) {
    const char* data = text.data();
    const char* end = data + text.size();
    const char* lineStart = data;
    while (lineStart < end) {
        const char* lineBreak = FindLineBreak(lineStart, end);
        std::string_view line(lineStart, static_cast<size_t>(lineBreak - lineStart));
        if (lineBreak == end) {
            visit(line, std::string_view());
            return;
        }
        size_t breakLength = (*lineBreak == '\r' && lineBreak + 1 < end && lineBreak[1] == '\n') ? 2 : 1;
        visit(line, std::string_view(lineBreak, breakLength));
        lineStart = lineBreak + breakLength;
    }
}

}  // namespace tavrin
