#include "ui/bound_window.h"

#include "ui/message_barrier.h"
#include "ui/window_hooks.h"

namespace tavrin {

BoundWindow::~BoundWindow() { DestroyBound(); }

void BoundWindow::RegisterBoundClass(WNDCLASSEXA description) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExA(instance, description.lpszClassName, &existing)) return;
    description.cbSize = sizeof(description);
    description.lpfnWndProc = WindowProc;
    description.hInstance = instance;
    RegisterClassExA(&description);
}

HWND BoundWindow::CreateBound(DWORD exStyle, const char* className, const char* caption,
                              DWORD style, int x, int y, int width, int height, HWND parent,
                              HMENU menu) {
    if (handle_) return handle_;
    // The window procedure binds this object at WM_NCCREATE.
    HWND window = CreateWindowExA(exStyle, className, caption, style, x, y, width, height, parent,
                                  menu, GetModuleHandleA(nullptr), this);
    if (!window) handle_ = nullptr;  // a creation that failed after WM_NCCREATE
    return handle_;
}

void BoundWindow::DestroyBound() {
    HWND window = handle_;
    if (!window) return;
    Unbind();
    DestroyWindow(window);
}

void BoundWindow::Unbind() {
    if (handle_) SetWindowLongPtrA(handle_, GWLP_USERDATA, 0);
    handle_ = nullptr;
}

LRESULT CALLBACK BoundWindow::WindowProc(HWND window, UINT message, WPARAM wp, LPARAM lp) {
    BoundWindow* self = nullptr;
    if (message == WM_NCCREATE) {
        self = static_cast<BoundWindow*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
        if (self) {
            self->handle_ = window;
            SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
    } else {
        self = reinterpret_cast<BoundWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    }
    if (!self) return DefWindowProcA(window, message, wp, lp);
    LRESULT result = GuardMessage(window, message, [&] {
        LRESULT handled = self->HandleMessage(message, wp, lp);
        if (message == WM_INITMENUPOPUP && SharedWindowHooks().menuOpening)
            SharedWindowHooks().menuOpening(window, reinterpret_cast<HMENU>(wp));
        return handled;
    });
    if (message == WM_NCDESTROY) self->Unbind();
    return result;
}

LRESULT BoundWindow::HandleMessage(UINT message, WPARAM wp, LPARAM lp) {
    return DefaultProc(message, wp, lp);
}

LRESULT BoundWindow::DefaultProc(UINT message, WPARAM wp, LPARAM lp) {
    return DefWindowProcA(handle_, message, wp, lp);
}

}  // namespace tavrin
