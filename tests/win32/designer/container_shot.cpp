// A picture of containers hosting live pack windows, for the test artefacts:
// with TAVRIN_CONTAINER_SHOT naming a .bmp file, a design window with a few
// hosted windows is shown and its area of the screen saved there.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <vector>

#include "designer/container.h"
#include "loaded_packs.h"

namespace tavrin::test {
namespace {

void Pump(DWORD milliseconds) {
    DWORD start = GetTickCount();
    MSG msg;
    do {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(5);
    } while (GetTickCount() - start < milliseconds);
}

// Saves the screen's pixels inside the rectangle as a 24-bit bitmap file.
bool SaveScreenArea(const RECT& area, const char* file) {
    int width = area.right - area.left, height = area.bottom - area.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    int rowBytes = (width * 3 + 3) & ~3;
    std::vector<char> pixels(static_cast<std::size_t>(rowBytes) * height);
    GetDIBits(memory, bitmap, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    BITMAPFILEHEADER header{};
    header.bfType = 0x4D42;
    header.bfOffBits = sizeof header + sizeof info;
    header.bfSize = header.bfOffBits + static_cast<DWORD>(pixels.size());
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&header), sizeof header);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
    return out.good();
}

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
    Pump(600);
    RECT area{};
    GetWindowRect(dialog, &area);
    EXPECT_TRUE(SaveScreenArea(area, file));
    containers.clear();
    DestroyWindow(dialog);
}

}  // namespace
}  // namespace tavrin::test
