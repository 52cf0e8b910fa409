#include "ui/form_window.h"

#include <algorithm>
#include <vector>

#include "common/commands.h"

namespace tavrin {

HFONT GuiFont() {
    static HFONT font = [] {
        NONCLIENTMETRICSA metrics{};
        metrics.cbSize = sizeof(metrics);
        if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
            return CreateFontIndirectA(&metrics.lfMessageFont);
        return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    }();
    return font;
}

FormWindow::FormWindow(std::string className, std::string name, std::string caption)
    : className_(std::move(className)), name_(std::move(name)), caption_(std::move(caption)) {}

FormWindow::~FormWindow() {
    if (handle_) {
        SetWindowLongPtrA(handle_, GWLP_USERDATA, 0);
        DestroyWindow(handle_);
    }
}

void FormWindow::RegisterWindowClass() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExA(instance, className_.c_str(), &existing)) return;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, "MAINICON");
    wc.hIconSm = wc.hIcon;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = className_.c_str();
    RegisterClassExA(&wc);
}

void FormWindow::Create(HWND owner) {
    if (handle_) return;
    RegisterWindowClass();
    // Centred on the work area until saved bounds or a layout move it.
    SIZE size = InitialSize();
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    int x = work.left + std::max(0, static_cast<int>(work.right - work.left - size.cx) / 2);
    int y = work.top + std::max(0, static_cast<int>(work.bottom - work.top - size.cy) / 2);
    handle_ = CreateWindowExA(ExStyle(), className_.c_str(), caption_.c_str(), Style(), x, y,
                              size.cx, size.cy, owner, nullptr, GetModuleHandleA(nullptr), this);
    if (!handle_) throw CommandError("Cannot create the window " + name_);
}

LRESULT CALLBACK FormWindow::WindowProc(HWND window, UINT message, WPARAM wp, LPARAM lp) {
    FormWindow* self = nullptr;
    if (message == WM_NCCREATE) {
        self = static_cast<FormWindow*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
        self->handle_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<FormWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    }
    if (!self) return DefWindowProcA(window, message, wp, lp);
    LRESULT result = 0;
    // Errors inside a message handler are shown like those of commands and
    // never leave the window procedure.
    bool handled = RunCommand([&] { result = self->HandleMessage(message, wp, lp); });
    if (!handled && message == WM_NCCREATE) return FALSE;
    return result;
}

LRESULT FormWindow::DefaultProc(UINT message, WPARAM wp, LPARAM lp) {
    return DefWindowProcA(handle_, message, wp, lp);
}

LRESULT FormWindow::HandleMessage(UINT message, WPARAM wp, LPARAM lp) {
    switch (message) {
    case WM_CREATE:
        OnCreate();
        return 0;
    case WM_COMMAND:
        OnCommand(LOWORD(wp), HIWORD(wp), reinterpret_cast<HWND>(lp));
        return 0;
    case WM_SIZE:
        OnSize(LOWORD(lp), HIWORD(lp));
        return 0;
    case WM_GETMINMAXINFO:
        DefaultProc(message, wp, lp);
        OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lp));
        return 0;
    case WM_CLOSE:
        OnClose();
        return 0;
    }
    return DefaultProc(message, wp, lp);
}

void FormWindow::OnClose() {
    if (modalRunning_)
        EndModal(IDCANCEL);
    else
        Hide();
}

std::string FormWindow::Caption() const {
    if (!handle_) return caption_;
    int length = GetWindowTextLengthA(handle_);
    std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
    GetWindowTextA(handle_, buffer.data(), length + 1);
    return buffer.data();
}

void FormWindow::SetCaption(const std::string& caption) {
    caption_ = caption;
    if (handle_) SetWindowTextA(handle_, caption.c_str());
}

WindowBounds FormWindow::Bounds() const {
    RECT r{};
    if (handle_) {
        WINDOWPLACEMENT placement{};
        placement.length = sizeof(placement);
        // The restored bounds, so that a minimized or maximized window keeps
        // its normal position in the settings.
        if (GetWindowPlacement(handle_, &placement) && placement.showCmd != SW_SHOWNORMAL)
            r = placement.rcNormalPosition;
        else
            GetWindowRect(handle_, &r);
    }
    return WindowBounds{r.left, r.top, r.right - r.left, r.bottom - r.top};
}

WindowBounds FormWindow::WithField(int WindowBounds::*field, int value) const {
    WindowBounds bounds = Bounds();
    bounds.*field = value;
    return bounds;
}

void FormWindow::MoveTo(const WindowBounds& b) {
    if (handle_)
        SetWindowPos(handle_, nullptr, b.left, b.top, b.width, b.height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::SetLeft(int value) { MoveTo(WithField(&WindowBounds::left, value)); }

void FormWindow::SetTop(int value) { MoveTo(WithField(&WindowBounds::top, value)); }

void FormWindow::SetWidth(int value) { MoveTo(WithField(&WindowBounds::width, value)); }

void FormWindow::SetHeight(int value) { MoveTo(WithField(&WindowBounds::height, value)); }

void FormWindow::Show() {
    if (!handle_) Create();
    OnShow();
    ShowWindow(handle_, SW_SHOW);
    SetForegroundWindow(handle_);
}

void FormWindow::Hide() {
    if (handle_) ShowWindow(handle_, SW_HIDE);
}

bool FormWindow::Visible() const { return handle_ && IsWindowVisible(handle_); }

namespace {

struct DisabledWindows {
    HWND keep;
    std::vector<HWND> windows;
};

BOOL CALLBACK DisableOthers(HWND window, LPARAM lp) {
    auto* state = reinterpret_cast<DisabledWindows*>(lp);
    if (window != state->keep && IsWindowVisible(window) && IsWindowEnabled(window)) {
        EnableWindow(window, FALSE);
        state->windows.push_back(window);
    }
    return TRUE;
}

}  // namespace

int FormWindow::ShowModal() {
    if (!handle_) Create();
    DisabledWindows disabled{handle_, {}};
    EnumThreadWindows(GetCurrentThreadId(), DisableOthers, reinterpret_cast<LPARAM>(&disabled));
    modalRunning_ = true;
    modalResult_ = 0;
    OnShow();
    ShowWindow(handle_, SW_SHOW);
    SetForegroundWindow(handle_);
    MSG msg;
    while (modalRunning_) {
        BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
            modalRunning_ = false;
            modalResult_ = IDCANCEL;
            break;
        }
        if (!IsDialogMessageA(handle_, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    for (HWND window : disabled.windows)
        if (IsWindow(window)) EnableWindow(window, TRUE);
    ShowWindow(handle_, SW_HIDE);
    return modalResult_;
}

void FormWindow::EndModal(int result) {
    modalResult_ = result;
    modalRunning_ = false;
}

HWND FormWindow::AddControl(const char* windowClass, const char* text, DWORD style, int x, int y,
                            int width, int height, int id, DWORD exStyle) {
    HWND control = CreateWindowExA(exStyle, windowClass, text, WS_CHILD | WS_VISIBLE | style, x, y,
                                   width, height, handle_,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   GetModuleHandleA(nullptr), nullptr);
    if (control) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GuiFont()), FALSE);
    return control;
}

HWND FormWindow::AddButton(const char* text, int x, int y, int width, int height, int id,
                           bool isDefault) {
    return AddControl("BUTTON", text, WS_TABSTOP | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON),
                      x, y, width, height, id);
}

HWND FormWindow::AddLabel(const char* text, int x, int y, int width, int height) {
    return AddControl("STATIC", text, SS_LEFT, x, y, width, height);
}

}  // namespace tavrin
