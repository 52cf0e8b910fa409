// A library whose start-up refuses to run, so the system does not load it.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    return reason != DLL_PROCESS_ATTACH;
}

extern "C" char* __stdcall REGISTER() {
    return nullptr;
}
