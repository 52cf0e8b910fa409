// The palette's pages and buttons: the wrapping layout, the lookups without
// regard to case, the radio behaviour of a page's buttons, and what its view
// is told.
#include <gtest/gtest.h>

#include <algorithm>

#include "packhost/class_names_text.h"
#include "packhost/palette.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"

namespace tavrin::test {
namespace {

using Kind = ScriptedPrompts::Kind;

std::vector<PalettePoint> PositionsOf(const TPalettePage& page) {
    std::vector<PalettePoint> positions;
    for (const auto& button : page.Buttons()) positions.push_back(button->Position());
    return positions;
}

// Records what the palette tells its view.
class RecordingView : public PaletteView {
public:
    std::vector<std::string> events;
    void PageAdded(TPalettePage& page) override { events.push_back("page+ " + page.Caption()); }
    void PageRemoving(TPalettePage& page) override { events.push_back("page- " + page.Caption()); }
    void ButtonAdded(TPaletteButton& button) override { events.push_back("button+ " + button.Hint()); }
    void ButtonRemoving(TPaletteButton& button) override { events.push_back("button- " + button.Hint()); }
    void ButtonChanged(TPaletteButton& button) override { ++changes; }
    void ActivePageChanged(TPalettePage* page) override {
        events.push_back("active " + (page ? page->Caption() : std::string("none")));
    }
    int changes = 0;
};

TEST(PaletteLayout, RowsWrapWhenTheNextCellReachesTheRightEdge) {
    EXPECT_EQ((PalettePoint{4, 4}), ArrowButtonPosition());
    EXPECT_EQ((std::vector<PalettePoint>{{32, 4}, {60, 4}, {88, 4}, {4, 32}, {32, 32}}),
              ClassButtonPositions(5, 100));
    // A cell that ends exactly at the edge still starts a new row: 4 + 28 * 4 = 116.
    EXPECT_EQ((std::vector<PalettePoint>{{32, 4}, {60, 4}, {88, 4}, {4, 32}}), ClassButtonPositions(4, 116));
    EXPECT_EQ((std::vector<PalettePoint>{{32, 4}, {60, 4}, {88, 4}, {116, 4}}), ClassButtonPositions(4, 117));
    // A page too narrow for a second cell stacks every button in the first column.
    EXPECT_EQ((std::vector<PalettePoint>{{4, 32}, {4, 60}, {4, 88}}), ClassButtonPositions(3, 10));
    EXPECT_TRUE(ClassButtonPositions(0, 100).empty());
}

TEST(PaletteLayout, CellsAndMarginsFollowTheResolution) {
    EXPECT_EQ(28, PaletteCellSize(96));
    EXPECT_EQ(42, PaletteCellSize(144));
    EXPECT_EQ(56, PaletteCellSize(192));
    EXPECT_EQ((PalettePoint{6, 6}), ArrowButtonPosition(144));
    EXPECT_EQ((PalettePoint{8, 8}), ArrowButtonPosition(192));
    // 150 %: margin 6, cells of 42; a cell ending at the edge wraps as at 100 %.
    EXPECT_EQ((std::vector<PalettePoint>{{48, 6}, {90, 6}, {132, 6}, {6, 48}}), ClassButtonPositions(4, 174, 144));
    EXPECT_EQ((std::vector<PalettePoint>{{48, 6}, {90, 6}, {132, 6}, {174, 6}}), ClassButtonPositions(4, 175, 144));
    // 200 % is the 100 % layout doubled on a page twice as wide.
    auto single = ClassButtonPositions(7, 150), twice = ClassButtonPositions(7, 300, 192);
    for (std::size_t i = 0; i < single.size(); ++i)
        EXPECT_EQ((PalettePoint{single[i].x * 2, single[i].y * 2}), twice[i]) << i;
}

TEST(PaletteLayout, TheContentHeightReachesTheLowestRowAtEveryScale) {
    // A strip a little over 1000 pixels wide: forty classes need more rows at every scale.
    for (int dpi : {96, 144, 192}) {
        const int cell = PaletteCellSize(dpi), width = 1010;
        auto positions = ClassButtonPositions(40, width, dpi);
        int lowest = ArrowButtonPosition(dpi).y + cell;
        for (const PalettePoint& at : positions) {
            EXPECT_LT(at.x, width) << dpi;
            lowest = std::max(lowest, at.y + cell);
        }
        EXPECT_EQ(lowest, PaletteContentHeight(40, width, dpi)) << dpi;
        EXPECT_GT(positions.back().y, positions.front().y) << dpi;
    }
    EXPECT_EQ(32, PaletteContentHeight(0, 100));       // the arrow alone
    EXPECT_EQ(60, PaletteContentHeight(5, 100));       // two rows: 32 + 28
    EXPECT_EQ(64, PaletteContentHeight(1, 200, 192));  // 8 + 56
    EXPECT_EQ(120, PaletteContentHeight(2, 100, 192)); // the second class starts at 120, past the edge: second row
}

TEST(ClassNamesText, BreaksAfterTheFirstOfEveryFiveNames) {
    std::vector<std::string> ten = {"Q0", "Q1", "Q2", "Q3", "Q4", "Q5", "Q6", "Q7", "Q8", "Q9"};
    EXPECT_EQ("Q0 ,\nQ1 ,Q2 ,Q3 ,Q4 ,Q5 ,\nQ6 ,Q7 ,Q8 ,Q9", JoinClassNames(ten));
    std::vector<std::string> seven(ten.begin(), ten.begin() + 7);
    EXPECT_EQ("Q0 ,\nQ1 ,Q2 ,Q3 ,Q4 ,Q5 ,\nQ6", JoinClassNames(seven));
    EXPECT_EQ("Q0\n", JoinClassNames({"Q0"}));
    EXPECT_EQ("Q0 ,\nQ1", JoinClassNames({"Q0", "Q1"}));
    EXPECT_EQ("", JoinClassNames({}));
}

class PaletteTest : public testing::Test {
protected:
    PaletteTest() {
        palette.SetPageClientWidth(100);
        palette.SetView(&view);
    }
    ScriptedPrompts prompts;
    RecordingView view;
    TPaletteControl palette;
};

TEST_F(PaletteTest, ButtonsOfAHundredPixelPageGoToTheirCells) {
    for (const char* name : {"QA", "QB", "QC", "QD"}) palette.AddButton("Standards", name, "");
    TPalettePage& page = *palette.FindPage("Standards");
    EXPECT_EQ((std::vector<PalettePoint>{{32, 4}, {60, 4}, {88, 4}, {4, 32}}), PositionsOf(page));
    palette.AddButton("Standards", "QE", "");
    EXPECT_EQ((PalettePoint{32, 32}), page.Buttons().back()->Position());
    EXPECT_EQ((PalettePoint{4, 4}), page.Arrow().Position());
    // A wider page lays its buttons out again.
    page.SetClientWidth(400);
    EXPECT_EQ((PalettePoint{144, 4}), page.Buttons().back()->Position());
}

TEST_F(PaletteTest, AResolutionChangeLaysEveryPageOutAgain) {
    for (const char* name : {"QA", "QB", "QC"}) palette.AddButton("Standards", name, "");
    palette.AddButton("Additional", "QX", "");
    palette.SetPageClientWidth(200);
    int before = view.changes;
    palette.SetDpi(144);
    EXPECT_EQ(144, palette.Dpi());
    TPalettePage& standards = *palette.FindPage("Standards");
    EXPECT_EQ((PalettePoint{6, 6}), standards.Arrow().Position());
    EXPECT_EQ((std::vector<PalettePoint>{{48, 6}, {90, 6}, {132, 6}}), PositionsOf(standards));
    EXPECT_EQ((std::vector<PalettePoint>{{48, 6}}), PositionsOf(*palette.FindPage("Additional")));
    EXPECT_EQ(view.changes - before, 6) << "both arrows and the four class buttons moved and were shown";
    // Buttons added later take the cells of the new resolution.
    palette.AddButton("Standards", "QD", "");
    EXPECT_EQ((PalettePoint{174, 6}), standards.Buttons().back()->Position()) << "6 + 4 x 42, not 4 + 4 x 28";
    // The same resolution again, or none, changes nothing.
    before = view.changes;
    palette.SetDpi(144);
    palette.SetDpi(0);
    EXPECT_EQ(before, view.changes);
    EXPECT_EQ(144, palette.Dpi());
}

TEST_F(PaletteTest, AddButtonCreatesThePageOnceAndMakesItActive) {
    TPaletteButton* button = palette.AddButton("Standards", "QButton", "");
    ASSERT_NE(nullptr, button);
    EXPECT_EQ("QButton", button->Hint());
    EXPECT_EQ(&button->Page(), palette.ActivePalette());
    palette.AddButton("Other", "QOther", "");
    EXPECT_EQ("Other", palette.ActivePalette()->Caption());
    palette.AddButton("standards", "QEdit", "");  // the page name is compared without case
    ASSERT_EQ(2u, palette.Pages().size());
    EXPECT_EQ(2u, palette.FindPage("STANDARDS")->Buttons().size());
    EXPECT_EQ(nullptr, palette.FindPage("Standard"));
    EXPECT_EQ((std::vector<std::string>{"page+ Standards", "active Standards", "button+ QButton", "page+ Other",
                                        "active Other", "button+ QOther", "button+ QEdit"}),
              view.events);
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(PaletteTest, AClassAlreadyOnThePaletteStaysWhereItIsWithOneInformation) {
    TPaletteButton* first = palette.AddButton("Standards", "QButton", "");
    TPaletteButton* second = palette.AddButton("user", "qbutton", "");
    EXPECT_EQ(first, second);
    EXPECT_EQ(nullptr, palette.FindPage("user"));
    EXPECT_EQ(1u, palette.FindPage("Standards")->Buttons().size());
    EXPECT_EQ((std::vector<std::string>{"The qbutton class allready registered."}),
              prompts.TextsOf(Kind::Information));
}

TEST_F(PaletteTest, FindButtonIgnoresCaseSkipsArrowsAndActivatesThePage) {
    palette.AddButton("One", "QButton", "");
    palette.AddButton("Two", "QEdit", "");
    EXPECT_EQ("Two", palette.ActivePalette()->Caption());
    TPaletteButton* found = palette.FindButton("qBUTTON");
    ASSERT_NE(nullptr, found);
    EXPECT_EQ("One", palette.ActivePalette()->Caption());
    EXPECT_EQ(nullptr, palette.FindButton("NULL"));  // the arrows' hint
    EXPECT_EQ(nullptr, palette.FindButton("QButto"));
}

TEST_F(PaletteTest, RemoveButtonClosesTheGapAndKeepsTheEmptyPage) {
    for (const char* name : {"QA", "QB", "QC", "QD"}) palette.AddButton("Standards", name, "");
    TPalettePage& page = *palette.FindPage("Standards");
    page.Buttons()[1]->Click();
    palette.RemoveButton("qb");
    EXPECT_EQ((std::vector<PalettePoint>{{32, 4}, {60, 4}, {88, 4}}), PositionsOf(page));
    EXPECT_TRUE(page.Arrow().Pressed()) << "the group keeps a button down";
    palette.RemoveButton("QNothing");
    for (const char* name : {"QA", "QC", "QD"}) palette.RemoveButton(name);
    EXPECT_TRUE(page.Buttons().empty());
    EXPECT_EQ(&page, palette.FindPage("Standards"));
    EXPECT_EQ("button- QD", view.events.back());
}

TEST_F(PaletteTest, ClassListHoldsEveryClassButtonInPageAndButtonOrder) {
    palette.AddButton("One", "QA", "");
    palette.AddButton("Two", "QB", "");
    palette.AddButton("One", "QC", "");
    const StringList& list = palette.ClassList();
    EXPECT_EQ((std::vector<std::string>{"QA", "QC", "QB"}), list.Texts());
    EXPECT_EQ(palette.FindButton("QC"), list.Object(1));
    palette.RemoveButton("QA");
    EXPECT_EQ((std::vector<std::string>{"QC", "QB"}), palette.ClassList().Texts()) << "replaced at each call";
}

TEST_F(PaletteTest, ButtonsOfAPageBehaveLikeRadioButtons) {
    palette.AddButton("One", "QA", "");
    palette.AddButton("One", "QB", "");
    TPalettePage& page = *palette.FindPage("One");
    EXPECT_TRUE(page.Arrow().Pressed());
    std::vector<std::string> clicked;
    palette.OnClick = [&](TPaletteButton& button) { clicked.push_back(button.Hint()); };
    page.Buttons()[0]->Click();
    EXPECT_TRUE(page.Buttons()[0]->Pressed());
    EXPECT_FALSE(page.Arrow().Pressed());
    page.Buttons()[1]->Click();
    EXPECT_FALSE(page.Buttons()[0]->Pressed());
    EXPECT_TRUE(page.Buttons()[1]->Pressed());
    page.Arrow().Click();
    EXPECT_TRUE(page.Arrow().Pressed());
    EXPECT_FALSE(page.Buttons()[1]->Pressed());
    EXPECT_EQ((std::vector<std::string>{"QA", "QB", "NULL"}), clicked);
    page.Buttons()[0]->Click();
    page.Release();
    EXPECT_TRUE(page.Arrow().Pressed());
    EXPECT_FALSE(page.Buttons()[0]->Pressed());
    EXPECT_EQ(4u, clicked.size()) << "releasing a page raises no click";
}

TEST_F(PaletteTest, ResetPressesEveryArrowAndShowsTheFirstPage) {
    palette.AddButton("One", "QA", "");
    palette.AddButton("Two", "QB", "");
    palette.FindButton("QA")->Click();
    palette.FindButton("QB")->Click();
    palette.Reset();
    EXPECT_EQ("One", palette.ActivePalette()->Caption());
    for (const auto& page : palette.Pages()) {
        EXPECT_TRUE(page->Arrow().Pressed());
        EXPECT_FALSE(page->Buttons()[0]->Pressed());
    }
    TPaletteControl empty;
    empty.Reset();
    EXPECT_EQ(nullptr, empty.ActivePalette());
}

TEST_F(PaletteTest, FlatReachesEveryButtonIncludingLaterOnes) {
    palette.AddButton("One", "QA", "");
    palette.SetFlat(true);
    EXPECT_TRUE(palette.FindPage("One")->Arrow().Flat());
    EXPECT_TRUE(palette.FindButton("QA")->Flat());
    palette.AddButton("Two", "QB", "");
    EXPECT_TRUE(palette.FindButton("QB")->Flat());
    EXPECT_TRUE(palette.FindPage("Two")->Arrow().Flat());
    palette.SetFlat(false);
    EXPECT_FALSE(palette.FindButton("QB")->Flat());
}

TEST_F(PaletteTest, AGlyphIsTakenOnlyFromAFileThatExists) {
    TempFolder folder;
    std::string glyph = folder.Write("QA.bmp", "BM");
    EXPECT_EQ(glyph, palette.AddButton("One", "QA", glyph)->Glyph());
    EXPECT_EQ("", palette.AddButton("One", "QB", folder.Path("QB.bmp"))->Glyph());
    int before = view.changes;
    EXPECT_FALSE(palette.FindButton("QB")->LoadGlyph(folder.Path("none.bmp")));
    EXPECT_EQ(before, view.changes);
}

TEST_F(PaletteTest, RemovingTheActivePageShowsItsNeighbour) {
    palette.AddButton("One", "QA", "");
    palette.AddButton("Two", "QB", "");
    palette.AddButton("Three", "QC", "");
    palette.FindButton("QB");
    palette.RemovePage(*palette.FindPage("Two"));
    EXPECT_EQ("Three", palette.ActivePalette()->Caption());
    palette.RemovePage(*palette.FindPage("Three"));
    EXPECT_EQ("One", palette.ActivePalette()->Caption());
    palette.RemovePage(*palette.FindPage("One"));
    EXPECT_EQ(nullptr, palette.ActivePalette());
    EXPECT_EQ("active none", view.events.back());
}

}  // namespace
}  // namespace tavrin::test
