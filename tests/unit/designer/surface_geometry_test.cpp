#include "designer/neighbour_search.h"
#include "designer/surface_geometry.h"
#include "designer/unique_names.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "common/text.h"

namespace tavrin {
namespace {

TEST(SurfaceGeometry, GridStepsStayBetweenTwoAndThirtyTwo) {
    EXPECT_EQ(ClampGridStep(1), 2);
    EXPECT_EQ(ClampGridStep(-5), 2);
    EXPECT_EQ(ClampGridStep(8), 8);
    EXPECT_EQ(ClampGridStep(32), 32);
    EXPECT_EQ(ClampGridStep(40), 32);
}

TEST(SurfaceGeometry, SnappingRoundsHalvesToEven) {
    EXPECT_EQ(SnapToStep(13, 8), 16);
    EXPECT_EQ(SnapToStep(11, 8), 8);
    EXPECT_EQ(SnapToStep(12, 8), 16) << "1.5 steps round to 2";
    EXPECT_EQ(SnapToStep(4, 8), 0) << "0.5 steps round to 0";
    EXPECT_EQ(SnapToStep(20, 8), 16) << "2.5 steps round to 2";
    EXPECT_EQ(SnapToStep(21, 8), 24);
    EXPECT_EQ(SnapToStep(-4, 8), 0);
    EXPECT_EQ(SnapToStep(-12, 8), -16);
    EXPECT_EQ(SnapToStep(-13, 8), -16);
    EXPECT_EQ(SnapToStep(-11, 8), -8);
    EXPECT_EQ(SnapToStep(5, 2), 4);
    EXPECT_EQ(SnapToStep(7, 2), 8);
    EXPECT_EQ(DragDisplacement({100, 100}, {113, 96}, 8, 8, true), (Point{16, 0}));
    EXPECT_EQ(DragDisplacement({100, 100}, {113, 96}, 8, 8, false), (Point{13, -4}));
}

TEST(SurfaceGeometry, InsertPointsAreTruncatedToTheGrid) {
    EXPECT_EQ(GridPointAtOrBefore({13, 23}, 8, 8), (Point{8, 16}));
    EXPECT_EQ(GridPointAtOrBefore({16, 7}, 8, 8), (Point{16, 0}));
    EXPECT_EQ(GridPointAtOrBefore({13, 23}, 8, 8, {3, 0}), (Point{13, 16})) << "scrolled by 3";
    EXPECT_EQ(InsertBounds({13, 23}, {13, 23}, 8, 8, true), (Bounds{8, 16, 0, 0})) << "a click: 0 x 0";
    EXPECT_EQ(InsertBounds({13, 23}, {14, 23}, 8, 8, false), (Bounds{13, 23, 0, 0})) << "1 pixel is a click";
    EXPECT_EQ(InsertBounds({13, 23}, {15, 23}, 8, 8, false), (Bounds{13, 23, 2, 0}));
    EXPECT_EQ(InsertBounds({13, 23}, {90, 60}, 8, 8, true), (Bounds{8, 16, 80, 40}));
    EXPECT_EQ(InsertBounds({90, 60}, {13, 23}, 8, 8, true), (Bounds{8, 16, 80, 40})) << "dragged up and left";
}

TEST(SurfaceGeometry, OneSelectedControlShowsEightHandlesOnItsOutline) {
    auto handles = HandleRectangles({10, 20, 100, 50}, false);
    const Point expected[8] = {{8, 18}, {58, 18}, {107, 18}, {107, 43}, {107, 67}, {58, 67}, {8, 67}, {8, 43}};
    for (int i = 0; i < 8; ++i) {
        ASSERT_TRUE(handles[i]) << i;
        EXPECT_EQ(*handles[i], (Bounds{expected[i].x, expected[i].y, 5, 5})) << "position " << i;
    }
}

TEST(SurfaceGeometry, LargerHandlesStayCentredOnTheOutlineAndInsideForSeveral) {
    // 150 %: handles of 8 pixels, 4 before the outline and 4 after it.
    auto one = HandleRectangles({10, 20, 100, 50}, false, 8);
    const Point expected[8] = {{6, 16}, {56, 16}, {106, 16}, {106, 41}, {106, 66}, {56, 66}, {6, 66}, {6, 41}};
    for (int i = 0; i < 8; ++i) {
        ASSERT_TRUE(one[i]) << i;
        EXPECT_EQ(*one[i], (Bounds{expected[i].x, expected[i].y, 8, 8})) << "position " << i;
    }
    // 200 %: 10 pixels; with several selected the corners stay inside the control.
    auto several = HandleRectangles({10, 20, 100, 50}, true, 10);
    EXPECT_EQ(*several[0], (Bounds{10, 20, 10, 10}));
    EXPECT_EQ(*several[4], (Bounds{100, 60, 10, 10}));
    EXPECT_EQ(*several[6], (Bounds{10, 60, 10, 10}));
}

TEST(SurfaceGeometry, SeveralSelectedControlsShowFourCornerHandlesInside) {
    auto handles = HandleRectangles({10, 20, 100, 50}, true);
    EXPECT_EQ(*handles[0], (Bounds{10, 20, 5, 5}));
    EXPECT_EQ(*handles[2], (Bounds{105, 20, 5, 5}));
    EXPECT_EQ(*handles[4], (Bounds{105, 65, 5, 5}));
    EXPECT_EQ(*handles[6], (Bounds{10, 65, 5, 5}));
    for (int side : {1, 3, 5, 7}) EXPECT_FALSE(handles[side]) << side;
    EXPECT_EQ(CursorOfHandle(0), HandleCursor::DiagonalDown);
    EXPECT_EQ(CursorOfHandle(4), HandleCursor::DiagonalDown);
    EXPECT_EQ(CursorOfHandle(5), HandleCursor::Vertical);
    EXPECT_EQ(CursorOfHandle(6), HandleCursor::DiagonalUp);
    EXPECT_EQ(CursorOfHandle(7), HandleCursor::Horizontal);
    EXPECT_EQ(CursorOfHandle(8), HandleCursor::None);
}

TEST(SurfaceGeometry, SizeDragsMoveTheHandlesEdgesOnly) {
    const Bounds b{10, 20, 100, 50};
    EXPECT_EQ(SizeByHandle(b, 0, 8, 8), (Bounds{18, 28, 92, 42}));
    EXPECT_EQ(SizeByHandle(b, 1, 8, 8), (Bounds{10, 28, 100, 42})) << "top side: height only";
    EXPECT_EQ(SizeByHandle(b, 3, 8, 8), (Bounds{10, 20, 108, 50})) << "right side: width only";
    EXPECT_EQ(SizeByHandle(b, 4, -8, 16), (Bounds{10, 20, 92, 66}));
    EXPECT_EQ(SizeByHandle(b, 5, 40, 16), (Bounds{10, 20, 100, 66}));
    EXPECT_EQ(SizeByHandle(b, 6, 8, 8), (Bounds{18, 20, 92, 58}));
    EXPECT_EQ(SizeByHandle(b, 7, 120, 0), (Bounds{110, 20, 20, 50})) << "past the opposite edge: turned about";
    EXPECT_EQ(SizeByHandle(b, 2, -100, 50), (Bounds{10, 70, 0, 0})) << "no minimum size";
}

TEST(SurfaceGeometry, TheLassoCatchesWhatItTouches) {
    const std::vector<Bounds> controls = {{10, 10, 20, 20}, {100, 10, 20, 20}, {10, 100, 20, 20}};
    LassoSelection two = SelectByLasso(controls, SpannedRectangle({110, 25}, {5, 5}));
    EXPECT_EQ(two.controls, (std::vector<int>{0, 1}));
    EXPECT_FALSE(two.windowSelected) << "the designed window leaves the selection";
    LassoSelection edge = SelectByLasso(controls, SpannedRectangle({30, 120}, {40, 130}));
    EXPECT_EQ(edge.controls, (std::vector<int>{2})) << "touching edges count";
    EXPECT_FALSE(edge.windowSelected);
    LassoSelection none = SelectByLasso(controls, SpannedRectangle({50, 50}, {60, 60}));
    EXPECT_TRUE(none.controls.empty());
    EXPECT_TRUE(none.windowSelected) << "only the designed window stays selected";
}

TEST(UniqueNames, ContainersAreNumberedFromTheFirstFreeNumber) {
    std::set<std::string> names;
    auto taken = [&](std::string_view name) { return names.count(ToLower(name)) > 0; };
    for (int i = 0; i < 3; ++i) names.insert(ToLower(UniqueName("TContainer", taken)));
    EXPECT_EQ(names, (std::set<std::string>{"container1", "container2", "container3"}));
    names.erase("container2");
    EXPECT_EQ(UniqueName("TContainer", taken), "Container2") << "a freed name is used again";
    EXPECT_EQ(UniqueName("qbutton", taken), "button1");
    EXPECT_EQ(UniqueName("Container", taken), "1") << "no Q or T: the stem is empty";
    EXPECT_EQ(UniqueName("T", taken), "1");
    EXPECT_EQ(NameStem("TComponentContainer"), "ComponentContainer");
}

TEST(NeighbourSearch, ArrowsFindTheNearestSiblingInTheirDirection) {
    const Bounds current{100, 100, 20, 20};
    const std::vector<Bounds> siblings = {
        {150, 105, 20, 20},  // 0: right, level
        {130, 160, 20, 20},  // 1: right but far below: outside the cone for Right
        {60, 100, 20, 20},   // 2: left
        {100, 40, 20, 20},   // 3: above
        {200, 100, 20, 20},  // 4: right, further
    };
    EXPECT_EQ(FindNeighbour(current, siblings, ArrowDirection::Right), 0);
    EXPECT_EQ(FindNeighbour(current, siblings, ArrowDirection::Left), 2);
    EXPECT_EQ(FindNeighbour(current, siblings, ArrowDirection::Up), 3);
    EXPECT_EQ(FindNeighbour(current, siblings, ArrowDirection::Down), 1);
    EXPECT_EQ(FindNeighbour(current, {{130, 160, 20, 20}}, ArrowDirection::Right), -1);
    EXPECT_EQ(FindNeighbour(current, {}, ArrowDirection::Right), -1);
}

TEST(NeighbourSearch, OverlappingSiblingsCountWhenTheirCentreLiesFurther) {
    const Bounds current{100, 100, 40, 40};
    EXPECT_EQ(FindNeighbour(current, {{110, 110, 40, 40}}, ArrowDirection::Right), 0);
    EXPECT_EQ(FindNeighbour(current, {{110, 110, 40, 40}}, ArrowDirection::Left), -1);
    EXPECT_EQ(FindNeighbour(current, {{100, 100, 40, 40}}, ArrowDirection::Down), -1) << "same centre";
    EXPECT_EQ(FindNeighbour(current, {{200, 100, 10, 10}, {200, 130, 10, 10}}, ArrowDirection::Right), 0)
        << "equally near: the first wins";
}

}  // namespace
}  // namespace tavrin
