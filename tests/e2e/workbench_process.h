// Starts Tavrin2.exe as a user would, from an application folder of its own,
// and looks at its windows from outside the process.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace e2e {

struct SeenWindow {
    HWND handle = nullptr;
    std::string caption;
    RECT bounds{};
    bool visible = false;
};

// A fresh folder under the temporary folder holding a copy of the program.
class AppFolder {
public:
    explicit AppFolder(const std::string& exeSource);
    ~AppFolder();
    const std::string& Path() const { return path_; }
    std::string Exe() const { return path_ + "\\Tavrin2.exe"; }
    std::string Ini() const { return path_ + "\\Tavrin2.ini"; }
    // The application-data folder the workbench is started with (kept apart
    // from the user's, so that recovery copies stay with the test).
    std::string AppData() const { return path_ + "-AppData"; }
    // Its recovery folder, holding one folder per run of the workbench.
    std::string RecoveryRoot() const { return AppData() + "\\Tavrin2\\Recovery"; }
    void WriteIni(const std::string& text) const;
    // Copies a file (a Windows or Linux path) into the folder under the name.
    void CopyIn(const std::string& source, const std::string& name) const;
    std::string ReadIni() const;
    // A file of the folder by its relative path ("inc\\a.bi"); writing
    // creates the sub-folders. Reading a missing file gives "<missing>".
    void WriteText(const std::string& relative, const std::string& text) const;
    std::string ReadText(const std::string& relative) const;
    std::string IniValue(const char* section, const char* key) const;

private:
    std::string path_;
};

class WorkbenchProcess {
public:
    explicit WorkbenchProcess(const AppFolder& folder);
    // Starts the program exe in workingFolder with APPDATA set to appData
    // (created when missing).
    WorkbenchProcess(const std::string& exe, const std::string& workingFolder, const std::string& appData);
    ~WorkbenchProcess();
    // Waits until the first showing has run as a user sees it: the main
    // window, the code window, the objects tree and the inspector visible,
    // the splash hidden, and the workbench waiting for input. Returns the
    // milliseconds since the process was created, or -1.
    long WaitUntilIdle(DWORD timeoutMs = 20000);
    HWND Main() const { return main_; }
    std::map<std::string, SeenWindow> Windows() const;  // by window class
    // Closes the main window and returns the exit code (or -1 on time-out).
    long CloseAndWait(DWORD timeoutMs = 20000);
    DWORD ProcessId() const { return info_.dwProcessId; }
    bool Running() const;
    // Waits for the process to end; its exit code, or -1 on time-out.
    long WaitForExit(DWORD timeoutMs = 20000);
    // Ends the process at once, as a crash or a power cut would.
    void Kill();

    // Posts a command of the main window (menu entry, toolbar button or MRU item).
    void PostCommand(int id);
    // Posts a close to the main window, as its close box does.
    void PostClose();
    // Waits for a box (message box or common dialog, class "#32770") of the
    // process; nullptr on time-out.
    HWND WaitForBox(DWORD timeoutMs = 10000) const;
    // Presses a button of a box (IDYES, IDNO, IDCANCEL, IDOK) and waits until
    // the box is gone.
    void PressButton(HWND box, int id) const;
    // The editors of the code pages open now.
    std::set<HWND> Editors() const;
    // Waits for an editor that is not among before; nullptr on time-out.
    HWND WaitForNewEditor(const std::set<HWND>& before, DWORD timeoutMs = 10000) const;

private:
    PROCESS_INFORMATION info_{};
    DWORD startTick_ = 0;
    HWND main_ = nullptr;
};

// A workbench in an application folder of its own, started (and started
// again) there; the files it works on may lie in the same folder.
class Session {
public:
    explicit Session(const std::string& exeSource) : folder_(exeSource) {}
    std::string Path(const std::string& name) const { return folder_.Path() + "\\" + name; }
    AppFolder& Folder() { return folder_; }
    WorkbenchProcess& Process() { return *process_; }
    // Starts the workbench (again) and waits until it is idle; false when it
    // never got there.
    bool Restart();

protected:
    AppFolder folder_;
    std::unique_ptr<WorkbenchProcess> process_;
};

enum class Entries { All, Files, Folders };
// The names in a folder ("." and ".." left out), sorted.
std::vector<std::string> NamesIn(const std::string& folder, Entries which = Entries::All);
// The windows of a class among the descendants of a window (of any process).
std::vector<HWND> ChildrenOfClass(HWND parent, const char* className);
// Clicks a palette button as the button itself tells its page of a click. A
// synthetic BM_CLICK needs the mouse capture from its press to its release, and
// under Wine another window of the desktop may take it in between: the click is
// then lost and the next insert on a form silently becomes a selection.
void ClickPaletteButton(HWND button);

// The top-level windows of a process, by window class.
std::map<std::string, SeenWindow> WindowsOfProcess(DWORD processId);
// The text of a message box.
std::string BoxText(HWND box);
// Types the characters into an editor, each handled before the next is sent.
void TypeInto(HWND editor, const std::string& text);

// Checks the condition every 30 ms until it holds or the time is up; its last value.
bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs = 20000);

// Turns a Linux path given on the command line under Wine into a Windows one.
std::string WindowsPath(std::string path);

// Saves the whole screen as a 24-bit bitmap file (a Windows path).
void SaveScreen(const std::string& file);

}  // namespace e2e
