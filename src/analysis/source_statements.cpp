#include "analysis/source_statements.h"

#include <string>

#include "analysis/source_line.h"
#include "common/line_breaks.h"

namespace tavrin {

namespace {

// Splits code at ":" outside string literals and passes on the trimmed parts.
void VisitParts(std::string_view code, int line, const std::function<void(std::string_view, int)>& visit) {
    if (code.find(':') == std::string_view::npos) {  // most lines hold one statement
        if (!code.empty()) visit(code, line);
        return;
    }
    size_t start = 0;
    bool inString = false;
    for (size_t i = 0; i <= code.size(); ++i) {
        if (i < code.size()) {
            if (code[i] == '"') inString = !inString;
            if (inString || code[i] != ':') continue;
        }
        std::string_view part = TrimBlanks(code.substr(start, i - start));
        if (!part.empty()) visit(part, line);
        start = i + 1;
    }
}

}  // namespace

void ForEachStatement(std::string_view text, const std::function<void(std::string_view, int)>& visit) {
    bool inBlock = false;
    std::string scratch, joined;
    int line = -1, joinedLine = -1;
    bool continuing = false;
    ForEachLine(text, [&](std::string_view raw, std::string_view) {
        ++line;
        std::string_view code = TrimBlanks(StripComments(raw, inBlock, scratch));
        bool more = EndsWithContinuation(code);
        if (more) code = TrimBlanks(code.substr(0, code.size() - 1));
        if (continuing) {
            joined += ' ';
            joined.append(code);
        } else if (more) {
            joined.assign(code);
            joinedLine = line;
        }
        if (more) {
            continuing = true;
            return;
        }
        if (continuing) {
            continuing = false;
            VisitParts(joined, joinedLine, visit);
        } else {
            VisitParts(code, line, visit);
        }
    });
    if (continuing) VisitParts(joined, joinedLine, visit);
}

bool EndsInCommentOrString(std::string_view line) {
    // A mark after the line's end survives comment removal only when the end
    // is code.
    std::string marked(line);
    marked += '\x01';
    bool inBlock = false;
    std::string scratch;
    std::string_view code = StripComments(marked, inBlock, scratch);
    if (inBlock || code.empty() || code.back() != '\x01') return true;
    size_t quotes = 0;
    for (char c : code) quotes += c == '"';
    return quotes % 2 != 0;
}

}  // namespace tavrin
