// A picture of containers hosting live pack windows, for the test artefacts:
// with TAVRIN_CONTAINER_SHOT naming a .bmp file, a design window with a few
// hosted windows is shown and its area of the screen saved there.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <memory>
#include <vector>

#include "designer/container.h"
#include "loaded_packs.h"
#include "support/win32_test_windows.h"

namespace tavrin::test {
namespace {

TEST(ContainerShot, HostedWindowsOnADesignWindow) {
    const char* file = std::getenv("TAVRIN_CONTAINER_SHOT");
    if (!file) GTEST_SKIP() << "TAVRIN_CONTAINER_SHOT names no file";
    Packs();
    HWND dialog = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_BORDER | WS_VISIBLE, 40, 40, 300, 200, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_TRUE(dialog);
    struct Placed {
        const char* host;
        const char* text;
        RECT bounds;
    };
    const Placed placed[] = {{"QButton", "OK", {20, 20, 140, 50}},
                             {"QCheckBox", "Check box", {20, 64, 160, 84}},
                             {"QEdit", "an edit box", {20, 96, 180, 118}},
                             {"QProbe", "ProbePack's QProbe", {20, 132, 270, 170}}};
    std::vector<std::unique_ptr<TContainer>> containers;
    for (const Placed& one : placed) {
        auto container = std::make_unique<TContainer>(dialog);
        container->SetBounds(one.bounds.left, one.bounds.top, one.bounds.right - one.bounds.left,
                             one.bounds.bottom - one.bounds.top);
        container->SetText(one.text);
        container->SetHost(one.host);
        ASSERT_TRUE(IsWindow(container->HostHandle())) << one.host;
        containers.push_back(std::move(container));
    }
    PumpMessagesFor(600);
    RECT area{};
    GetWindowRect(dialog, &area);
    EXPECT_TRUE(SaveScreenArea(area, file));
    containers.clear();
    DestroyWindow(dialog);
}

}  // namespace
}  // namespace tavrin::test
