// Components made inside a window that is not on the screen yet, as the code
// reader makes them (the windows after the reading, the dialog shown last):
// every container and live window is shown, at its place, with the window,
// and all of them are painted. And the painting a container leaves to the
// live window covering it: only while the live window covers it wholly.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "designer/container.h"
#include "loaded_packs.h"
#include "support/win32_test_windows.h"

namespace tavrin::test {
namespace {

// A container that counts its own paintings.
class CountingContainer : public TContainer {
public:
    using TContainer::TContainer;
    int paintings = 0;

protected:
    void Paint(HDC) override { ++paintings; }
};

BOOL CALLBACK CountWaiting(HWND window, LPARAM count) {
    if (GetUpdateRect(window, nullptr, FALSE)) ++*reinterpret_cast<int*>(count);
    return TRUE;
}

// How many windows, the window and its descendants, still wait for their painting.
int WaitingForPainting(HWND window) {
    int count = GetUpdateRect(window, nullptr, FALSE) ? 1 : 0;
    EnumChildWindows(window, CountWaiting, reinterpret_cast<LPARAM>(&count));
    return count;
}

class HiddenBuildTest : public testing::Test {
protected:
    void SetUp() override {
        Packs();
        Prompts().shown.clear();
        window = CreateWindowExA(0, PlainWindowClass("HiddenBuildTestDialog"), "dialog", WS_OVERLAPPEDWINDOW, 40, 40,
                                 480, 320, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_TRUE(window);
    }
    void TearDown() override {
        containers.clear();
        DestroyWindow(window);
    }
    // A container named and placed from code, its windows made later.
    CountingContainer& FromCode(const std::string& name, const std::string& packClass, RECT bounds,
                                TContainer* parent = nullptr) {
        containers.push_back(std::make_unique<CountingContainer>(window));
        CountingContainer& c = *containers.back();
        c.SetName(name);
        c.SetBounds(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
        c.SetHostClass(packClass);
        if (parent) c.SetParentComponent(parent);
        return c;
    }
    void ShowAndPaint() {
        ShowWindow(window, SW_SHOW);
        UpdateWindow(window);
        PumpMessagesFor(100);
    }

    HWND window = nullptr;
    std::vector<std::unique_ptr<CountingContainer>> containers;
};

TEST_F(HiddenBuildTest, ComponentsMadeInAHiddenWindowAreShownAtTheirPlacesWithIt) {
    TContainer& probe = FromCode("Probe1", "QProbe", {10, 10, 90, 40});
    TContainer& button = FromCode("Button1", "QButton", {120, 10, 220, 34});
    TContainer& panel = FromCode("Panel1", "QGroupBox", {10, 60, 250, 200});
    TContainer& inner = FromCode("Inner1", "QProbe", {16, 24, 96, 54}, &panel);
    TContainer& empty = FromCode("Empty1", "QNoSuchClass", {300, 10, 340, 40});
    for (auto& c : containers) c->CreateWindows();

    // Nothing is on the screen before the window is.
    for (auto& c : containers) {
        EXPECT_FALSE(IsWindowVisible(c->Handle())) << c->Name();
        EXPECT_TRUE(GetWindowLongPtrA(c->Handle(), GWL_STYLE) & WS_VISIBLE) << c->Name();
    }
    ShowAndPaint();
    for (auto& c : containers) {
        EXPECT_TRUE(IsWindowVisible(c->Handle())) << c->Name();
        RECT place = ChildRect(c->Handle());
        EXPECT_EQ(c->Left(), place.left) << c->Name();
        EXPECT_EQ(c->Top(), place.top) << c->Name();
        EXPECT_EQ(c->Width(), place.right - place.left) << c->Name();
        EXPECT_EQ(c->Height(), place.bottom - place.top) << c->Name();
        if (c.get() == &empty) continue;
        ASSERT_TRUE(IsWindow(c->HostHandle())) << c->Name();
        EXPECT_TRUE(IsWindowVisible(c->HostHandle())) << c->Name();
        RECT live = ChildRect(c->HostHandle());
        EXPECT_EQ(0, live.left) << c->Name();
        EXPECT_EQ(0, live.top) << c->Name();
        EXPECT_EQ(c->Width(), live.right) << c->Name();
        EXPECT_EQ(c->Height(), live.bottom) << c->Name();
        EXPECT_NE(nullptr, c->PackObject()) << c->Name();
    }
    // The probe's own child window and the component inside the group box too.
    HWND probeChild = GetWindow(probe.HostHandle(), GW_CHILD);
    ASSERT_TRUE(probeChild);
    EXPECT_TRUE(IsWindowVisible(probeChild));
    EXPECT_EQ(panel.Handle(), GetParent(inner.Handle()));
    EXPECT_TRUE(IsWindowVisible(inner.HostHandle()));
    EXPECT_EQ(0, WaitingForPainting(window)) << "every window painted once shown";
    EXPECT_EQ("Button1", [&] {
        char text[64] = {};
        GetWindowTextA(button.HostHandle(), text, sizeof text);
        return std::string(text);
    }());
    EXPECT_TRUE(Prompts().shown.empty());
}

TEST_F(HiddenBuildTest, AContainerPaintsOnlyWhereItsLiveWindowLeavesItBare) {
    CountingContainer& covered = FromCode("Covered", "QProbe", {10, 10, 90, 40});
    CountingContainer& shrunk = FromCode("Shrunk", "QProbe", {100, 10, 180, 40});
    CountingContainer& hidden = FromCode("Hidden", "QProbe", {190, 10, 270, 40});
    CountingContainer& shaped = FromCode("Shaped", "QProbe", {280, 10, 360, 40});
    CountingContainer& empty = FromCode("Empty", "QNoSuchClass", {10, 60, 90, 90});
    for (auto& c : containers) c->CreateWindows();
    ShowAndPaint();
    EXPECT_EQ(0, covered.paintings);
    EXPECT_GE(empty.paintings, 1) << "a container without a live window paints itself";

    // A live window that no longer covers the whole container: the rest is the container's.
    MoveWindow(shrunk.HostHandle(), 0, 0, 40, 30, TRUE);
    ShowWindow(hidden.HostHandle(), SW_HIDE);
    SetWindowRgn(shaped.HostHandle(), CreateEllipticRgn(0, 0, 80, 30), TRUE);
    for (auto& c : containers) {
        c->paintings = 0;
        InvalidateRect(c->Handle(), nullptr, TRUE);
    }
    UpdateWindow(window);
    PumpMessagesFor(50);
    EXPECT_EQ(0, covered.paintings);
    EXPECT_EQ(1, shrunk.paintings);
    EXPECT_EQ(1, hidden.paintings);
    EXPECT_EQ(1, shaped.paintings);
    EXPECT_EQ(1, empty.paintings);
    EXPECT_EQ(0, WaitingForPainting(window)) << "a covered container is not asked to paint again and again";
}

}  // namespace
}  // namespace tavrin::test
