// FaultPack.dll: a component pack that fails inside its own window procedure
// when told to, for the tests of the workbench's fatal error handler. Its
// registration (which runs in the workbench) makes a hidden top-level window
// of the class "QFaultTrigger"; a test finds it among the workbench's windows
// and posts it one of the messages below. The window procedure then runs
// inside the workbench's message loop, as a pack's code does:
//   kFaultAccess  writes through an invalid address (an access violation);
//   kFaultThrow   throws a C++ exception out of the window procedure.
#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace {

constexpr UINT kFaultAccess = WM_APP + 0x66;
constexpr UINT kFaultThrow = WM_APP + 0x67;
const char kRegistration[] = "Faults:QFaultTrigger";

volatile std::uintptr_t invalidAddress = 0x10;

[[gnu::noinline]] void WriteThroughInvalidAddress() { *reinterpret_cast<volatile int*>(invalidAddress) = 1; }

LRESULT CALLBACK TriggerProc(HWND window, UINT message, WPARAM wp, LPARAM lp) {
    if (message == kFaultAccess) WriteThroughInvalidAddress();
    if (message == kFaultThrow) throw std::runtime_error("a pack's window procedure failed");
    return DefWindowProcA(window, message, wp, lp);
}

void CreateTrigger() {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = TriggerProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "QFaultTrigger";
    RegisterClassExA(&wc);
    CreateWindowExA(0, "QFaultTrigger", "fault trigger", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                    wc.hInstance, nullptr);
}

}  // namespace

extern "C" {

char* __stdcall REGISTER() {
    static bool created = false;
    if (!created) {
        created = true;
        CreateTrigger();
    }
    char* text = static_cast<char*>(std::malloc(sizeof kRegistration));
    if (text) std::memcpy(text, kRegistration, sizeof kRegistration);
    return text;  // never freed, as the pack contract says
}

}
