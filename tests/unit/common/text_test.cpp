#include "common/text.h"

#include <gtest/gtest.h>

namespace tavrin {

TEST(Text, CaseInsensitiveComparisonsOnlyFoldAsciiLetters) {
    EXPECT_TRUE(EqualsNoCase("General", "gENERAL"));
    EXPECT_FALSE(EqualsNoCase("general", "generals"));
    EXPECT_FALSE(EqualsNoCase("\xC9t\xE9", "\xE9t\xE9"));  // no folding outside ASCII
    EXPECT_TRUE(StartsWithNoCase("#Define project", "#define"));
    EXPECT_TRUE(EndsWithNoCase("A.BAS", ".bas"));
    EXPECT_FALSE(EndsWithNoCase("s", ".bas"));
}

TEST(Text, SplitKeepsEmptyPartsAndSplitLinesHandlesEveryLineEnd) {
    EXPECT_EQ(Split("a,,b,", ','), (std::vector<std::string>{"a", "", "b", ""}));
    EXPECT_EQ(Split("", ','), (std::vector<std::string>{""}));
    EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\n\nb\n"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_TRUE(SplitLines("").empty());
}

TEST(Text, ParseIntAcceptsOnlyWholeDecimalNumbersThatFit) {
    long long v = 0;
    EXPECT_TRUE(ParseInt(" -42 ", v));
    EXPECT_EQ(v, -42);
    EXPECT_TRUE(ParseInt("-9223372036854775808", v));
    EXPECT_EQ(v, std::numeric_limits<long long>::min());
    EXPECT_FALSE(ParseInt("9223372036854775808", v));
    EXPECT_FALSE(ParseInt("true", v));
    EXPECT_FALSE(ParseInt("12abc", v));
    EXPECT_FALSE(ParseInt("-", v));
    EXPECT_FALSE(ParseInt("", v));
}

}  // namespace tavrin
