#include "search/text_matcher.h"

#include <algorithm>
#include <cstring>
#include <regex>

#if defined(__i386__) || defined(__x86_64__)
#include <emmintrin.h>
#define TAVRIN_SEARCH_SSE2 1
#endif

#include "common/byte_words.h"
#include "common/text.h"

namespace tavrin {

namespace {

bool IsLineBreak(char c) { return c == '\n' || c == '\r'; }

// The start of the line that holds position.
std::size_t LineStartOf(std::string_view text, std::size_t position) {
    while (position > 0 && !IsLineBreak(text[position - 1])) --position;
    return position;
}

// The first line break at or after position (or the text's end).
std::size_t LineEndFrom(std::string_view text, std::size_t position) {
    while (position < text.size() && !IsLineBreak(text[position])) ++position;
    return position;
}

// The text a regular expression may not be made of, said in words.
std::string RegexErrorText(const std::regex_error& error) {
    using namespace std::regex_constants;
    switch (error.code()) {
    case error_collate: return "an invalid collating element name";
    case error_ctype: return "an invalid character class name";
    case error_escape: return "an invalid escape or a trailing backslash";
    case error_backref: return "a back reference to a group that does not exist";
    case error_brack: return "a \"[\" without its \"]\"";
    case error_paren: return "a \"(\" without its \")\" or a \")\" without its \"(\"";
    case error_brace: return "a \"{\" without its \"}\"";
    case error_badbrace: return "an invalid count between \"{\" and \"}\"";
    case error_range: return "an invalid character range";
    case error_space: return "more than the memory allows";
    case error_badrepeat: return "\"*\", \"+\", \"?\" or \"{\" with nothing to repeat";
    case error_complexity: return "more than can be matched in reasonable time";
    case error_stack: return "more than the memory allows";
    default: return "an error";
    }
}

}  // namespace

struct TextMatcher::Regex {
    std::regex expression;
};

bool IsWordByte(char c) {
    unsigned char byte = static_cast<unsigned char>(c);
    return byte >= 0x80 || byte == '_' || (byte >= '0' && byte <= '9') ||
           (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z');
}

bool IsWholeWord(std::string_view text, std::size_t start, std::size_t end) {
    if (start > 0 && IsWordByte(text[start - 1])) return false;
    return end >= text.size() || !IsWordByte(text[end]);
}

std::size_t CountLineBreaks(std::string_view text, std::size_t begin, std::size_t end) {
    using namespace bytewords;
    end = std::min(end, text.size());
    if (begin >= end) return 0;
    const char* p = text.data() + begin;
    const char* const stop = text.data() + end;
    const char* const last = text.data() + text.size();
    // Eight bytes at a time: LFs, plus CRs, less the CRs an LF follows.
    std::size_t breaks = 0;
    while (stop - p >= 8 && last - p >= 9) {
        std::uint64_t word = Load8(p);
        std::uint64_t cr = EqualBytes(word, '\r');
        breaks += ByteCount(EqualBytes(word, '\n')) + ByteCount(cr) - ByteCount(cr & EqualBytes(Load8(p + 1), '\n'));
        p += 8;
    }
    for (; p < stop; ++p)
        if (*p == '\n' || (*p == '\r' && (p + 1 == last || p[1] != '\n'))) ++breaks;
    return breaks;
}

TextMatcher::TextMatcher(SearchPattern pattern) : pattern_(std::move(pattern)) {
    if (pattern_.regex) {
        auto flags = std::regex::ECMAScript;
        if (!pattern_.matchCase) flags |= std::regex::icase;
        try {
            regex_ = std::make_unique<Regex>(Regex{std::regex(pattern_.text, flags)});
        } catch (const std::regex_error& error) {
            throw SearchPatternError("The regular expression \"" + pattern_.text + "\" is not valid: it holds " +
                                     RegexErrorText(error) + ".");
        }
        return;
    }
    for (int byte = 0; byte < 256; ++byte)
        fold_[byte] = static_cast<unsigned char>(pattern_.matchCase ? byte : AsciiLower(static_cast<char>(byte)));
    folded_ = pattern_.matchCase ? pattern_.text : ToLower(pattern_.text);
    // The two places of the text whose bytes are rarest in source text.
    std::size_t rarest = 0, next = folded_.size() > 1 ? 1 : 0;
    auto common = [&](std::size_t at) { return Commonness(static_cast<unsigned char>(folded_[at])); };
    if (common(next) < common(rarest)) std::swap(rarest, next);
    for (std::size_t at = 2; at < folded_.size(); ++at) {
        if (common(at) < common(rarest)) {
            next = rarest;
            rarest = at;
        } else if (common(at) < common(next)) {
            next = at;
        }
    }
    rareFirst_ = std::min(rarest, next);
    rareSecond_ = std::max(rarest, next);
}

TextMatcher::~TextMatcher() = default;

bool TextMatcher::PlainAt(std::string_view text, std::size_t at) const {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data() + at);
    const auto* wanted = reinterpret_cast<const unsigned char*>(folded_.data());
    for (std::size_t i = 0; i < folded_.size(); ++i)
        if (fold_[bytes[i]] != wanted[i]) return false;
    return true;
}

namespace {

#ifdef TAVRIN_SEARCH_SSE2
// Sixteen bytes compared with a byte of the plain text: a lower-case letter
// (text without regard to case) matches in both cases.
__attribute__((target("sse2"))) inline __m128i SameBytes(__m128i bytes, unsigned char wanted, bool bothCases) {
    if (bothCases) bytes = _mm_or_si128(bytes, _mm_set1_epi8(0x20));
    return _mm_cmpeq_epi8(bytes, _mm_set1_epi8(static_cast<char>(wanted)));
}

// The first place p in [from, end) (p + distance still inside the text) whose
// byte equals first and whose byte at p + distance equals last; end when none.
__attribute__((target("sse2"))) std::size_t PairPlace(const unsigned char* bytes, std::size_t from, std::size_t end,
                                                      std::size_t distance, unsigned char first, bool firstBoth,
                                                      unsigned char last, bool lastBoth) {
    std::size_t at = from;
    for (; at + 16 <= end; at += 16) {
        __m128i heads = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + at));
        __m128i tails = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + at + distance));
        int mask = _mm_movemask_epi8(_mm_and_si128(SameBytes(heads, first, firstBoth), SameBytes(tails, last, lastBoth)));
        if (mask) return at + static_cast<std::size_t>(__builtin_ctz(static_cast<unsigned>(mask)));
    }
    return at;  // the scalar loop looks at the rest
}

bool HasSse2() {
#if defined(__x86_64__)
    return true;
#else
    static const bool has = __builtin_cpu_supports("sse2");
    return has;
#endif
}
#endif

bool IsLowerLetter(unsigned char byte) { return byte >= 'a' && byte <= 'z'; }

}  // namespace

int TextMatcher::Commonness(unsigned char byte) const {
    // Letters in thousandths of source text, about; capitals a third of their
    // small letters where case counts.
    static constexpr unsigned char kLetters[26] = {80, 15, 30, 40, 120, 22, 20, 50, 70, 2, 8, 40, 25,
                                                   70, 75, 19, 1, 60, 63, 90, 30, 10, 20, 3, 20, 1};
    if (IsLowerLetter(byte)) return kLetters[byte - 'a'];
    if (byte >= 'A' && byte <= 'Z') return kLetters[byte - 'A'] / 3;
    if (byte == ' ') return 200;
    if (byte == '\t') return 40;
    if (byte >= '0' && byte <= '9') return 15;
    if (byte >= 0x80) return 0;
    switch (byte) {
    case '(': case ')': case ',': case '.': case '_': case '=': case '"': case ';': case '\'': return 20;
    default: return 5;
    }
}

std::size_t TextMatcher::NextCandidate(const unsigned char* bytes, std::size_t from, std::size_t end) const {
    const std::size_t length = folded_.size(), first = rareFirst_, second = rareSecond_;
    const unsigned char firstByte = static_cast<unsigned char>(folded_[first]);
    const unsigned char secondByte = static_cast<unsigned char>(folded_[second]);
    std::size_t at = from;
#ifdef TAVRIN_SEARCH_SSE2
    // Places whose second rare byte still lies inside [.., end).
    if (HasSse2() && end >= length) {
        const bool both = !pattern_.matchCase;
        at = PairPlace(bytes + first, from, end - second, second - first, firstByte,
                       both && IsLowerLetter(firstByte), secondByte, both && IsLowerLetter(secondByte));
        if (at + length <= end && fold_[bytes[at + first]] == firstByte && fold_[bytes[at + second]] == secondByte)
            return at;
    }
#endif
    for (; at + length <= end; ++at)
        if (fold_[bytes[at + first]] == firstByte && fold_[bytes[at + second]] == secondByte) return at;
    return end;
}

TextMatch TextMatcher::PlainNext(std::string_view text, std::size_t from, std::size_t end) const {
    const std::size_t length = folded_.size();
    if (length == 0 || end < length) return {};
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    for (std::size_t at = from; at + length <= end; ++at) {
        at = NextCandidate(bytes, at, end);
        if (at + length > end) break;
        if (PlainAt(text, at) && (!pattern_.wholeWord || IsWholeWord(text, at, at + length))) return {at, length};
    }
    return {};
}

TextMatch TextMatcher::RegexNext(std::string_view text, std::size_t lineStart, std::size_t from,
                                 std::size_t end, std::size_t lineEnd) const {
    if (lineEnd - lineStart > kLongestRegexLine) {
        passedOverLongLines_ = true;
        return {};
    }
    const char* base = text.data();
    std::cmatch found;
    for (std::size_t at = from; at <= end;) {
        auto flags = std::regex_constants::match_default;
        if (at > lineStart) flags |= std::regex_constants::match_prev_avail;
        if (end < lineEnd) flags |= std::regex_constants::match_not_eol;
        if (!std::regex_search(base + at, base + end, found, regex_->expression, flags)) return {};
        std::size_t start = static_cast<std::size_t>(found[0].first - base);
        std::size_t length = static_cast<std::size_t>(found[0].length());
        if (length > 0 && (!pattern_.wholeWord || IsWholeWord(text, start, start + length)))
            return {start, length};
        at = start + 1;
    }
    return {};
}

TextMatch TextMatcher::NextInLine(std::string_view text, std::size_t lineStart, std::size_t from,
                                  std::size_t end, std::size_t lineEnd) const {
    if (regex_) return RegexNext(text, lineStart, from, end, lineEnd);
    return PlainNext(text, from, end);
}

TextMatch TextMatcher::Next(std::string_view text, std::size_t from, std::size_t limit) const {
    limit = std::min(limit, text.size());
    if (from > limit) return {};
    if (!regex_) {
        // A plain text holds no line break, so its occurrences never span one.
        if (folded_.find_first_of("\r\n") != std::string::npos) return {};
        return PlainNext(text, from, limit);
    }
    for (std::size_t lineStart = LineStartOf(text, from); from <= limit;) {
        std::size_t lineEnd = LineEndFrom(text, from);
        TextMatch match = NextInLine(text, lineStart, from, std::min(lineEnd, limit), lineEnd);
        if (match.Found() || lineEnd >= limit) return match;
        // Past the break (CR LF counts as one).
        from = lineEnd + 1;
        if (text[lineEnd] == '\r' && from < text.size() && text[from] == '\n') ++from;
        lineStart = from;
    }
    return {};
}

TextMatch TextMatcher::Previous(std::string_view text, std::size_t scopeStart, std::size_t before) const {
    before = std::min(before, text.size());
    if (scopeStart > before) return {};
    // Line by line backwards; in each line the last occurrence that ends in time.
    std::size_t lineStart = LineStartOf(text, before);
    while (true) {
        std::size_t from = std::max(lineStart, scopeStart);
        std::size_t lineEnd = LineEndFrom(text, from);
        std::size_t end = std::min(lineEnd, before);
        TextMatch last;
        for (TextMatch match = NextInLine(text, lineStart, from, end, lineEnd); match.Found();
             match = NextInLine(text, lineStart, match.start + 1, end, lineEnd))
            last = match;
        if (last.Found() || lineStart <= scopeStart || lineStart == 0) return last;
        before = lineStart - 1;  // the break before this line
        if (before > 0 && text[before] == '\n' && text[before - 1] == '\r') --before;
        lineStart = LineStartOf(text, before);
    }
}

bool TextMatcher::IsOccurrence(std::string_view text, std::size_t start, std::size_t end) const {
    if (start >= end || end > text.size()) return false;
    std::size_t lineStart = LineStartOf(text, start);
    std::size_t lineEnd = LineEndFrom(text, start);
    if (end > lineEnd) return false;
    if (!regex_) {
        if (end - start != folded_.size() || !PlainAt(text, start)) return false;
        return !pattern_.wholeWord || IsWholeWord(text, start, end);
    }
    if (lineEnd - lineStart > kLongestRegexLine) return false;
    auto flags = std::regex_constants::match_continuous;
    if (start > lineStart) flags |= std::regex_constants::match_prev_avail;
    std::cmatch found;
    const char* base = text.data();
    if (!std::regex_search(base + start, base + lineEnd, found, regex_->expression, flags)) return false;
    if (static_cast<std::size_t>(found[0].length()) != end - start) return false;
    return !pattern_.wholeWord || IsWholeWord(text, start, end);
}

std::string TextMatcher::Replacement(std::string_view text, TextMatch occurrence,
                                     std::string_view replacement) const {
    if (!regex_ || !occurrence.Found()) return std::string(replacement);
    std::size_t lineStart = LineStartOf(text, occurrence.start);
    std::size_t lineEnd = LineEndFrom(text, occurrence.start);
    auto flags = std::regex_constants::match_continuous;
    if (occurrence.start > lineStart) flags |= std::regex_constants::match_prev_avail;
    std::cmatch found;
    const char* base = text.data();
    if (!std::regex_search(base + occurrence.start, base + lineEnd, found, regex_->expression, flags))
        return std::string(replacement);
    return found.format(std::string(replacement));
}

}  // namespace tavrin
