#include "search/text_matcher.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "common/text.h"

namespace tavrin {
namespace {

TextMatch Find(const std::string& text, SearchPattern pattern, std::size_t from = 0) {
    return TextMatcher(std::move(pattern)).Next(text, from);
}

std::vector<std::size_t> AllStarts(const std::string& text, SearchPattern pattern) {
    TextMatcher matcher(std::move(pattern));
    std::vector<std::size_t> starts;
    for (TextMatch m = matcher.Next(text); m.Found(); m = matcher.Next(text, m.End())) starts.push_back(m.start);
    return starts;
}

// The starts of the needle's occurrences in the haystack, one after another.
std::vector<std::size_t> NaiveStarts(const std::string& haystack, const std::string& needle) {
    std::vector<std::size_t> starts;
    for (std::size_t at = haystack.find(needle); at != std::string::npos; at = haystack.find(needle, at + needle.size()))
        starts.push_back(at);
    return starts;
}

// A text of count bytes drawn from the alphabet.
std::string RandomText(std::mt19937& random, const std::string& alphabet, std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) text += alphabet[random() % alphabet.size()];
    return text;
}

TEST(TextMatcher, PlainTextWithAndWithoutCase) {
    const std::string text = "Dim window As HWND\nwindow = GetWindow()";
    EXPECT_EQ(AllStarts(text, {"window", true}), (std::vector<std::size_t>{4, 19}));
    EXPECT_EQ(AllStarts(text, {"WINDOW", false}), (std::vector<std::size_t>{4, 19, 31}));
    EXPECT_FALSE(Find(text, {"WINDOW", true}).Found());
    EXPECT_EQ(Find(text, {"window", true}, 5).start, 19u);
    // A limit before the occurrence's end hides it.
    EXPECT_FALSE(TextMatcher({"window", true}).Next(text, 5, 24).Found());
    EXPECT_TRUE(TextMatcher({"window", true}).Next(text, 5, 25).Found());
    EXPECT_FALSE(Find(text, {"", true}).Found());
}

// The sixteen-at-a-time search against the plain definition, over texts of a
// small alphabet where near misses are common.
TEST(TextMatcher, PlainSearchAgreesWithTheNaiveOne) {
    std::mt19937 random(7);
    // "@" and "`" differ from "A" and "a" only in the bit that tells case.
    const std::string alphabet = "abAB_\n@`";
    for (int round = 0; round < 2000; ++round) {
        std::string text = RandomText(random, alphabet, random() % 200);
        std::string pattern = RandomText(random, "abAB@`", 1 + random() % 4);
        for (bool matchCase : {true, false}) {
            std::vector<std::size_t> expected =
                NaiveStarts(matchCase ? text : ToLower(text), matchCase ? pattern : ToLower(pattern));
            EXPECT_EQ(AllStarts(text, {pattern, matchCase}), expected) << text << " / " << pattern;
        }
    }
}

// The search looks first for the pattern's rarest bytes, wherever they stand
// in it: long patterns whose rare bytes sit anywhere, found at every place of
// texts longer than sixteen bytes, up to the text's end and the limit.
TEST(TextMatcher, LongPatternsAgreeWithTheNaiveOneWhereverTheirRareBytesStand) {
    std::mt19937 random(11);
    const std::string alphabet = "eeetqzQE _";
    for (int round = 0; round < 1500; ++round) {
        std::string text = RandomText(random, alphabet, random() % 300);
        std::string pattern = RandomText(random, alphabet, 1 + random() % 40);
        // Often the pattern is taken from the text, so that it occurs.
        if (round % 2 && text.size() > pattern.size())
            pattern = text.substr(random() % (text.size() - pattern.size() + 1), pattern.size());
        const std::size_t limit = text.size() - random() % (text.size() / 4 + 1);
        for (bool matchCase : {true, false}) {
            std::vector<std::size_t> expected = NaiveStarts((matchCase ? text : ToLower(text)).substr(0, limit),
                                                            matchCase ? pattern : ToLower(pattern));
            std::vector<std::size_t> found;
            TextMatcher matcher({pattern, matchCase});
            for (TextMatch m = matcher.Next(text, 0, limit); m.Found(); m = matcher.Next(text, m.End(), limit))
                found.push_back(m.start);
            EXPECT_EQ(found, expected) << text << " / " << pattern << " / " << limit;
        }
    }
}

TEST(TextMatcher, WholeWordNeedsNonWordNeighbours) {
    // Followed by a letter, preceded by a letter, digit or "_": no whole word.
    EXPECT_EQ(AllStarts("items item1 item_ xitem item", {"item", true, true}), (std::vector<std::size_t>{24}));
    // Punctuation, line breaks and the text's ends are boundaries.
    EXPECT_EQ(AllStarts("item(1)\r\nitem.x=item", {"item", true, true}), (std::vector<std::size_t>{0, 9, 16}));
    // Bytes of accented letters count as word bytes.
    EXPECT_TRUE(AllStarts("caf\xE9", {"caf", true, true}).empty());
    // An occurrence inside a longer word does not hide one after it.
    EXPECT_EQ(AllStarts("itemitem item", {"item", true, true}), (std::vector<std::size_t>{9}));
}

TEST(TextMatcher, RegularExpressionsAreMatchedLineByLine) {
    const std::string text = "Sub Main\r\n  Print x\nend sub\rsub Other";
    EXPECT_EQ(AllStarts(text, {"^sub \\w+", false, false, true}), (std::vector<std::size_t>{0, 28}));
    EXPECT_EQ(AllStarts(text, {"^sub \\w+", true, false, true}), (std::vector<std::size_t>{28}));
    EXPECT_EQ(AllStarts(text, {"sub$", false, false, true}), (std::vector<std::size_t>{24}));
    // No occurrence spans a line break, plain or not.
    EXPECT_TRUE(AllStarts(text, {"Main.*Print", false, false, true}).empty());
    EXPECT_TRUE(AllStarts(text, {"Main\r\n", false}).empty());
    // Word boundaries see the character before a search's start.
    TextMatcher matcher({"\\bain", false, false, true});
    EXPECT_FALSE(matcher.Next(text, 5).Found());
    // Empty occurrences are none; the whole-word rule applies too.
    EXPECT_TRUE(AllStarts("abc", {"x*", false, false, true}).empty());
    EXPECT_EQ(AllStarts("print printer", {"print\\w*", false, true, true}), (std::vector<std::size_t>{0, 6}));
    EXPECT_EQ(AllStarts("print printer", {"prin", false, true, true}), (std::vector<std::size_t>{}));
}

TEST(TextMatcher, AnInvalidExpressionIsReportedInWords) {
    try {
        TextMatcher matcher({"Get(Window", false, false, true});
        FAIL() << "no error";
    } catch (const SearchPatternError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "The regular expression \"Get(Window\" is not valid: it holds a \"(\" without its \")\" or a "
                  "\")\" without its \"(\".");
    }
    EXPECT_THROW(TextMatcher({"[a-", false, false, true}), SearchPatternError);
    EXPECT_THROW(TextMatcher({"*x", false, false, true}), SearchPatternError);
    // The same text searched plainly is no error.
    EXPECT_NO_THROW(TextMatcher({"Get(Window", false}));
}

TEST(TextMatcher, PreviousFindsTheLastOccurrenceBefore) {
    const std::string text = "ab ab\nab\r\nxx ab";
    TextMatcher plain({"ab", true});
    EXPECT_EQ(plain.Previous(text, 0, text.size()).start, 13u);
    EXPECT_EQ(plain.Previous(text, 0, 13).start, 6u);
    EXPECT_EQ(plain.Previous(text, 0, 6).start, 3u);
    EXPECT_EQ(plain.Previous(text, 0, 4).start, 0u);   // "ab" at 3 ends after 4
    EXPECT_FALSE(plain.Previous(text, 1, 4).Found());  // the scope starts after the first
    TextMatcher regex({"a.", true, false, true});
    EXPECT_EQ(regex.Previous(text, 0, 12).start, 6u);
    // Overlapping occurrences: the last one that ends in time.
    EXPECT_EQ(TextMatcher({"aa", true}).Previous("aaa", 0, 3).start, 1u);
}

TEST(TextMatcher, OccurrenceAndReplacement) {
    const std::string text = "x = foo(12)";
    TextMatcher regex({"(\\w+)\\((\\d+)\\)", true, false, true});
    TextMatch found = regex.Next(text);
    ASSERT_EQ(found, (TextMatch{4, 7}));
    EXPECT_TRUE(regex.IsOccurrence(text, 4, 11));
    EXPECT_FALSE(regex.IsOccurrence(text, 4, 10));
    EXPECT_EQ(regex.Replacement(text, found, "$1[$2] $$ $&"), "foo[12] $ foo(12)");
    TextMatcher plain({"FOO", false});
    EXPECT_TRUE(plain.IsOccurrence(text, 4, 7));
    EXPECT_EQ(plain.Replacement(text, {4, 3}, "$1"), "$1");
}

TEST(TextMatcher, LongLinesArePassedOverOnlyByExpressions) {
    std::string text = "short key\n" + std::string(TextMatcher::kLongestRegexLine + 1, 'k') + " key\nkey";
    TextMatcher regex({"key", true, true, true});
    EXPECT_EQ(regex.Next(text).start, 6u);
    EXPECT_FALSE(regex.PassedOverLongLines());
    EXPECT_EQ(regex.Next(text, 7).start, text.size() - 3);
    EXPECT_TRUE(regex.PassedOverLongLines());
    EXPECT_EQ(AllStarts(text, {"key", true, true}).size(), 3u);
    // A line at the limit is still matched, with a pattern that recurses per character.
    std::string longest(TextMatcher::kLongestRegexLine - 1, 'x');
    longest += 'y';
    EXPECT_EQ(TextMatcher({"(x|z)+y$", true, false, true}).Next(longest).length, longest.size());
}

TEST(TextMatcher, LineBreaksAreCountedLikeTheEditorDoes) {
    const std::string text = "a\r\nb\nc\rd\r\r\ne";
    EXPECT_EQ(CountLineBreaks(text, 0, text.size()), 5u);
    EXPECT_EQ(CountLineBreaks(text, 0, 2), 0u);  // a CR whose LF follows later counts once, at the LF
    EXPECT_EQ(CountLineBreaks(text, 0, 3), 1u);
    EXPECT_EQ(CountLineBreaks(text, 6, 8), 1u);  // the lone CR
    EXPECT_EQ(CountLineBreaks(text, 3, 3), 0u);
}

// The eight-bytes-at-a-time count against the plain definition, over texts
// full of CR, LF and bytes that differ from them in one bit.
TEST(TextMatcher, LineBreakCountAgreesWithTheNaiveOne) {
    std::mt19937 random(11);
    const std::string alphabet = "\r\n\x0c\x8d\x8ax";
    for (int round = 0; round < 2000; ++round) {
        std::string text;
        for (int i = 0, n = static_cast<int>(random() % 40); i < n; ++i) text += alphabet[random() % alphabet.size()];
        std::size_t begin = text.empty() ? 0 : random() % (text.size() + 1);
        std::size_t end = begin + random() % (text.size() - begin + 1);
        std::size_t expected = 0;
        for (std::size_t i = begin; i < end; ++i)
            if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))) ++expected;
        ASSERT_EQ(CountLineBreaks(text, begin, end), expected) << round;
    }
}

}  // namespace
}  // namespace tavrin
