// Looks at the menus sample from outside while a script clicks it: where its menu bar and
// an open menu are on the screen, whether a menu is open, what its status line says, and
// that it ends with exit code 0 when closed. One mode a call:
//   menubar          checks the form, prints "at X Y" of the first item of the menu bar
//   openmenu         waits for an open menu, prints "at X Y" of its first entry
//   client X Y       prints "at X Y" of that point of the form's client area on the screen
//   status TEXT      waits until the status line shows TEXT
//   close            closes the form and waits until it is gone
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "outside_checks.h"

namespace {

const char kTitle[] = "Velpack menus";

HWND Form() {
    return WaitForWindow("QForm", kTitle);
}

void PrintAt(POINT point) {
    std::printf("at %ld %ld\n", point.x, point.y);
}

// The status line: the second static text of the form (the first is the title).
HWND StatusLine(HWND form) {
    HWND title = FindWindowExA(form, nullptr, "QStatic", nullptr);
    return title ? FindWindowExA(form, title, "QStatic", nullptr) : nullptr;
}

int MenuBar() {
    HWND form = Form();
    Check(form != nullptr, "the sample shows its form");
    if (!form) return 1;
    HWND image = FindWindowExA(form, nullptr, "QImage", nullptr);
    Check(image && IsWindowVisible(image), "the form shows its picture");
    Check(SendMessageA(image, STM_GETIMAGE, IMAGE_BITMAP, 0) != 0, "the picture has the image of the file");
    Check(StatusLine(form) != nullptr, "the form shows a title and a status line");
    RECT window;
    GetWindowRect(form, &window);
    POINT client{0, 0};
    ClientToScreen(form, &client);
    // The menu bar lies between the caption and the client area.
    Check(client.y - window.top >= GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYMENU) / 2,
          "the form has room for a menu bar");
    PrintAt(POINT{client.x + 14, client.y - GetSystemMetrics(SM_CYMENU) / 2});
    return outsideFailures == 0 ? 0 : 1;
}

int OpenMenu() {
    HWND menu = WaitForWindow("#32768", nullptr, 5000);
    Check(menu != nullptr, "a menu is open");
    if (!menu) return 1;
    RECT rect;
    GetWindowRect(menu, &rect);
    PrintAt(POINT{rect.left + 30, rect.top + 3 + GetSystemMetrics(SM_CYMENU) / 2});
    return 0;
}

int Client(int x, int y) {
    HWND form = Form();
    if (!form) return 1;
    POINT point{x, y};
    ClientToScreen(form, &point);
    PrintAt(point);
    return 0;
}

int Status(const std::string& expected) {
    HWND form = Form();
    HWND status = form ? StatusLine(form) : nullptr;
    Check(status && WaitForText(status, expected), ("the status line says \"" + expected + "\"").c_str());
    return outsideFailures == 0 ? 0 : 1;
}

int Close() {
    HWND form = Form();
    if (!form) return 1;
    PostMessageA(form, WM_CLOSE, 0, 0);
    Check(WaitUntilGone(form), "closing the form takes it away");
    return outsideFailures == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "menubar") return MenuBar();
    if (mode == "openmenu") return OpenMenu();
    if (mode == "client" && argc > 3) return Client(std::atoi(argv[2]), std::atoi(argv[3]));
    if (mode == "status" && argc > 2) return Status(argv[2]);
    if (mode == "close") return Close();
    std::printf("usage: velpack_menus_sample_check menubar|openmenu|client X Y|status TEXT|close\n");
    return 2;
}
