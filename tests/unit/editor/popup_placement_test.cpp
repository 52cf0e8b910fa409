// Placing the completion box on the screen: below the line where it fits,
// above it near the bottom of the work area, pushed in from the right edge,
// shrunk when the work area is smaller than the box, and on a monitor whose
// work area does not begin at 0.
#include <gtest/gtest.h>

#include "editor/popup_placement.h"

namespace tavrin {
namespace {

const ScreenBox kWork{0, 0, 1280, 984};  // a 1280 × 1024 screen with a 40-pixel task bar

TEST(PopupPlacement, StaysInsideTheWorkAreaAtEveryScale) {
    // Room below and to the right: exactly at the line's bottom left corner.
    EXPECT_EQ((ScreenBox{100, 216, 520, 436}), PlaceBelowLine(100, 200, 216, 420, 220, kWork));
    // Near the right edge (the box at 200 %: 840 × 440): pushed left to end at the edge.
    EXPECT_EQ((ScreenBox{440, 216, 1280, 656}), PlaceBelowLine(1000, 200, 216, 840, 440, kWork));
    // Near the bottom: above the line, its bottom on the line's top.
    EXPECT_EQ((ScreenBox{100, 530, 730, 860}), PlaceBelowLine(100, 860, 884, 630, 330, kWork));
    // Bottom right corner at 150 %: both at once.
    EXPECT_EQ((ScreenBox{650, 500, 1280, 830}), PlaceBelowLine(1270, 830, 854, 630, 330, kWork));
    // Off the work area's left edge (the editor scrolled sideways off screen).
    EXPECT_EQ(0, PlaceBelowLine(-50, 200, 216, 420, 220, kWork).left);
}

TEST(PopupPlacement, NoRoomAboveOrBelowAndSecondMonitors) {
    // A line in the middle of a short work area: the side with more room, pushed inside.
    const ScreenBox shortArea{0, 0, 800, 400};
    ScreenBox box = PlaceBelowLine(10, 150, 170, 420, 300, shortArea);
    EXPECT_EQ((ScreenBox{10, 100, 430, 400}), box);  // more room below (230 > 150): ends at the bottom
    box = PlaceBelowLine(10, 250, 270, 420, 300, shortArea);
    EXPECT_EQ((ScreenBox{10, 0, 430, 300}), box);  // more room above: starts at the top
    // Larger than the work area: shrunk to it.
    EXPECT_EQ((ScreenBox{0, 0, 300, 200}), PlaceBelowLine(50, 100, 116, 840, 440, ScreenBox{0, 0, 300, 200}));
    // A monitor left of and above the primary one.
    const ScreenBox left{-1920, -200, 0, 880};
    EXPECT_EQ((ScreenBox{-420, 600, 0, 820}), PlaceBelowLine(-100, 820, 840, 420, 220, left));
    EXPECT_EQ((ScreenBox{-1920, -184, -1500, 36}), PlaceBelowLine(-2000, -200, -184, 420, 220, left));
}

}  // namespace
}  // namespace tavrin
