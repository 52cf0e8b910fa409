// A window of one of the workbench's own window classes, bound to the object
// that handles its messages. Such a class is registered with
// RegisterBoundClass; CreateBound passes the object in lpCreateParams and the
// window procedure binds it at WM_NCCREATE, so the object sees every message
// from then on, each inside the exception barrier (message_barrier.h). The
// binding ends at WM_NCDESTROY (Handle becomes null), or when the object goes
// first: its window is then destroyed without calling back into it.
//
// Controls of other classes (Scintilla, tree views, edits) are subclassed
// through window_subclass.h instead.
#pragma once

#include <windows.h>

namespace tavrin {

class BoundWindow {
public:
    BoundWindow() = default;
    virtual ~BoundWindow();
    BoundWindow(const BoundWindow&) = delete;
    BoundWindow& operator=(const BoundWindow&) = delete;

    HWND Handle() const { return handle_; }

protected:
    // Registers a window class once per process, with the binding window
    // procedure (the description's lpfnWndProc, cbSize and hInstance are
    // filled here).
    static void RegisterBoundClass(WNDCLASSEXA description);
    // Creates a window of a class registered above, bound to this object.
    // An object has one window: while it has one, that window is returned.
    HWND CreateBound(DWORD exStyle, const char* className, const char* caption, DWORD style, int x,
                     int y, int width, int height, HWND parent, HMENU menu = nullptr);
    // Destroys the window now; its last messages no longer reach the object.
    void DestroyBound();

    // Handles one message of the window; the default leaves it to the system.
    virtual LRESULT HandleMessage(UINT message, WPARAM wp, LPARAM lp);
    LRESULT DefaultProc(UINT message, WPARAM wp, LPARAM lp);

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wp, LPARAM lp);
    void Unbind();

    HWND handle_ = nullptr;
};

}  // namespace tavrin
