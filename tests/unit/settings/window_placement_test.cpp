#include "settings/window_placement.h"

#include <gtest/gtest.h>

#include <climits>

namespace tavrin {
namespace {

constexpr int kCaption = 30;
const ScreenRect kPrimary{0, 0, 1280, 1000};

std::string Text(const WindowBounds& b) {
    return std::to_string(b.left) + "," + std::to_string(b.top) + " " + std::to_string(b.width) + "x" +
           std::to_string(b.height);
}

struct Case {
    const char* what;
    WindowBounds saved;
    WindowBounds placed;
};

void Check(const std::vector<ScreenRect>& areas, const std::vector<Case>& cases) {
    DesktopGeometry desktop{areas, kCaption};
    for (const Case& c : cases)
        EXPECT_EQ(Text(PlaceOnDesktop(c.saved, desktop)), Text(c.placed)) << c.what;
}

TEST(WindowPlacement, WindowsWhoseCaptionShowsKeepTheirPlace) {
    Check({kPrimary}, {
        {"inside", {100, 100, 400, 300}, {100, 100, 400, 300}},
        {"partly off the left, enough caption to drag", {-350, 10, 400, 300}, {-350, 10, 400, 300}},
        {"partly off the right", {1230, 10, 400, 300}, {1230, 10, 400, 300}},
        {"partly below the bottom", {10, 900, 400, 300}, {10, 900, 400, 300}},
        {"caption touching the bottom edge", {10, 970, 400, 300}, {10, 970, 400, 300}},
    });
}

TEST(WindowPlacement, WindowsOffTheScreenComeOntoTheNearestPoint) {
    Check({kPrimary}, {
        {"minimized position", {-32000, -32000, 160, 30}, {0, 0, 160, 30}},
        {"largest values", {INT_MAX, INT_MAX, 640, 420}, {640, 580, 640, 420}},
        {"smallest values", {INT_MIN, INT_MIN, 640, 420}, {0, 0, 640, 420}},
        {"caption above the top", {200, -5, 220, 300}, {200, 0, 220, 300}},
        {"caption below the bottom", {200, 980, 220, 300}, {200, 700, 220, 300}},
        {"too little caption on the left", {-380, 100, 400, 300}, {0, 100, 400, 300}},
        {"too little caption on the right", {1250, 100, 400, 300}, {880, 100, 400, 300}},
    });
}

TEST(WindowPlacement, SizesStayBetweenTheCaptionAndTheWorkArea) {
    Check({kPrimary}, {
        {"larger than the screen", {0, 0, 5000, 5000}, {0, 0, 1280, 1000}},
        {"widest from the far left", {INT_MIN, 300, INT_MAX, 400}, {0, 300, 1280, 400}},
        {"negative size", {100, 100, -5, -7}, {100, 100, 48, kCaption}},
        {"zero size far away", {5000, 5000, 0, 0}, {1232, 970, 48, kCaption}},
    });
}

TEST(WindowPlacement, SeveralMonitorsEachKeepTheirWindows) {
    const ScreenRect right{1280, 0, 2560, 1000};
    const ScreenRect left{-1920, 100, 0, 1180};  // taller, and lower
    Check({kPrimary, right, left}, {
        {"on the right monitor", {1500, 100, 300, 200}, {1500, 100, 300, 200}},
        {"on the left monitor", {-1000, 900, 300, 200}, {-1000, 900, 300, 200}},
        {"beyond the right monitor", {3000, 100, 300, 200}, {2260, 100, 300, 200}},
        {"below the left monitor", {-1000, 1500, 300, 200}, {-1000, 980, 300, 200}},
        {"above the left monitor's top but on the primary's height", {-1000, 50, 300, 200},
         {-1000, 100, 300, 200}},
        {"larger than the right monitor", {1300, 0, 4000, 200}, {1300, 0, 1280, 200}},
    });
}

TEST(WindowPlacement, WithoutUsableWorkAreasTheSavedBoundsStay) {
    Check({}, {{"no areas", {-32000, -32000, 160, 30}, {-32000, -32000, 160, 30}}});
    Check({{0, 0, 0, 0}, {10, 10, 5, 500}},
          {{"empty areas only", {INT_MAX, 0, 1, 1}, {INT_MAX, 0, 1, 1}}});
    Check({{0, 0, 0, 0}, kPrimary}, {{"an empty area is passed over", {-32000, -32000, 160, 30}, {0, 0, 160, 30}}});
}

}  // namespace
}  // namespace tavrin
