#include "compiler/win32_processes.h"

#include "compiler/compiler_command.h"

#include <windows.h>
#include <shellapi.h>
#include <tlhelp32.h>

#include <vector>

namespace tavrin {

namespace {

class Win32PipedProcess : public PipedProcess {
public:
    Win32PipedProcess(HANDLE readEnd, const PROCESS_INFORMATION& info)
        : readEnd_(readEnd), info_(info) {}
    ~Win32PipedProcess() override {
        CloseHandle(readEnd_);
        CloseHandle(info_.hThread);
        CloseHandle(info_.hProcess);
    }

    size_t Read(char* buffer, size_t capacity) override {
        DWORD count = 0;
        if (!ReadFile(readEnd_, buffer, static_cast<DWORD>(capacity), &count, nullptr)) return 0;
        return count;
    }

    void WaitForExit() override { WaitForSingleObject(info_.hProcess, INFINITE); }

private:
    HANDLE readEnd_;
    PROCESS_INFORMATION info_;
};

class Win32RunningProcess : public RunningProcess {
public:
    explicit Win32RunningProcess(const PROCESS_INFORMATION& info) : info_(info) {}
    ~Win32RunningProcess() override {
        CloseHandle(info_.hThread);
        CloseHandle(info_.hProcess);
    }

    bool WaitForExit(unsigned milliseconds) override {
        return WaitForSingleObject(info_.hProcess, milliseconds) != WAIT_TIMEOUT;
    }

    unsigned long ExitCode() override {
        DWORD code = 0;
        GetExitCodeProcess(info_.hProcess, &code);
        return code;
    }

private:
    PROCESS_INFORMATION info_;
};

// CreateProcess may write into the command line: give it its own buffer.
std::vector<char> Writable(const std::string& text) {
    std::vector<char> buffer(text.begin(), text.end());
    buffer.push_back('\0');
    return buffer;
}

}  // namespace

std::unique_ptr<PipedProcess> Win32Processes::StartWithPipe(const std::string& commandLine) {
    SECURITY_ATTRIBUTES security{};
    security.nLength = sizeof security;
    security.bInheritHandle = TRUE;
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &security, 0)) return nullptr;
    // Only the write end goes to the child; the read end stays ours alone.
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;

    PROCESS_INFORMATION info{};
    std::vector<char> command = Writable(commandLine);
    BOOL started = CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE,
                                  CREATE_NO_WINDOW, nullptr, nullptr, &startup, &info);
    // Our copy of the write end must go, or the pipe never reports its end.
    CloseHandle(writeEnd);
    if (!started) {
        CloseHandle(readEnd);
        return nullptr;
    }
    return std::make_unique<Win32PipedProcess>(readEnd, info);
}

std::unique_ptr<RunningProcess> Win32Processes::StartInNewConsole(const std::string& programPath,
                                                                  ShowState show) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(show == ShowState::Hidden ? SW_HIDE : SW_SHOWNORMAL);
    PROCESS_INFORMATION info{};
    std::vector<char> command = Writable(ProgramCommandLine(programPath));
    if (!CreateProcessA(programPath.c_str(), command.data(), nullptr, nullptr, FALSE,
                        CREATE_NEW_CONSOLE | NORMAL_PRIORITY_CLASS, nullptr, nullptr, &startup,
                        &info))
        return nullptr;
    return std::make_unique<Win32RunningProcess>(info);
}

std::vector<ProcessEntry> Win32Processes::ListProcesses() {
    std::vector<ProcessEntry> processes;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return processes;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
        processes.push_back({entry.th32ProcessID, entry.szExeFile});
    CloseHandle(snapshot);
    return processes;
}

unsigned long Win32Processes::OwnProcessId() { return GetCurrentProcessId(); }

bool Win32Processes::Terminate(unsigned long processId) {
    HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, processId);
    if (!process) return false;
    BOOL ended = TerminateProcess(process, 0);
    CloseHandle(process);
    return ended != FALSE;
}

long Win32Processes::ShellOpen(const std::string& file, const std::string& arguments) {
    HINSTANCE result = ShellExecuteA(static_cast<HWND>(ownerWindow_), "open", file.c_str(),
                                     arguments.c_str(), nullptr, SW_SHOWNORMAL);
    return static_cast<long>(reinterpret_cast<INT_PTR>(result));
}

void Win32Processes::Sleep(unsigned milliseconds) { ::Sleep(milliseconds); }

}  // namespace tavrin
