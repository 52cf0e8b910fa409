#include "workbench_process.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace e2e {

std::string WindowsPath(std::string path) {
    if (!path.empty() && path[0] == '/') path = "Z:" + path;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (GetTickCount() - start < timeoutMs) {
        if (condition()) return true;
        Sleep(30);
    }
    return condition();
}

namespace {

void RemoveTree(const std::string& folder) {
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::string name = data.cFileName;
            if (name == "." || name == "..") continue;
            std::string full = folder + "\\" + name;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) RemoveTree(full);
            else DeleteFileA(full.c_str());
        } while (FindNextFileA(find, &data));
        FindClose(find);
    }
    RemoveDirectoryA(folder.c_str());
}

struct EnumState {
    DWORD pid;
    std::map<std::string, SeenWindow>* windows;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM lp) {
    auto* state = reinterpret_cast<EnumState*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != state->pid) return TRUE;
    char className[256] = {};
    GetClassNameA(window, className, sizeof(className));
    char caption[512] = {};
    GetWindowTextA(window, caption, sizeof(caption));
    SeenWindow seen;
    seen.handle = window;
    seen.caption = caption;
    GetWindowRect(window, &seen.bounds);
    seen.visible = IsWindowVisible(window) != FALSE;
    state->windows->emplace(className, seen);
    return TRUE;
}

std::string ClassOf(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof(name));
    return name;
}

struct BoxSearch {
    DWORD pid;
    HWND found;
};

BOOL CALLBACK FindBox(HWND window, LPARAM lp) {
    auto* search = reinterpret_cast<BoxSearch*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != search->pid || !IsWindowVisible(window) || ClassOf(window) != "#32770") return TRUE;
    search->found = window;
    return FALSE;
}

BOOL CALLBACK CollectEditor(HWND window, LPARAM lp) {
    if (ClassOf(window) == "Scintilla" && ClassOf(GetParent(window)) == "TEditor")
        reinterpret_cast<std::set<HWND>*>(lp)->insert(window);
    return TRUE;
}

}  // namespace

std::string BoxText(HWND box) {
    char text[4096] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof(text));  // the message text of a message box
    return text;
}

void TypeInto(HWND editor, const std::string& text) {
    for (char c : text) SendMessageA(editor, WM_CHAR, static_cast<unsigned char>(c), 1);
}

AppFolder::AppFolder(const std::string& exeSource) {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    static int counter = 0;
    path_ = std::string(temp) + "tavrin-e2e-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(++counter);
    RemoveTree(path_);
    RemoveTree(AppData());
    CreateDirectoryA(path_.c_str(), nullptr);
    if (!CopyFileA(WindowsPath(exeSource).c_str(), Exe().c_str(), FALSE))
        throw std::runtime_error("cannot copy " + exeSource);
}

AppFolder::~AppFolder() {
    RemoveTree(path_);
    RemoveTree(AppData());
}

void AppFolder::WriteIni(const std::string& text) const { WriteText("Tavrin2.ini", text); }

std::string AppFolder::ReadIni() const { return ReadText("Tavrin2.ini"); }

void AppFolder::WriteText(const std::string& relative, const std::string& text) const {
    for (size_t slash = relative.find('\\'); slash != std::string::npos;
         slash = relative.find('\\', slash + 1))
        CreateDirectoryA((path_ + "\\" + relative.substr(0, slash)).c_str(), nullptr);
    std::ofstream(path_ + "\\" + relative, std::ios::binary) << text;
}

void AppFolder::CopyIn(const std::string& source, const std::string& name) const {
    std::string target = path_ + "\\" + name;
    WriteText(name, "");  // creates the sub-folders
    if (!CopyFileA(WindowsPath(source).c_str(), target.c_str(), FALSE))
        throw std::runtime_error("cannot copy " + source);
}

std::string AppFolder::ReadText(const std::string& relative) const {
    std::ifstream in(path_ + "\\" + relative, std::ios::binary);
    if (!in) return "<missing>";
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string AppFolder::IniValue(const char* section, const char* key) const {
    std::vector<char> buffer(8192, '\0');
    GetPrivateProfileStringA(section, key, "<missing>", buffer.data(),
                             static_cast<DWORD>(buffer.size()), Ini().c_str());
    return buffer.data();
}

namespace {

// This process's environment with APPDATA replaced, as CreateProcess takes it.
std::string EnvironmentWithAppData(const std::string& appData) {
    std::string block;
    char* strings = GetEnvironmentStringsA();
    for (const char* entry = strings; entry && *entry; entry += std::strlen(entry) + 1)
        if (_strnicmp(entry, "APPDATA=", 8) != 0) block.append(entry, std::strlen(entry) + 1);
    if (strings) FreeEnvironmentStringsA(strings);
    block += "APPDATA=" + appData;
    block += '\0';
    block += '\0';
    return block;
}

}  // namespace

WorkbenchProcess::WorkbenchProcess(const AppFolder& folder)
    : WorkbenchProcess(folder.Exe(), folder.Path(), folder.AppData()) {}

WorkbenchProcess::WorkbenchProcess(const std::string& exe, const std::string& workingFolder,
                                   const std::string& appData) {
    CreateDirectoryA(appData.c_str(), nullptr);
    std::string environment = EnvironmentWithAppData(appData);
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    std::string commandLine = "\"" + exe + "\"";
    startTick_ = GetTickCount();
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, environment.data(),
                        workingFolder.c_str(), &startup, &info_))
        throw std::runtime_error("cannot start " + exe);
}

WorkbenchProcess::~WorkbenchProcess() {
    if (info_.hProcess) {
        if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(info_.hProcess, 99);
            WaitForSingleObject(info_.hProcess, 5000);
        }
        CloseHandle(info_.hProcess);
        CloseHandle(info_.hThread);
    }
}

std::map<std::string, SeenWindow> WindowsOfProcess(DWORD processId) {
    std::map<std::string, SeenWindow> windows;
    EnumState state{processId, &windows};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&state));
    return windows;
}

std::map<std::string, SeenWindow> WorkbenchProcess::Windows() const {
    return WindowsOfProcess(info_.dwProcessId);
}

long WorkbenchProcess::WaitUntilIdle(DWORD timeoutMs) {
    auto shown = [](const std::map<std::string, SeenWindow>& windows, const char* className) {
        auto found = windows.find(className);
        return found != windows.end() && found->second.visible;
    };
    DWORD start = GetTickCount();
    while (GetTickCount() - start < timeoutMs) {
        auto windows = Windows();
        bool splashHidden = windows.count("TSplash") && !shown(windows, "TSplash");
        if (shown(windows, "TMain") && shown(windows, "TCode") && shown(windows, "TObjectsTree") &&
            shown(windows, "TInspector") && splashHidden) {
            main_ = windows["TMain"].handle;
            if (WaitForInputIdle(info_.hProcess, timeoutMs) != 0) return -1;
            return static_cast<long>(GetTickCount() - startTick_);
        }
        if (WaitForSingleObject(info_.hProcess, 5) == WAIT_OBJECT_0) return -1;
    }
    return -1;
}

bool WorkbenchProcess::Running() const {
    return WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

long WorkbenchProcess::WaitForExit(DWORD timeoutMs) {
    if (WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return static_cast<long>(code);
}

void WorkbenchProcess::Kill() {
    TerminateProcess(info_.hProcess, 99);
    WaitForSingleObject(info_.hProcess, 10000);
}

void WorkbenchProcess::PostCommand(int id) { PostMessageA(main_, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

void WorkbenchProcess::PostClose() { PostMessageA(main_, WM_CLOSE, 0, 0); }

HWND WorkbenchProcess::WaitForBox(DWORD timeoutMs) const {
    DWORD start = GetTickCount();
    do {
        BoxSearch search{info_.dwProcessId, nullptr};
        EnumWindows(FindBox, reinterpret_cast<LPARAM>(&search));
        if (search.found) {
            Sleep(50);  // let the box finish its own set-up
            return search.found;
        }
        if (!Running()) return nullptr;
        Sleep(20);
    } while (GetTickCount() - start < timeoutMs);
    return nullptr;
}

void WorkbenchProcess::PressButton(HWND box, int id) const {
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, id)));
    for (int i = 0; i < 500 && IsWindow(box) && IsWindowVisible(box); ++i) Sleep(10);
}

std::set<HWND> WorkbenchProcess::Editors() const {
    std::set<HWND> editors;
    auto windows = Windows();
    auto code = windows.find("TCode");
    if (code != windows.end())
        EnumChildWindows(code->second.handle, CollectEditor, reinterpret_cast<LPARAM>(&editors));
    return editors;
}

HWND WorkbenchProcess::WaitForNewEditor(const std::set<HWND>& before, DWORD timeoutMs) const {
    DWORD start = GetTickCount();
    do {
        for (HWND editor : Editors())
            if (!before.count(editor)) return editor;
        Sleep(20);
    } while (GetTickCount() - start < timeoutMs && Running());
    return nullptr;
}

bool Session::Restart() {
    process_ = std::make_unique<WorkbenchProcess>(folder_);
    return process_->WaitUntilIdle() >= 0;
}

std::vector<std::string> NamesIn(const std::string& folder, Entries which) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        std::string name = data.cFileName;
        bool isFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        bool wanted = which == Entries::All || isFolder == (which == Entries::Folders);
        if (name != "." && name != ".." && wanted) names.push_back(name);
    } while (FindNextFileA(find, &data));
    FindClose(find);
    std::sort(names.begin(), names.end());
    return names;
}

namespace {

struct ClassSearch {
    const char* className;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectOfClass(HWND window, LPARAM lp) {
    auto* search = reinterpret_cast<ClassSearch*>(lp);
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    if (lstrcmpiA(name, search->className) == 0) search->found.push_back(window);
    return TRUE;
}

}  // namespace

std::vector<HWND> ChildrenOfClass(HWND parent, const char* className) {
    ClassSearch search{className, {}};
    EnumChildWindows(parent, CollectOfClass, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void ClickPaletteButton(HWND button) {
    SendMessageA(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
}

long WorkbenchProcess::CloseAndWait(DWORD timeoutMs) {
    if (main_) PostClose();
    return WaitForExit(timeoutMs);
}

void SaveScreen(const std::string& path) {
    int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, h, 1, 24, BI_RGB};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, w, h, screen, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    int stride = (w * 3 + 3) & ~3;
    BITMAPFILEHEADER file{0x4D42, static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + stride * h),
                          0, 0, sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)};
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
    out.write(static_cast<const char*>(bits), static_cast<std::streamsize>(stride) * h);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

}  // namespace e2e
