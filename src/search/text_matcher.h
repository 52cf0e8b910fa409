// Finding a search text in 8-bit text: plain or as an ECMAScript regular
// expression, with or without regard to letter case, whole words only on
// request. The find-and-replace window and find in files share it, so both
// searches follow the same rules:
//  - an occurrence never spans a line break (regular expressions are matched
//    line by line; "^" and "$" stand for the line's start and end);
//  - an empty occurrence (a regular expression that matches nothing) is no
//    occurrence;
//  - a whole word is an occurrence whose neighbours are no word bytes
//    (letters, digits, "_" and every byte from 0x80 up), the text's ends and
//    line breaks counting as non-word neighbours;
//  - without regard to case means ASCII letters compared without case, as
//    names are compared everywhere in the workbench.
#pragma once

#include <cstddef>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tavrin {

struct SearchPattern {
    std::string text;
    bool matchCase = false;
    bool wholeWord = false;
    bool regex = false;
};

// A regular expression that cannot be used; what() is the message for the user.
class SearchPatternError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TextMatch {
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    std::size_t start = kNone;
    std::size_t length = 0;

    bool Found() const { return start != kNone; }
    std::size_t End() const { return start + length; }
    bool operator==(const TextMatch&) const = default;
};

// Letters, digits, "_" and bytes from 0x80 up.
bool IsWordByte(char c);
// No word byte right before start or at end.
bool IsWholeWord(std::string_view text, std::size_t start, std::size_t end);

class TextMatcher {
public:
    // Throws SearchPatternError for a regular expression that does not compile.
    explicit TextMatcher(SearchPattern pattern);
    ~TextMatcher();
    TextMatcher(const TextMatcher&) = delete;
    TextMatcher& operator=(const TextMatcher&) = delete;

    const SearchPattern& Pattern() const { return pattern_; }

    // The first occurrence that starts at or after from and ends at or before
    // limit (clamped to the text).
    TextMatch Next(std::string_view text, std::size_t from, std::size_t limit) const;
    TextMatch Next(std::string_view text, std::size_t from = 0) const {
        return Next(text, from, text.size());
    }
    // The last occurrence that starts at or after scopeStart and ends at or
    // before before.
    TextMatch Previous(std::string_view text, std::size_t scopeStart, std::size_t before) const;
    // Whether exactly the bytes from start to end are an occurrence.
    bool IsOccurrence(std::string_view text, std::size_t start, std::size_t end) const;
    // What replaces the occurrence: the replacement as it is for a plain
    // search; for a regular expression, with "$&", "$1".. and "$$" expanded.
    std::string Replacement(std::string_view text, TextMatch occurrence,
                            std::string_view replacement) const;

    // Regular expressions are matched by recursion as deep as the line is
    // long: lines longer than this are passed over (the stack of the
    // user-interface thread would not hold them), and the matcher remembers it.
    static constexpr std::size_t kLongestRegexLine = 4096;
    bool PassedOverLongLines() const { return passedOverLongLines_; }

private:
    struct Regex;
    // The first occurrence in one line's part [from, end); lineStart and
    // lineEnd bound the line it belongs to.
    TextMatch NextInLine(std::string_view text, std::size_t lineStart, std::size_t from,
                         std::size_t end, std::size_t lineEnd) const;
    TextMatch PlainNext(std::string_view text, std::size_t from, std::size_t end) const;
    // The first place at or after from where the plain text's two rarest
    // bytes (rareFirst_, rareSecond_) stand as they would in an occurrence
    // (end when there is none); sixteen places at a time where the processor
    // can. Rare bytes leave few places for the full comparison.
    std::size_t NextCandidate(const unsigned char* bytes, std::size_t from, std::size_t end) const;
    // How often the byte (as compared) is met in source text, in rough steps.
    int Commonness(unsigned char byte) const;
    bool PlainAt(std::string_view text, std::size_t at) const;
    TextMatch RegexNext(std::string_view text, std::size_t lineStart, std::size_t from,
                        std::size_t end, std::size_t lineEnd) const;

    SearchPattern pattern_;
    std::string folded_;           // the plain text, lower-cased without regard to case
    unsigned char fold_[256] = {};  // each byte as compared (lower-cased without regard to case)
    std::size_t rareFirst_ = 0, rareSecond_ = 0;  // offsets in the plain text, rareFirst_ <= rareSecond_
    std::unique_ptr<Regex> regex_;
    mutable bool passedOverLongLines_ = false;
};

// Line breaks (CR LF, LF or a lone CR) in text before position.
std::size_t CountLineBreaks(std::string_view text, std::size_t begin, std::size_t end);

}  // namespace tavrin
