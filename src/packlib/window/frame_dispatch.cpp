// Message dispatch of frames: window messages become calls of the event handlers.
#include <windowsx.h>

#include "packlib/core/build_variant.h"
#include "packlib/core/registry.h"
#include "packlib/window/frame.h"
#include "packlib/window/registration.h"
#include "packlib/window/address_checks.h"

namespace {

// Notification codes of the common controls (NM_CLICK, NM_DBLCLK).
constexpr int kClickNotification = -2;
constexpr int kDoubleClickNotification = -3;

int LowWord(WPARAM value) { return LOWORD(value); }
int HighWord(WPARAM value) { return HIWORD(value); }

void SetFrameProperty(HWND window, const char* name, QFrame* frame) {
    if (window) SetPropA(window, name, frame);
}

// Removes the property only while it still names this frame: a later sibling may have
// replaced "THIS" on the same parent.
void RemoveFrameProperty(HWND window, const char* name, QFrame* frame) {
    if (window && GetPropA(window, name) == frame) RemovePropA(window, name);
}

int StoredFrameOffset(HWND window) {
    return static_cast<int>(GetClassLongA(window, GCL_CBWNDEXTRA)) - 4;
}

}  // namespace

WNDPROC QFrame::AncestorProc() {
    if (ancestorLooked_ && ancestorName_ == ClassAncestor) return ancestorProc_;
    ancestorName_ = ClassAncestor;
    ancestorLooked_ = true;
    ancestorProc_ = nullptr;
    WNDCLASSEXA info{};
    info.cbSize = sizeof info;
    if (!ClassAncestor.empty() &&
        (GetClassInfoExA(nullptr, ClassAncestor.c_str(), &info) ||
         GetClassInfoExA(GetModuleHandleA(nullptr), ClassAncestor.c_str(), &info)))
        ancestorProc_ = info.lpfnWndProc;
    return ancestorProc_;
}

void QFrame::DefaultHandler(QMessage& message) {
    // The class ClassAncestor names is called only when the window's class builds on it:
    // another class's procedure would read the window's extra bytes as its own records,
    // and a class of the library would hand the message straight back here.
    WNDPROC ancestor = AncestorProc();
    if (ancestor && ancestor != velpack::BuiltOnProcedure(message.Handle)) ancestor = nullptr;
    message.Result = ancestor ? CallWindowProcA(ancestor, message.Handle, message.Msg,
                                                message.wParam, message.lParam)
                              : DefWindowProcA(message.Handle, message.Msg, message.wParam,
                                               message.lParam);
}

void QFrame::Dispatch(QMessage& message) {
    HWND window = message.Handle;
    WPARAM wParam = message.wParam;
    LPARAM lParam = message.lParam;
    message.Result = 0;
    switch (message.Msg) {
        case WM_NCCREATE: {
            int offset = StoredFrameOffset(window);
            if (offset >= 0) SetWindowLongA(window, offset, reinterpret_cast<LONG>(this));
            auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
            // The host that created the window by class name learns the object from its
            // own window (not in the test build).
            if constexpr (!velpack::kTestBuild)
                SetFrameProperty(create ? create->hwndParent : ::GetParent(window), "THIS", this);
            SetFrameProperty(window, "FreeBasicObject", this);
            CreatingObject = nullptr;
            break;
        }
        case WM_CREATE:
            // A window being created is not on the screen yet: its first painting uses the font.
            if (Font) SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(Font->Handle), FALSE);
            for (std::size_t i = 0; i < Controls.size(); ++i)
                if (velpack::IsLiveObject(Controls[i])) Controls[i]->CreateWnd();
            break;
        case WM_INITDIALOG:
            velpack::CallHandler(onInit, this);
            break;
        case WM_PAINT: {
            WNDCLASSEXA info{};
            info.cbSize = sizeof info;
            bool ownClass = ClassAncestor.empty() ||
                            (!GetClassInfoExA(nullptr, ClassAncestor.c_str(), &info) &&
                             !GetClassInfoExA(GetModuleHandleA(nullptr), ClassAncestor.c_str(),
                                              &info));
            if (ownClass) {
                PAINTSTRUCT paint;
                HDC dc = BeginPaint(window, &paint);
                if (dc && Brush && Brush->Handle) FillRect(dc, &paint.rcPaint, Brush->Handle);
                velpack::CallHandler(onPaint, this);
                EndPaint(window, &paint);
            } else {
                velpack::CallHandler(onPaint, this);
            }
            break;
        }
        case WM_DESTROY:
            Handle = nullptr;
            if constexpr (!velpack::kTestBuild) RemoveFrameProperty(::GetParent(window), "THIS", this);
            RemovePropA(window, "FreeBasicObject");
            // A window-system WM_DESTROY carries 0: the result a form was closed with
            // (Close sends it in WM_CLOSE) is kept then.
            if (wParam) ModalResult = static_cast<std::int32_t>(wParam);
            message.Result = static_cast<LRESULT>(wParam);
            break;
        case WM_COPYDATA:
            velpack::CallHandler(onData, this, reinterpret_cast<HWND>(wParam),
                                 reinterpret_cast<COPYDATASTRUCT*>(lParam));
            break;
        case WM_SHOWWINDOW:
            // Children whose windows are missing are made; existing ones keep their state.
            for (std::size_t i = 0; i < Controls.size(); ++i)
                if (velpack::IsLiveObject(Controls[i]) && !Controls[i]->HasWindow())
                    Controls[i]->CreateWnd();
            break;
        case WM_SIZE:
        case WM_WINDOWPOSCHANGED:
            Realign();
            if (Parent) Parent->Realign();
            break;
        case WM_COMMAND:
            if (lParam)
                SendMessageA(reinterpret_cast<HWND>(lParam), QM_COMMAND, wParam, lParam);
            else if (HighWord(wParam) == 0)
                velpack::CallHandler(onMenu, this, LowWord(wParam));
            else if (HighWord(wParam) == 1)
                velpack::CallHandler(onAccel, this, LowWord(wParam));
            break;
        case QM_COMMAND:
            Id = LowWord(wParam);
            velpack::CallHandler(onCommand, this, HighWord(wParam), LowWord(wParam),
                                 reinterpret_cast<HWND>(lParam));
            break;
        case WM_NOTIFY:
            if (lParam) {
                HWND from = reinterpret_cast<NMHDR*>(lParam)->hwndFrom;
                message.Result = SendMessageA(from, QM_NOTIFYCODE, 0, lParam);
            }
            break;
        case QM_NOTIFYCODE:
            if (lParam) {
                int code = static_cast<int>(reinterpret_cast<NMHDR*>(lParam)->code);
                if (code == kClickNotification) velpack::CallHandler(onClick, this);
                else if (code == kDoubleClickNotification) velpack::CallHandler(onDblClick, this);
            }
            break;
        case WM_CANCELMODE:
            if (GetCapture() == window) {
                ReleaseCapture();
                SendMessageA(window, WM_LBUTTONUP, 0, -1);
            }
            break;
        case WM_SETFOCUS:
            if (Parent) Parent->ActiveControl = this;
            break;
        case WM_KILLFOCUS:
            if (Parent && Parent->ActiveControl == this) Parent->ActiveControl = nullptr;
            break;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP: {
            bool down = message.Msg == WM_LBUTTONDOWN || message.Msg == WM_RBUTTONDOWN ||
                        message.Msg == WM_MBUTTONDOWN;
            int button = message.Msg == WM_LBUTTONDOWN || message.Msg == WM_LBUTTONUP ? 1
                         : message.Msg == WM_RBUTTONDOWN || message.Msg == WM_RBUTTONUP ? 2
                                                                                        : 16;
            QMouseEvent handler = down ? onMouseDown : onMouseUp;
            velpack::CallHandler(handler, this, button, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam),
                                 LowWord(wParam));
            break;
        }
        case WM_MOUSEMOVE:
            velpack::CallHandler(onMouseMove, this, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam),
                                 LowWord(wParam));
            break;
        case WM_CHAR:
            velpack::CallHandler(onKeyPress, this, static_cast<int>(wParam & 0xFF));
            break;
        case WM_KEYDOWN:
            velpack::CallHandler(onKeyDown, this, static_cast<int>(wParam), static_cast<int>(wParam));
            break;
        case WM_KEYUP:
            velpack::CallHandler(onKeyUp, this, static_cast<int>(wParam), static_cast<int>(wParam));
            break;
        case WM_GETDLGCODE:
            message.Result = DLGC_WANTALLKEYS;
            break;
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC:
            if (lParam)
                message.Result = SendMessageA(reinterpret_cast<HWND>(lParam), QM_CTLCOLOR, wParam,
                                              reinterpret_cast<LPARAM>(window));
            break;
        case QM_CTLCOLOR: {
            HDC dc = reinterpret_cast<HDC>(wParam);
            SetBkMode(dc, TRANSPARENT);
            SetBkColor(dc, Color);
            SetTextColor(dc, Font ? Font->Color : 0);
            SetBkMode(dc, OPAQUE);
            message.Result = reinterpret_cast<LRESULT>(Brush ? Brush->Handle : nullptr);
            break;
        }
        default:
            break;
    }
}
