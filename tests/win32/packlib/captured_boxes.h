// Message boxes of the library taken over by a test: recorded instead of shown.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct CapturedBox {
    HWND owner;
    std::string text, caption;
    unsigned style;
};

inline std::vector<CapturedBox> capturedBoxes;
// The button every captured box answers with.
inline int capturedAnswer = IDOK;

inline int __stdcall CaptureBox(HWND owner, const char* text, const char* caption,
                                unsigned style) {
    capturedBoxes.push_back({owner, text ? text : "", caption ? caption : "", style});
    return capturedAnswer;
}
