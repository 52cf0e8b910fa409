// TCompiler, the compiler driver: runs the compiler with the output on a pipe,
// judges the output, runs, resets and debugs the program built, and reports
// through six notifications that the main window turns into captions, status
// texts, result-window contents and button states.
#pragma once

#include "compiler/output_accumulator.h"
#include "compiler/processes.h"

#include <functional>
#include <string>
#include <string_view>

namespace tavrin {

// How Compile() ended.
enum class CompileOutcome {
    Compiled,       // the compiler ran to its end (with or without errors)
    SourceMissing,  // no file at SourceFile: OnError fired; the command aborts silently
    NotStarted,     // the compiler could not be started: error box shown
    Busy,           // called again (from pumped messages) while a compilation runs: nothing done
    Stopped,        // ended by StopCompilation: the compiler was terminated, OnError fired
};

class TCompiler {
public:
    explicit TCompiler(Processes& processes) : processes_(processes) {}

    // Status values.
    static constexpr int kStatusFileMissing = 10000;
    static constexpr int kStatusCannotStart = -1;

    // The output of the last compilation, as text and as lines (its head and
    // tail when it was very long).
    OutputAccumulator Output;
    int Status = 0;
    bool HasErrors = false;
    std::string CompilerPath;
    std::string SourceFile;
    std::string Switches;
    std::string ResourceFile;
    std::string ExeFile;
    bool Verbose = false;
    bool Running = false;
    // Nothing sets a target yet; when set, the command line takes its target form.
    std::string Target;
    // Set by the main window when the workbench shuts down: the wait for the
    // running program ends and the program goes on by itself.
    bool ShuttingDown = false;

    // Notifications; an empty one is skipped.
    std::function<void()> OnBeginCompile;
    // The chunk just read; the output so far is in Output. Showing the whole
    // text after every chunk is quadratic: show Output.Tail(...) or the chunk.
    std::function<void(std::string_view chunk)> OnOutput;
    std::function<void()> OnEndCompile;
    std::function<void()> OnError;
    std::function<void()> OnRun;
    std::function<void()> OnTerminate;

    void SetSourceFile(const std::string& path) { SourceFile = path; }
    // Empty unless a file with at least one line exists at the path.
    void SetResourceFile(const std::string& path);
    // The command line Compile() starts the compiler with.
    std::string CommandLine() const;
    // Runs the compiler and reads its output until the pipe ends and the
    // compiler has exited. The user interface stays alive meanwhile: the
    // reads wait only briefly and let pending window messages run between
    // them, so a compiler that is silent for minutes, or never ends, blocks
    // nothing and can be stopped.
    CompileOutcome Compile();
    // A compilation is in progress (from the start of Compile to its return,
    // final notifications included).
    bool Compiling() const { return compiling_; }
    // The compiler of the compilation in progress has been started and has
    // not ended yet: its output is being read or its end awaited. This is
    // what StopCompilation can end.
    bool CompilerActive() const { return current_ != nullptr; }
    // Ends the compilation in progress at once: the compiler and every
    // process it started are terminated; the output read so far is kept with
    // a last line saying so, and counts as failed (OnError fires). Nothing
    // when no compilation runs.
    void StopCompilation();
    static constexpr const char* kStoppedLine = "Compilation stopped: the compiler was terminated.";
    // When the last compilation had no errors: ExeFile := the file it produced.
    void ComputeOutputName();

    // The Run command: nothing while running; computes the output name when
    // the file is missing; then Run().
    void RunCurrent();
    void Run();
    // Starts the program in a new console and waits for it while the windows
    // stay alive; -1 when it cannot be started.
    long RunProgram(const std::string& path, ShowState show);
    // The Reset command: ends the compilation in progress and the running program.
    void ResetProgram();
    // Terminates every process whose program has the file name of ExeFile (or
    // its full path); true when the last termination tried succeeded.
    bool KillRunning();

    // Run with Debugger: "debug\32\Debugger.exe" under the application folder,
    // in attach form while the program runs; information boxes on failure.
    void RunWithDebugger(const std::string& applicationDirectory);
    // The menu entry's condition: the output file and the "debug" folder exist.
    bool DebuggerAvailable(const std::string& applicationDirectory) const;

private:
    CompileOutcome CompileOnce();
    // Reads the pipe until it ends or a stop is asked for.
    void ReadOutput(PipedProcess& compiler);
    // Waits for the compiler's end; false when a stop came first.
    bool WaitForCompilerExit(PipedProcess& compiler);

    Processes& processes_;
    bool compiling_ = false;
    bool stopRequested_ = false;
    // The compiler while a compilation runs (for StopCompilation).
    PipedProcess* current_ = nullptr;
};

}  // namespace tavrin
