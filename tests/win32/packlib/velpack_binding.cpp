#include "velpack_binding.h"

namespace {

template <class F>
void Bind(HMODULE module, F& function, const char* name) {
    function = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

LRESULT CALLBACK HostProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, msg, wParam, lParam);
}

const char* HostClass() {
    static bool registered = false;
    if (!registered) {
        WNDCLASSA info{};
        info.lpfnWndProc = HostProc;
        info.hInstance = GetModuleHandleA(nullptr);
        info.lpszClassName = "VelpackTestHost";
        RegisterClassA(&info);
        registered = true;
    }
    return "VelpackTestHost";
}

}  // namespace

VelpackBinding::VelpackBinding() {
    module = LoadLibraryA("Velpack.dll");
    if (!module) return;
    Bind(module, getPropList, "GETPROPLIST@4");
    Bind(module, getPropInfo, "GETPROPINFO@8");
    Bind(module, getPropValue, "GETPROPVALUE@8");
    Bind(module, setPropValue, "SETPROPVALUE@12");
    Bind(module, registerClasses, "REGISTER@0");
    Bind(module, version, "VERSION@0");
    Bind(module, standards, "_ZN9STANDARDS18REGISTERCOMPONENTSEv@0");
    Bind(module, menus, "_ZN5MENUS18REGISTERCOMPONENTSEv@0");
    Bind(module, mainWindow, "MAINWINDOW@0");
    Bind(module, showMessage, "SHOWMESSAGE@4");
    Bind(module, messageDlg, "MESSAGEDLG@12");
    Bind(module, sysErrorMessage, "SYSERRORMESSAGE@4");
    Bind(module, classNameIs, "CLASSNAMEIS@4");
    Bind(module, debug, "DEBUG@4");
    Bind(module, setMessageBoxHook, "VelpackSetMessageBoxHook");
}

const VelpackBinding& Velpack() {
    static VelpackBinding binding;
    return binding;
}

std::string Text(const char* text) {
    return text ? std::string(text) : std::string("<null>");
}

std::string VelpackBinding::List(void* object) const {
    return Text(getPropList(object));
}

std::string VelpackBinding::Value(void* object, const char* name) const {
    return Text(getPropValue(object, name));
}

bool VelpackBinding::Set(void* object, const char* name, const std::string& value) const {
    return (setPropValue(object, name, value.c_str()) & 0xFF) != 0;
}

QPropInfoRecord* VelpackBinding::Info(void* object, const char* name) const {
    return getPropInfo(object, name);
}

HostWindow::HostWindow(int width, int height) {
    handle = CreateWindowExA(0, HostClass(), "host", WS_OVERLAPPEDWINDOW, 0, 0, width, height,
                             nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

HostWindow::~HostWindow() {
    if (IsWindow(handle)) DestroyWindow(handle);
}

HWND CreateByName(const char* className, HWND parent, int x, int y, int width, int height,
                  DWORD style, int id) {
    return CreateWindowExA(0, className, className, style, x, y, width, height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleA(nullptr), nullptr);
}

void* ObjectOf(HWND parent) {
    return GetPropA(parent, "this");
}
