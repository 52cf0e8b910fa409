// Helpers of the programs that drive another process's windows from outside and report
// each check as a line ("ok: ..." or "FAILED: ...").
#pragma once

#include <windows.h>

#include <cstdio>
#include <string>

inline int outsideFailures = 0;

inline void Check(bool condition, const char* what) {
    std::printf("%s: %s\n", condition ? "ok" : "FAILED", what);
    if (!condition) ++outsideFailures;
}

inline std::string TextOf(HWND window) {
    char text[256] = {};
    SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

// Waits for a visible top-level window of the class and title (null: any title).
inline HWND WaitForWindow(const char* className, const char* title, int milliseconds = 10000) {
    for (int waited = 0; waited < milliseconds; waited += 25) {
        HWND window = FindWindowA(className, title);
        if (window && IsWindowVisible(window)) return window;
        Sleep(25);
    }
    return nullptr;
}

inline bool WaitUntilGone(HWND window, int milliseconds = 10000) {
    for (int waited = 0; waited < milliseconds; waited += 25) {
        if (!IsWindow(window)) return true;
        Sleep(25);
    }
    return false;
}

// Waits until the window's text is the expected one; prints the last text when it never is.
inline bool WaitForText(HWND window, const std::string& expected, int milliseconds = 2000) {
    for (int waited = 0; waited < milliseconds; waited += 10) {
        if (TextOf(window) == expected) return true;
        Sleep(10);
    }
    std::printf("  text is \"%s\"\n", TextOf(window).c_str());
    return false;
}
