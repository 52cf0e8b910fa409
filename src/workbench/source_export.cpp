#include "workbench/source_export.h"

#include <cstdio>
#include <functional>

#include "common/text_codec.h"

namespace tavrin {

namespace {

// Calls onText for each stretch of text between line breaks and onBreak for
// each break; control characters other than tabs are dropped.
void ForEachPiece(std::string_view text, const std::function<void(char)>& onCharacter,
                  const std::function<void()>& onBreak) {
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            onBreak();
        } else if (static_cast<unsigned char>(c) >= 0x20 || c == '\t') {
            onCharacter(c);
        }
    }
}

std::string RtfEscaped(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == '\\' || c == '{' || c == '}') out += '\\';
        out += c;
    }
    return out;
}

void AppendRtfCharacter(std::string& out, char c) {
    unsigned char byte = static_cast<unsigned char>(c);
    if (c == '\\' || c == '{' || c == '}') {
        out += '\\';
        out += c;
    } else if (c == '\t') {
        out += "\\tab ";
    } else if (byte >= 0x80) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "\\'%02x", byte);
        out += hex;
    } else {
        out += c;
    }
}

// UTF-8 text as RTF: ASCII as it is, every other UTF-16 unit as "\uN?".
void AppendRtfUnicode(std::string& out, std::string_view text) {
    TextFormat utf16;
    utf16.encoding = TextEncoding::Utf16LE;
    std::string units = EncodeSourceText(text, utf16).substr(2);  // without the byte-order mark
    std::string ascii;
    for (size_t i = 0; i + 1 < units.size(); i += 2) {
        unsigned unit = static_cast<unsigned char>(units[i]) | static_cast<unsigned char>(units[i + 1]) << 8;
        if (unit < 0x80) {
            ascii += static_cast<char>(unit);
            continue;
        }
        ForEachPiece(ascii, [&](char c) { AppendRtfCharacter(out, c); }, [&] { out += "\\par\r\n"; });
        ascii.clear();
        out += "\\u" + std::to_string(static_cast<short>(unit)) + "?";
    }
    ForEachPiece(ascii, [&](char c) { AppendRtfCharacter(out, c); }, [&] { out += "\\par\r\n"; });
}

void AppendHtmlCharacter(std::string& out, char c) {
    switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
    }
}

std::string HtmlEscaped(std::string_view text) {
    std::string out;
    ForEachPiece(text, [&](char c) { AppendHtmlCharacter(out, c); }, [&] { out += ' '; });
    return out;
}

}  // namespace

std::string SourceAsRtf(const ExportedText& source, std::string_view fontName, int fontSize) {
    std::string out = "{\\rtf1\\ansi\\ansicpg" + std::to_string(source.utf8 ? 1252 : source.codePage) +
                      "\\deff0{\\fonttbl{\\f0\\fmodern " + RtfEscaped(fontName) + ";}}\r\n\\f0\\fs" +
                      std::to_string(fontSize * 2) + " ";
    if (source.utf8)
        AppendRtfUnicode(out, source.text);
    else
        ForEachPiece(source.text, [&](char c) { AppendRtfCharacter(out, c); }, [&] { out += "\\par\r\n"; });
    out += "}\r\n";
    return out;
}

std::string SourceAsHtml(const ExportedText& source, std::string_view title) {
    std::string charset = source.utf8 ? "utf-8" : "windows-" + std::to_string(source.codePage);
    std::string out = "<!DOCTYPE html>\r\n<html>\r\n<head>\r\n<meta charset=\"" + charset + "\">\r\n<title>" +
                      HtmlEscaped(title) + "</title>\r\n</head>\r\n<body>\r\n<pre>";
    ForEachPiece(source.text, [&](char c) { AppendHtmlCharacter(out, c); }, [&] { out += "\r\n"; });
    out += "</pre>\r\n</body>\r\n</html>\r\n";
    return out;
}

}  // namespace tavrin
