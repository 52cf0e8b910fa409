// The processes of the compiler driver on Windows: the compiler in a job
// object with its output on a named pipe read without blocking, the program
// built in its own console, the tool-help snapshot, ShellExecute.
#pragma once

#include "compiler/processes.h"

namespace tavrin {

class Win32Processes : public Processes {
public:
    // The window that owns the shell's error boxes (an HWND; may be null).
    void SetOwnerWindow(void* window) { ownerWindow_ = window; }

    std::unique_ptr<PipedProcess> StartWithPipe(const std::string& commandLine) override;
    std::unique_ptr<RunningProcess> StartInNewConsole(const std::string& programPath,
                                                      ShowState show) override;
    std::vector<ProcessEntry> ListProcesses() override;
    unsigned long OwnProcessId() override;
    bool Terminate(unsigned long processId) override;
    long ShellOpen(const std::string& file, const std::string& arguments) override;
    void Sleep(unsigned milliseconds) override;

private:
    void* ownerWindow_ = nullptr;
};

}  // namespace tavrin
