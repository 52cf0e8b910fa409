// Runs the hello sample, clicks its button from outside and reads the changed text.
// Argument: the path of the sample program.
#include <windows.h>

#include <cstdio>
#include <string>

#include "outside_checks.h"


int main(int argc, char** argv) {
    if (argc < 2) {
        std::printf("usage: velpack_sample_test <sample program> [--keep]\n");
        return 2;
    }
    std::string command = std::string("\"") + argv[1] + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        std::printf("FAILED: cannot start %s\n", argv[1]);
        return 1;
    }
    HWND form = WaitForWindow("QForm", "Velpack hello");
    Check(form != nullptr, "the sample shows its form");
    HWND button = nullptr, text = nullptr;
    for (int i = 0; form && (!button || !text) && i < 200; ++i) {
        button = FindWindowExA(form, nullptr, "QButton", nullptr);
        text = FindWindowExA(form, nullptr, "QStatic", nullptr);
        if (!button || !text) Sleep(10);
    }
    Check(button && text, "the form holds a button and a static text");
    if (button && text) {
        Check(TextOf(text) == "Press the button", "the text before a click");
        Check(TextOf(button) == "Click me", "the button's caption");
        // A mouse click as the window system delivers it: button down and up inside.
        PostMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        PostMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        Check(WaitForText(text, "Clicked 1 time"), "a mouse click changes the text");
        // The button's own notification, sent to the form as a click of the control.
        SendMessageA(form, WM_COMMAND, MAKEWPARAM(1, BN_CLICKED), reinterpret_cast<LPARAM>(button));
        Check(WaitForText(text, "Clicked 2 times"), "the click notification changes the text");
    }
    if (argc > 2 && std::string(argv[2]) == "--keep") {
        std::printf("the sample stays open; press Enter to close it\n");
        std::getchar();
    }
    if (form) PostMessageA(form, WM_CLOSE, 0, 0);
    DWORD exitCode = 1;
    bool ended = WaitForSingleObject(process.hProcess, 10000) == WAIT_OBJECT_0;
    GetExitCodeProcess(process.hProcess, &exitCode);
    Check(ended && exitCode == 0, "closing the form ends the sample with exit code 0");
    if (!ended) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return outsideFailures == 0 ? 0 : 1;
}
