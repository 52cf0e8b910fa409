// A code page's text as a document for other programs: Rich Text (the
// text in the editor's font) and HTML (the text in a preformatted block).
// The text is the editor's: 8-bit text in a code page, or UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace tavrin {

struct ExportedText {
    std::string_view text;
    bool utf8 = false;      // false: 8-bit text in codePage
    int codePage = 1252;    // the system's code page for 8-bit text
};

// Every line break of the text (CR LF, LF or lone CR) ends a paragraph;
// other control characters are left out.
std::string SourceAsRtf(const ExportedText& source, std::string_view fontName, int fontSize);
std::string SourceAsHtml(const ExportedText& source, std::string_view title);

}  // namespace tavrin
