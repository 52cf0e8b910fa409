#include "workbench/source_export.h"

#include <gtest/gtest.h>

namespace tavrin {
namespace {

const char* const kRtfHead = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fmodern lucida console;}}\r\n\\f0\\fs20 ";

TEST(SourceExport, RtfEscapesItsMarkupAndEndsAParagraphAtEveryKindOfLineBreak) {
    ExportedText source{"a{b}\\c\r\nd\ne\rf\tg\x01h", false, 1252};
    EXPECT_EQ(SourceAsRtf(source, "lucida console", 10),
              std::string(kRtfHead) + "a\\{b\\}\\\\c\\par\r\nd\\par\r\ne\\par\r\nf\\tab gh}\r\n");
}

TEST(SourceExport, RtfCarriesEightBitTextInItsCodePageAndUnicodeAsUnits) {
    ExportedText ansi{"caf\xE9", false, 1251};
    EXPECT_EQ(SourceAsRtf(ansi, "Courier {New}", 12),
              "{\\rtf1\\ansi\\ansicpg1251\\deff0{\\fonttbl{\\f0\\fmodern Courier \\{New\\};}}\r\n\\f0\\fs24 "
              "caf\\'e9}\r\n");
    // é, the euro sign (above 0x7FFF: a negative unit) and a character outside the basic plane.
    ExportedText unicode{"\xC3\xA9\r\n\xE2\x82\xAC{\xF0\x9F\x98\x80}", true, 1251};
    EXPECT_EQ(SourceAsRtf(unicode, "lucida console", 10),
              std::string(kRtfHead) + "\\u233?\\par\r\n\\u8364?\\{\\u-10179?\\u-8704?\\}}\r\n");
}

TEST(SourceExport, HtmlEscapesMarkupInAPreformattedBlockWithItsCharset) {
    ExportedText ansi{"if a<b & c>\"d\" then\r\n\tx\x02\n", false, 1252};
    std::string html = SourceAsHtml(ansi, "a&b.bas");
    EXPECT_NE(html.find("<meta charset=\"windows-1252\">"), std::string::npos) << html;
    EXPECT_NE(html.find("<title>a&amp;b.bas</title>"), std::string::npos) << html;
    EXPECT_NE(html.find("<pre>if a&lt;b &amp; c&gt;&quot;d&quot; then\r\n\tx\r\n</pre>"), std::string::npos)
        << html;
    ExportedText unicode{"\xC3\xA9", true, 1252};
    html = SourceAsHtml(unicode, "u.bas");
    EXPECT_NE(html.find("<meta charset=\"utf-8\">"), std::string::npos);
    EXPECT_NE(html.find("<pre>\xC3\xA9</pre>"), std::string::npos);
}

}  // namespace
}  // namespace tavrin
