// The design surface on a live dialog window, driven by mouse and key
// messages: its activation rules and error texts, insertion (grid point,
// names, events), moves snapped to the grid, selection by Shift and lasso,
// grab handles, Escape, and the code lines that follow moves and deletions.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "common/commands.h"
#include "designer/dialog_code.h"
#include "designer/dialog_window.h"
#include "editor/line_document.h"

namespace tavrin {
namespace {

std::string ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const CommandError& error) {
        return error.what();
    }
    return "<no error>";
}

class SurfaceTest : public testing::Test {
protected:
    void SetUp() override {
        dialog = std::make_unique<TDialog>("", nullptr);
        dialog->Create();
        surface().OnControlInserting = [this]() -> std::unique_ptr<TContainer> {
            if (!placing) return nullptr;
            return std::make_unique<TContainer>(dialog->Handle());
        };
        surface().OnChangeSelection = [this] { ++selectionChanges; };
        surface().OnModified = [this] { ++modifications; };
        surface().OnControlInserted = [this](TContainer& c) { inserted.push_back(c.Name()); };
        dialog->Show();
    }
    void TearDown() override { dialog.reset(); }

    TELDesigner& surface() { return dialog->ELDesigner; }
    HWND window() { return dialog->Handle(); }
    void Send(UINT message, int x, int y, WPARAM keys = 0) { SendMessageA(window(), message, keys, MAKELPARAM(x, y)); }
    void Click(int x, int y, WPARAM keys = 0) {
        Send(WM_LBUTTONDOWN, x, y, keys | MK_LBUTTON);
        Send(WM_LBUTTONUP, x, y, keys);
    }
    void Drag(int fromX, int fromY, int toX, int toY) {
        Send(WM_LBUTTONDOWN, fromX, fromY, MK_LBUTTON);
        Send(WM_MOUSEMOVE, toX, toY, MK_LBUTTON);
        Send(WM_LBUTTONUP, toX, toY);
    }
    // A press on a component arrives at the component's own window.
    void PressOn(TContainer& c, int x, int y, WPARAM keys = 0) {
        SendMessageA(c.Handle(), WM_LBUTTONDOWN, keys | MK_LBUTTON, MAKELPARAM(x, y));
    }
    TContainer& Place(int x, int y, int toX, int toY) {
        placing = true;
        Drag(x, y, toX, toY);
        placing = false;
        return *surface().Components().back();
    }
    std::vector<TELDesigner::Item> Selected() {
        std::vector<TELDesigner::Item> items;
        for (int i = 0; i < surface().SelectionCount(); ++i) items.push_back(surface().Selection(i));
        return items;
    }

    std::unique_ptr<TDialog> dialog;
    bool placing = false;
    int selectionChanges = 0;
    int modifications = 0;
    std::vector<std::string> inserted;
};

TEST(SurfaceRules, ActivationAndSelectionNeedTheirStateAndTheGridKeepsItsLimits) {
    TELDesigner surface;
    EXPECT_EQ(ErrorOf([&] { surface.SetActive(true); }), "Design control not specified");
    EXPECT_EQ(ErrorOf([&] { surface.SelectOnly(TELDesigner::Item{nullptr}); }), "Designer mast be active");
    EXPECT_EQ(ErrorOf([&] { surface.SelectionCount(); }), "Designer mast be active");

    TDialog dialog("", nullptr);
    dialog.Create();
    dialog.Show();
    EXPECT_TRUE(dialog.ELDesigner.Active()) << "showing the dialog activates its surface";
    EXPECT_EQ(ErrorOf([&] { dialog.ELDesigner.SetDesignControl(nullptr); }), "Designer mast be inactive");
    ASSERT_EQ(dialog.ELDesigner.SelectionCount(), 1);
    EXPECT_EQ(dialog.ELDesigner.Selection(0), nullptr) << "the window itself is selected";

    TContainer stranger(dialog.Handle());
    stranger.SetName("Stranger");
    EXPECT_EQ(ErrorOf([&] { dialog.ELDesigner.Select(&stranger); }), "Control 'Stranger' can not be selected");

    DesignerGrid grid;
    grid.XStep = 1;
    grid.YStep = 40;
    dialog.ELDesigner.SetGrid(grid);
    EXPECT_EQ(dialog.ELDesigner.Grid().XStep, 2);
    EXPECT_EQ(dialog.ELDesigner.Grid().YStep, 32);
}

TEST_F(SurfaceTest, AClickInsertsAnEmptyContainerAtTheGridPointAndNamesFillTheFirstGap) {
    selectionChanges = 0;  // not the activation's
    placing = true;
    Click(13, 21);
    ASSERT_EQ(surface().Components().size(), 1u);
    TContainer& first = *surface().Components()[0];
    EXPECT_EQ(first.Left(), 8);
    EXPECT_EQ(first.Top(), 16);
    EXPECT_EQ(first.Width(), 0);
    EXPECT_EQ(first.Height(), 0);
    EXPECT_EQ(Selected(), std::vector<TELDesigner::Item>{&first});
    EXPECT_EQ(modifications, 1);

    Click(100, 100);
    Click(200, 100);
    EXPECT_EQ(inserted, (std::vector<std::string>{"Container1", "Container2", "Container3"}));
    EXPECT_EQ(selectionChanges, 3) << "one change per insertion";

    surface().DeleteComponent(*surface().Components()[1]);
    Click(300, 100);
    EXPECT_EQ(surface().Components().back()->Name(), "Container2") << "the freed name is taken again";

    placing = false;
    Click(300, 200);
    EXPECT_EQ(surface().Components().size(), 3u) << "no class chosen: nothing inserted";
}

TEST_F(SurfaceTest, MovesSnapToTheGridWithHalvesToEven) {
    TContainer& c = Place(16, 16, 96, 48);  // 80 x 32 at (16,16)
    ASSERT_EQ(c.Width(), 80);
    struct Case {
        int dx, expected;
    };
    for (Case move : {Case{13, 16}, Case{11, 8}, Case{12, 16}, Case{4, 0}}) {
        int left = c.Left(), top = c.Top(), before = modifications;
        PressOn(c, 5, 5);
        Send(WM_MOUSEMOVE, left + 5 + move.dx, top + 5, MK_LBUTTON);
        Send(WM_LBUTTONUP, left + 5 + move.dx, top + 5);
        EXPECT_EQ(c.Left() - left, move.expected) << "dragged " << move.dx;
        EXPECT_EQ(c.Top(), top);
        EXPECT_EQ(c.Width(), 80) << "a move keeps the size";
        EXPECT_EQ(modifications - before, move.expected ? 1 : 0) << "a drag that moves nothing changes nothing";
    }
}

TEST_F(SurfaceTest, ShiftLassoAndEscapeSetTheSelectionAndTheHandlesFollowIt) {
    TContainer& a = Place(16, 16, 96, 48);
    TContainer& b = Place(16, 96, 96, 128);
    EXPECT_EQ(surface().HandleWindows().size(), 8u) << "one item: eight handles";

    // Shift+click on the only selected component leaves the window selected.
    PressOn(b, 5, 5, MK_SHIFT);
    Send(WM_LBUTTONUP, 21, 101);
    EXPECT_EQ(Selected(), std::vector<TELDesigner::Item>{nullptr});
    EXPECT_TRUE(surface().HandleWindows().empty()) << "the window itself shows no handles";

    // A lasso over both selects both, without the window.
    int before = selectionChanges;
    Drag(4, 4, 120, 120);
    EXPECT_EQ(Selected(), (std::vector<TELDesigner::Item>{&a, &b}));
    EXPECT_EQ(selectionChanges - before, 1) << "one change for the whole lasso";
    EXPECT_EQ(surface().HandleWindows().size(), 8u) << "several items: four corner handles each";
    RECT corner{};
    GetWindowRect(surface().HandleWindows()[0], &corner);
    MapWindowPoints(nullptr, window(), reinterpret_cast<POINT*>(&corner), 2);
    EXPECT_EQ(corner.left, a.Left()) << "inside the component";
    EXPECT_EQ(corner.right - corner.left, 5);

    // A lasso in an empty area leaves only the window selected.
    Drag(300, 200, 400, 250);
    EXPECT_EQ(Selected(), std::vector<TELDesigner::Item>{nullptr});

    // Escape leaves nothing selected.
    PressOn(a, 5, 5);
    Send(WM_LBUTTONUP, 21, 21);
    SendMessageA(window(), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(Selected().empty());
    EXPECT_TRUE(surface().HandleWindows().empty());
}

TEST_F(SurfaceTest, AHandleDragSizesTheComponentOnTheGrid) {
    TContainer& c = Place(16, 16, 96, 48);
    std::vector<HWND> handles = surface().HandleWindows();
    ASSERT_EQ(handles.size(), 8u);
    HWND bottomRight = handles[4];
    SendMessageA(bottomRight, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    RECT r{};
    GetWindowRect(bottomRight, &r);
    MapWindowPoints(nullptr, window(), reinterpret_cast<POINT*>(&r), 2);
    Send(WM_MOUSEMOVE, r.left + 2 + 21, r.top + 2 + 3, MK_LBUTTON);
    Send(WM_LBUTTONUP, r.left + 2 + 21, r.top + 2 + 3);
    EXPECT_EQ(c.Left(), 16);
    EXPECT_EQ(c.Width(), 80 + 24);
    EXPECT_EQ(c.Height(), 32) << "3 pixels snap to nothing";
}

TEST_F(SurfaceTest, MovesAndDeletionsRewriteTheLinkedCode) {
    VectorLineDocument code;
    WriteDialogSkeleton(code, "Dialog", DialogCodeSettings{});
    TContainer* c = dialog->AddComponentFromCode("Button1", "QButton");
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(dialog->AddComponentFromCode("button1", "QButton"), nullptr) << "names are unique without case";
    c->SetBounds(16, 16, 80, 32);
    WriteComponent(code, "Dialog", {c, "Button1", false}, "QButton", {16, 16, 80, 32});
    dialog->Code = &code;
    int codeChanges = 0;
    dialog->OnCodeModified = [&] { ++codeChanges; };
    surface().OnModified = [&] { ++codeChanges; };

    PressOn(*c, 5, 5);
    Send(WM_MOUSEMOVE, 21 + 16, 21 + 8, MK_LBUTTON);
    Send(WM_LBUTTONUP, 21 + 16, 21 + 8);
    EXPECT_NE(code.Text().find("Button1.SetBounds(32,24,80,32)"), std::string::npos) << code.Text();
    EXPECT_EQ(code.Text().find("Button1.SetBounds(16,16"), std::string::npos) << "rewritten in place";

    SendMessageA(window(), WM_KEYDOWN, VK_DELETE, 0);
    EXPECT_TRUE(surface().Components().empty());
    EXPECT_EQ(code.Text().find("Button1"), std::string::npos) << "a deleted component's lines go";
    EXPECT_EQ(code.FindTag(c), -1);
}

}  // namespace
}  // namespace tavrin
