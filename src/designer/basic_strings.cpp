#include "designer/basic_strings.h"

#include <cstdio>

namespace tavrin {
namespace {

bool HasControlCharacter(std::string_view text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) < 0x20) return true;
    return false;
}

std::string EscapedLiteral(std::string_view text) {
    std::string literal = "!\"";
    for (char c : text) {
        switch (c) {
            case '\r': literal += "\\r"; break;
            case '\n': literal += "\\n"; break;
            case '\t': literal += "\\t"; break;
            case '\\': literal += "\\\\"; break;
            case '"': literal += "\\\""; break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char code[8];
                    std::snprintf(code, sizeof code, "\\&h%02X", static_cast<unsigned>(c));
                    literal += code;
                } else {
                    literal += c;
                }
        }
    }
    return literal + '"';
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The escape at source[i] (just after the backslash); advances i past it.
char ReadEscape(std::string_view source, size_t& i) {
    char c = source[i++];
    switch (c) {
        case 'n': return '\n';
        case 'r': return '\r';
        case 't': return '\t';
        case 'a': return '\a';
        case 'b': return '\b';
        case 'f': return '\f';
        case 'v': return '\v';
        case '&':
            if (i < source.size() && (source[i] == 'h' || source[i] == 'H')) {
                ++i;
                int value = 0;
                for (int digits = 0; digits < 2 && i < source.size() && HexDigit(source[i]) >= 0; ++digits)
                    value = value * 16 + HexDigit(source[i++]);
                return static_cast<char>(value);
            }
            return c;
        default:
            if (c >= '0' && c <= '9') {
                int value = c - '0';
                for (int digits = 1; digits < 3 && i < source.size() && source[i] >= '0' && source[i] <= '9';
                     ++digits)
                    value = value * 10 + (source[i++] - '0');
                return static_cast<char>(value);
            }
            return c;  // \\, \" and \' stand for themselves
    }
}

}  // namespace

std::string QuoteBasicString(std::string_view text) {
    if (HasControlCharacter(text)) return EscapedLiteral(text);
    std::string literal = "\"";
    for (char c : text) {
        literal += c;
        if (c == '"') literal += '"';
    }
    return literal + '"';
}

bool ReadBasicString(std::string_view source, std::string& value) {
    value.clear();
    bool escaped = source.substr(0, 2) == "!\"";
    if (!escaped && source.substr(0, 1) != "\"") return false;
    for (size_t i = escaped ? 2 : 1; i < source.size();) {
        char c = source[i++];
        if (escaped && c == '\\' && i < source.size()) {
            value += ReadEscape(source, i);
        } else if (c == '"') {
            if (i >= source.size() || source[i] != '"') return true;
            value += '"';
            ++i;
        } else {
            value += c;
        }
    }
    return true;
}

}  // namespace tavrin
