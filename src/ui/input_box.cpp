#include "ui/input_box.h"

#include <vector>

namespace tavrin {

namespace {

constexpr int kEditId = 100;

struct InputState {
    std::string* value;
    bool accepted = false;
    bool done = false;
    HWND edit = nullptr;
};

LRESULT CALLBACK InputBoxProc(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
    auto* state = reinterpret_cast<InputState*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    switch (msg) {
    case WM_COMMAND:
        if (!state) break;
        if (LOWORD(wp) == IDOK) {
            int length = GetWindowTextLengthA(state->edit);
            std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
            GetWindowTextA(state->edit, buffer.data(), length + 1);
            state->value->assign(buffer.data());
            state->accepted = true;
            state->done = true;
            return 0;
        }
        if (LOWORD(wp) == IDCANCEL) {
            state->done = true;
            return 0;
        }
        break;
    case WM_CLOSE:
        if (state) state->done = true;
        return 0;
    }
    return DefWindowProcA(window, msg, wp, lp);
}

const char* RegisterInputBoxClass() {
    static const char* name = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = InputBoxProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = "TavrinInputBox";
        RegisterClassA(&wc);
        return "TavrinInputBox";
    }();
    return name;
}

}  // namespace

bool ShowInputBox(HWND owner, const std::string& caption, const std::string& prompt,
                  std::string& value) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    RECT area{0, 0, 360, 120};
    AdjustWindowRect(&area, WS_POPUP | WS_CAPTION | WS_SYSMENU, FALSE);
    int width = area.right - area.left, height = area.bottom - area.top;
    int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    HWND box = CreateWindowExA(WS_EX_DLGMODALFRAME, RegisterInputBoxClass(), caption.c_str(),
                               WS_POPUP | WS_CAPTION | WS_SYSMENU, x, y, width, height, owner,
                               nullptr, instance, nullptr);
    if (!box) return false;
    InputState state{&value};
    SetWindowLongPtrA(box, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&state));
    auto child = [&](const char* cls, const char* text, DWORD style, int cx, int cy, int w, int h,
                     int id) {
        HWND c = CreateWindowExA(id == kEditId ? WS_EX_CLIENTEDGE : 0, cls, text,
                                 WS_CHILD | WS_VISIBLE | style, cx, cy, w, h, box,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
        SendMessageA(c, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        return c;
    };
    child("STATIC", prompt.c_str(), 0, 12, 10, 336, 18, -1);
    state.edit = child("EDIT", value.c_str(), WS_TABSTOP | ES_AUTOHSCROLL, 12, 32, 336, 22, kEditId);
    child("BUTTON", "OK", WS_TABSTOP | BS_DEFPUSHBUTTON, 188, 80, 75, 25, IDOK);
    child("BUTTON", "Cancel", WS_TABSTOP, 273, 80, 75, 25, IDCANCEL);

    if (owner) EnableWindow(owner, FALSE);
    ShowWindow(box, SW_SHOW);
    SetFocus(state.edit);
    SendMessageA(state.edit, EM_SETSEL, 0, -1);
    MSG msg;
    while (!state.done && GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageA(box, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    if (owner) EnableWindow(owner, TRUE);
    DestroyWindow(box);
    if (owner) SetActiveWindow(owner);
    return state.accepted;
}

}  // namespace tavrin
