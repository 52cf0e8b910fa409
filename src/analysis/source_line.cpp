#include "analysis/source_line.h"

#include "common/byte_words.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace tavrin {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimBlanks(std::string_view text) {
    size_t begin = 0, end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

namespace {

// Position of "'/" at or after from, or npos.
size_t FindBlockEnd(std::string_view line, size_t from) {
    while (from < line.size()) {
        size_t quote = line.find('\'', from);
        if (quote == std::string_view::npos || quote + 1 >= line.size()) break;
        if (line[quote + 1] == '/') return quote;
        from = quote + 1;
    }
    return std::string_view::npos;
}

using bytewords::HasZeroByte;
using bytewords::kOnes;
using bytewords::Load8;

// First "'" or '"' at or after from, or the line's size.
size_t FindQuoteOrApostrophe(std::string_view line, size_t from) {
    const char* data = line.data();
    size_t size = line.size(), i = from;
    for (; i + 8 <= size; i += 8) {
        std::uint64_t word = Load8(data + i);
        if (HasZeroByte(word ^ (kOnes * '\'')) | HasZeroByte(word ^ (kOnes * '"'))) break;
    }
    while (i < size && data[i] != '\'' && data[i] != '"') ++i;
    return i;
}

}  // namespace

std::string_view StripComments(std::string_view line, bool& inBlock, std::string& scratch) {
    size_t segmentStart = 0;
    bool usedScratch = false;
    if (inBlock) {
        size_t close = FindBlockEnd(line, 0);
        if (close == std::string_view::npos) return {};
        inBlock = false;
        segmentStart = close + 2;
    }
    size_t pos = segmentStart;
    while (true) {
        pos = FindQuoteOrApostrophe(line, pos);
        if (pos >= line.size()) break;
        if (line[pos] == '"') {
            size_t closing = line.find('"', pos + 1);
            if (closing == std::string_view::npos) { pos = line.size(); break; }
            pos = closing + 1;
            continue;
        }
        // An apostrophe: a block comment opens when "/" (of this code part) precedes it.
        bool opensBlock = pos > segmentStart && line[pos - 1] == '/';
        if (!usedScratch) { scratch.clear(); usedScratch = true; }
        if (!opensBlock) {
            scratch.append(line.substr(segmentStart, pos - segmentStart));
            return scratch;
        }
        scratch.append(line.substr(segmentStart, pos - 1 - segmentStart));
        scratch.push_back(' ');
        size_t close = FindBlockEnd(line, pos + 1);
        if (close == std::string_view::npos) {
            inBlock = true;
            return scratch;
        }
        segmentStart = pos = close + 2;
    }
    if (!usedScratch) return line.substr(segmentStart);
    scratch.append(line.substr(segmentStart));
    return scratch;
}

bool EndsWithContinuation(std::string_view code) {
    code = TrimBlanks(code);
    if (code.empty() || code.back() != '_') return false;
    return code.size() == 1 || IsBlank(code[code.size() - 2]);
}

namespace {

// Character classes of the word splitter.
enum : unsigned char { kWordChar = 0, kBlankChar = 1, kOwnWordChar = 2 };

constexpr std::array<unsigned char, 256> MakeWordClasses() {
    std::array<unsigned char, 256> classes{};
    classes[' '] = classes['\t'] = kBlankChar;
    classes['='] = classes['('] = classes[')'] = kOwnWordChar;
    return classes;
}

constexpr std::array<unsigned char, 256> kWordClasses = MakeWordClasses();

}  // namespace

void SplitWords(std::string_view text, std::vector<std::string_view>& words) {
    words.clear();
    const char* data = text.data();
    size_t size = text.size(), start = 0;
    for (size_t i = 0; i < size; ++i) {
        unsigned char kind = kWordClasses[static_cast<unsigned char>(data[i])];
        if (kind == kWordChar) continue;
        if (i > start) words.emplace_back(data + start, i - start);
        if (kind == kOwnWordChar) words.emplace_back(data + i, 1);
        start = i + 1;
    }
    if (size > start) words.emplace_back(data + start, size - start);
}

}  // namespace tavrin
