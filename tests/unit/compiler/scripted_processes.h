// A Processes implementation for unit tests of the driver: the compiler's
// output comes from a script of chunks (an empty chunk is one wait that
// brings nothing), programs end after a set number of waits, and every
// start, termination and shell call is recorded.
#pragma once

#include "compiler/processes.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace tavrin::test {

class ScriptedProcesses : public Processes {
public:
    // Compiler side.
    bool compilerStarts = true;
    std::vector<std::string> outputChunks;
    std::vector<std::string> commandLines;
    int compilerWaits = 0;
    // Until it is terminated, the compiler keeps its pipe open after its
    // chunks (reads bring nothing), and does not exit.
    bool compilerKeepsPipeOpen = false;
    bool compilerNeverExits = false;
    int compilerTerminations = 0;
    std::function<void()> onCompilerRead;  // runs before each read

    // Program side: a started program ends after this many waits.
    bool programStarts = true;
    int waitsUntilProgramEnds = 1;
    unsigned long programExitCode = 0;
    std::vector<std::string> programsStarted;
    std::function<void()> onProgramWait;  // runs inside each wait

    std::vector<ProcessEntry> processes;
    std::vector<unsigned long> terminated;
    std::vector<unsigned long> refuseToTerminate;

    long shellResult = 42;
    std::vector<std::pair<std::string, std::string>> shellCalls;
    unsigned slept = 0;

    std::unique_ptr<PipedProcess> StartWithPipe(const std::string& commandLine) override {
        commandLines.push_back(commandLine);
        if (!compilerStarts) return nullptr;
        return std::make_unique<Piped>(*this);
    }
    std::unique_ptr<RunningProcess> StartInNewConsole(const std::string& programPath,
                                                      ShowState show) override {
        if (!programStarts) return nullptr;
        programsStarted.push_back(programPath);
        return std::make_unique<Program>(*this);
    }
    unsigned long ownId = 4242;
    std::vector<ProcessEntry> ListProcesses() override { return processes; }
    unsigned long OwnProcessId() override { return ownId; }
    bool Terminate(unsigned long id) override {
        for (unsigned long refused : refuseToTerminate)
            if (refused == id) return false;
        terminated.push_back(id);
        return true;
    }
    long ShellOpen(const std::string& file, const std::string& arguments) override {
        shellCalls.emplace_back(file, arguments);
        return shellResult;
    }
    void Sleep(unsigned milliseconds) override { slept += milliseconds; }

private:
    class Piped : public PipedProcess {
    public:
        explicit Piped(ScriptedProcesses& owner) : owner_(owner) {}
        PipeRead Read(char* buffer, size_t capacity, size_t& count, unsigned) override {
            count = 0;
            if (owner_.onCompilerRead) owner_.onCompilerRead();
            if (terminated_) return PipeRead::Ended;
            if (next_ >= owner_.outputChunks.size())
                return owner_.compilerKeepsPipeOpen ? PipeRead::Waiting : PipeRead::Ended;
            std::string& chunk = owner_.outputChunks[next_];
            count = std::min(capacity, chunk.size() - offset_);
            chunk.copy(buffer, count, offset_);
            offset_ += count;
            if (offset_ == chunk.size()) {
                ++next_;
                offset_ = 0;
            }
            return count > 0 ? PipeRead::Data : PipeRead::Waiting;
        }
        bool WaitForExit(unsigned) override {
            ++owner_.compilerWaits;
            return terminated_ || !owner_.compilerNeverExits;
        }
        void Terminate() override {
            ++owner_.compilerTerminations;
            terminated_ = true;
        }

    private:
        ScriptedProcesses& owner_;
        size_t next_ = 0, offset_ = 0;
        bool terminated_ = false;
    };

    class Program : public RunningProcess {
    public:
        explicit Program(ScriptedProcesses& owner)
            : owner_(owner), remaining_(owner.waitsUntilProgramEnds) {}
        bool WaitForExit(unsigned) override {
            if (owner_.onProgramWait) owner_.onProgramWait();
            return --remaining_ <= 0;
        }
        unsigned long ExitCode() override { return owner_.programExitCode; }

    private:
        ScriptedProcesses& owner_;
        int remaining_;
    };
};

}  // namespace tavrin::test
