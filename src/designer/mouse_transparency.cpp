#include "designer/mouse_transparency.h"

#include "designer/container_rules.h"

namespace tavrin {

namespace {

constexpr const char* kReplacedProcedure = "@@@proc";

LRESULT CALLBACK MouseFilter(HWND window, UINT message, WPARAM wp, LPARAM lp) {
    auto replaced = reinterpret_cast<WNDPROC>(GetPropA(window, kReplacedProcedure));
    LRESULT result = replaced ? CallWindowProcA(replaced, window, message, wp, lp)
                              : DefWindowProcA(window, message, wp, lp);
    if (message == WM_NCDESTROY) RemovePropA(window, kReplacedProcedure);
    return static_cast<LRESULT>(MouseFilterResult(message, static_cast<std::intptr_t>(result)));
}

void Filter(HWND window) {
    if (IsMouseTransparent(window)) return;
    // The replaced procedure is kept before the filter can be called.
    auto replaced = reinterpret_cast<HANDLE>(GetWindowLongPtrA(window, GWLP_WNDPROC));
    SetPropA(window, kReplacedProcedure, replaced);
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
