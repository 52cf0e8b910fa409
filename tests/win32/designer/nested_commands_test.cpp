// The surface's commands on components inside a group box, under Wine with
// Velpack's live windows: undo and redo rebuild the nesting, copy and paste
// keep children in their (renamed) pasted parent and paste into the current
// group box, the keyboard commands act on nested components with their
// relative bounds lines, and a tab order keeps parents before what they hold.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "designer/dialog_code.h"
#include "designer/dialog_commands.h"
#include "designer/dialog_window.h"
#include "designer/tab_order_dialog.h"
#include "group_box_dialog.h"

namespace tavrin::test {
namespace {

Bounds BoundsOf(const TContainer& c) { return {c.Left(), c.Top(), c.Width(), c.Height()}; }

class NestedCommandsTest : public GroupBoxDialogTest {
protected:
    // Container1: the group box; Container2: a button at (16, 8) inside it;
    // Container3: a button on the dialog at (248, 16).
    void SetUp() override {
        GroupBoxDialogTest::SetUp();
        inner = &Insert("QButton", box->Handle(), 21, 13, 101, 45);
        outer = &Insert("QButton", window(), 248, 16, 328, 40);
    }
    DialogCommands& commands() { return dialog->Commands(); }
    TContainer* Named(const std::string& name) {
        for (const auto& c : surface().Components())
            if (c->Name() == name) return c.get();
        return nullptr;
    }
    bool Has(const std::string& lines) { return code.Text().find(lines) != std::string::npos; }
    void Key(WPARAM key, bool shift = false, bool control = false) { surface().HandleKey(key, shift, control, false); }
    // The component stands in parent's window, above its live window, and the surface knows it.
    void ExpectInside(TContainer& child, TContainer& parent) {
        EXPECT_EQ(child.ParentComponent(), &parent) << child.Name();
        EXPECT_EQ(surface().ParentOf(child), &parent) << child.Name();
        EXPECT_EQ(GetParent(child.Handle()), parent.Handle()) << child.Name();
        ASSERT_NE(parent.HostHandle(), nullptr);
        bool aboveLive = false;
        for (HWND w = GetWindow(parent.Handle(), GW_CHILD); w && w != parent.HostHandle(); w = GetWindow(w, GW_HWNDNEXT))
            aboveLive = aboveLive || w == child.Handle();
        EXPECT_TRUE(aboveLive) << child.Name() << " is hidden beneath the live window";
    }

    TContainer* inner = nullptr;
    TContainer* outer = nullptr;
};

TEST_F(NestedCommandsTest, UndoAndRedoOfADeletedGroupBoxRebuildTheNestingThatLaterCommandsUse) {
    std::string before = code.Text();
    surface().SelectOnly(box);
    Key(VK_DELETE);
    ASSERT_EQ(surface().Components().size(), 1u);
    std::string deleted = code.Text();
    Key('Z', false, true);
    EXPECT_EQ(code.Text(), before);
    ASSERT_EQ(surface().Components().size(), 3u);
    TContainer& box2 = *Named("Container1");
    TContainer& inner2 = *Named("Container2");
    ExpectInside(inner2, box2);
    EXPECT_EQ(BoundsOf(inner2), (Bounds{16, 8, 80, 32}));
    // The grab handles of the restored child stand at its place in the dialog.
    surface().SelectOnly(&inner2);
    std::vector<HWND> handles = surface().HandleWindows();
    ASSERT_FALSE(handles.empty());
    RECT first{}, child{};
    GetWindowRect(handles[0], &first);
    GetWindowRect(inner2.Handle(), &child);
    EXPECT_LE(std::abs(first.left - child.left), 4) << "handles beside the child, not at the box's origin";
    EXPECT_LE(std::abs(first.top - child.top), 4);
    // Moving it rewrites its relative bounds line.
    Key(VK_RIGHT, false, true);
    EXPECT_TRUE(Has("Container2.Parent=@Container1\r\nContainer2.SetBounds(17,8,80,32)\r\n")) << code.Text();
    // Deleting the restored box takes the restored child and its lines.
    surface().SelectOnly(&box2);
    Key(VK_DELETE);
    EXPECT_EQ(surface().Components().size(), 1u);
    EXPECT_EQ(code.Text(), deleted);
    Key('Z', false, true);
    Key('Z', false, true);
    EXPECT_EQ(code.Text(), before);
    Key('Y', false, true);
    ExpectInside(*Named("Container2"), *Named("Container1"));
    EXPECT_TRUE(Has("Container2.SetBounds(17,8,80,32)"));
}

TEST_F(NestedCommandsTest, APastedGroupBoxHoldsItsPastedChildAndAPasteGoesIntoTheCurrentGroupBox) {
    std::string before = code.Text();
    surface().SelectOnly(box);
    Key('C', false, true);
    surface().SelectOnly(TELDesigner::Item{nullptr});
    Key('V', false, true);
    ASSERT_EQ(surface().Components().size(), 5u);
    TContainer& box2 = *Named("Container4");
    TContainer& inner2 = *Named("Container5");
    EXPECT_EQ(box2.ParentComponent(), nullptr);
    EXPECT_EQ(BoundsOf(box2), (Bounds{24, 24, 200, 120}));
    ExpectInside(inner2, box2);
    EXPECT_EQ(BoundsOf(inner2), (Bounds{16, 8, 80, 32})) << "where it stood in the copied box";
    EXPECT_TRUE(Has("Container4.Parent=@This\r\nContainer4.SetBounds(24,24,200,120)\r\n")) << code.Text();
    EXPECT_TRUE(Has("Container5.Parent=@Container4\r\nContainer5.SetBounds(16,8,80,32)\r\n")) << code.Text();
    EXPECT_LT(code.Text().find("Container4 as QGroupBox"), code.Text().find("Container5 as QButton"));

    // With the box current, the dialog's button pastes into it, kept inside it.
    surface().SelectOnly(outer);
    Key('C', false, true);
    surface().SelectOnly(box);
    Key('V', false, true);
    TContainer& pasted = *surface().Components().back();
    EXPECT_EQ(pasted.Name(), "Container6");
    ExpectInside(pasted, *box);
    RECT area{};
    GetClientRect(box->Handle(), &area);
    EXPECT_EQ(pasted.Left(), area.right - 80) << "the copied left 248 lies beyond the box";
    EXPECT_EQ(pasted.Top(), 16);
    EXPECT_TRUE(Has("Container6.Parent=@Container1\r\nContainer6.SetBounds(" + std::to_string(pasted.Left()) +
                    ",16,80,24)\r\n"))
        << code.Text();
    // With the box's button current, a paste goes into the box around it, one step from the copy.
    surface().SelectOnly(inner);
    Key('C', false, true);
    Key('V', false, true);
    TContainer& sibling = *surface().Components().back();
    ExpectInside(sibling, *box);
    EXPECT_EQ(BoundsOf(sibling), (Bounds{24, 16, 80, 32}));
    for (int i = 0; i < 3; ++i) Key('Z', false, true);
    EXPECT_EQ(code.Text(), before);
    Key('Y', false, true);
    ExpectInside(*Named("Container5"), *Named("Container4"));
}

TEST_F(NestedCommandsTest, KeyboardCommandsActOnNestedComponentsWithTheirRelativeLines) {
    // Tab walks every component in creation order, the nested one included.
    surface().SelectOnly(box);
    Key(VK_TAB);
    EXPECT_EQ(surface().Current(), inner);
    Key(VK_TAB);
    EXPECT_EQ(surface().Current(), outer);
    Key(VK_TAB, true);
    EXPECT_EQ(surface().Current(), inner);
    // Shift+arrow sizes the nested button; align to grid works in the box's client area.
    Key(VK_RIGHT, true);
    EXPECT_TRUE(Has("Container2.SetBounds(16,8,81,32)")) << code.Text();
    Key(VK_RIGHT, false, true);
    surface().AlignToGrid();
    EXPECT_EQ(BoundsOf(*inner), (Bounds{16, 8, 81, 32})) << "17 is nearer 16 on the box's grid";
    EXPECT_TRUE(Has("Container2.SetBounds(16,8,81,32)")) << code.Text();
    // Aligning applies among the current component's siblings: the others leave the selection.
    surface().SelectOnly(outer);
    surface().Select(inner);
    surface().Align(1, 0);
    EXPECT_EQ(surface().SelectionCount(), 1);
    EXPECT_EQ(BoundsOf(*outer), (Bounds{248, 16, 80, 24}));
    EXPECT_EQ(inner->Left(), 16);
    // Ctrl+arrows move only the current component's siblings.
    surface().SelectOnly(box);
    surface().Select(inner);
    Key(VK_DOWN, false, true);
    EXPECT_EQ(box->Top(), 16);
    EXPECT_TRUE(Has("Container2.SetBounds(16,9,81,32)")) << code.Text();
    // Select All then Delete removes parents with their children, every line too.
    surface().SelectAll();
    EXPECT_EQ(surface().SelectionCount(), 4) << "the window and the three components";
    Key(VK_DELETE);
    EXPECT_TRUE(surface().Components().empty());
    EXPECT_EQ(code.Text().find("Container"), std::string::npos) << code.Text();
}

TEST_F(NestedCommandsTest, ATabOrderKeepsEveryParentBeforeWhatItHolds) {
    std::string before = code.Text();
    commands().Begin();
    commands().SetTabOrder({"Container3", "Container2", "Container1"});
    ASSERT_EQ(surface().Components().size(), 3u);
    EXPECT_EQ(surface().Components()[0].get(), outer);
    EXPECT_EQ(surface().Components()[1].get(), box);
    EXPECT_EQ(surface().Components()[2].get(), inner) << "the button comes right after its group box";
    std::string text = code.Text();
    EXPECT_LT(text.find("Container3 as QButton"), text.find("Container1 as QGroupBox"));
    EXPECT_LT(text.find("Container1 as QGroupBox"), text.find("Container2 as QButton"));
    EXPECT_LT(text.find("Container1.Parent=@This"), text.find("Container2.Parent=@Container1"));
    ExpectInside(*inner, *box);
    commands().Undo();
    EXPECT_EQ(code.Text(), before);
    ExpectInside(*Named("Container2"), *Named("Container1"));
}

TEST(TabOrderWindow, AComponentInsideAnotherIsListedWithItAndMovesKeepTheNames) {
    TTabOrder window({"Container1", "Container2", "Container3"}, {{"Container2", "Container1"}});
    window.Create(nullptr);
    auto entry = [&](int index) {
        char text[64] = {};
        SendMessageA(window.List(), LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
        return std::string(text);
    };
    EXPECT_EQ(entry(1), "Container2  (in Container1)");
    EXPECT_EQ(entry(2), "Container3");
    SendMessageA(window.List(), LB_SETCURSEL, 1, 0);
    window.MoveSelected(1);
    EXPECT_EQ(entry(2), "Container2  (in Container1)");
    EXPECT_EQ(window.Names(), (std::vector<std::string>{"Container1", "Container3", "Container2"}));
}

}  // namespace
}  // namespace tavrin::test
