// Times the opening of a big designed dialog as a user sees it:
//   dialog_open_timing <Tavrin2.exe> <application folder> [components] [runs]
// Writes a dialog file of N buttons (default 1,000) with an auto-create line,
// starts the workbench with Velpack in a folder of its own and waits until it
// is idle, then chooses File > Open and answers the file box. From the press
// of the box's OK button it prints, in milliseconds: the dialog window visible,
// then visible with all N components, the objects tree holding N + 1 items, the
// workbench idle after both (its idle event set and a message answered), and
// every window of the dialog and the tree painted with the workbench idle
// again (under Wine the idle event comes before the painting). The
// workbench's processor time until the dialog and tree were shown and until
// all was painted is printed too: on a busy machine it says more than the clock. Then the workbench is closed without saving; each
// run starts a fresh one. With DIALOG_OPEN_SHOT set to a file name, the
// screen is saved there once all is painted (a bitmap).
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "workbench/main_window.h"
#include "moment_clock.h"
#include "workbench_process.h"

namespace {

using bench::NowMs;
using bench::PrintMoment;

// A dialog "Big" of that many buttons in rows of 40, each with a caption, and
// the auto-create line that shows it when the file is opened.
std::string BigDialogText(int components) {
    std::string fields, lines;
    for (int i = 1; i <= components; ++i) {
        std::string name = "Container" + std::to_string(i);
        fields += "   " + name + " as QButton\r\n";
        int x = 32 * ((i - 1) % 40), y = 24 * ((i - 1) / 40);
        lines += name + ".Parent=@This\r\n";
        lines += name + ".SetBounds(" + std::to_string(x) + "," + std::to_string(y) + ",30,21)\r\n";
        lines += name + ".Text=\"Item " + std::to_string(i) + "\"\r\n";
    }
    return "type QBig extends QForm\r\n" + fields +
           "   declare constructor\r\n"
           "   declare operator cast as QForm ptr\r\n"
           "end type\r\n"
           "\r\n"
           "var shared Big=QBig\r\n"
           "\r\n"
           "constructor QBig\r\n"
           "this.Parent=application'0\r\n"
           "this.SetBounds(0,0,1290,1000)\r\n" +
           lines +
           "end constructor\r\n"
           "\r\n"
           "operator QBig.cast as QForm ptr\r\n"
           "   return @this\r\n"
           "end operator\r\n";
}

// The Linux process that runs a program under Wine (its command line is the
// program's Windows path), through Wine's drive Z: onto the root; 0 when not found.
int LinuxProcessOf(const std::string& exe) {
    int found = 0;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA("Z:\\proc\\*", &data);
    if (find == INVALID_HANDLE_VALUE) return 0;
    do {
        int pid = std::atoi(data.cFileName);
        if (pid <= 0) continue;
        std::ifstream in(std::string("Z:\\proc\\") + data.cFileName + "\\cmdline", std::ios::binary);
        std::string commandLine;
        std::getline(in, commandLine, '\0');
        if (_stricmp(commandLine.c_str(), exe.c_str()) == 0) found = pid;
    } while (!found && FindNextFileA(find, &data));
    FindClose(find);
    return found;
}

// The processor time of a Linux process so far (user and system, all
// threads), in ms; -1 when unknown. Wine does not tell another process's
// times, so they are read from the system.
double ProcessorMs(int linuxPid) {
    if (linuxPid <= 0) return -1;
    std::ifstream in("Z:\\proc\\" + std::to_string(linuxPid) + "\\stat");
    std::string stat;
    std::getline(in, stat);
    size_t end = stat.rfind(')');  // the name may hold blanks
    if (end == std::string::npos) return -1;
    std::istringstream fields(stat.substr(end + 2));
    std::string field;
    double user = 0, system = 0;
    for (int index = 3; fields >> field; ++index) {  // state is field 3; utime 14, stime 15
        if (index == 14) user = std::atof(field.c_str());
        if (index == 15) {
            system = std::atof(field.c_str());
            return (user + system) * 10.0;  // clock ticks of 10 ms
        }
    }
    return -1;
}

// Moments of one opening, in ms since the box's OK was pressed; -1 when not seen.
struct OpenTimes {
    double window = -1, dialog = -1, tree = -1, idle = -1, painted = -1, processorShown = -1, processor = -1;
    size_t components = 0, treeItems = 0;
};

// The visible dialog window "Big" of the process, or null.
HWND VisibleDialog(DWORD processId) {
    auto windows = e2e::WindowsOfProcess(processId);
    auto found = windows.find("TDialog");
    return found != windows.end() && found->second.visible && found->second.caption == "Big" ? found->second.handle
                                                                                            : nullptr;
}

// The components shown on the visible dialog: its child windows of class
// TContainer that carry WS_VISIBLE (the components of the generated file all
// lie on the dialog itself). Counted with few questions to the Wine server, as
// each question from this process waits behind the workbench's painting: two
// for each component (the next child of the class, its style). Enumerating the
// descendants with their class names and testing each one's visibility fully
// cost about a second for 1,000 components, longer than the opening timed.
size_t VisibleComponents(HWND dialog) {
    size_t count = 0;
    for (HWND child = FindWindowExA(dialog, nullptr, "TContainer", nullptr); child;
         child = FindWindowExA(dialog, child, "TContainer", nullptr))
        if (GetWindowLongA(child, GWL_STYLE) & WS_VISIBLE) ++count;
    return count;
}

HWND ObjectsTreeView(DWORD processId) {
    auto windows = e2e::WindowsOfProcess(processId);
    auto found = windows.find("TObjectsTree");
    if (found == windows.end()) return nullptr;
    auto trees = e2e::ChildrenOfClass(found->second.handle, WC_TREEVIEWA);
    return trees.empty() ? nullptr : trees.front();
}

BOOL CALLBACK CountUnpainted(HWND window, LPARAM count) {
    if (GetUpdateRect(window, nullptr, FALSE)) ++*reinterpret_cast<int*>(count);
    return TRUE;
}

// Whether the window or one of its descendants still waits for its painting
// (the update regions are kept by the Wine server, so they can be seen from here).
bool WaitsForPainting(HWND window) {
    int count = GetUpdateRect(window, nullptr, FALSE) ? 1 : 0;
    EnumChildWindows(window, CountUnpainted, reinterpret_cast<LPARAM>(&count));
    return count > 0;
}

// Waits until the workbench has handled its input: its idle event, then a
// message sent to the main window answered.
void WaitUntilIdle(HANDLE process, HWND main) {
    WaitForInputIdle(process, 60000);
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &ignored);
}

// Closes the workbench, answering "No" to a question about saving.
void CloseWithoutSaving(e2e::WorkbenchProcess& workbench) {
    workbench.PostClose();
    for (int i = 0; i < 3 && workbench.Running(); ++i) {
        HWND box = workbench.WaitForBox(3000);
        if (box) workbench.PressButton(box, IDNO);
    }
    if (workbench.WaitForExit(20000) < 0) {
        std::fprintf(stderr, "the workbench did not close; ended\n");
        workbench.Kill();
    }
}

bool TimeOneOpening(const std::string& exe, const std::string& appFolder, const std::string& text, int components,
                    OpenTimes& times) {
    e2e::AppFolder folder(exe);
    folder.CopyIn(appFolder + "/Velpack.dll", "Velpack.dll");
    folder.WriteText("DataBase.ini", "QFORM=C:\\FreeBASIC\\inc\\velpack.bi\r\n");
    folder.WriteIni("[libs]\r\nVelpack.dll=true\r\n");
    folder.WriteText("big.bas", text);
    e2e::WorkbenchProcess workbench(folder);
    if (workbench.WaitUntilIdle(60000) < 0) {
        std::fprintf(stderr, "the workbench did not become idle\n");
        return false;
    }
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | SYNCHRONIZE, FALSE, workbench.ProcessId());
    int linuxPid = LinuxProcessOf(folder.Exe());
    HWND treeView = ObjectsTreeView(workbench.ProcessId());

    workbench.PostCommand(tavrin::cmdOpen);
    HWND box = workbench.WaitForBox();
    if (!box || !treeView || !process) {
        std::fprintf(stderr, "%s\n", !box ? "no open box" : !treeView ? "no objects tree" : "no process handle");
        if (process) CloseHandle(process);
        CloseWithoutSaving(workbench);
        return false;
    }
    HWND name = GetDlgItem(box, 0x47c);  // the file name combo box
    if (!name) name = GetDlgItem(box, 0x480);  // the file name edit
    std::string file = folder.Path() + "\\big.bas";
    SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(file.c_str()));

    double processorStart = ProcessorMs(linuxPid);
    double start = NowMs();
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
    size_t wantedItems = static_cast<size_t>(components) + 1;
    while (NowMs() - start < 120000 && workbench.Running()) {
        if (times.dialog < 0) {
            HWND dialog = VisibleDialog(workbench.ProcessId());
            if (dialog) {
                if (times.window < 0) times.window = NowMs() - start;
                times.components = VisibleComponents(dialog);
                if (times.components == static_cast<size_t>(components)) times.dialog = NowMs() - start;
            }
        }
        if (times.tree < 0) {
            times.treeItems = static_cast<size_t>(SendMessageA(treeView, TVM_GETCOUNT, 0, 0));
            if (times.treeItems == wantedItems) times.tree = NowMs() - start;
        }
        if (times.dialog >= 0 && times.tree >= 0) {
            if (processorStart >= 0) times.processorShown = ProcessorMs(linuxPid) - processorStart;
            WaitUntilIdle(process, workbench.Main());
            times.idle = NowMs() - start;
            HWND dialog = VisibleDialog(workbench.ProcessId());
            while (dialog && (WaitsForPainting(dialog) || WaitsForPainting(treeView)) && NowMs() - start < 120000) {
                Sleep(5);
                WaitUntilIdle(process, workbench.Main());
            }
            times.painted = NowMs() - start;
            if (processorStart >= 0) times.processor = ProcessorMs(linuxPid) - processorStart;
            if (const char* shot = std::getenv("DIALOG_OPEN_SHOT")) e2e::SaveScreen(e2e::WindowsPath(shot));
            break;
        }
        Sleep(5);
    }
    CloseHandle(process);
    CloseWithoutSaving(workbench);
    return times.painted >= 0;
}

void PrintSummary(const char* label, std::vector<double> values) {
    values.erase(std::remove(values.begin(), values.end(), -1.0), values.end());
    std::sort(values.begin(), values.end());
    if (values.empty()) {
        std::printf("  %-36s not seen\n", label);
        return;
    }
    std::printf("  %-36s median %6.0f ms, best %6.0f ms\n", label, values[values.size() / 2], values.front());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: dialog_open_timing <Tavrin2.exe> <application folder> [components] [runs]\n");
        return 2;
    }
    std::string exe = e2e::WindowsPath(argv[1]);
    std::string appFolder = e2e::WindowsPath(argv[2]);
    int components = argc > 3 ? std::max(1, std::atoi(argv[3])) : 1000;
    int runs = argc > 4 ? std::max(1, std::atoi(argv[4])) : 3;
    std::string text = BigDialogText(components);

    std::vector<double> window, dialog, tree, idle, painted, processorShown, processor;
    bool allOk = true;
    for (int run = 1; run <= runs; ++run) {
        OpenTimes times;
        bool ok = TimeOneOpening(exe, appFolder, text, components, times);
        allOk = allOk && ok;
        std::printf("run %d (ms since OK in the open box):", run);
        PrintMoment("dialog-window", times.window);
        PrintMoment("all-components", times.dialog);
        PrintMoment("objects-tree", times.tree);
        PrintMoment("idle", times.idle);
        PrintMoment("painted", times.painted);
        PrintMoment("workbench-processor: shown", times.processorShown);
        PrintMoment("painted", times.processor);
        if (!ok) std::printf("  (incomplete: %zu components shown, %zu tree items)", times.components, times.treeItems);
        std::printf("\n");
        std::fflush(stdout);
        window.push_back(times.window);
        dialog.push_back(times.dialog);
        tree.push_back(times.tree);
        idle.push_back(times.idle);
        painted.push_back(times.painted);
        processorShown.push_back(times.processorShown);
        processor.push_back(times.processor);
    }
    std::printf("opening a dialog of %d components (%d runs):\n", components, runs);
    PrintSummary("dialog window shown:", window);
    PrintSummary("dialog shown with all components:", dialog);
    PrintSummary("objects tree filled:", tree);
    PrintSummary("workbench idle (its idle event):", idle);
    PrintSummary("all painted, workbench idle:", painted);
    PrintSummary("workbench processor, until shown:", processorShown);
    PrintSummary("workbench processor, until painted:", processor);
    return allOk ? 0 : 1;
}
