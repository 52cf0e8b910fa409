// Times the start of the workbench as a user sees it:
//   startup_timing <application folder> [runs] [--fresh-database]
// Starts Tavrin2.exe in that folder, watches its windows from outside and
// prints, in milliseconds since the process was created: the main window
// shown, the splash shown and hidden, the code window, objects tree and
// inspector all shown, the workbench idle after that, and (with
// --fresh-database, which deletes DataBase.ini before each run) the moment
// DataBase.ini is written. Then it closes the workbench with its main window.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "moment_clock.h"
#include "workbench_process.h"

namespace {

using bench::NowMs;
using bench::PrintMoment;

using Windows = std::map<std::string, e2e::SeenWindow>;

bool FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Moments of one start, in milliseconds since the process was created; -1
// when the moment was not seen.
struct StartTimes {
    double main = -1, splashShown = -1, splashHidden = -1, tools = -1, idle = -1, database = -1;
};

bool IsVisible(const Windows& windows, const char* className) {
    auto found = windows.find(className);
    return found != windows.end() && found->second.visible;
}

bool TimeOneStart(const std::string& folder, bool freshDatabase, StartTimes& times) {
    std::string database = folder + "\\DataBase.ini";
    if (freshDatabase) DeleteFileA(database.c_str());
    std::string commandLine = "\"" + folder + "\\Tavrin2.exe\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    double start = NowMs();
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &process)) {
        std::fprintf(stderr, "cannot start %s\n", commandLine.c_str());
        return false;
    }
    HWND main = nullptr;
    bool databaseDone = !freshDatabase;
    while (NowMs() - start < 60000) {
        Windows windows = e2e::WindowsOfProcess(process.dwProcessId);
        double now = NowMs() - start;
        if (times.main < 0 && IsVisible(windows, "TMain")) {
            times.main = now;
            main = windows["TMain"].handle;
        }
        bool splash = IsVisible(windows, "TSplash");
        if (splash && times.splashShown < 0) times.splashShown = now;
        if (!splash && times.splashShown >= 0 && times.splashHidden < 0) times.splashHidden = now;
        if (!databaseDone && FileExists(database)) {
            times.database = now;
            databaseDone = true;
        }
        if (times.tools < 0 && IsVisible(windows, "TCode") && IsVisible(windows, "TObjectsTree") &&
            IsVisible(windows, "TInspector")) {
            times.tools = now;
            WaitForInputIdle(process.hProcess, 10000);
            times.idle = NowMs() - start;
        }
        if (times.idle >= 0 && databaseDone) break;
        if (WaitForSingleObject(process.hProcess, 5) == WAIT_OBJECT_0) break;
    }
    if (main) PostMessageA(main, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 20000) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 99);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return times.idle >= 0 && databaseDone;
}

// The median and the best of the runs that saw the moment.
struct Summary {
    double median = -1, best = -1;
};

Summary Summarize(std::vector<double> values) {
    values.erase(std::remove(values.begin(), values.end(), -1.0), values.end());
    std::sort(values.begin(), values.end());
    if (values.empty()) return {};
    return {values[values.size() / 2], values.front()};
}

void PrintSummary(const char* label, const std::vector<double>& values) {
    Summary summary = Summarize(values);
    std::printf("  %-26s median %5.0f ms, best %5.0f ms\n", label, summary.median, summary.best);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: startup_timing <application folder> [runs] [--fresh-database]\n");
        return 2;
    }
    std::string folder = argv[1];
    int runs = 3;
    bool freshDatabase = false;
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "--fresh-database") == 0) freshDatabase = true;
        else runs = std::max(1, std::atoi(argv[i]));
    }
    std::vector<double> tools, idle, database;
    bool allOk = true;
    for (int run = 1; run <= runs; ++run) {
        StartTimes times;
        bool ok = TimeOneStart(folder, freshDatabase, times);
        allOk = allOk && ok;
        std::printf("run %d (ms since process start):", run);
        PrintMoment("main", times.main);
        PrintMoment("splash-shown", times.splashShown);
        PrintMoment("splash-hidden", times.splashHidden);
        PrintMoment("tool-windows", times.tools);
        PrintMoment("idle", times.idle);
        if (freshDatabase) PrintMoment("DataBase.ini", times.database);
        std::printf("%s\n", ok ? "" : "  (incomplete)");
        tools.push_back(times.tools);
        idle.push_back(times.idle);
        database.push_back(times.database);
    }
    PrintSummary("tool windows shown:", tools);
    PrintSummary("tool windows shown, idle:", idle);
    if (freshDatabase) PrintSummary("DataBase.ini complete:", database);
    return allOk ? 0 : 1;
}
