// Starts a copy of the workbench where a user has it (an installed folder or
// an unpacked zip) and checks it from outside: Velpack's page on the palette,
// the about box naming the settings file, a clean close, and the settings
// written where they belong. Driven by package_e2e.sh, which makes the copies.
//   installed_copy_check <program folder> <application-data folder> beside|user-data
// Prints each failed check; exit code 0 when all passed.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "workbench/main_window.h"
#include "workbench_process.h"

namespace {

int failures = 0;

void Check(bool ok, const std::string& what) {
    std::printf("%s %s\n", ok ? "ok  " : "FAIL", what.c_str());
    if (!ok) ++failures;
}

bool FileExists(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string IniValue(const std::string& file, const char* section, const char* key) {
    char value[1024] = {};
    GetPrivateProfileStringA(section, key, "<missing>", value, sizeof value, file.c_str());
    return value;
}

std::string WindowText(HWND window) {
    char text[1024] = {};
    SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

// Opens the about box and returns the settings file it names.
std::string SettingsFileShownInAboutBox(e2e::WorkbenchProcess& process) {
    process.PostCommand(tavrin::cmdAboutSoftware);
    HWND about = nullptr;
    for (int i = 0; i < 200 && !about; ++i, Sleep(20)) {
        auto windows = process.Windows();
        auto found = windows.find("TAbout");
        if (found != windows.end() && found->second.visible) about = found->second.handle;
    }
    if (!about) return "<no about box>";
    std::vector<HWND> edits = e2e::ChildrenOfClass(about, "Edit");
    std::string shown = edits.size() == 1 ? WindowText(edits[0]) : "<no settings line>";
    PostMessageA(about, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    for (int i = 0; i < 200 && IsWindowVisible(about); ++i) Sleep(20);
    return shown;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: installed_copy_check <program folder> <application-data folder> beside|user-data\n");
        return 2;
    }
    const std::string folder = e2e::WindowsPath(argv[1]);
    const std::string appData = e2e::WindowsPath(argv[2]);
    const bool beside = std::string(argv[3]) == "beside";
    const std::string besideIni = folder + "\\Tavrin2.ini";
    const std::string userIni = appData + "\\Tavrin2\\Tavrin2.ini";
    const std::string settings = beside ? besideIni : userIni;

    e2e::WorkbenchProcess process(folder + "\\Tavrin2.exe", folder, appData);
    long startMs = process.WaitUntilIdle();
    Check(startMs >= 0, "the workbench starts from " + folder);
    if (startMs < 0) return 1;

    std::vector<HWND> pages;
    for (int tries = 0; tries < 100 && pages.empty(); ++tries, Sleep(20))
        pages = e2e::ChildrenOfClass(process.Main(), "TPalettePage");
    Check(pages.size() == 1 && e2e::ChildrenOfClass(pages[0], "Button").size() == 11,
          "Velpack's ten components are on the palette");
    for (const auto& [className, window] : process.Windows())
        if (className.rfind("#32770", 0) == 0 && window.visible) Check(false, "no message box: " + window.caption);

    std::string shown = SettingsFileShownInAboutBox(process);
    Check(lstrcmpiA(shown.c_str(), settings.c_str()) == 0, "the about box names " + settings + " (shows " + shown + ")");
    Check(process.CloseAndWait() == 0, "the workbench closes cleanly");

    Check(IniValue(settings, "libs", "Velpack.dll") == "true", settings + " lists Velpack.dll");
    Check(IniValue(settings, "Main", "left") != "<missing>", settings + " holds the window bounds written at exit");
    if (beside) Check(!FileExists(userIni), "nothing written to " + userIni);
    else Check(IniValue(besideIni, "Main", "left") == "<missing>", "the program folder's settings file is not written");
    return failures == 0 ? 0 : 1;
}
