#include "designer/mouse_transparency.h"

#include <unordered_map>

#include "designer/container_rules.h"

namespace tavrin {

namespace {

constexpr const char* kReplacedProcedure = "@@@proc";

// The replaced procedures again, by window: the filter runs for every message
// of every live pack window, and reading a window property is a trip to the
// window server each time under Wine.
std::unordered_map<HWND, WNDPROC>& ReplacedProcedures() {
    static std::unordered_map<HWND, WNDPROC> procedures;
    return procedures;
}

WNDPROC ReplacedProcedure(HWND window) {
    auto found = ReplacedProcedures().find(window);
    if (found != ReplacedProcedures().end()) return found->second;
    return reinterpret_cast<WNDPROC>(GetPropA(window, kReplacedProcedure));
}

LRESULT CALLBACK MouseFilter(HWND window, UINT message, WPARAM wp, LPARAM lp) {
    WNDPROC replaced = ReplacedProcedure(window);
    LRESULT result = replaced ? CallWindowProcA(replaced, window, message, wp, lp)
                              : DefWindowProcA(window, message, wp, lp);
    if (message == WM_NCDESTROY) {
        RemovePropA(window, kReplacedProcedure);
        ReplacedProcedures().erase(window);
    }
    return static_cast<LRESULT>(MouseFilterResult(message, static_cast<std::intptr_t>(result)));
}

void Filter(HWND window) {
    if (IsMouseTransparent(window)) return;
    // The replaced procedure is kept before the filter can be called.
    auto replaced = reinterpret_cast<HANDLE>(GetWindowLongPtrA(window, GWLP_WNDPROC));
    SetPropA(window, kReplacedProcedure, replaced);
    ReplacedProcedures()[window] = reinterpret_cast<WNDPROC>(replaced);
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(MouseFilter));
}

BOOL CALLBACK FilterChild(HWND child, LPARAM) {
    Filter(child);
    return TRUE;
}

}  // namespace

bool IsMouseTransparent(HWND window) {
    return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC)) == MouseFilter;
}

void MakeMouseTransparent(HWND window) {
    if (!window) return;
    Filter(window);
    EnumChildWindows(window, FilterChild, 0);  // every descendant, not only the direct children
}

}  // namespace tavrin
