#include "ui/form_window.h"

#include <algorithm>
#include <vector>

#include "common/commands.h"
#include "ui/dpi_scale.h"
#include "ui/gui_font.h"
#include "ui/window_hooks.h"

namespace tavrin {

HFONT GuiFont() { return GuiFontForDpi(SystemDpi()); }

FormWindow::FormWindow(std::string className, std::string name, std::string caption)
    : className_(std::move(className)), name_(std::move(name)), caption_(std::move(caption)) {}

FormWindow::~FormWindow() { DestroyBound(); }

void FormWindow::RegisterWindowClass() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA wc{};
    wc.style = CS_DBLCLKS;
    wc.hIcon = LoadIconA(instance, "MAINICON");
    wc.hIconSm = wc.hIcon;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = className_.c_str();
    RegisterBoundClass(wc);
}

void FormWindow::Create(HWND owner) {
    if (Handle()) return;
    RegisterWindowClass();
    // Centred on the work area until saved bounds or a layout move it.
    SIZE size = InitialSize();
    size.cx = ScaleToDpi(size.cx, SystemDpi());
    size.cy = ScaleToDpi(size.cy, SystemDpi());
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    int x = work.left + std::max(0, static_cast<int>(work.right - work.left - size.cx) / 2);
    int y = work.top + std::max(0, static_cast<int>(work.bottom - work.top - size.cy) / 2);
    if (!CreateBound(ExStyle(), className_.c_str(), caption_.c_str(), Style(), x, y, size.cx,
                     size.cy, owner))
        throw CommandError("Cannot create the window " + name_);
    if (SharedWindowHooks().formCreated) SharedWindowHooks().formCreated(*this);
}

LRESULT FormWindow::HandleMessage(UINT message, WPARAM wp, LPARAM lp) {
    switch (message) {
    case WM_CREATE:
        dpi_ = WindowDpi(Handle());
        OnCreate();
        return 0;
    case WM_DPICHANGED: {
        int oldDpi = Dpi();
        dpi_ = DpiOfChange(wp);
        RescaleChildWindows(Handle(), oldDpi, dpi_);
        ChangeGuiFontOfChildren(Handle(), oldDpi, dpi_);
        MoveToSuggestedRect(Handle(), lp);
        OnDpiChanged(oldDpi, dpi_);
        return 0;
    }
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
    if (!Handle()) return caption_;
    int length = GetWindowTextLengthA(Handle());
    std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
    GetWindowTextA(Handle(), buffer.data(), length + 1);
    return buffer.data();
}

void FormWindow::SetCaption(const std::string& caption) {
    caption_ = caption;
    if (Handle()) SetWindowTextA(Handle(), caption.c_str());
}

WindowBounds FormWindow::Bounds() const {
    RECT r{};
    if (Handle()) {
        WINDOWPLACEMENT placement{};
        placement.length = sizeof(placement);
        // The restored bounds, so that a minimized or maximized window keeps
        // its normal position in the settings.
        if (GetWindowPlacement(Handle(), &placement) && placement.showCmd != SW_SHOWNORMAL)
            r = placement.rcNormalPosition;
        else
            GetWindowRect(Handle(), &r);
    }
    return WindowBounds{r.left, r.top, r.right - r.left, r.bottom - r.top};
}

WindowBounds FormWindow::WithField(int WindowBounds::*field, int value) const {
    WindowBounds bounds = Bounds();
    bounds.*field = value;
    return bounds;
}

void FormWindow::MoveTo(const WindowBounds& b) {
    if (Handle())
        SetWindowPos(Handle(), nullptr, b.left, b.top, b.width, b.height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::SetLeft(int value) { MoveTo(WithField(&WindowBounds::left, value)); }

void FormWindow::SetTop(int value) { MoveTo(WithField(&WindowBounds::top, value)); }

void FormWindow::SetWidth(int value) { MoveTo(WithField(&WindowBounds::width, value)); }

void FormWindow::SetHeight(int value) { MoveTo(WithField(&WindowBounds::height, value)); }

void FormWindow::Show() {
    if (!Handle()) Create();
    OnShow();
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
}

void FormWindow::Hide() {
    if (Handle()) ShowWindow(Handle(), SW_HIDE);
}

bool FormWindow::Visible() const { return Handle() && IsWindowVisible(Handle()); }

int FormWindow::Dpi() const { return dpi_ > 0 ? dpi_ : WindowDpi(Handle()); }

int FormWindow::Scale(int pixels) const { return ScaleToDpi(pixels, Dpi()); }

namespace {

// The top-level windows of the thread that a modal window disables; they are
// enabled again by EnableAgain, or when the modal showing fails.
class DisabledWindows {
public:
    explicit DisabledWindows(HWND keep) : keep_(keep) {
        EnumThreadWindows(GetCurrentThreadId(), DisableOne, reinterpret_cast<LPARAM>(this));
    }
    ~DisabledWindows() { EnableAgain(); }
    DisabledWindows(const DisabledWindows&) = delete;
    DisabledWindows& operator=(const DisabledWindows&) = delete;

    void EnableAgain() {
        for (HWND window : windows_)
            if (IsWindow(window)) EnableWindow(window, TRUE);
        windows_.clear();
    }

private:
    static BOOL CALLBACK DisableOne(HWND window, LPARAM lp) {
        auto* self = reinterpret_cast<DisabledWindows*>(lp);
        if (window == self->keep_ || !IsWindowVisible(window) || !IsWindowEnabled(window))
            return TRUE;
        try {
            self->windows_.push_back(window);  // recorded first: never left disabled
        } catch (...) {
            return FALSE;  // no exception crosses the enumeration
        }
        EnableWindow(window, FALSE);
        return TRUE;
    }

    HWND keep_;
    std::vector<HWND> windows_;
};

}  // namespace

int FormWindow::ShowModal() {
    if (!Handle()) Create();
    DisabledWindows disabled(Handle());
    struct LoopFlag {
        bool& running;
        ~LoopFlag() { running = false; }
    } loopFlag{modalRunning_};
    modalRunning_ = true;
    modalResult_ = 0;
    OnShow();
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
    MSG msg;
    while (modalRunning_) {
        if (!Handle()) {  // the window was destroyed meanwhile
            modalResult_ = IDCANCEL;
            break;
        }
        BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
            modalResult_ = IDCANCEL;
            break;
        }
        if (!IsDialogMessageA(Handle(), &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    modalRunning_ = false;
    // Enabled before hiding, so that the activation returns to the owner.
    disabled.EnableAgain();
    if (Handle()) ShowWindow(Handle(), SW_HIDE);
    return modalResult_;
}

void FormWindow::EndModal(int result) {
    modalResult_ = result;
    modalRunning_ = false;
}

HWND FormWindow::AddControl(const char* windowClass, const char* text, DWORD style, int x, int y,
                            int width, int height, int id, DWORD exStyle) {
    HWND control = CreateWindowExA(exStyle, windowClass, text, WS_CHILD | WS_VISIBLE | style, Scale(x),
                                   Scale(y), Scale(width), Scale(height), Handle(),
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   GetModuleHandleA(nullptr), nullptr);
    if (control) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GuiFontForDpi(Dpi())), FALSE);
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
