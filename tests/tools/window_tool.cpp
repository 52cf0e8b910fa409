// Small window chores for test scripts: "close CLASS" posts WM_CLOSE to the
// top-level window of that class and waits until it is gone; "wait CLASS"
// waits until such a window is visible. Exit code 0 on success.
#include <windows.h>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: window_tool close|wait CLASS [timeout-ms]\n");
        return 2;
    }
    DWORD timeout = argc > 3 ? static_cast<DWORD>(std::atoi(argv[3])) : 20000;
    DWORD start = GetTickCount();
    bool close = std::strcmp(argv[1], "close") == 0;
    if (close) {
        HWND window = FindWindowA(argv[2], nullptr);
        if (!window) return 1;
        PostMessageA(window, WM_CLOSE, 0, 0);
    }
    while (GetTickCount() - start < timeout) {
        HWND window = FindWindowA(argv[2], nullptr);
        if (close && !window) return 0;
        if (!close && window && IsWindowVisible(window)) return 0;
        Sleep(50);
    }
    return 1;
}
