// Components inside a group box under Wine, with Velpack's live windows: a
// press on the group box inserts into it (window, bounds and code lines name
// it as the parent), the lasso and moves stay among its children, hints show
// while resting and dragging, deleting the box takes its children, and a
// saved text with nested components is rebuilt nested.
#include <gtest/gtest.h>

#include <windows.h>
#undef CreateDialog  // the code reader's builder has a member of that name

#include <memory>
#include <string>
#include <vector>

#include "designer/dialog_code.h"
#include "designer/dialog_reader.h"
#include "designer/dialog_window.h"
#include "designer/live_design_builder.h"
#include "group_box_dialog.h"
#include "loaded_packs.h"

namespace tavrin::test {
namespace {

class NestedTest : public GroupBoxDialogTest {
protected:
    std::string WaitForHint() {
        for (DWORD start = GetTickCount(); GetTickCount() - start < 3000;) {
            MSG message;
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
            if (!surface().HintText().empty()) break;
            Sleep(20);
        }
        return surface().HintText();
    }
};

TEST_F(NestedTest, APressOnAGroupBoxInsertsIntoItAndTheCodeNamesItAsParent) {
    ASSERT_TRUE(box->AcceptsControls());
    TContainer& inner = Insert("QButton", box->Handle(), 21, 13, 101, 45);
    EXPECT_EQ(inner.ParentComponent(), box);
    EXPECT_EQ(GetParent(inner.Handle()), box->Handle());
    EXPECT_EQ(inner.Left(), 16) << "on the group box's grid";
    EXPECT_EQ(inner.Top(), 8);
    EXPECT_EQ(inner.Width(), 80);
    EXPECT_EQ(inner.Height(), 32);
    std::string text = code.Text();
    EXPECT_NE(text.find("Container1.Parent=@This\r\nContainer1.SetBounds(16,16,200,120)\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("   Container2 as QButton\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Container2.Parent=@Container1\r\nContainer2.SetBounds(16,8,80,32)\r\n"), std::string::npos)
        << text;

    // A button accepts nothing: a press on it inserts into the group box around it.
    TContainer& third = Insert("QEdit", inner.Handle(), 2, 2, 2, 2);
    EXPECT_EQ(third.ParentComponent(), box);
    EXPECT_EQ(third.Left(), 16) << "the press point (18, 10) in the box, put on its grid";
    EXPECT_EQ(third.Top(), 8);

    // Moving the button keeps its siblings outside the box out of the move.
    surface().SelectOnly(&inner);
    SendMessageA(inner.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    POINT from{5, 5};
    MapWindowPoints(inner.Handle(), window(), &from, 1);
    SendMessageA(window(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(from.x + 16, from.y + 8));
    EXPECT_EQ(surface().HintText(), "32, 16") << "the move hint: the new left and top in the box";
    SendMessageA(window(), WM_LBUTTONUP, 0, MAKELPARAM(from.x + 16, from.y + 8));
    EXPECT_EQ(inner.Left(), 32);
    EXPECT_EQ(inner.Top(), 16);
    EXPECT_EQ(surface().HintText(), "") << "the hint goes with the drag";
    EXPECT_NE(code.Text().find("Container2.SetBounds(32,16,80,32)"), std::string::npos) << code.Text();

    // A lasso drawn with Ctrl inside the box catches its children only.
    SendMessageA(box->Handle(), WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL, MAKELPARAM(1, 1));
    SendMessageA(window(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(215, 135));
    SendMessageA(window(), WM_LBUTTONUP, 0, MAKELPARAM(215, 135));
    ASSERT_EQ(surface().SelectionCount(), 2);
    EXPECT_EQ(surface().Selection(0), &inner);
    EXPECT_EQ(surface().Selection(1), &third);

    // Deleting the box deletes what lies in it, with every line.
    surface().SelectOnly(box);
    surface().DeleteSelection();
    EXPECT_TRUE(surface().Components().empty());
    EXPECT_EQ(code.Text().find("Container"), std::string::npos) << code.Text();
}

TEST_F(NestedTest, AButtonMovedInsideAGroupBoxLeavesNoPictureOfItselfBehind) {
    TContainer& inner = Insert("QButton", box->Handle(), 21, 13, 101, 45);
    auto drawn = [&] {
        for (int i = 0; i < 10; ++i) {
            MSG message;
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
            Sleep(20);
        }
    };
    drawn();
    // Where the button's left edge stands now, in the designed window.
    POINT edge{0, inner.Height() / 2 + 3};
    MapWindowPoints(inner.HostHandle(), window(), &edge, 1);
    HDC dc = GetDC(window());
    COLORREF beside = GetPixel(dc, edge.x - 5, edge.y);
    COLORREF onEdge = GetPixel(dc, edge.x, edge.y);
    ReleaseDC(window(), dc);
    ASSERT_NE(onEdge, beside) << "the button's border is drawn";
    inner.SetBounds(inner.Left() + 40, inner.Top() + 16, inner.Width(), inner.Height());
    drawn();
    dc = GetDC(window());
    EXPECT_EQ(GetPixel(dc, edge.x, edge.y), beside) << "the group box's inside is drawn again where the button was";
    ReleaseDC(window(), dc);
}

TEST_F(NestedTest, AComponentTheMouseRestsOnGetsTheDialogsHint) {
    TContainer& inner = Insert("QButton", box->Handle(), 8, 16, 88, 40);
    // The pointer itself rests there too: the moves the system makes up follow it.
    POINT rest{4, 4};
    ClientToScreen(inner.Handle(), &rest);
    SetCursorPos(rest.x, rest.y);
    SendMessageA(inner.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
    EXPECT_EQ(WaitForHint(), "Origin: 8, 16\nSize: 80, 24\nClass: QButton, Name: Container2");
    SendMessageA(window(), WM_MOUSEMOVE, 0, MAKELPARAM(300, 250));
    EXPECT_EQ(surface().HintText(), "") << "the dialog itself gets no hint";
    SetCursorPos(0, 0);
    SendMessageA(box->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(150, 100));
    EXPECT_EQ(WaitForHint(), "") << "the pointer left before the hint pause ended";
    POINT onBox{150, 100};
    ClientToScreen(box->Handle(), &onBox);
    SetCursorPos(onBox.x, onBox.y);
    surface().ShowingHints = TELDesigner::htMove;
    SendMessageA(box->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(150, 100));
    Sleep(GetDoubleClickTime() + 100);
    EXPECT_EQ(WaitForHint(), "") << "resting hints switched off";
}

TEST_F(NestedTest, ASavedDialogWithNestedComponentsIsRebuiltNested) {
    Insert("QButton", box->Handle(), 8, 16, 88, 40);
    std::vector<std::unique_ptr<TDialog>> built;
    LiveDesignBuilder builder([&]() -> TDialog& {
        built.push_back(std::make_unique<TDialog>("QForm", &Packs().registry));
        built.back()->Create();
        return *built.back();
    });
    VectorLineDocument reopened;
    std::string saved = code.Text();
    std::string bounds = "Container2.SetBounds(8,16,80,24)\r\n";
    ASSERT_NE(saved.find(bounds), std::string::npos) << saved;
    saved.insert(saved.find(bounds) + bounds.size(), "Container2.Text=\"Press me\"\r\n");
    reopened.SetText(saved);
    DialogsRead read = ParseDialogs(reopened, builder, "QForm");
    ASSERT_FALSE(read.error);
    ASSERT_EQ(built.size(), 1u);
    const auto& components = built[0]->ELDesigner.Components();
    ASSERT_EQ(components.size(), 2u);
    TContainer& again = *components[1];
    EXPECT_EQ(again.ParentComponent(), components[0].get());
    EXPECT_EQ(GetParent(again.Handle()), components[0]->Handle());
    EXPECT_EQ(again.Left(), 8);
    EXPECT_EQ(again.Top(), 16);
    RECT inBox{};
    GetWindowRect(again.Handle(), &inBox);
    MapWindowPoints(nullptr, components[0]->Handle(), reinterpret_cast<POINT*>(&inBox), 2);
    EXPECT_EQ(inBox.left, 8) << "the window stands in the box's client area";
    ASSERT_NE(again.HostHandle(), nullptr) << "the live button exists";
    // The live windows are made after the reading, at their place and with their text.
    char text[32] = {};
    GetWindowTextA(again.HostHandle(), text, sizeof text);
    EXPECT_STREQ(text, "Press me");
    RECT live{};
    GetClientRect(again.HostHandle(), &live);
    EXPECT_EQ(live.right, 80);
    EXPECT_EQ(live.bottom, 24);
    EXPECT_NE(components[0]->HostHandle(), nullptr) << "the live group box exists";
    EXPECT_EQ(GetWindow(components[0]->Handle(), GW_CHILD), again.Handle())
        << "the inner button stands above the group box's live window";
}

// Whether the dialog window was still visible when each of its components'
// windows was destroyed: a visible one is repainted around every component
// that goes, a cost that grows with the square of their number.
HWND closingDialog = nullptr;
std::vector<bool> visibleAtComponentDestroy;

LRESULT CALLBACK RecordDestroys(int code, WPARAM wp, LPARAM lp) {
    HWND window = reinterpret_cast<HWND>(wp);
    if (code == HCBT_DESTROYWND && window != closingDialog && IsChild(closingDialog, window))
        visibleAtComponentDestroy.push_back(IsWindowVisible(closingDialog) != FALSE);
    return CallNextHookEx(nullptr, code, wp, lp);
}

TEST_F(NestedTest, AShownDialogIsNotRepaintedAroundEachComponentItFrees) {
    TContainer& inner = Insert("QButton", box->Handle(), 21, 13, 101, 45);
    TContainer& outer = Insert("QEdit", window(), 240, 16, 320, 40);
    std::vector<HWND> windows{box->Handle(), inner.Handle(), outer.Handle()};
    closingDialog = window();
    visibleAtComponentDestroy.clear();
    HHOOK hook = SetWindowsHookExA(WH_CBT, RecordDestroys, nullptr, GetCurrentThreadId());
    ASSERT_TRUE(hook);
    dialog.reset();
    UnhookWindowsHookEx(hook);
    EXPECT_GE(visibleAtComponentDestroy.size(), windows.size());
    for (bool visible : visibleAtComponentDestroy) EXPECT_FALSE(visible);
    for (HWND gone : windows) EXPECT_FALSE(IsWindow(gone));
}

}  // namespace
}  // namespace tavrin::test
