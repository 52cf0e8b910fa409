// Fixed sizes scaled to a display's resolution, and the picture size chosen
// for it.
#include <gtest/gtest.h>

#include "common/dpi_units.h"

namespace tavrin::test {
namespace {

TEST(DpiUnits, SizesScaleByTheResolutionRoundedToTheNearestPixel) {
    // The main window's strip: 119 pixels at 100 %, 150 % and 200 %.
    EXPECT_EQ(119, ScaleToDpi(119, 96));
    EXPECT_EQ(179, ScaleToDpi(119, 144)) << "178.5 rounds up";
    EXPECT_EQ(238, ScaleToDpi(119, 192));
    EXPECT_EQ(149, ScaleToDpi(119, 120)) << "148.75";
    EXPECT_EQ(8, ScaleToDpi(5, 144)) << "7.5 rounds up";
    EXPECT_EQ(-8, ScaleToDpi(-5, 144)) << "halves round away from zero";
    // At 96 dots per inch nothing changes, whatever the size.
    for (int pixels : {0, 1, 2, 5, 28, 119, 360, 1920, -7}) EXPECT_EQ(pixels, ScaleToDpi(pixels, 96)) << pixels;
    // No usable resolution: sizes stay as given rather than collapsing to 0.
    EXPECT_EQ(119, ScaleToDpi(119, 0));
    EXPECT_EQ(119, ScaleToDpi(119, -144));
    // Large sizes do not overflow on the way.
    EXPECT_EQ(40000000, ScaleToDpi(20000000, 192));
}

TEST(DpiUnits, UnscalingGoesBackToTheSizeGivenFor96) {
    for (int dpi : {96, 120, 144, 168, 192, 288})
        for (int pixels : {0, 4, 20, 70, 180, 240}) EXPECT_EQ(pixels, UnscaleFromDpi(ScaleToDpi(pixels, dpi), dpi)) << dpi;
    EXPECT_EQ(120, UnscaleFromDpi(180, 144));
    EXPECT_EQ(180, UnscaleFromDpi(180, 0));
}

TEST(DpiUnits, PicturesAreTheLargestDrawnSizeThatFitsTheScale) {
    // Toolbar glyphs, 16 pixels at 100 %.
    EXPECT_EQ(16, PictureSizeForDpi(16, 96, {16, 24, 32}));
    EXPECT_EQ(16, PictureSizeForDpi(16, 120, {16, 24, 32})) << "20 pixels: 24 would not fit";
    EXPECT_EQ(24, PictureSizeForDpi(16, 144, {16, 24, 32}));
    EXPECT_EQ(24, PictureSizeForDpi(16, 168, {16, 24, 32}));
    EXPECT_EQ(32, PictureSizeForDpi(16, 192, {16, 24, 32}));
    EXPECT_EQ(32, PictureSizeForDpi(16, 288, {16, 24, 32})) << "nothing larger was drawn";
    EXPECT_EQ(16, PictureSizeForDpi(16, 72, {16, 24, 32})) << "below 100 % the smallest";
    // Palette glyphs, 24 pixels at 100 %.
    EXPECT_EQ(24, PictureSizeForDpi(24, 96, {24, 32, 48}));
    EXPECT_EQ(32, PictureSizeForDpi(24, 144, {24, 32, 48}));
    EXPECT_EQ(48, PictureSizeForDpi(24, 192, {24, 32, 48}));
    EXPECT_EQ(24, PictureSizeForDpi(24, 144, {})) << "no sizes: the base size";
}

}  // namespace
}  // namespace tavrin::test
