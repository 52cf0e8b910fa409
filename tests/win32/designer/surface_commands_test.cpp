// The surface's commands on a live dialog with its code lines: arrow keys,
// delete with locks, select all, align to grid, the alignment operations and
// dialog, copy and paste through the clipboard, and undo and redo restoring
// the code text exactly.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "common/commands.h"
#include "common/message_pump.h"
#include "designer/control_alignment.h"
#include "designer/dialog_code.h"
#include "designer/dialog_events.h"
#include "designer/dialog_window.h"
#include "designer/global_designer.h"
#include "designer/property_lines.h"
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

Bounds BoundsOf(const TContainer& c) { return {c.Left(), c.Top(), c.Width(), c.Height()}; }

// Whether sibling window a lies above sibling b.
bool Above(HWND a, HWND b) {
    for (HWND below = GetWindow(a, GW_HWNDNEXT); below; below = GetWindow(below, GW_HWNDNEXT))
        if (below == b) return true;
    return false;
}

class CommandsTest : public testing::Test {
protected:
    void SetUp() override {
        dialog = std::make_unique<TDialog>("", nullptr);
        dialog->Create();
        dialog->SetName("Dialog1");
        WriteDialogSkeleton(code, "Dialog1", DialogCodeSettings{});
        dialog->Code = &code;
        dialog->WriteOwnContainerLines();
        dialog->Show();
        for (Bounds b : {Bounds{13, 21, 40, 20}, Bounds{100, 20, 40, 20}, Bounds{12, 20, 1, 20}}) Add(b);
    }
    void TearDown() override { dialog.reset(); }

    // A component as the code reader makes it, with its lines.
    TContainer& Add(const Bounds& b) {
        std::string name = surface().GetUniqueName("TContainer");
        TContainer* c = dialog->AddComponentFromCode(name, "BUTTON");
        c->SetBounds(b.left, b.top, b.width, b.height);
        WriteComponent(code, "Dialog1", {c, name, false}, "QButton", b);
        return *c;
    }
    TELDesigner& surface() { return dialog->ELDesigner; }
    TContainer& At(size_t index) { return *surface().Components()[index]; }
    void SelectOnly(std::initializer_list<size_t> indexes) {
        surface().SelectOnly(std::nullopt);
        for (size_t i : indexes) surface().Select(&At(i));
    }
    std::string BoundsLine(const std::string& name) {
        for (int i = 0; i < code.LineCount(); ++i)
            if (code.Line(i).rfind(name + ".SetBounds", 0) == 0) return code.Line(i);
        return "<none>";
    }
    void Key(WPARAM key) { SendMessageA(dialog->Handle(), WM_KEYDOWN, key, 0); }

    std::unique_ptr<TDialog> dialog;
    VectorLineDocument code;
};

TEST_F(CommandsTest, ArrowKeysMoveAndSizeTheSelectedSiblingsAndRewriteTheirBoundsLines) {
    SelectOnly({0, 1, 2});
    EXPECT_TRUE(surface().HandleKey(VK_RIGHT, false, true, false));
    EXPECT_EQ(BoundsOf(At(0)), (Bounds{14, 21, 40, 20}));
    EXPECT_EQ(BoundsOf(At(1)), (Bounds{101, 20, 40, 20}));
    EXPECT_EQ(BoundsOf(At(2)), (Bounds{13, 20, 1, 20}));
    EXPECT_EQ(BoundsLine("Container2"), "Container2.SetBounds(101,20,40,20)");
    SelectOnly({2});
    surface().HandleKey(VK_LEFT, true, false, false);
    EXPECT_EQ(At(2).Width(), 0);
    surface().HandleKey(VK_LEFT, true, false, false);
    EXPECT_EQ(At(2).Width(), 0) << "a size never goes below 0";
    EXPECT_EQ(BoundsLine("Container3"), "Container3.SetBounds(13,20,0,20)");
    surface().HandleKey(VK_LEFT, false, false, true);
    EXPECT_EQ(BoundsOf(At(2)), (Bounds{13, 20, 0, 20})) << "Alt+arrow alone does nothing";
    // Plain arrows select the neighbour; Tab walks the creation order.
    SelectOnly({0});
    Key(VK_RIGHT);
    EXPECT_EQ(surface().Current(), &At(1));
    Key(VK_TAB);
    EXPECT_EQ(surface().Current(), &At(2));
    Key(VK_TAB);
    EXPECT_EQ(surface().Current(), &At(0)) << "Tab wraps around";
    surface().HandleKey(VK_TAB, true, false, false);
    EXPECT_EQ(surface().Current(), &At(2));
}

TEST_F(CommandsTest, DeleteRemovesTheSelectedComponentsWithTheirLinesUnlessTheyAreLocked) {
    std::string before = code.Text();
    surface().SelectOnly(TELDesigner::Item{nullptr});
    Key(VK_DELETE);
    EXPECT_EQ(surface().Components().size(), 3u);
    EXPECT_EQ(code.Text(), before);
    SelectOnly({0, 2});
    surface().SetLocks(At(2), lockNoDelete);
    EXPECT_EQ(ErrorOf([&] { surface().DeleteSelection(); }),
              "Control \"Container3\" or some of it chidrens can not\r be deleted becouse they are locked");
    surface().SetLocks(At(0), lockNoDelete);
    EXPECT_EQ(ErrorOf([&] { surface().DeleteSelection(); }), "Some controls is locked. Can not delete controls.");
    EXPECT_EQ(surface().Components().size(), 3u);
    surface().SetLocks(At(0), 0);
    surface().SetLocks(At(2), 0);
    surface().DeleteSelection();
    ASSERT_EQ(surface().Components().size(), 1u);
    EXPECT_EQ(At(0).Name(), "Container2");
    EXPECT_EQ(code.Text().find("Container1"), std::string::npos);
    EXPECT_EQ(code.Text().find("Container3"), std::string::npos);
}

TEST_F(CommandsTest, GridAlignmentAndTheAlignOperationsWorkOnTheSelectedSiblings) {
    surface().SelectAll();
    EXPECT_EQ(surface().SelectionCount(), 4) << "the window and every component";
    surface().AlignToGrid();
    EXPECT_EQ(BoundsOf(At(0)), (Bounds{16, 24, 40, 20}));
    EXPECT_EQ(BoundsOf(At(2)), (Bounds{16, 16, 1, 20}));
    EXPECT_EQ(BoundsLine("Container1"), "Container1.SetBounds(16,24,40,20)");
    // Space equally: lefts 0, 10, 100 put the middle one at 50; two items change nothing.
    At(0).SetBounds(0, 0, 10, 10);
    At(1).SetBounds(100, 0, 10, 10);
    At(2).SetBounds(10, 0, 10, 10);
    SelectOnly({0, 1});
    surface().Align(4, 0);
    EXPECT_EQ(At(0).Left(), 0);
    EXPECT_EQ(At(1).Left(), 100);
    SelectOnly({0, 1, 2});
    surface().Align(4, 0);
    EXPECT_EQ(At(2).Left(), 50);
    EXPECT_EQ(BoundsLine("Container3"), "Container3.SetBounds(50,0,10,10)");
    // Centre and centre: every item's centre on the first selected one's.
    At(0).SetBounds(20, 30, 40, 20);
    At(1).SetBounds(0, 0, 10, 6);
    SelectOnly({0, 1});
    surface().Align(2, 2);
    EXPECT_EQ(BoundsOf(At(1)), (Bounds{35, 37, 10, 6}));
    surface().SelectOnly(TELDesigner::Item{nullptr});
    surface().Align(2, 2);  // the window is current: nothing
    EXPECT_EQ(BoundsOf(At(1)), (Bounds{35, 37, 10, 6}));
}

TEST_F(CommandsTest, PasteLandsOneGridStepAwayWithTheNextFreeNameAndWritesItsLines) {
    At(0).SetText("Hello");
    SelectOnly({0});
    ASSERT_TRUE(surface().CanCopy());
    surface().Copy();
    ASSERT_TRUE(surface().CanPaste());
    surface().Paste();
    ASSERT_EQ(surface().Components().size(), 4u);
    TContainer& pasted = At(3);
    EXPECT_EQ(pasted.Name(), "Container4");
    EXPECT_EQ(BoundsOf(pasted), (Bounds{21, 29, 40, 20}));
    EXPECT_EQ(pasted.Text(), "Hello");
    EXPECT_EQ(pasted.Host(), "BUTTON");
    EXPECT_NE(pasted.HostHandle(), At(0).HostHandle());
    EXPECT_EQ(surface().Current(), &pasted);
    EXPECT_EQ(BoundsLine("Container4"), "Container4.SetBounds(21,29,40,20)");
    EXPECT_NE(code.Text().find("Container4 as BUTTON"), std::string::npos);
    EXPECT_NE(code.Text().find("Container4.Text=\"Hello\""), std::string::npos);
    // Pasting again steps past the first copy.
    surface().Paste();
    EXPECT_EQ(At(4).Name(), "Container5");
    EXPECT_EQ(BoundsOf(At(4)), (Bounds{29, 37, 40, 20}));
}

TEST_F(CommandsTest, UndoRestoresTheCodeTextExactlyAndRedoGoesForwardAgain) {
    std::string first = code.Text();
    SelectOnly({0, 1});
    surface().HandleKey(VK_RIGHT, false, true, false);
    std::string moved = code.Text();
    dialog->Commands().Begin();  // as the alignment command does
    surface().Align(2, 2);
    surface().HandleKey('C', false, true, false);
    surface().HandleKey('V', false, true, false);
    surface().SelectOnly(&At(1));
    Key(VK_DELETE);
    std::string last = code.Text();
    ASSERT_NE(last, first);
    for (int i = 0; i < 3; ++i) surface().HandleKey('Z', false, true, false);
    EXPECT_EQ(code.Text(), moved) << "the two alignment operations are one step";
    dialog->Commands().Undo();
    EXPECT_EQ(code.Text(), first);
    EXPECT_FALSE(dialog->Commands().CanUndo());
    ASSERT_EQ(surface().Components().size(), 3u);
    EXPECT_EQ(BoundsOf(At(0)), (Bounds{13, 21, 40, 20}));
    EXPECT_EQ(At(1).Host(), "BUTTON");
    // The restored lines are tagged with the new components: a move rewrites them in place.
    int line = code.FindTag(&At(1));
    ASSERT_GE(line, 0);
    while (dialog->Commands().CanRedo()) surface().HandleKey('Y', false, true, false);
    EXPECT_EQ(code.Text(), last);
    EXPECT_EQ(surface().Components().size(), 4u) << "two copies pasted, one component deleted";
    SelectOnly({0});
    surface().HandleKey(VK_DOWN, false, true, false);
    EXPECT_EQ(BoundsLine(At(0).Name()), "Container1.SetBounds(" + std::to_string(At(0).Left()) + "," +
                                            std::to_string(At(0).Top()) + ",40,20)");
}

// A tool that lets pending messages run while it takes in a component, as
// the inspector does while it fills its rows.
struct PumpingListener : DialogEvents {
    void OnComponentInserted(TDialog&, TContainer&) override { PumpMessages(); }
    void OnComponentRemoved(TDialog&, TContainer&) override { PumpMessages(); }
};

TEST_F(CommandsTest, ASecondUndoArrivingWhileTheFirstIsRestoringWaitsUntilItIsWhole) {
    std::string first = code.Text();
    SelectOnly({0});
    surface().HandleKey(VK_RIGHT, false, true, false);
    std::string moved = code.Text();
    SelectOnly({1});
    surface().HandleKey(VK_DOWN, false, true, false);
    // Each time messages may run, a pending Ctrl+Z is there to be dispatched.
    int pumped = 0;
    SetMessagePump([&] {
        ++pumped;
        dialog->Commands().Undo();
    });
    PumpingListener listener;
    AddDialogEvents(listener);
    dialog->Commands().Undo();
    int pumpedDuringUndo = pumped;
    RemoveDialogEvents(listener);
    SetMessagePump(nullptr);
    EXPECT_EQ(pumpedDuringUndo, 0) << "no message ran inside the undo step";
    EXPECT_EQ(code.Text(), moved) << "exactly one step undone";
    ASSERT_EQ(surface().Components().size(), 3u);
    EXPECT_EQ(BoundsOf(At(0)), (Bounds{14, 21, 40, 20}));
    EXPECT_EQ(BoundsOf(At(1)), (Bounds{100, 20, 40, 20}));
    dialog->Commands().Undo();
    EXPECT_EQ(code.Text(), first);
    EXPECT_EQ(BoundsOf(At(0)), (Bounds{13, 21, 40, 20}));
}

TEST_F(CommandsTest, BringToFrontAndSendToBackReorderTheComponentsTheirWindowsAndLinesAsOneStep) {
    std::string first = code.Text();
    HMENU popup = CreatePopupMenu();
    HMENU position = CreatePopupMenu();
    AppendMenuA(popup, MF_POPUP, reinterpret_cast<UINT_PTR>(position), "Position");
    dialog->Commands().AddPopupItems(popup);
    ASSERT_EQ(GetMenuItemCount(position), 2);
    EXPECT_EQ(GetMenuItemID(position, 0), static_cast<UINT>(menuBringToFront));
    EXPECT_EQ(GetMenuItemID(position, 1), static_cast<UINT>(menuSendToBack));
    DestroyMenu(popup);

    SelectOnly({2});
    ASSERT_TRUE(dialog->Commands().RunPopupItem(menuBringToFront));
    EXPECT_EQ(At(0).Name(), "Container3");
    EXPECT_TRUE(Above(At(0).Handle(), At(1).Handle()) && Above(At(0).Handle(), At(2).Handle()))
        << "its window lies on top";
    EXPECT_LT(code.FindTag(&At(0)), code.FindTag(&At(1))) << "its lines come first";
    SelectOnly({0});
    ASSERT_TRUE(dialog->Commands().RunPopupItem(menuSendToBack));
    EXPECT_EQ(At(2).Name(), "Container3");
    EXPECT_EQ(code.Text(), first) << "back where it was created";
    dialog->Commands().Undo();
    EXPECT_EQ(At(0).Name(), "Container3");
    dialog->Commands().Undo();
    EXPECT_EQ(code.Text(), first);
}

TEST_F(CommandsTest, ATabOrderRewritesTheFieldAndConstructorLinesInTheNewOrderAndUndoes) {
    std::string before = code.Text();
    dialog->Commands().Begin();
    dialog->Commands().SetTabOrder({"Container3", "Container1", "Container2"});
    ASSERT_EQ(At(0).Name(), "Container3");
    EXPECT_EQ(At(1).Name(), "Container1");
    std::string text = code.Text();
    EXPECT_LT(text.find("Container3 as QButton"), text.find("Container1 as QButton"));
    EXPECT_LT(text.find("Container3.Parent"), text.find("Container1.Parent"));
    EXPECT_LT(text.find("Container1.SetBounds"), text.find("Container2.Parent"));
    EXPECT_EQ(text.size(), before.size()) << "the same lines, in another order";
    // The windows' z-order follows: the first is on top, as if made first.
    EXPECT_EQ(GetWindow(At(0).Handle(), GW_HWNDPREV), nullptr);
    // Tab walks the new order.
    surface().SelectOnly(&At(0));
    Key(VK_TAB);
    EXPECT_EQ(surface().Current(), &At(1));
    dialog->Commands().Undo();
    EXPECT_EQ(code.Text(), before);
    EXPECT_EQ(At(0).Name(), "Container1");
}

TEST_F(CommandsTest, AComponentInsideAnotherGoesWithItAndUndoPutsItBackInside) {
    auto inner = std::make_unique<TContainer>(At(0).Handle());
    inner->SetName("Inner");
    inner->SetBounds(2, 2, 10, 10);
    inner->Handle();
    TContainer& child = surface().AddComponent(std::move(inner));
    EXPECT_EQ(surface().ParentOf(child), &At(0));
    surface().SetLocks(child, lockNoDelete);
    SelectOnly({0});
    EXPECT_EQ(ErrorOf([&] { surface().DeleteSelection(); }),
              "Control \"Container1\" or some of it chidrens can not\r be deleted becouse they are locked");
    surface().SetLocks(child, 0);
    dialog->Commands().Begin();
    surface().DeleteSelection();
    ASSERT_EQ(surface().Components().size(), 2u) << "the inner component went with its parent";
    dialog->Commands().Undo();
    ASSERT_EQ(surface().Components().size(), 4u);
    TContainer& back = At(3);
    EXPECT_EQ(back.Name(), "Inner");
    EXPECT_EQ(GetParent(back.Handle()), At(0).Handle());
    EXPECT_EQ(BoundsOf(back), (Bounds{2, 2, 10, 10}));
}

TEST_F(CommandsTest, TheKeyboardOpensThePopUpMenuAtTheCurrentComponentAndLettersPickItsEntries) {
    POINT shown{-1, -1};
    surface().OnContextPopup = [&](POINT at) { shown = at; };
    SelectOnly({1});
    SendMessageA(dialog->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(dialog->Handle()), -1);
    POINT centre{20, 10};
    ClientToScreen(At(1).Handle(), &centre);
    EXPECT_EQ(shown.x, centre.x);
    EXPECT_EQ(shown.y, centre.y);
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, 1, "Undo\tCtrl+Z");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, 2, "Align to grid");
    AppendMenuA(menu, MF_STRING, 3, "Alignment...");
    auto typed = [&](char letter) {
        return SendMessageA(dialog->Handle(), WM_MENUCHAR, MAKEWPARAM(letter, MF_POPUP), reinterpret_cast<LPARAM>(menu));
    };
    EXPECT_EQ(typed('u'), MAKELRESULT(0, MNC_EXECUTE)) << "the only entry with that letter runs";
    EXPECT_EQ(typed('A'), MAKELRESULT(2, MNC_SELECT)) << "of several, the next is highlighted";
    EXPECT_EQ(HIWORD(typed('q')), MNC_IGNORE);
    DestroyMenu(menu);
}

TEST_F(CommandsTest, AnEditMadeOutsideTheDialogsCommandsIsAStepOfItsOwn) {
    SelectOnly({0});
    surface().HandleKey(VK_RIGHT, false, true, false);
    std::string moved = code.Text();
    // As the inspector edits a property: its line and the container's value.
    At(0).SetText("Edited");
    WritePropertyLine(code, {&At(0), "Container1", false}, "Text", "Edited", true);
    dialog->Commands().EditedOutside();
    At(1).SetText("Second");
    WritePropertyLine(code, {&At(1), "Container2", false}, "Text", "Second", true);
    dialog->Commands().EditedOutside();
    dialog->Commands().Undo();
    EXPECT_EQ(At(1).Text(), "Container2");
    EXPECT_EQ(At(0).Text(), "Edited");
    dialog->Commands().Undo();
    EXPECT_EQ(code.Text(), moved) << "the move stays; only the edits went";
    EXPECT_EQ(At(0).Text(), "Container1");
    EXPECT_EQ(At(0).Left(), 14);
}

TEST_F(CommandsTest, AnInsertByTheMouseIsOneStepOfUndo) {
    std::string before = code.Text();
    surface().OnControlInserting = [this]() -> std::unique_ptr<TContainer> {
        return std::make_unique<TContainer>(dialog->Handle());
    };
    SendMessageA(dialog->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(200, 100));
    SendMessageA(dialog->Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(260, 140));
    SendMessageA(dialog->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(260, 140));
    surface().OnControlInserting = nullptr;
    ASSERT_EQ(surface().Components().size(), 4u);
    std::string inserted = code.Text();
    ASSERT_NE(inserted, before);
    dialog->Commands().Undo();
    EXPECT_EQ(surface().Components().size(), 3u);
    EXPECT_EQ(code.Text(), before);
    dialog->Commands().Redo();
    EXPECT_EQ(surface().Components().size(), 4u);
    EXPECT_EQ(code.Text(), inserted);
}

TEST(DesignerPreview, DragsShowTheHintKindsThatAreSwitchedOn) {
    TGlobalDesigner preview;
    preview.Create();
    preview.Show();
    preview.PlaceOn(nullptr, 40, 40);
    TELDesigner& surface = preview.ELDesigner;
    ASSERT_TRUE(surface.Active());
    HWND button = preview.btnX().Handle();
    EXPECT_EQ(BoundsOf(preview.btnX()), (Bounds{56, 24, 75, 25}));
    auto dragBy = [&](int dx, int dy, bool release) {
        SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        SendMessageA(preview.Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(56 + 5 + dx, 24 + 5 + dy));
        if (release) SendMessageA(preview.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(56 + 5 + dx, 24 + 5 + dy));
    };
    surface.ShowingHints = TELDesigner::htMove;
    dragBy(13, 3, false);
    EXPECT_EQ(surface.HintText(), "72, 24") << "the new left and top, snapped";
    SendMessageA(preview.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(56 + 5 + 13, 24 + 5 + 3));
    EXPECT_EQ(surface.HintText(), "") << "the hint goes with the drag";
    EXPECT_EQ(preview.btnX().Left(), 72);
    surface.ShowingHints = TELDesigner::htControl | TELDesigner::htSize | TELDesigner::htInsert;
    dragBy(8, 8, false);
    EXPECT_EQ(surface.HintText(), "") << "moves show no hint without htMove";
    SendMessageA(preview.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(56 + 5 + 8, 24 + 5 + 8));
}

TEST(AlignmentDialog, AFreshDialogShowsNoChangesOkRemembersAndCancelResets) {
    RememberedAlignment() = {3, 4};
    TControlAlignment dialog;
    dialog.Create();
    EXPECT_EQ(dialog.Caption(), "Control Alignment");
    EXPECT_EQ(dialog.SelectedItem(TControlAlignment::rgxHorizontal), 0);
    EXPECT_EQ(dialog.SelectedItem(TControlAlignment::rgxVertical), 0);
    RECT client{};
    GetClientRect(dialog.Handle(), &client);
    EXPECT_EQ(client.right, 415);
    EXPECT_EQ(client.bottom, 219);
    char text[64] = {};
    GetWindowTextA(dialog.ItemButton(TControlAlignment::rgxHorizontal, 5), text, sizeof text);
    EXPECT_STREQ(text, "conter on window");
    dialog.SelectItem(TControlAlignment::rgxHorizontal, 2);
    dialog.SelectItem(TControlAlignment::rgxVertical, 2);
    dialog.PressOk();
    EXPECT_EQ(RememberedAlignment().horizontal, 2);
    EXPECT_EQ(RememberedAlignment().vertical, 2);
    TControlAlignment again;
    again.Create();
    EXPECT_EQ(again.SelectedItem(TControlAlignment::rgxHorizontal), 0);
    again.SelectItem(TControlAlignment::rgxVertical, 5);
    again.PressCancel();
    EXPECT_EQ(RememberedAlignment().horizontal, 0);
    EXPECT_EQ(RememberedAlignment().vertical, 0);
}

}  // namespace
}  // namespace tavrin
