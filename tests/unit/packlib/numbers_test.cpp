#include <gtest/gtest.h>

#include "packlib/text/numbers.h"

namespace {

using namespace velpack;

TEST(Numbers, ReadIntegerFollowsValintRules) {
    EXPECT_EQ(42, ReadInteger("42"));
    EXPECT_EQ(-17, ReadInteger("  \t-17xyz"));
    EXPECT_EQ(12, ReadInteger("+12"));
    EXPECT_EQ(2, ReadInteger("2.9"));
    EXPECT_EQ(255, ReadInteger("&HfF"));
    EXPECT_EQ(8, ReadInteger("&o10"));
    EXPECT_EQ(5, ReadInteger("&B101"));
    EXPECT_EQ(-16, ReadInteger("-&H10"));
    EXPECT_EQ(0, ReadInteger("&"));
    EXPECT_EQ(0, ReadInteger("&X12"));
    EXPECT_EQ(0, ReadInteger("abc"));
    EXPECT_EQ(0, ReadInteger(""));
    EXPECT_EQ(0, ReadInteger(nullptr));
}

TEST(Numbers, OverflowWrapsToTheLow32Bits) {
    EXPECT_EQ(-1, ReadInteger("4294967295"));
    EXPECT_EQ(4294967295u, ReadAddress("4294967295"));
    EXPECT_EQ(4294967295u, ReadAddress("-1"));
    EXPECT_EQ(3000000000u, ReadAddress("3000000000"));
    // A huge text is read without failing.
    std::string huge(100000, '9');
    ReadInteger(huge.c_str());
    EXPECT_EQ(2147483647, ReadRounded(huge.c_str()));
}

TEST(Numbers, RoundingTakesHalvesToEven) {
    EXPECT_EQ(2, ReadRounded("2.5"));
    EXPECT_EQ(4, ReadRounded("3.5"));
    EXPECT_EQ(-2, ReadRounded("-2.5"));
    EXPECT_EQ(3, ReadRounded("2.51"));
    EXPECT_EQ(0, ReadRounded("0.5"));
    EXPECT_EQ(1500, ReadRounded("1.5e3"));
    EXPECT_EQ(1500, ReadRounded("1.5D3"));
    EXPECT_EQ(2, ReadRounded("2.5e"));  // an exponent without digits is not read
    EXPECT_EQ(-2147483647 - 1, ReadRounded("-1e300"));
    EXPECT_EQ(0, ReadRounded("."));
    EXPECT_EQ(255, ReadRounded("&HFF"));
    EXPECT_EQ(7, ReadRounded(" 7 apples"));
}

TEST(Numbers, WritingNumbers) {
    EXPECT_EQ("-1", SignedText(-1));
    EXPECT_EQ("4294967295", UnsignedText(0xFFFFFFFFu));
    EXPECT_EQ("2.5", DoubleText(2.5));
    EXPECT_EQ("1", DoubleText(1.0));
    EXPECT_EQ("-0.1", DoubleText(-0.1));
    EXPECT_EQ("0.333333333333333", DoubleText(1.0 / 3));
    EXPECT_EQ("1e+20", DoubleText(1e20));
    EXPECT_EQ("1e-07", DoubleText(1e-7));
}

}  // namespace
