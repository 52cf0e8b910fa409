// ProbePack.dll: a small component pack for the workbench's tests. It exports
// only "REGISTER@0" and offers two classes on a page of its own:
//  - QProbe, a well-behaved class: its windows leave their object on the parent
//    as "THIS" (as Velpack's do), carry a child window, paint their text, and
//    count the mouse messages they receive (answered to message kProbeMouseCount);
//  - QRefuser, a misbehaving class: its window procedure refuses creation.
#include <windows.h>

#include <cstdlib>
#include <cstring>

namespace {

constexpr UINT kProbeMouseCount = WM_APP + 0x51;  // answers the number of mouse messages seen
const char kRegistration[] = "Probes:QProbe,QRefuser";

struct Probe {
    int mouseMessages = 0;
};

Probe* ProbeOf(HWND window) {
    return reinterpret_cast<Probe*>(GetWindowLongPtrA(window, 0));
}

void Paint(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT area;
    GetClientRect(window, &area);
    HBRUSH yellow = CreateSolidBrush(RGB(255, 240, 160));
    FillRect(dc, &area, yellow);
    DeleteObject(yellow);
    char text[128] = {};
    GetWindowTextA(window, text, sizeof text);
    SetBkMode(dc, TRANSPARENT);
    DrawTextA(dc, text, -1, &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    EndPaint(window, &paint);
}

LRESULT CALLBACK ProbeProc(HWND window, UINT message, WPARAM wp, LPARAM lp) {
    switch (message) {
    case WM_NCCREATE: {
        auto* probe = new Probe;
        SetWindowLongPtrA(window, 0, reinterpret_cast<LONG_PTR>(probe));
        if (HWND parent = GetParent(window)) SetPropA(parent, "THIS", probe);
        break;
    }
    case WM_CREATE:
        CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 2, 2, 8, 8, window, nullptr,
                        GetModuleHandleA(nullptr), nullptr);
        return 0;
    case WM_PAINT:
        Paint(window);
        return 0;
    case kProbeMouseCount:
        return ProbeOf(window) ? ProbeOf(window)->mouseMessages : -1;
    case WM_DESTROY:
        if (HWND parent = GetParent(window)) RemovePropA(parent, "THIS");
        break;
    case WM_NCDESTROY:
        delete ProbeOf(window);
        SetWindowLongPtrA(window, 0, 0);
        break;
    default:
        if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST && ProbeOf(window)) ++ProbeOf(window)->mouseMessages;
        break;
    }
    return DefWindowProcA(window, message, wp, lp);
}

LRESULT CALLBACK RefuserProc(HWND window, UINT message, WPARAM wp, LPARAM lp) {
    if (message == WM_NCCREATE) return FALSE;  // no window of this class comes into being
    return DefWindowProcA(window, message, wp, lp);
}

void RegisterProbeClass(const char* name, WNDPROC procedure) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = procedure;
    wc.cbWndExtra = sizeof(LONG_PTR);
    wc.hInstance = GetModuleHandleA(nullptr);  // for the host's module, as packs do
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = name;
    RegisterClassExA(&wc);
}

}  // namespace

extern "C" {

char* __stdcall REGISTER() {
    char* text = static_cast<char*>(std::malloc(sizeof kRegistration));
    if (text) std::memcpy(text, kRegistration, sizeof kRegistration);
    return text;  // never freed, as the pack contract says
}

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        RegisterProbeClass("QProbe", ProbeProc);
        RegisterProbeClass("QRefuser", RefuserProc);
    }
    return TRUE;
}

}
