// Source files as bytes and as the text an editor edits. An 8-bit file is
// edited as it is; a file that starts with a byte-order mark is edited as
// UTF-8 and written back in its own encoding. Line ends are never rewritten:
// the text keeps every CR LF, LF and lone CR of the file, and the format only
// records which line end new lines get.
//
// Round-trip rule: EncodeSourceText(DecodeSourceBytes(b)) == b for every byte
// string b. Bytes that a Unicode encoding cannot carry losslessly are kept:
//  - a UTF-16 file with an odd byte count keeps its last byte as a tail that is
//    written back after the text;
//  - UTF-16 lone surrogates (and UTF-32 surrogate values) become 3-byte
//    generalized UTF-8 sequences (ED A0..BF xx), which encode back to the same unit;
//  - a UTF-32 BE file whose length is not a multiple of 4 keeps its last 1 to 3
//    bytes as a tail; a UTF-32 BE unit above 0x10FFFF makes the whole file 8-bit
//    (edited byte for byte, mark included);
//  - a UTF-32 LE mark (FF FE 00 00) counts only when the length is a multiple
//    of 4 and every unit is at most 0x10FFFF; otherwise the file is UTF-16 LE
//    whose first character is NUL.
#pragma once

#include <string>
#include <string_view>

namespace tavrin {

enum class TextEncoding { Ansi, Utf8Bom, Utf16LE, Utf16BE, Utf32LE, Utf32BE };

// The UTF-8 byte-order mark.
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// Bytes of a source file as 8-bit text for readers that only look at its
// words (the scanner): a UTF-8 mark is dropped, UTF-16 becomes 8-bit text
// (characters beyond 8 bits read as "?"); other bytes stay as they are.
void DropByteOrderMark(std::string& bytes);
enum class LineEnd { CrLf, Lf, Cr };

struct TextFormat {
    TextEncoding encoding = TextEncoding::Ansi;
    // The line end of new lines: the most frequent in the file (ties: CR LF,
    // then LF, then CR); CR LF for a file without line ends.
    LineEnd lineEnd = LineEnd::CrLf;
    // Bytes after the last whole code unit, written back unchanged.
    std::string tail;

    // The editor edits this format's text as UTF-8 (false: 8-bit bytes).
    bool IsUnicode() const { return encoding != TextEncoding::Ansi; }
};

struct DecodedText {
    std::string text;  // 8-bit text, or UTF-8 without the BOM for Unicode files
    TextFormat format;
};

DecodedText DecodeSourceBytes(std::string_view bytes);
// DecodeSourceBytes taking over the bytes of an 8-bit file instead of copying them.
DecodedText DecodeSourceFile(std::string&& bytes);
// Text in the format's encoding with its byte-order mark and tail. A UTF-8
// text written as UTF-16 or UTF-32 turns each invalid byte into U+FFFD.
std::string EncodeSourceText(std::string_view text, const TextFormat& format);

// The line end most used in the text (rule above).
LineEnd DominantLineEnd(std::string_view text);
std::string_view LineEndText(LineEnd lineEnd);
// The text with every line break (CR LF, LF or CR) made lineEnd.
std::string WithLineEnds(std::string_view text, std::string_view lineEnd);
const char* EncodingName(TextEncoding encoding);

}  // namespace tavrin
