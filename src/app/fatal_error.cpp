#include "app/fatal_error.h"

#include <windows.h>

#include <cxxabi.h>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <exception>
#include <typeinfo>

#include "workbench/crash_report.h"
#include "workbench/recovery_store.h"

namespace tavrin {

namespace {

// What the failing thread notes before anything else runs: plain data only,
// no allocation (the heap or the stack may be what failed).
struct RawFacts {
    bool systemException = true;
    DWORD code = 0;
    ULONG_PTR address = 0;
    int accessKind = -1;
    ULONG_PTR accessAddress = 0;
    ULONG_PTR moduleBase = 0;
    char module[MAX_PATH] = {};
    char cppException[512] = {};
};

RawFacts raw;
char lastCommand[208] = {};
char program[64] = "Tavrin2";
FatalErrorActions* actions = nullptr;
volatile LONG handling = 0;
HANDLE pagesKept = nullptr;

constexpr DWORD kKeepPagesTimeoutMs = 20000;

// "Tavrin2 <file version>" from the program's own version resource.
void NoteProgramVersion() {
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(16));  // RT_VERSION
    HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
    const auto* bytes = loaded ? static_cast<const unsigned char*>(LockResource(loaded)) : nullptr;
    DWORD size = found ? SizeofResource(nullptr, found) : 0;
    for (DWORD at = 0; bytes && at + 16 <= size; at += 4) {
        DWORD word;
        std::memcpy(&word, bytes + at, 4);
        if (word != 0xFEEF04BD) continue;
        DWORD high, low;  // after the signature and the structure version
        std::memcpy(&high, bytes + at + 8, 4);
        std::memcpy(&low, bytes + at + 12, 4);
        wsprintfA(program, "Tavrin2 %u.%u.%u.%u", HIWORD(high), LOWORD(high), HIWORD(low), LOWORD(low));
        return;
    }
}

void NoteModuleOf(ULONG_PTR address) {
    HMODULE module = nullptr;
    if (address && GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                                      reinterpret_cast<LPCSTR>(address), &module)) {
        raw.moduleBase = reinterpret_cast<ULONG_PTR>(module);
        GetModuleFileNameA(module, raw.module, sizeof raw.module);
    }
}

CrashFacts FactsFromRaw() {
    CrashFacts facts;
    facts.program = program;
    facts.time = LocalTimeText(std::time(nullptr));
    facts.systemException = raw.systemException;
    facts.code = raw.code;
    facts.accessKind = raw.accessKind;
    facts.accessAddress = raw.accessAddress;
    facts.address = raw.address;
    facts.module = raw.module;
    facts.moduleBase = raw.moduleBase;
    facts.cppException = raw.cppException;
    facts.lastCommand = lastCommand;
    return facts;
}

// On a thread of its own: keep the pages, write the report, tell the user.
DWORD WINAPI HandleFatalError(void*) {
    CrashFacts facts = FactsFromRaw();
    std::string reportPath;
    try {
        if (actions && actions->keepPages) facts.pagesKept = actions->keepPages();
        if (actions && actions->recoveryFolder) facts.recoveryFolder = actions->recoveryFolder();
        if (actions && actions->writeReport) reportPath = actions->writeReport(CrashReportText(facts));
    } catch (...) {
    }
    SetEvent(pagesKept);
    std::string notice = CrashNoticeText(facts, reportPath);
    MessageBoxA(nullptr, notice.c_str(), "Tavrin2", MB_OK | MB_ICONERROR | MB_SETFOREGROUND | MB_TOPMOST);
    return 0;
}

// Runs the handling on a fresh thread and waits for it: for the user's
// answer once the pages are kept, for a limited time before.
void HandleOnFreshThread() {
    pagesKept = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE thread = CreateThread(nullptr, 1 << 20, HandleFatalError, nullptr, 0, nullptr);
    if (!thread) return;
    if (WaitForSingleObject(pagesKept, kKeepPagesTimeoutMs) == WAIT_OBJECT_0) WaitForSingleObject(thread, INFINITE);
}

// True for the first fatal error; a second one (inside the handling) ends
// the process at once.
bool FirstFatalError() {
    if (InterlockedExchange(&handling, 1) == 0) return true;
    TerminateProcess(GetCurrentProcess(), 3);
    return false;
}

LONG WINAPI OnUnhandledException(EXCEPTION_POINTERS* pointers) {
    if (!FirstFatalError()) return EXCEPTION_EXECUTE_HANDLER;
    const EXCEPTION_RECORD* record = pointers ? pointers->ExceptionRecord : nullptr;
    if (record) {
        raw.code = record->ExceptionCode;
        raw.address = reinterpret_cast<ULONG_PTR>(record->ExceptionAddress);
        if (record->ExceptionCode == EXCEPTION_ACCESS_VIOLATION && record->NumberParameters >= 2) {
            raw.accessKind = static_cast<int>(record->ExceptionInformation[0]);
            raw.accessAddress = record->ExceptionInformation[1];
        }
        NoteModuleOf(raw.address);
    }
    HandleOnFreshThread();
    return EXCEPTION_EXECUTE_HANDLER;  // the process ends
}

void NoteCppException(const char* text) {
    raw.systemException = false;
    lstrcpynA(raw.cppException, text, sizeof raw.cppException);
}

void OnTerminate() {
    if (!FirstFatalError()) return;
    try {
        std::exception_ptr current = std::current_exception();
        if (current) std::rethrow_exception(current);
        NoteCppException("none active (std::terminate was called)");
    } catch (const std::exception& error) {
        int status = 0;
        char* type = abi::__cxa_demangle(typeid(error).name(), nullptr, nullptr, &status);
        char text[sizeof raw.cppException];
        wsprintfA(text, "%.120s: %.300s", type ? type : typeid(error).name(), error.what());
        std::free(type);
        NoteCppException(text);
    } catch (...) {
        NoteCppException("an exception of an unknown type");
    }
    HandleOnFreshThread();
    TerminateProcess(GetCurrentProcess(), 3);
}

// abort() of the shared C runtime: also a pack's own std::terminate ends there.
void OnAbort(int) {
    if (!FirstFatalError()) return;
    NoteCppException("abort (the program or a pack ended itself)");
    HandleOnFreshThread();
    TerminateProcess(GetCurrentProcess(), 3);
}

// On 64-bit Windows, exceptions in window procedures called from the system
// may be swallowed silently; ask for them to reach the handler instead.
void StopSwallowingCallbackExceptions() {
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    if (!kernel) return;
    using GetPolicy = BOOL(WINAPI*)(LPDWORD);
    using SetPolicy = BOOL(WINAPI*)(DWORD);
    auto get = reinterpret_cast<GetPolicy>(GetProcAddress(kernel, "GetProcessUserModeExceptionPolicy"));
    auto set = reinterpret_cast<SetPolicy>(GetProcAddress(kernel, "SetProcessUserModeExceptionPolicy"));
    constexpr DWORD kCallbackFilterEnabled = 0x1;
    DWORD flags = 0;
    if (get && set && get(&flags)) set(flags & ~kCallbackFilterEnabled);
}

}  // namespace

void InstallFatalErrorHandler() {
    NoteProgramVersion();
    UINT mode = SetErrorMode(0);
    SetErrorMode(mode | SEM_NOGPFAULTERRORBOX);
    StopSwallowingCallbackExceptions();
    SetUnhandledExceptionFilter(OnUnhandledException);
    std::set_terminate(OnTerminate);
    std::signal(SIGABRT, OnAbort);
}

void SetFatalErrorActions(FatalErrorActions newActions) {
    delete actions;
    actions = new FatalErrorActions(std::move(newActions));
}

std::string LastCommand() { return lastCommand; }

std::string ProgramName() { return program; }

void NoteCommand(const std::string& name) {
    lstrcpynA(lastCommand, name.c_str(), 201);
}

}  // namespace tavrin
