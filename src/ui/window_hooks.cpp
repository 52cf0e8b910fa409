#include "ui/window_hooks.h"

namespace tavrin {

namespace {
constexpr const char* kDialogKeysProperty = "TavrinDialogKeys";
}

WindowHooks& SharedWindowHooks() {
    static WindowHooks hooks;
    return hooks;
}

void EnableDialogKeys(HWND window) { SetPropA(window, kDialogKeysProperty, reinterpret_cast<HANDLE>(1)); }

bool HandleDialogKeys(MSG& message) {
    if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST || !message.hwnd) return false;
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    return root && GetPropA(root, kDialogKeysProperty) && IsDialogMessageA(root, &message);
}

}  // namespace tavrin
