#include "ui/splitter.h"

#include <windowsx.h>

namespace tavrin {

namespace {
const char* RegisterSplitterClass() {
    static const char* name = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = "TSplitter";
        RegisterClassA(&wc);
        return "TSplitter";
    }();
    return name;
}
}  // namespace

void Splitter::Create(HWND parent, bool vertical) {
    vertical_ = vertical;
    RegisterSplitterClass();
    handle_ = CreateWindowExA(0, "TSplitter", "", WS_CHILD | WS_VISIBLE, 0, 0, 4, 4, parent, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    SetWindowLongPtrA(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrA(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WindowProc));
    SetClassLongPtrA(handle_, GCLP_HCURSOR, 0);
}

LRESULT CALLBACK Splitter::WindowProc(HWND window, UINT message, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<Splitter*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self) return DefWindowProcA(window, message, wp, lp);
    switch (message) {
    case WM_SETCURSOR:
        SetCursor(LoadCursor(nullptr, self->vertical_ ? IDC_SIZEWE : IDC_SIZENS));
        return TRUE;
    case WM_LBUTTONDOWN:
        self->dragging_ = true;
        SetCapture(window);
        return 0;
    case WM_MOUSEMOVE:
        if (self->dragging_ && self->OnMoved) {
            POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
            MapWindowPoints(window, GetParent(window), &p, 1);
            self->OnMoved(self->vertical_ ? p.x : p.y);
        }
        return 0;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
        if (self->dragging_) {
            self->dragging_ = false;
            if (message == WM_LBUTTONUP) ReleaseCapture();
        }
        return 0;
    }
    return DefWindowProcA(window, message, wp, lp);
}

}  // namespace tavrin
