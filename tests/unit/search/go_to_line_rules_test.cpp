#include "search/go_to_line_rules.h"

#include <gtest/gtest.h>

namespace tavrin {
namespace {

TEST(GoToLineRules, CaptionAndClamping) {
    EXPECT_EQ(LineCountCaption(1234), "Max lines:1234");
    EXPECT_EQ(LineCountCaption(std::nullopt), "void lines");
    // Every line of the page can be reached, beyond the number field's old 100.
    EXPECT_EQ(ClampedLine(5000, 90000), 5000);
    EXPECT_EQ(ClampedLine(0, 10), 1);
    EXPECT_EQ(ClampedLine(-3, 10), 1);
    EXPECT_EQ(ClampedLine(11, 10), 10);
    EXPECT_EQ(ClampedLine(7, 0), 1);  // an empty page has its first line
}

}  // namespace
}  // namespace tavrin
