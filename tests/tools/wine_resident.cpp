// A tiny resident Win32 program that stays alive for a whole test session, so
// that Wine's desktop process does not stop and restart between test
// programs. It writes the file named by its argument once its window exists,
// and ends on WM_CLOSE or when the Wine session is stopped.
#include <windows.h>
#include <cstdio>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR cmdLine, int) {
    HWND window = CreateWindowExA(0, "STATIC", "wine resident", WS_POPUP, 0, 0, 1, 1,
                                  nullptr, nullptr, instance, nullptr);
    if (!window) return 1;
    if (cmdLine && *cmdLine) {
        if (FILE* ready = std::fopen(cmdLine, "w")) {
            std::fputs("ready\n", ready);
            std::fclose(ready);
        }
    }
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
