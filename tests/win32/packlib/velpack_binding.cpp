#include "velpack_binding.h"

#include <cstdio>

#include "packhost/pack_error.h"

namespace {

template <class F>
void Bind(const tavrin::PackLibrary& library, F& function, const char* name) {
    function = library.ExportAs<F>(name);
}

// Velpack.dll beside the test program.
std::string LibraryPath() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of("\\/") + 1) + "Velpack.dll";
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
    try {
        library = std::make_unique<tavrin::PackLibrary>(LibraryPath());
    } catch (const tavrin::PackError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return;
    }
    static_cast<tavrin::PackEntryPoints&>(*this) = library->EntryPoints();
    Bind(*library, standards, packapi::kStandardsRegister);
    Bind(*library, menus, packapi::kMenusRegister);
    Bind(*library, mainWindow, "MAINWINDOW@0");
    Bind(*library, showMessage, "SHOWMESSAGE@4");
    Bind(*library, messageDlg, "MESSAGEDLG@12");
    Bind(*library, sysErrorMessage, "SYSERRORMESSAGE@4");
    Bind(*library, classNameIs, "CLASSNAMEIS@4");
    Bind(*library, debug, "DEBUG@4");
    Bind(*library, setMessageBoxHook, "VelpackSetMessageBoxHook");
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

QPropInfo* VelpackBinding::Info(void* object, const char* name) const {
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
