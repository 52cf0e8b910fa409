#include "packlib/window/registration.h"

#include "packlib/controls/controls.h"
#include "packlib/window/form.h"

namespace {

// The frame bound to a window: the address kept in the last 4 extra bytes.
QFrame* StoredFrame(HWND window) {
    int offset = static_cast<int>(GetClassLongA(window, GCL_CBWNDEXTRA)) - 4;
    if (offset < 0) return nullptr;
    return reinterpret_cast<QFrame*>(GetWindowLongA(window, offset));
}

void ClearStoredFrame(HWND window) {
    int offset = static_cast<int>(GetClassLongA(window, GCL_CBWNDEXTRA)) - 4;
    if (offset >= 0) SetWindowLongA(window, offset, 0);
}

// The window procedure of the window-system class a control class builds on.
template <class T>
struct ClassProc {
    static WNDPROC ancestor;
};
template <class T>
WNDPROC ClassProc<T>::ancestor = DefWindowProcA;

template <class T>
LRESULT DeliverMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    QFrame* frame = StoredFrame(window);
    if (!frame) frame = CreatingObject;
    if (!frame) {
        // A window created by name by someone else: its object is made when the window
        // is being created; earlier messages go to the class it builds on.
        if (msg != WM_NCCREATE) return CallWindowProcA(ClassProc<T>::ancestor, window, msg, wParam, lParam);
        T* made = new T;
        made->MadeForWindow = true;
        frame = made;
    }
    if (msg != WM_NCDESTROY) frame->Handle = window;
    QMessage message{window, msg, wParam, lParam, 0, frame};
    frame->Dispatch(message);
    if (message.Result == 0) frame->DefaultHandler(message);
    if (msg == WM_NCDESTROY) {
        ClearStoredFrame(window);
        if (frame->Handle == window) frame->Handle = nullptr;
        if (frame->MadeForWindow) frame->ReleaseHandles();
    }
    return message.Result;
}

template <class T>
LRESULT CALLBACK FrameWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    // No exception leaves the window procedure.
    try {
        return DeliverMessage<T>(window, msg, wParam, lParam);
    } catch (...) {
        return 0;
    }
}

HINSTANCE Program() {
    return GetModuleHandleA(nullptr);
}

template <class T>
void RegisterControlClass(const char* className, const char* systemClass) {
    WNDCLASSEXA info{};
    info.cbSize = sizeof info;
    if (!GetClassInfoExA(nullptr, systemClass, &info)) return;
    ClassProc<T>::ancestor = info.lpfnWndProc;
    info.cbWndExtra += 4;
    info.lpfnWndProc = FrameWindowProc<T>;
    info.hInstance = Program();
    info.lpszClassName = className;
    RegisterClassExA(&info);
}

const char* const kClassNames[] = {"QForm",        "QStatic",   "QImage", "QButton",
                                   "QCheckBox",    "QRadioButton", "QGroupBox", "QEdit",
                                   "QComboBox",    "QListBox",  "QScrollBar"};

}  // namespace

bool RegisterFormClass(const char* className) {
    if (!className || !*className) return false;
    WNDCLASSEXA info{};
    info.cbSize = sizeof info;
    info.lpfnWndProc = FrameWindowProc<QForm>;
    info.cbWndExtra = 4;
    info.hInstance = Program();
    info.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    info.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    info.lpszClassName = className;
    return RegisterClassExA(&info) != 0;
}

namespace velpack {

void RegisterLibraryClasses() {
    RegisterFormClass("QForm");
    RegisterControlClass<QStatic>("QStatic", "static");
    RegisterControlClass<QImage>("QImage", "static");
    RegisterControlClass<QButton>("QButton", "Button");
    RegisterControlClass<QCheckBox>("QCheckBox", "Button");
    RegisterControlClass<QRadioButton>("QRadioButton", "Button");
    RegisterControlClass<QGroupBox>("QGroupBox", "Button");
    RegisterControlClass<QEdit>("QEdit", "edit");
    RegisterControlClass<QComboBox>("QComboBox", "combobox");
    RegisterControlClass<QListBox>("QListBox", "listbox");
    RegisterControlClass<QScrollBar>("QScrollBar", "scrollbar");
}

void UnregisterLibraryClasses() {
    for (const char* name : kClassNames) UnregisterClassA(name, Program());
}

// A control class's window procedure and the procedure of the class it builds on.
template <class T>
bool BuiltOn(WNDPROC classProc, WNDPROC& builtOn) {
    if (classProc != FrameWindowProc<T>) return false;
    builtOn = ClassProc<T>::ancestor;
    return true;
}

WNDPROC BuiltOnProcedure(HWND window) {
    auto classProc = reinterpret_cast<WNDPROC>(GetClassLongPtrA(window, GCLP_WNDPROC));
    WNDPROC builtOn = nullptr;
    if (classProc && (BuiltOn<QStatic>(classProc, builtOn) || BuiltOn<QImage>(classProc, builtOn) ||
                      BuiltOn<QButton>(classProc, builtOn) || BuiltOn<QCheckBox>(classProc, builtOn) ||
                      BuiltOn<QRadioButton>(classProc, builtOn) ||
                      BuiltOn<QGroupBox>(classProc, builtOn) || BuiltOn<QEdit>(classProc, builtOn) ||
                      BuiltOn<QComboBox>(classProc, builtOn) ||
                      BuiltOn<QListBox>(classProc, builtOn) ||
                      BuiltOn<QScrollBar>(classProc, builtOn)))
        return builtOn;
    return nullptr;
}

}  // namespace velpack
