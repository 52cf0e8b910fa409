// Tavrin2: the entry point and the message loop.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include "app/fatal_error.h"
#include "app/safety_net.h"
#include "app/startup.h"
#include "common/commands.h"
#include "common/prompts.h"
#include "editor/scintilla_view.h"
#include "workbench/main_window.h"
#include "ui/win32_prompts.h"
#include "ui/window_hooks.h"
#include "workbench/workbench.h"

namespace {

HWND PromptOwner() {
    HWND active = GetActiveWindow();
    if (active) return active;
    return tavrin::App().Main ? tavrin::App().Main->Handle() : nullptr;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    tavrin::InstallFatalErrorHandler();
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_BAR_CLASSES |
                                                        ICC_TAB_CLASSES | ICC_TREEVIEW_CLASSES |
                                                        ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    tavrin::RegisterScintilla();
    static tavrin::Win32Prompts prompts(PromptOwner);
    tavrin::SetUserPrompts(&prompts);

    if (!tavrin::RunCommand(tavrin::StartWorkbench)) return 1;
    tavrin::RunCommand(tavrin::StartSafetyNet);

    HACCEL accelerators = tavrin::CreateMainAccelerators();
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        HWND main = tavrin::App().Main ? tavrin::App().Main->Handle() : nullptr;
        if (main && TranslateAcceleratorA(main, accelerators, &msg)) continue;
        if (tavrin::HandleDialogKeys(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
