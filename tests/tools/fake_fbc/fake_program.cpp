// fake_program.exe: the program the fake compiler "builds". It appends its
// command line to a log, sleeps for a while and exits with a chosen code, so
// that run, reset and debugger tests have a real process to work with.
//
// Environment (or, for the log and the sleep, files beside the program):
//   FAKE_PROGRAM_LOG       log file (default: <program path>.log)
//   FAKE_PROGRAM_SLEEP_MS  how long to run (default: the number in <program path>.sleep, or 0)
//   FAKE_PROGRAM_EXIT      exit code (default 0)
#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <string>

namespace {

std::string Environment(const char* name) {
    char value[4096] = {};
    DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
    return length > 0 && length < sizeof value ? std::string(value, length) : std::string();
}

}  // namespace

int main() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string self(path);

    std::string log = Environment("FAKE_PROGRAM_LOG");
    if (log.empty()) log = self + ".log";
    {
        // Appended, not replaced: several copies may run at the same time.
        std::ofstream out(log, std::ios::binary | std::ios::app);
        out << GetCommandLineA() << "\r\n";
    }

    std::string sleep = Environment("FAKE_PROGRAM_SLEEP_MS");
    if (sleep.empty()) std::ifstream(self + ".sleep") >> sleep;
    if (!sleep.empty()) Sleep(static_cast<DWORD>(std::strtoul(sleep.c_str(), nullptr, 10)));

    std::string exitCode = Environment("FAKE_PROGRAM_EXIT");
    return exitCode.empty() ? 0 : std::atoi(exitCode.c_str());
}
