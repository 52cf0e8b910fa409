#include "ui/window_subclass.h"

#include <commctrl.h>

#include "ui/message_barrier.h"

namespace tavrin {

WindowSubclass::~WindowSubclass() { Detach(); }

bool WindowSubclass::Attach(HWND window, Handler handler) {
    Detach();
    if (!window || !handler) return false;
    handler_ = std::move(handler);
    // This object's address tells its subclass apart from others on the window.
    if (!SetWindowSubclass(window, SubclassProc, reinterpret_cast<UINT_PTR>(this),
                           reinterpret_cast<DWORD_PTR>(this))) {
        handler_ = nullptr;
        return false;
    }
    window_ = window;
    return true;
}

void WindowSubclass::Detach() {
    if (window_) RemoveWindowSubclass(window_, SubclassProc, reinterpret_cast<UINT_PTR>(this));
    window_ = nullptr;
    handler_ = nullptr;
}

LRESULT WindowSubclass::CallNext(UINT message, WPARAM wp, LPARAM lp) const {
    return window_ ? DefSubclassProc(window_, message, wp, lp) : 0;
}

LRESULT CALLBACK WindowSubclass::SubclassProc(HWND window, UINT message, WPARAM wp, LPARAM lp,
                                              UINT_PTR id, DWORD_PTR data) {
    auto* self = reinterpret_cast<WindowSubclass*>(data);
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, SubclassProc, id);
        self->window_ = nullptr;
        self->handler_ = nullptr;
        return DefSubclassProc(window, message, wp, lp);
    }
    // A copy, so that a handler that detaches or re-attaches this subclass
    // keeps running.
    Handler handler = self->handler_;
    if (!handler) return DefSubclassProc(window, message, wp, lp);
    return GuardMessage(window, message, [&] { return handler(message, wp, lp); });
}

}  // namespace tavrin
