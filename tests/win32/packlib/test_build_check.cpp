// Drives the window of test.dll's test program from outside (its host runs in a process of
// its own): "shown" checks the form with its static text and button and clicks the button;
// "close" answers the close question first with No (the form stays) and then with Yes (the
// form closes). Exit code 0 when every check holds.
#include <windows.h>

#include <cstdio>
#include <string>

#include "outside_checks.h"

namespace {

// The message box's text: the static control of the box that is not its icon.
std::string BoxText(HWND box) {
    std::string text;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char className[32] = {};
        GetClassNameA(child, className, sizeof className);
        if (lstrcmpiA(className, "Static") == 0 && !TextOf(child).empty()) text = TextOf(child);
    }
    return text;
}

// Closes the form and answers the question; true when the box showed as it should.
bool AnswerClose(HWND form, int button) {
    PostMessageA(form, WM_CLOSE, 0, 0);
    HWND box = WaitForWindow("#32770", "Application");
    if (!box) return false;
    bool asked = BoxText(box) == "close for sure?" && GetDlgItem(box, IDYES) && GetDlgItem(box, IDNO);
    PostMessageA(GetDlgItem(box, button), BM_CLICK, 0, 0);
    return WaitUntilGone(box) && asked;
}

int Shown() {
    HWND form = WaitForWindow("QForm", "test");
    Check(form != nullptr, "the application form is shown");
    if (!form) return 1;
    HWND text = FindWindowExA(form, nullptr, "QStatic", nullptr);
    HWND button = FindWindowExA(form, nullptr, "QButton", nullptr);
    Check(text && IsWindowVisible(text) && TextOf(text) == "i am a static",
          "the static control shows \"i am a static\"");
    Check(button && IsWindowVisible(button) && TextOf(button) == "click me",
          "the button shows \"click me\"");
    // The library windows are bound to their objects, but no "THIS" reaches the parent.
    Check(text && GetPropA(text, "FreeBasicObject") != nullptr, "the static control has its object");
    Check(GetPropA(form, "THIS") == nullptr, "no \"THIS\" on the form its controls are in");
    if (button) {
        PostMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        PostMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    }
    return outsideFailures == 0 ? 0 : 1;
}

int Close() {
    HWND form = WaitForWindow("QForm", "test");
    Check(form != nullptr, "the application form is there to close");
    if (!form) return 1;
    Check(AnswerClose(form, IDNO), "closing asks \"close for sure?\" under \"Application\"; No");
    Check(IsWindow(form) && IsWindowVisible(form), "after No the form stays open");
    Check(AnswerClose(form, IDYES), "closing again asks the same; Yes");
    Check(WaitUntilGone(form), "after Yes the form is gone");
    return outsideFailures == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "shown") return Shown();
    if (mode == "close") return Close();
    std::printf("usage: velpack_test_build_check shown|close\n");
    return 2;
}
