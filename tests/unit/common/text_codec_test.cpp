#include "common/text_codec.h"

#include <gtest/gtest.h>

#include <random>

namespace tavrin {
namespace {

std::string Bytes(std::initializer_list<int> values) {
    std::string bytes;
    for (int v : values) bytes += static_cast<char>(v);
    return bytes;
}

void ExpectRoundTrip(const std::string& bytes) {
    DecodedText decoded = DecodeSourceBytes(bytes);
    EXPECT_EQ(EncodeSourceText(decoded.text, decoded.format), bytes)
        << "encoding " << EncodingName(decoded.format.encoding);
    DecodedText taken = DecodeSourceFile(std::string(bytes));
    EXPECT_EQ(taken.text, decoded.text);
    EXPECT_EQ(taken.format.encoding, decoded.format.encoding);
    EXPECT_EQ(taken.format.tail, decoded.format.tail);
    EXPECT_EQ(taken.format.lineEnd, decoded.format.lineEnd);
}

TEST(TextCodec, EveryByteStringSurvivesDecodeAndEncode) {
    std::mt19937 random(12345);
    const std::string marks[] = {"", "\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF", std::string("\xFF\xFE\0\0", 4),
                                 std::string("\0\0\xFE\xFF", 4)};
    for (const std::string& mark : marks) {
        for (int round = 0; round < 400; ++round) {
            std::string bytes = mark;
            int length = static_cast<int>(random() % 40);
            for (int i = 0; i < length; ++i) {
                // Bias towards the interesting bytes: NUL, line ends, surrogate ranges.
                static const int picks[] = {0, 0, '\r', '\n', 'A', 0xD8, 0xDC, 0xDF, 0xFF, 0x10, 0x11};
                int value = random() % 3 == 0 ? static_cast<int>(random() % 256)
                                               : picks[random() % (sizeof(picks) / sizeof(int))];
                bytes += static_cast<char>(value);
            }
            ExpectRoundTrip(bytes);
        }
    }
}

TEST(TextCodec, Utf16IsEditedAsUtf8AndWrittenBackInItsOwnByteOrder) {
    std::string le = Bytes({0xFF, 0xFE, 'A', 0, '\r', 0, '\n', 0, 0xE9, 0});
    DecodedText decoded = DecodeSourceBytes(le);
    EXPECT_EQ(decoded.format.encoding, TextEncoding::Utf16LE);
    EXPECT_EQ(decoded.text, "A\r\n\xC3\xA9");
    // An edit: a new line in the file's own line end.
    std::string edited = decoded.text + std::string(LineEndText(decoded.format.lineEnd)) + "B";
    EXPECT_EQ(EncodeSourceText(edited, decoded.format),
              Bytes({0xFF, 0xFE, 'A', 0, '\r', 0, '\n', 0, 0xE9, 0, '\r', 0, '\n', 0, 'B', 0}));

    std::string be = Bytes({0xFE, 0xFF, 0, 'x', 0xD8, 0x3D, 0xDE, 0x00});
    decoded = DecodeSourceBytes(be);
    EXPECT_EQ(decoded.format.encoding, TextEncoding::Utf16BE);
    EXPECT_EQ(decoded.text, "x\xF0\x9F\x98\x80") << "a surrogate pair becomes one code point";
}

TEST(TextCodec, LoneSurrogatesAndOddByteCountsAreKept) {
    // A high surrogate followed by a letter, a low surrogate alone, then one odd byte.
    std::string bytes = Bytes({0xFF, 0xFE, 0x00, 0xD8, 'a', 0, 0x00, 0xDC, 0x7A});
    DecodedText decoded = DecodeSourceBytes(bytes);
    EXPECT_EQ(decoded.format.encoding, TextEncoding::Utf16LE);
    EXPECT_EQ(decoded.text, "\xED\xA0\x80" "a" "\xED\xB0\x80");
    EXPECT_EQ(decoded.format.tail, "\x7A");
    EXPECT_EQ(EncodeSourceText(decoded.text, decoded.format), bytes);
}

TEST(TextCodec, Utf32MarksAreCheckedAgainstTheirContent) {
    std::string utf32 = Bytes({0xFF, 0xFE, 0, 0, 'Q', 0, 0, 0, 0x00, 0xF6, 0x01, 0x00});
    DecodedText decoded = DecodeSourceBytes(utf32);
    EXPECT_EQ(decoded.format.encoding, TextEncoding::Utf32LE);
    EXPECT_EQ(decoded.text, "Q\xF0\x9F\x98\x80");

    // Not a multiple of 4: UTF-16 LE starting with a NUL character.
    std::string utf16 = Bytes({0xFF, 0xFE, 0, 0, 'Q', 0});
    decoded = DecodeSourceBytes(utf16);
    EXPECT_EQ(decoded.format.encoding, TextEncoding::Utf16LE);
    EXPECT_EQ(decoded.text, std::string("\0Q", 2));

    // A UTF-32 BE unit beyond Unicode: the file is edited byte for byte.
    std::string invalid = Bytes({0, 0, 0xFE, 0xFF, 0x7F, 0, 0, 0});
    decoded = DecodeSourceBytes(invalid);
    EXPECT_EQ(decoded.format.encoding, TextEncoding::Ansi);
    EXPECT_EQ(decoded.text, invalid);
}

TEST(TextCodec, InvalidUtf8WrittenAsUtf16BecomesReplacementCharacters) {
    TextFormat format;
    format.encoding = TextEncoding::Utf16LE;
    EXPECT_EQ(EncodeSourceText("a\xC3", format), Bytes({0xFF, 0xFE, 'a', 0, 0xFD, 0xFF}));
    // An overlong form is not decoded.
    EXPECT_EQ(EncodeSourceText("\xC0\x80", format), Bytes({0xFF, 0xFE, 0xFD, 0xFF, 0xFD, 0xFF}));
}

TEST(TextCodec, Utf8MarkAndAnsiKeepTheirBytes) {
    std::string utf8 = "\xEF\xBB\xBF" "dim \xC3\xA9\n";
    DecodedText decoded = DecodeSourceBytes(utf8);
    EXPECT_EQ(decoded.format.encoding, TextEncoding::Utf8Bom);
    EXPECT_EQ(decoded.text, "dim \xC3\xA9\n");
    EXPECT_TRUE(decoded.format.IsUnicode());

    std::string ansi("a\xE9\0b\r", 5);
    decoded = DecodeSourceBytes(ansi);
    EXPECT_EQ(decoded.format.encoding, TextEncoding::Ansi);
    EXPECT_EQ(decoded.text, ansi);
    EXPECT_FALSE(decoded.format.IsUnicode());
}

TEST(TextCodec, NewLinesTakeTheMostUsedLineEnd) {
    EXPECT_EQ(DominantLineEnd(""), LineEnd::CrLf);
    EXPECT_EQ(DominantLineEnd("a\nb\nc\r\n"), LineEnd::Lf);
    EXPECT_EQ(DominantLineEnd("a\rb\rc\n"), LineEnd::Cr);
    EXPECT_EQ(DominantLineEnd("a\r\nb\nc"), LineEnd::CrLf) << "a tie goes to CR LF";
    EXPECT_EQ(DominantLineEnd("a\nb\rc"), LineEnd::Lf) << "a tie between LF and CR goes to LF";
    EXPECT_EQ(DominantLineEnd("\r\r\n"), LineEnd::CrLf) << "CR then CR LF: one of each";
    EXPECT_EQ(DecodeSourceBytes("x\ry\rz").format.lineEnd, LineEnd::Cr);
}

}  // namespace
}  // namespace tavrin

TEST(LineEnds, EveryKindOfBreakBecomesTheGivenOneAndNothingElseChanges) {
    EXPECT_EQ(tavrin::WithLineEnds("a\nb\r\nc\rd", "\r\n"), "a\r\nb\r\nc\r\nd");
    EXPECT_EQ(tavrin::WithLineEnds("a\r\n\r\nb\n", "\n"), "a\n\nb\n");
    EXPECT_EQ(tavrin::WithLineEnds("\n\r", "\r\n"), "\r\n\r\n") << "LF CR is two breaks";
    EXPECT_EQ(tavrin::WithLineEnds("no break", "\r\n"), "no break");
}
