// The arithmetic of the surface's arrange commands and the clipboard data:
// alignment operations, grid snapping, arrow-key sizes, the clipboard text,
// renaming and placing of pasted components.
#include "designer/alignment.h"
#include "designer/design_clipboard.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "common/text.h"

namespace tavrin {
namespace {

std::vector<int> Lefts(const std::vector<Bounds>& items) {
    std::vector<int> lefts;
    for (const Bounds& b : items) lefts.push_back(b.left);
    return lefts;
}

TEST(Alignment, GridSnapsLeftAndTopHalvesToEvenAndKeepsTheSize) {
    EXPECT_EQ(AlignedToGrid({13, 21, 30, 7}, 8, 8), (Bounds{16, 24, 30, 7}));
    EXPECT_EQ(AlignedToGrid({12, 20, 30, 7}, 8, 8), (Bounds{16, 16, 30, 7})) << "1.5 -> 2, 2.5 -> 2";
    EXPECT_EQ(AlignedToGrid({-3, 4, 1, 1}, 8, 8), (Bounds{0, 0, 1, 1}));
}

TEST(Alignment, SpacingEquallyNeedsThreeItemsAndKeepsTheOuterOnes) {
    std::vector<Bounds> two{{0, 0, 5, 5}, {100, 0, 5, 5}};
    EXPECT_FALSE(AlignItems(two, AlignOperation::SpaceEqually, AlignAxis::Horizontal, 0));
    EXPECT_EQ(Lefts(two), (std::vector<int>{0, 100}));
    // Selection order is not position order: the items are sorted by left first.
    std::vector<Bounds> three{{100, 0, 5, 5}, {10, 0, 5, 5}, {0, 0, 5, 5}};
    EXPECT_TRUE(AlignItems(three, AlignOperation::SpaceEqually, AlignAxis::Horizontal, 0));
    EXPECT_EQ(Lefts(three), (std::vector<int>{100, 50, 0}));
    // 1 x 9 / 4 = 2.25 -> 2; 2 x 9 / 4 = 4.5 -> 4 (halves to even); 3 x 9 / 4 = 6.75 -> 7.
    std::vector<Bounds> five{{0, 0, 1, 1}, {0, 3, 1, 1}, {0, 1, 1, 1}, {0, 8, 1, 1}, {0, 9, 1, 1}};
    EXPECT_TRUE(AlignItems(five, AlignOperation::SpaceEqually, AlignAxis::Vertical, 0));
    std::vector<int> tops;
    for (const Bounds& b : five) tops.push_back(b.top);
    EXPECT_EQ(tops, (std::vector<int>{0, 4, 2, 7, 9}));
}

TEST(Alignment, SidesCentresAndWindowCentreFollowTheirReferences) {
    std::vector<Bounds> items{{30, 40, 20, 10}, {10, 70, 60, 30}, {50, 5, 7, 3}};
    auto min = items, max = items, centres = items, window = items;
    EXPECT_TRUE(AlignItems(min, AlignOperation::SidesToMinimum, AlignAxis::Horizontal, 0));
    EXPECT_EQ(Lefts(min), (std::vector<int>{10, 10, 10}));
    EXPECT_TRUE(AlignItems(max, AlignOperation::SidesToMaximum, AlignAxis::Vertical, 0));
    for (const Bounds& b : max) EXPECT_EQ(b.Bottom(), 100);
    EXPECT_EQ(max[0].height, 10) << "sizes are kept";
    // Centres go to the first selected item's centre, 30 + 20 div 2 = 40.
    EXPECT_TRUE(AlignItems(centres, AlignOperation::Centres, AlignAxis::Horizontal, 0));
    EXPECT_EQ(Lefts(centres), (std::vector<int>{30, 10, 37}));
    EXPECT_TRUE(AlignItems(window, AlignOperation::CentreInWindow, AlignAxis::Vertical, 201));
    EXPECT_EQ(window[1].top, 100 - 15);
    std::vector<Bounds> one{{3, 3, 3, 3}};
    EXPECT_FALSE(AlignItems(one, AlignOperation::Centres, AlignAxis::Horizontal, 0));
    EXPECT_FALSE(AlignItems(one, AlignOperation::SidesToMinimum, AlignAxis::Horizontal, 0));
    EXPECT_TRUE(AlignItems(one, AlignOperation::CentreInWindow, AlignAxis::Horizontal, 100));
    EXPECT_EQ(one[0].left, 49);
    EXPECT_EQ(AlignOperationOfItem(2), AlignOperation::Centres);
    EXPECT_EQ(AlignOperationOfItem(6), AlignOperation::None);
}

TEST(Alignment, ArrowSizesNeverGoBelowZero) {
    Bounds thin{5, 5, 1, 4};
    Bounds once = Nudged(thin, ArrowDirection::Left, true);
    EXPECT_EQ(once, (Bounds{5, 5, 0, 4}));
    EXPECT_EQ(Nudged(once, ArrowDirection::Left, true), once);
    EXPECT_EQ(Nudged(thin, ArrowDirection::Down, true), (Bounds{5, 5, 1, 5}));
    EXPECT_EQ(Nudged(thin, ArrowDirection::Up, false), (Bounds{5, 4, 1, 4}));
    EXPECT_EQ(Nudged(thin, ArrowDirection::Right, false), (Bounds{6, 5, 1, 4}));
}

TEST(DesignClipboard, TextKeepsNamesPropertiesAndChildrenWhateverTheValues) {
    ClipboardComponent panel{"TContainer", "Panel1", {{"Text", "two\r\nlines 100% "}, {"Left", "8"}}, {}};
    panel.children.push_back({"TContainer", "Inner", {{"Hint", "= and end"}, {"Text", ""}}, {}});
    std::vector<ClipboardComponent> copied{panel, {"TComponentContainer", "Pic", {{"Path", "a%0Ab"}}, {}}};
    std::string text = ClipboardText(copied);
    auto back = ParseClipboardText(text);
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[0].name, "Panel1");
    EXPECT_EQ(back[0].properties, copied[0].properties);
    ASSERT_EQ(back[0].children.size(), 1u);
    EXPECT_EQ(back[0].children[0].properties, panel.children[0].properties);
    EXPECT_EQ(back[1].className, "TComponentContainer");
    EXPECT_EQ(back[1].properties[0].second, "a%0Ab");
    EXPECT_EQ(ClipboardText(back), text);
}

TEST(DesignClipboard, DamagedTextGivesWhatItCanWithoutFailing) {
    auto parsed = ParseClipboardText("junk\nobject A: TContainer\n  Left=3\n  =x\nend\nend\nobject : T\nobject B: TContainer\n  Top=%4");
    ASSERT_EQ(parsed.size(), 2u);
    EXPECT_EQ(parsed[0].properties.size(), 1u);
    EXPECT_EQ(parsed[1].name, "B");
    EXPECT_EQ(parsed[1].properties[0].second, "%4");
    EXPECT_TRUE(ParseClipboardText("").empty());
}

TEST(DesignClipboard, PastedNamesTakeTheNextFreeNumberAndReferencesFollow) {
    std::set<std::string> existing{"container1", "container2"};
    auto taken = [&](std::string_view name) { return existing.count(ToLower(name)) > 0; };
    std::vector<ClipboardComponent> pasted{{"TContainer", "Container1", {{"Text", "Container1"}}, {}},
                                           {"TContainer", "Container3", {{"Text", "container1"}}, {}},
                                           {"TContainer", "Container2", {{"Text", "other"}}, {}}};
    RenamePasted(pasted, taken);
    // Container3 keeps its name, so the renamed ones skip it.
    EXPECT_EQ(pasted[0].name, "Container4");
    EXPECT_EQ(pasted[1].name, "Container3");
    EXPECT_EQ(pasted[2].name, "Container5");
    EXPECT_EQ(pasted[0].properties[0].second, "Container4");
    EXPECT_EQ(pasted[1].properties[0].second, "Container4") << "a reference to a renamed pasted component";
    EXPECT_EQ(pasted[2].properties[0].second, "other");
}

TEST(DesignClipboard, APasteStepsOffOccupiedSpots) {
    std::vector<Point> siblings{{16, 16}, {24, 24}, {40, 40}};
    EXPECT_EQ(FreePasteSpot({16, 16}, siblings, 8, 8), (Point{32, 32}));
    EXPECT_EQ(FreePasteSpot({17, 16}, siblings, 8, 8), (Point{17, 16}));
    EXPECT_EQ(FreePasteSpot({40, 40}, siblings, 8, 8), (Point{48, 48}));
}

}  // namespace
}  // namespace tavrin

#include "designer/dialog_code.h"
#include "designer/property_lines.h"
#include "designer/tab_order.h"

namespace tavrin {
namespace {

TEST(TabOrder, ReorderingMovesEachComponentsLinesTogetherAndLeavesOtherLinesInPlace) {
    VectorLineDocument doc;
    WriteDialogSkeleton(doc, "Dialog1", DialogCodeSettings{});
    int a = 0, b = 0, c = 0;
    WriteComponent(doc, "Dialog1", {&a, "A", false}, "QButton", {1, 1, 1, 1});
    WriteComponent(doc, "Dialog1", {&b, "B", false}, "QEdit", {2, 2, 2, 2});
    WriteComponent(doc, "Dialog1", {&c, "C", false}, "QLabel", {3, 3, 3, 3});
    WritePropertyLine(doc, {&a, "A", false}, "Text", "first", true);
    // A user's line between B's and C's statements stays where it is.
    const std::string userLine = "print \"mine\"";
    int userAt = doc.FindTag(&c, doc.FindTag(&c) + 1);
    doc.InsertLine(userAt, userLine);
    ReorderComponentLines(doc, {&c, &a, &b});
    std::vector<std::string> fields;
    for (int i = 0; i < doc.LineCount(); ++i)
        if (doc.Tag(i) && doc.Line(i).find(" as Q") != std::string::npos) fields.push_back(doc.Line(i));
    EXPECT_EQ(fields, (std::vector<std::string>{"   C as QLabel", "   A as QButton", "   B as QEdit"}));
    EXPECT_EQ(doc.Line(userAt), userLine);
    // C's statements come first, A's stay together with its property line.
    int cLine = doc.FindTag(&c, doc.FindTag(&c) + 1);
    EXPECT_EQ(doc.Line(cLine), "C.Parent=@This");
    EXPECT_EQ(doc.Line(cLine + 2), "A.Parent=@This");
    EXPECT_EQ(doc.Line(cLine + 4), "A.Text=\"first\"");
    EXPECT_EQ(doc.Tag(cLine + 4), &a);
    EXPECT_EQ(doc.Line(cLine + 5), userLine) << "the user's line keeps its place";
    EXPECT_EQ(doc.Line(cLine + 7), "B.SetBounds(2,2,2,2)");
    EXPECT_EQ(doc.Tag(cLine + 7), &b);
}

TEST(TabOrder, ComponentsComeAfterTheComponentsThatHoldThemAndSiblingsKeepTheirOrder) {
    using Order = std::vector<size_t>;
    EXPECT_EQ(ParentsBeforeChildren({-1, -1, 1}), (Order{0, 1, 2})) << "already sound: unchanged";
    // A child put before its box goes right after it, with its own child, siblings in the order given.
    EXPECT_EQ(ParentsBeforeChildren({3, -1, 0, -1, 3}), (Order{1, 3, 0, 2, 4}));
    EXPECT_EQ(ParentsBeforeChildren({2, 2, -1, -1}), (Order{2, 0, 1, 3}));
    // Parents out of range, of itself or in a loop (no design has them) keep the order given, each once.
    EXPECT_EQ(ParentsBeforeChildren({7, 1, -1}), (Order{0, 1, 2}));
    EXPECT_EQ(ParentsBeforeChildren({1, 0, -1}), (Order{2, 0, 1}));
}

TEST(TabOrder, BringToFrontAndSendToBackMoveTheChosenItemsAndKeepEachGroupsOrder) {
    using Order = std::vector<size_t>;
    EXPECT_EQ(ChosenToFrontOrBack({false, true, false, true}, true), (Order{1, 3, 0, 2}));
    EXPECT_EQ(ChosenToFrontOrBack({false, true, false, true}, false), (Order{0, 2, 1, 3}));
    EXPECT_EQ(ChosenToFrontOrBack({true, false}, true), (Order{0, 1})) << "already in front";
    EXPECT_EQ(ChosenToFrontOrBack({}, true), Order{});
}

}  // namespace
}  // namespace tavrin
