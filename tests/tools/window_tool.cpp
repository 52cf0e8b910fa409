// Small window chores for test scripts:
//   close CLASS [ms]        posts WM_CLOSE to the top-level window of that class
//                           and waits until it is gone;
//   wait CLASS [ms]         waits until such a window is visible;
//   rect CLASS              prints its bounds on the screen: "left top width height";
//   start PROGRAM APPDATA   starts a program with the environment variable
//                           APPDATA set (Wine sets its own for programs started
//                           from Linux) and returns at once.
// Exit code 0 on success.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

int Start(const char* program, const char* appData) {
    if (!SetEnvironmentVariableA("APPDATA", appData)) return 1;
    CreateDirectoryA(appData, nullptr);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::string commandLine = std::string("\"") + program + "\"";
    std::string folder = program;
    folder = folder.substr(0, folder.find_last_of("\\/"));
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &info))
        return 1;
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return 0;
}

int PrintRect(const char* className) {
    HWND window = FindWindowA(className, nullptr);
    RECT bounds{};
    if (!window || !GetWindowRect(window, &bounds)) return 1;
    std::printf("%ld %ld %ld %ld\n", bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: window_tool close|wait CLASS [timeout-ms] | rect CLASS | start PROGRAM APPDATA\n");
        return 2;
    }
    if (std::strcmp(argv[1], "start") == 0) return argc > 3 ? Start(argv[2], argv[3]) : 2;
    if (std::strcmp(argv[1], "rect") == 0) return PrintRect(argv[2]);
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
