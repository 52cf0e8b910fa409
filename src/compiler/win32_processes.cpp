#include "compiler/win32_processes.h"

#include "compiler/compiler_command.h"

#include <windows.h>
#include <shellapi.h>
#include <tlhelp32.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tavrin {

namespace {

// The compiler's output arrives on a named pipe that this side reads with
// overlapped I/O, so that the user-interface thread never blocks on it: a
// read is started once and then waited for in short slices together with the
// thread's window messages (MsgWaitForMultipleObjects). The compiler and the
// processes it starts live in a job object, so that Terminate ends all of
// them, and so that they end with the workbench when it exits or crashes
// (the job kills its processes when its last handle closes).
class Win32PipedProcess : public PipedProcess {
public:
    Win32PipedProcess(HANDLE readEnd, HANDLE job, const PROCESS_INFORMATION& info)
        : readEnd_(readEnd), job_(job), info_(info),
          readDone_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}
    ~Win32PipedProcess() override {
        if (readPending_) {
            // The read writes into buffer_ until it is cancelled and complete.
            CancelIo(readEnd_);
            DWORD ignored = 0;
            GetOverlappedResult(readEnd_, &overlapped_, &ignored, TRUE);
        }
        if (readDone_) CloseHandle(readDone_);
        CloseHandle(readEnd_);
        CloseHandle(info_.hThread);
        CloseHandle(info_.hProcess);
        if (job_) CloseHandle(job_);
    }

    PipeRead Read(char* buffer, size_t capacity, size_t& count, unsigned milliseconds) override {
        count = 0;
        if (ended_ || !readDone_) return PipeRead::Ended;
        if (!readPending_) {
            buffer_.resize(capacity);
            overlapped_ = OVERLAPPED{};
            overlapped_.hEvent = readDone_;
            ResetEvent(readDone_);
            if (!ReadFile(readEnd_, buffer_.data(), static_cast<DWORD>(capacity), nullptr,
                          &overlapped_) &&
                GetLastError() != ERROR_IO_PENDING)
                return End();  // ERROR_BROKEN_PIPE: every writer is gone
            readPending_ = true;
        }
        if (WaitForSingleObject(readDone_, 0) != WAIT_OBJECT_0 &&
            MsgWaitForMultipleObjects(1, &readDone_, FALSE, milliseconds, QS_ALLINPUT) !=
                WAIT_OBJECT_0)
            return PipeRead::Waiting;
        readPending_ = false;
        DWORD received = 0;
        if (!GetOverlappedResult(readEnd_, &overlapped_, &received, FALSE)) return End();
        count = std::min<size_t>(received, capacity);
        std::copy(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(count), buffer);
        // A zero-byte write completes a read with nothing: not the end.
        return count > 0 ? PipeRead::Data : PipeRead::Waiting;
    }

    bool WaitForExit(unsigned milliseconds) override {
        if (WaitForSingleObject(info_.hProcess, 0) == WAIT_OBJECT_0) return true;
        MsgWaitForMultipleObjects(1, &info_.hProcess, FALSE, milliseconds, QS_ALLINPUT);
        return WaitForSingleObject(info_.hProcess, 0) == WAIT_OBJECT_0;
    }

    void Terminate() override {
        if (job_) TerminateJobObject(job_, 1);
        TerminateProcess(info_.hProcess, 1);  // when the job could not be used
    }

private:
    PipeRead End() {
        ended_ = true;
        return PipeRead::Ended;
    }

    HANDLE readEnd_;
    HANDLE job_;  // null when the compiler could not be put into a job
    PROCESS_INFORMATION info_;
    HANDLE readDone_;
    OVERLAPPED overlapped_{};
    std::vector<char> buffer_;
    bool readPending_ = false;
    bool ended_ = false;
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

namespace {

constexpr DWORD kPipeBufferBytes = 64 * 1024;

// The compiler's output pipe: a read end for overlapped reads that stays
// ours and a write end that the child inherits.
bool CreateOutputPipe(HANDLE& readEnd, HANDLE& writeEnd) {
    static LONG counter = 0;
    std::string name = "\\\\.\\pipe\\tavrin-compiler-" + std::to_string(GetCurrentProcessId()) +
                       "-" + std::to_string(InterlockedIncrement(&counter)) + "-" +
                       std::to_string(GetTickCount());
    // One instance only: once the write end is connected nobody else can be.
    readEnd = CreateNamedPipeA(name.c_str(),
                               PIPE_ACCESS_INBOUND | FILE_FLAG_OVERLAPPED |
                                   FILE_FLAG_FIRST_PIPE_INSTANCE,
                               PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT, 1, 0,
                               kPipeBufferBytes, 0, nullptr);
    if (readEnd == INVALID_HANDLE_VALUE) return false;
    SECURITY_ATTRIBUTES inheritable{};
    inheritable.nLength = sizeof inheritable;
    inheritable.bInheritHandle = TRUE;
    writeEnd = CreateFileA(name.c_str(), GENERIC_WRITE | FILE_READ_ATTRIBUTES, 0, &inheritable,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (writeEnd == INVALID_HANDLE_VALUE) {
        CloseHandle(readEnd);
        return false;
    }
    return true;
}

// A job whose processes all end when its last handle is closed; null when
// the system offers none.
HANDLE CreateKillOnCloseJob() {
    HANDLE job = CreateJobObjectA(nullptr, nullptr);
    if (!job) return nullptr;
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (!SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits)) {
        CloseHandle(job);
        return nullptr;
    }
    return job;
}

}  // namespace

std::unique_ptr<PipedProcess> Win32Processes::StartWithPipe(const std::string& commandLine) {
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreateOutputPipe(readEnd, writeEnd)) return nullptr;

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;

    PROCESS_INFORMATION info{};
    std::vector<char> command = Writable(commandLine);
    // Started suspended so that it is in the job before it can start anything.
    BOOL started = CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE,
                                  CREATE_NO_WINDOW | CREATE_SUSPENDED, nullptr, nullptr,
                                  &startup, &info);
    // Our copy of the write end must go, or the pipe never reports its end.
    CloseHandle(writeEnd);
    if (!started) {
        CloseHandle(readEnd);
        return nullptr;
    }
    HANDLE job = CreateKillOnCloseJob();
    if (job && !AssignProcessToJobObject(job, info.hProcess)) {
        // Inside a job that allows no nested one: Terminate ends the compiler alone.
        CloseHandle(job);
        job = nullptr;
    }
    ResumeThread(info.hThread);
    return std::make_unique<Win32PipedProcess>(readEnd, job, info);
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
