// The processes the compiler driver starts: the compiler with its output on a
// pipe, the program built in its own console, the external debugger through
// the shell. The Win32 implementation lives in win32_processes.cpp; tests of
// the driver's logic use a scripted one.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace tavrin {

// What one wait for the compiler's output brought.
enum class PipeRead {
    Data,     // bytes arrived
    Waiting,  // nothing yet: the time ran out or window messages are waiting
    Ended,    // every writer closed the pipe (or reading failed)
};

// A child whose standard output and standard error both go to one pipe. The
// child and every process it starts form one group that Terminate ends.
class PipedProcess {
public:
    virtual ~PipedProcess() = default;
    // Waits at most the given time for output. Returns early, with Waiting,
    // when window messages arrive for the calling thread, so that the caller
    // can let them run: the user interface never waits on the compiler.
    // count receives the number of bytes read (0 unless Data).
    virtual PipeRead Read(char* buffer, size_t capacity, size_t& count,
                          unsigned milliseconds) = 0;
    // Waits at most the given time (returning early like Read); true when the
    // process has ended.
    virtual bool WaitForExit(unsigned milliseconds) = 0;
    // Ends the process and every process it started, at once.
    virtual void Terminate() = 0;
};

// A program started in its own console.
class RunningProcess {
public:
    virtual ~RunningProcess() = default;
    // Waits up to the given time; true when the process has ended.
    virtual bool WaitForExit(unsigned milliseconds) = 0;
    virtual unsigned long ExitCode() = 0;
};

struct ProcessEntry {
    unsigned long id = 0;
    std::string exeFile;  // as the system lists it: a file name or a full path
};

// Show states of a program's first window (the Win32 SW_ values).
enum class ShowState : int { Hidden = 0, Normal = 1 };

class Processes {
public:
    virtual ~Processes() = default;
    // The whole command line (no separate program name), inheriting the pipe,
    // with a hidden window, the workbench's standard input, environment and
    // current folder. Null when the process cannot be started.
    virtual std::unique_ptr<PipedProcess> StartWithPipe(const std::string& commandLine) = 0;
    // Starts a program file in a new console at normal priority without
    // inheriting handles. Null when it cannot be started.
    virtual std::unique_ptr<RunningProcess> StartInNewConsole(const std::string& programPath,
                                                              ShowState show) = 0;
    virtual std::vector<ProcessEntry> ListProcesses() = 0;
    // The workbench's own process, which a kill by file name must spare.
    virtual unsigned long OwnProcessId() = 0;
    // Terminates with exit code 0; false when it cannot be opened or ended.
    virtual bool Terminate(unsigned long processId) = 0;
    // The shell's "open" of a file with arguments, shown normally, no working
    // folder; returns the shell's result (32 or less means failure).
    virtual long ShellOpen(const std::string& file, const std::string& arguments) = 0;
    // Sleeps the calling thread.
    virtual void Sleep(unsigned milliseconds) = 0;
};

}  // namespace tavrin
