#include "packlib/window/form.h"

#include "packlib/text/textutils.h"
#include "packlib/window/address_checks.h"

QApplication* Application = nullptr;

// ---- QForm ----

QForm::QForm() : MainMenu(new QMainMenu) {
    ownMainMenu_ = MainMenu;
    ClassName = "QForm";
    Style = static_cast<std::int32_t>(WS_OVERLAPPEDWINDOW);
    Width = 400;
    Height = 250;
}

QForm::~QForm() {
    if (HasWindow()) DestroyWindow(Handle);
    delete ownMainMenu_;
}

bool QForm::IsA(const std::string& className) {
    return velpack::EqualsNoCase(className, ClassName) ||
           velpack::EqualsNoCase(className, "qform") || QFrame::IsA(className);
}

void QForm::AttachMainMenu() {
    if (HasWindow() && MainMenu && MainMenu->Handle && IsMenu(MainMenu->Handle)) {
        SetMenu(Handle, MainMenu->Handle);
        DrawMenuBar(Handle);
    }
}

void QForm::SetMainMenu(QMainMenu* menu) {
    MainMenu = menu;
    AttachMainMenu();
}

void QForm::SetPopupMenu(QPopupMenu* menu) {
    if (menu) PopupMenu = static_cast<QPopupMenu*>(menu);
}

void QForm::SetFormPicture(QPicture* picture) {
    if (picture) FormPicture = picture->Self();
    Repaint();
}

void QForm::Close() {
    if (HasWindow()) SendMessageA(Handle, WM_CLOSE, static_cast<WPARAM>(ModalResult), 0);
}

int QForm::GetWindowState() {
    if (!HasWindow()) return WindowState;
    if (IsIconic(Handle)) WindowState = wsMinimized;
    else if (IsZoomed(Handle)) WindowState = wsMaximized;
    else if (!IsWindowVisible(Handle)) WindowState = wsHide;
    else WindowState = wsNormal;
    return WindowState;
}

void QForm::SetWindowState(int state) {
    WindowState = state;
    if (!HasWindow()) return;
    switch (state) {
        case wsNormal: ShowWindow(Handle, SW_SHOWNORMAL); break;
        case wsHide: ShowWindow(Handle, SW_HIDE); break;
        case wsMinimized: ShowWindow(Handle, SW_MINIMIZE); break;
        case wsMaximized: ShowWindow(Handle, SW_MAXIMIZE); break;
        default: break;
    }
}

void QForm::CreateWnd() {
    QFrame::CreateWnd();
    if (!HasWindow()) return;
    switch (WindowState) {
        case wsNormal: ShowWindow(Handle, Visible ? SW_SHOW : SW_HIDE); break;
        case wsHide: ShowWindow(Handle, SW_HIDE); break;
        case wsMinimized: ShowWindow(Handle, SW_MINIMIZE); break;
        case wsMaximized: ShowWindow(Handle, SW_MAXIMIZE); break;
        default: break;
    }
}

void QForm::Dispatch(QMessage& message) {
    QFrame::Dispatch(message);
    switch (message.Msg) {
        case WM_CREATE:
            if (MainMenu && MainMenu->Handle && IsMenu(MainMenu->Handle)) {
                SetMenu(message.Handle, MainMenu->Handle);
                DrawMenuBar(message.Handle);
            }
            velpack::CallHandler(onFormCreate, this);
            break;
        case WM_SHOWWINDOW:
            velpack::CallHandler(onShow, this);
            break;
        case WM_DESTROY:
            // The window system destroys the menu of a window that ends; the menu bar
            // belongs to the form object and stays for its next window.
            if (MainMenu && MainMenu->Handle && GetMenu(message.Handle) == MainMenu->Handle)
                SetMenu(message.Handle, nullptr);
            break;
        case WM_NCDESTROY:
            if (MadeForWindow && ownMainMenu_ && ownMainMenu_->Handle) {
                if (IsMenu(ownMainMenu_->Handle)) DestroyMenu(ownMainMenu_->Handle);
                ownMainMenu_->Handle = nullptr;
            }
            break;
        case WM_CLOSE: {
            if (message.wParam) ModalResult = static_cast<std::int32_t>(message.wParam);
            std::int32_t action = 1;
            velpack::CallHandler(onClose, this, &action);
            switch (action) {
                case 0: message.Result = 1; break;
                case 1:
                    message.Result = 0;
                    DefaultHandler(message);  // destroys the window
                    message.Result = 1;       // handled: no second default handling
                    if (endsProcessOnClose_) ExitProcess(0);
                    break;
                case 2: ShowWindow(message.Handle, SW_HIDE); message.Result = 1; break;
                case 3: ShowWindow(message.Handle, SW_MINIMIZE); message.Result = 1; break;
                case 4: ShowWindow(message.Handle, SW_MAXIMIZE); message.Result = 1; break;
                default: break;
            }
            break;
        }
        default:
            break;
    }
}

int QForm::ShowModal() {
    QApplication* application = Application;
    HWND own = Handle;
    if (application) {
        application->RefreshForms();
        for (int i = 0, n = application->Forms.Count(); i < n; ++i) {
            HWND window = reinterpret_cast<HWND>(application->Forms.Items[static_cast<std::size_t>(i)]);
            if (window != own) EnableWindow(window, FALSE);
        }
    }
    if (HasWindow()) {
        Visible = IsWindowVisible(Handle) != FALSE;
        ShowWindow(Handle, SW_SHOW);
    }
    while (application && !application->Terminated && !application->QuitSeen && HasWindow()) {
        // Waits for the next message instead of spinning while none is waiting.
        if (!application->ProcessMessages()) WaitMessage();
    }
    if (application) {
        application->RefreshForms();
        for (int i = 0, n = application->Forms.Count(); i < n; ++i) {
            HWND window = reinterpret_cast<HWND>(application->Forms.Items[static_cast<std::size_t>(i)]);
            if (window != own) EnableWindow(window, TRUE);
        }
    }
    return ModalResult;
}

// ---- QApplication ----

QApplication::QApplication() {
    endsProcessOnClose_ = true;
}

void QApplication::Run() {
    Terminated = false;
    QuitSeen = false;
    velpack::CallHandler(onShow, this);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

bool QApplication::ProcessMessages() {
    MSG msg;
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
    if (msg.message == WM_QUIT) {
        QuitSeen = true;
        PostQuitMessage(static_cast<int>(msg.wParam));
        return true;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
    return true;
}

void QApplication::Terminate() {
    PostQuitMessage(0);
}

void QApplication::SetTerminated(bool on) {
    Terminated = on;
    if (on) ExitProcess(0);
}

namespace {
BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
    reinterpret_cast<QList*>(list)->Add(reinterpret_cast<QValue>(window));
    return TRUE;
}
}  // namespace

void QApplication::RefreshForms() {
    Forms.Clear();
    EnumThreadWindows(GetCurrentThreadId(), CollectWindow, reinterpret_cast<LPARAM>(&Forms));
}

int QApplication::FormCount() {
    RefreshForms();
    return Forms.Count();
}

HWND QApplication::Form(int index) {
    RefreshForms();
    if (index < 0 || index >= Forms.Count()) return nullptr;
    return reinterpret_cast<HWND>(Forms.Items[static_cast<std::size_t>(index)]);
}
