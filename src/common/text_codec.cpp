#include "common/text_codec.h"

#include <cstdint>
#include <vector>

namespace tavrin {

namespace {

constexpr std::string_view kUtf8Mark = kUtf8ByteOrderMark;
constexpr std::string_view kUtf16LEMark = "\xFF\xFE";
constexpr std::string_view kUtf16BEMark = "\xFE\xFF";
constexpr std::string_view kUtf32LEMark{"\xFF\xFE\x00\x00", 4};
constexpr std::string_view kUtf32BEMark{"\x00\x00\xFE\xFF", 4};
constexpr uint32_t kReplacement = 0xFFFD;

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

uint8_t Byte(std::string_view bytes, size_t index) { return static_cast<uint8_t>(bytes[index]); }

uint32_t ReadUnit16(std::string_view bytes, size_t at, bool bigEndian) {
    uint32_t a = Byte(bytes, at), b = Byte(bytes, at + 1);
    return bigEndian ? (a << 8 | b) : (b << 8 | a);
}

uint32_t ReadUnit32(std::string_view bytes, size_t at, bool bigEndian) {
    uint32_t value = 0;
    for (size_t i = 0; i < 4; ++i) {
        uint32_t byte = Byte(bytes, at + (bigEndian ? i : 3 - i));
        value = value << 8 | byte;
    }
    return value;
}

// Appends a code point (surrogate values included, as 3-byte sequences).
void AppendUtf8(std::string& out, uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | cp >> 6);
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | cp >> 12);
        out += static_cast<char>(0x80 | (cp >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | cp >> 18);
        out += static_cast<char>(0x80 | (cp >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (cp >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

bool IsHighSurrogate(uint32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(uint32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// Reads one code point of generalized UTF-8 at `at`; an invalid byte gives
// U+FFFD and a length of 1.
uint32_t NextCodePoint(std::string_view text, size_t& at) {
    uint8_t lead = Byte(text, at);
    auto continuation = [&](size_t offset) {
        return at + offset < text.size() && (Byte(text, at + offset) & 0xC0) == 0x80;
    };
    auto bits = [&](size_t offset) { return static_cast<uint32_t>(Byte(text, at + offset) & 0x3F); };
    if (lead < 0x80) {
        ++at;
        return lead;
    }
    if (lead >= 0xC2 && lead <= 0xDF && continuation(1)) {
        uint32_t cp = (lead & 0x1Fu) << 6 | bits(1);
        at += 2;
        return cp;
    }
    if (lead >= 0xE0 && lead <= 0xEF && continuation(1) && continuation(2)) {
        uint32_t cp = (lead & 0x0Fu) << 12 | bits(1) << 6 | bits(2);
        if (cp >= 0x800) {
            at += 3;
            return cp;
        }
    }
    if (lead >= 0xF0 && lead <= 0xF4 && continuation(1) && continuation(2) && continuation(3)) {
        uint32_t cp = (lead & 0x07u) << 18 | bits(1) << 12 | bits(2) << 6 | bits(3);
        if (cp >= 0x10000 && cp <= 0x10FFFF) {
            at += 4;
            return cp;
        }
    }
    ++at;
    return kReplacement;
}

void AppendUnit16(std::string& out, uint32_t unit, bool bigEndian) {
    char hi = static_cast<char>(unit >> 8), lo = static_cast<char>(unit & 0xFF);
    out += bigEndian ? hi : lo;
    out += bigEndian ? lo : hi;
}

void AppendUnit32(std::string& out, uint32_t unit, bool bigEndian) {
    for (int i = 0; i < 4; ++i) {
        int shift = bigEndian ? 24 - 8 * i : 8 * i;
        out += static_cast<char>(unit >> shift & 0xFF);
    }
}

DecodedText DecodeUtf16(std::string_view bytes, bool bigEndian, TextEncoding encoding) {
    DecodedText result;
    result.format.encoding = encoding;
    size_t end = bytes.size() - (bytes.size() - 2) % 2;
    result.format.tail = std::string(bytes.substr(end));
    result.text.reserve(end);
    for (size_t at = 2; at < end; at += 2) {
        uint32_t unit = ReadUnit16(bytes, at, bigEndian);
        if (IsHighSurrogate(unit) && at + 4 <= end) {
            uint32_t next = ReadUnit16(bytes, at + 2, bigEndian);
            if (IsLowSurrogate(next)) {
                AppendUtf8(result.text, 0x10000 + ((unit - 0xD800) << 10) + (next - 0xDC00));
                at += 2;
                continue;
            }
        }
        AppendUtf8(result.text, unit);
    }
    return result;
}

// False when a unit lies above 0x10FFFF.
bool DecodeUtf32(std::string_view bytes, bool bigEndian, TextEncoding encoding, DecodedText& result) {
    result.format.encoding = encoding;
    size_t end = bytes.size() - (bytes.size() - 4) % 4;
    result.format.tail = std::string(bytes.substr(end));
    result.text.reserve(end / 2);
    for (size_t at = 4; at < end; at += 4) {
        uint32_t unit = ReadUnit32(bytes, at, bigEndian);
        if (unit > 0x10FFFF) return false;
        AppendUtf8(result.text, unit);
    }
    return true;
}

DecodedText Ansi(std::string_view bytes) {
    DecodedText result;
    result.text = std::string(bytes);
    return result;
}

}  // namespace

LineEnd DominantLineEnd(std::string_view text) {
    size_t crlf = 0, lf = 0, cr = 0;
    const size_t size = text.size();
    for (size_t i = 0; i < size; ++i) {
        char c = text[i];
        if (c == '\n') {
            ++lf;
        } else if (c == '\r') {
            if (i + 1 < size && text[i + 1] == '\n') {
                ++crlf;
                ++i;
            } else {
                ++cr;
            }
        }
    }
    if (crlf >= lf && crlf >= cr) return LineEnd::CrLf;  // also a text without line ends
    if (lf >= cr) return LineEnd::Lf;
    return LineEnd::Cr;
}

std::string_view LineEndText(LineEnd lineEnd) {
    switch (lineEnd) {
    case LineEnd::Lf: return "\n";
    case LineEnd::Cr: return "\r";
    default: return "\r\n";
    }
}

const char* EncodingName(TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Utf8Bom: return "UTF-8";
    case TextEncoding::Utf16LE: return "UTF-16 LE";
    case TextEncoding::Utf16BE: return "UTF-16 BE";
    case TextEncoding::Utf32LE: return "UTF-32 LE";
    case TextEncoding::Utf32BE: return "UTF-32 BE";
    default: return "ANSI";
    }
}

DecodedText DecodeSourceBytes(std::string_view bytes) {
    DecodedText result;
    if (StartsWith(bytes, kUtf8Mark)) {
        result.text = std::string(bytes.substr(kUtf8Mark.size()));
        result.format.encoding = TextEncoding::Utf8Bom;
    } else if (StartsWith(bytes, kUtf32BEMark)) {
        if (!DecodeUtf32(bytes, true, TextEncoding::Utf32BE, result)) result = Ansi(bytes);
    } else if (StartsWith(bytes, kUtf32LEMark) && bytes.size() % 4 == 0 &&
               DecodeUtf32(bytes, false, TextEncoding::Utf32LE, result)) {
        // UTF-32 LE
    } else if (StartsWith(bytes, kUtf16LEMark)) {
        result = DecodeUtf16(bytes, false, TextEncoding::Utf16LE);
    } else if (StartsWith(bytes, kUtf16BEMark)) {
        result = DecodeUtf16(bytes, true, TextEncoding::Utf16BE);
    } else {
        result = Ansi(bytes);
    }
    result.format.lineEnd = DominantLineEnd(result.text);
    return result;
}

DecodedText DecodeSourceFile(std::string&& bytes) {
    for (std::string_view mark : {kUtf8Mark, kUtf16LEMark, kUtf16BEMark, kUtf32BEMark})
        if (StartsWith(bytes, mark)) return DecodeSourceBytes(std::string_view(bytes));
    DecodedText result;
    result.text = std::move(bytes);
    result.format.lineEnd = DominantLineEnd(result.text);
    return result;
}

std::string EncodeSourceText(std::string_view text, const TextFormat& format) {
    std::string out;
    switch (format.encoding) {
    case TextEncoding::Ansi:
        out = std::string(text);
        break;
    case TextEncoding::Utf8Bom:
        out.reserve(text.size() + 3);
        out += kUtf8Mark;
        out += text;
        break;
    case TextEncoding::Utf16LE:
    case TextEncoding::Utf16BE: {
        bool bigEndian = format.encoding == TextEncoding::Utf16BE;
        out.reserve(text.size() * 2 + 2);
        out += bigEndian ? kUtf16BEMark : kUtf16LEMark;
        for (size_t at = 0; at < text.size();) {
            uint32_t cp = NextCodePoint(text, at);
            if (cp >= 0x10000) {
                cp -= 0x10000;
                AppendUnit16(out, 0xD800 + (cp >> 10), bigEndian);
                AppendUnit16(out, 0xDC00 + (cp & 0x3FF), bigEndian);
            } else {
                AppendUnit16(out, cp, bigEndian);
            }
        }
        break;
    }
    case TextEncoding::Utf32LE:
    case TextEncoding::Utf32BE: {
        bool bigEndian = format.encoding == TextEncoding::Utf32BE;
        out.reserve(text.size() * 4 + 4);
        out += bigEndian ? kUtf32BEMark : kUtf32LEMark;
        for (size_t at = 0; at < text.size();) AppendUnit32(out, NextCodePoint(text, at), bigEndian);
        break;
    }
    }
    out += format.tail;
    return out;
}

void DropByteOrderMark(std::string& text) {
    std::string_view bytes = text;
    if (bytes.substr(0, kUtf8Mark.size()) == kUtf8Mark) {
        text.erase(0, kUtf8Mark.size());
        return;
    }
    bool little = bytes.substr(0, 2) == kUtf16LEMark, big = bytes.substr(0, 2) == kUtf16BEMark;
    if (!little && !big) return;
    size_t out = 0;
    for (size_t i = 2; i + 1 < text.size(); i += 2) {
        unsigned char low = static_cast<unsigned char>(text[little ? i : i + 1]);
        unsigned char high = static_cast<unsigned char>(text[little ? i + 1 : i]);
        text[out++] = high == 0 ? static_cast<char>(low) : '?';
    }
    text.resize(out);
}

std::string WithLineEnds(std::string_view text, std::string_view lineEnd) {
    std::string uniform;
    uniform.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') {
            uniform += text[i];
            continue;
        }
        uniform += lineEnd;
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    }
    return uniform;
}

}  // namespace tavrin
