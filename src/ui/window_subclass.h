// Subclassing of a window whose procedure is not ours (Scintilla, a tree
// view's parent, an edit...): while attached, every message of the window
// goes first to the handler, inside the exception barrier
// (message_barrier.h); the handler passes a message on to the window's own
// procedure with CallNext. Several subclasses may sit on one window. The
// subclass ends with Detach, with the object, or when the window is
// destroyed (the handler does not see WM_NCDESTROY; the window's own
// procedure does).
#pragma once

#include <windows.h>

#include <functional>

namespace tavrin {

class WindowSubclass {
public:
    using Handler = std::function<LRESULT(UINT message, WPARAM wp, LPARAM lp)>;

    WindowSubclass() = default;
    ~WindowSubclass();
    WindowSubclass(const WindowSubclass&) = delete;
    WindowSubclass& operator=(const WindowSubclass&) = delete;

    // Routes the window's messages through handler (a previous subclass of
    // this object ends first). Returns false when the window could not be
    // subclassed.
    bool Attach(HWND window, Handler handler);
    void Detach();
    // The subclassed window; null when not attached.
    HWND Window() const { return window_; }
    // The window's own handling of a message (and that of the subclasses
    // attached before this one).
    LRESULT CallNext(UINT message, WPARAM wp, LPARAM lp) const;

private:
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wp, LPARAM lp,
                                         UINT_PTR id, DWORD_PTR data);

    HWND window_ = nullptr;
    Handler handler_;
};

}  // namespace tavrin
