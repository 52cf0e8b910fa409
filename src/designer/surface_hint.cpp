#include "designer/surface_hint.h"

#include "ui/form_window.h"
#include "ui/window_class.h"

namespace tavrin {

namespace {

constexpr const char* kHintClass = "TSurfaceHint";
constexpr int kPadding = 3;
constexpr int kCursorGap = 16;

}  // namespace

SurfaceHint::~SurfaceHint() {
    if (window_ && IsWindow(window_)) DestroyWindow(window_);
}

void SurfaceHint::Show(const std::string& text, POINT screen) {
    if (!window_) {
        RegisterWindowClassOnce(kHintClass, WindowProc, 0, GetSysColorBrush(COLOR_INFOBK));
        window_ = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, kHintClass, "",
                                  WS_POPUP | WS_BORDER, 0, 0, 10, 10, nullptr, nullptr, GetModuleHandleA(nullptr),
                                  nullptr);
        if (!window_) return;
        SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    text_ = text;
    HDC dc = GetDC(window_);
    HGDIOBJ old = SelectObject(dc, GuiFont());
    RECT area{0, 0, 0, 0};
    DrawTextA(dc, text.c_str(), -1, &area, DT_CALCRECT | DT_NOPREFIX);
    SelectObject(dc, old);
    ReleaseDC(window_, dc);
    SetWindowTextA(window_, text.c_str());
    SetWindowPos(window_, HWND_TOPMOST, screen.x, screen.y + kCursorGap, area.right + 2 * kPadding + 2,
                 area.bottom + 2 * kPadding + 2, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(window_, nullptr, TRUE);
}

void SurfaceHint::Hide() {
    if (window_ && IsWindowVisible(window_)) ShowWindow(window_, SW_HIDE);
}

bool SurfaceHint::Visible() const { return window_ && IsWindowVisible(window_); }

LRESULT CALLBACK SurfaceHint::WindowProc(HWND window, UINT message, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<SurfaceHint*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    switch (message) {
    case WM_NCHITTEST:
        return HTTRANSPARENT;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        if (self) {
            RECT area{};
            GetClientRect(window, &area);
            InflateRect(&area, -kPadding, -kPadding);
            HGDIOBJ old = SelectObject(dc, GuiFont());
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
            DrawTextA(dc, self->text_.c_str(), -1, &area, DT_NOPREFIX);
            SelectObject(dc, old);
        }
        EndPaint(window, &paint);
        return 0;
    }
    }
    return DefWindowProcA(window, message, wp, lp);
}

}  // namespace tavrin
