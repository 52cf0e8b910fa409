#include "ui/dpi_scale.h"

#include <vector>

namespace tavrin {

namespace {

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using GetDpiForSystemFn = UINT(WINAPI*)();
using SetProcessDpiAwarenessContextFn = BOOL(WINAPI*)(HANDLE);
using SetProcessDPIAwareFn = BOOL(WINAPI*)();

// The per-monitor version 2 awareness context (DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2).
const HANDLE kPerMonitorAwareV2 = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4));

template <typename Function>
Function User32Function(const char* name) {
    HMODULE user32 = GetModuleHandleA("user32.dll");
    return user32 ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name)))
                  : nullptr;
}

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : kBaseDpi;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kBaseDpi;
}

}  // namespace

int SystemDpi() {
    static const auto getDpiForSystem = User32Function<GetDpiForSystemFn>("GetDpiForSystem");
    if (getDpiForSystem) {
        int dpi = static_cast<int>(getDpiForSystem());
        if (dpi > 0) return dpi;
    }
    return ScreenDpi();
}

int WindowDpi(HWND window) {
    static const auto getDpiForWindow = User32Function<GetDpiForWindowFn>("GetDpiForWindow");
    if (window && getDpiForWindow) {
        int dpi = static_cast<int>(getDpiForWindow(window));
        if (dpi > 0) return dpi;
    }
    return SystemDpi();
}

int ScaleForWindow(HWND window, int pixels) { return ScaleToDpi(pixels, WindowDpi(window)); }

bool DeclareDpiAwareness() {
    if (auto setContext = User32Function<SetProcessDpiAwarenessContextFn>("SetProcessDpiAwarenessContext"))
        if (setContext(kPerMonitorAwareV2)) return true;
    if (auto setAware = User32Function<SetProcessDPIAwareFn>("SetProcessDPIAware")) return setAware() != FALSE;
    return false;
}

void RescaleChildWindows(HWND parent, int oldDpi, int newDpi) {
    if (!parent || oldDpi <= 0 || newDpi <= 0 || oldDpi == newDpi) return;
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    for (HWND child : children) {
        RECT r{};
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
        auto scale = [&](LONG value) { return MulDiv(value, newDpi, oldDpi); };
        SetWindowPos(child, nullptr, scale(r.left), scale(r.top), scale(r.right - r.left), scale(r.bottom - r.top),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

int DpiOfChange(WPARAM wp) {
    int dpi = HIWORD(wp);
    return dpi > 0 ? dpi : kBaseDpi;
}

void MoveToSuggestedRect(HWND window, LPARAM lp) {
    const RECT* suggested = reinterpret_cast<const RECT*>(lp);
    if (!suggested) return;
    SetWindowPos(window, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                 suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace tavrin
