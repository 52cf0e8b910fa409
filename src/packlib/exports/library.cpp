// Loading and unloading of the library.
#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "packlib/core/protocol.h"
#include "packlib/exports/messagebox.h"
#include "packlib/menus/menu.h"
#include "packlib/window/form.h"
#include "packlib/window/registration.h"

#if defined(VELPACK_TEST_BUILD)
#include "packlib/exports/test_program.h"
#endif

namespace {

void Load() {
    Application = new QApplication;
    auto* record = static_cast<QPropInfo*>(std::malloc(sizeof(QPropInfo)));
    if (record) std::memset(record, 0, sizeof(QPropInfo));
    LastPropInfo = record;
    velpack::RegisterLibraryClasses();
    LastCommandID = 0;
    velpack::InstallListErrorBoxes();
#if defined(VELPACK_TEST_BUILD)
    // The test build's program runs while the library is being loaded.
    velpack::RunTestProgram();
#endif
}

// The classes are unregistered so that a host may unload the library; the application
// object stays, and the process goes on.
void Unload() {
    velpack::UnregisterLibraryClasses();
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    try {
        if (reason == DLL_PROCESS_ATTACH) Load();
        else if (reason == DLL_PROCESS_DETACH) Unload();
    } catch (...) {
        return reason == DLL_PROCESS_ATTACH ? FALSE : TRUE;
    }
    return TRUE;
}
