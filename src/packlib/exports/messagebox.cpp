#include "packlib/exports/messagebox.h"

#include "packlib/lists/listerrors.h"

namespace {

VelpackMessageBoxHook currentHook = nullptr;

void ShowListError(bool ownedByActiveWindow, const std::string& text, const std::string& caption) {
    velpack::ShowMessageBox(ownedByActiveWindow ? GetActiveWindow() : nullptr, text.c_str(),
                            caption.c_str(), velpack::kListErrorStyle);
}

}  // namespace

VelpackMessageBoxHook VelpackSetMessageBoxHook(VelpackMessageBoxHook hook) {
    VelpackMessageBoxHook previous = currentHook;
    currentHook = hook;
    return previous;
}

namespace velpack {

int ShowMessageBox(HWND owner, const char* text, const char* caption, unsigned style) {
    if (currentHook) return currentHook(owner, text ? text : "", caption ? caption : "", style);
    return MessageBoxA(owner, text ? text : "", caption ? caption : "", style);
}

void InstallListErrorBoxes() {
    SetListErrorSink(ShowListError);
}

}  // namespace velpack
