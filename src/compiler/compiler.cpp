#include "compiler/compiler.h"

#include "compiler/compiler_command.h"
#include "common/paths.h"
#include "common/file_checks.h"
#include "common/message_pump.h"
#include "common/prompts.h"
#include "common/text.h"

namespace tavrin {

namespace {
constexpr size_t kReadChunk = 255;
// How long one wait for output or for the compiler's end may last before
// pending window messages run again (the wait ends early when they arrive).
constexpr unsigned kWaitSliceMilliseconds = 20;
constexpr unsigned kRunWaitMilliseconds = 100;
constexpr unsigned kRunSleepMilliseconds = 50;
}  // namespace

void TCompiler::SetResourceFile(const std::string& path) {
    ResourceFile = FileHasLines(path) ? path : std::string();
}

std::string TCompiler::CommandLine() const {
    CompileCommand command;
    command.compilerPath = CompilerPath;
    command.switches = Switches;
    command.sourceFile = SourceFile;
    command.verbose = Verbose;
    command.resourceFile = ResourceFile;
    command.resourceExists = FileExists(ResourceFile);
    command.target = Target;
    return CompileCommandLine(command);
}

CompileOutcome TCompiler::Compile() {
    // Messages run while the output is read; a command arriving then must not
    // start a second compilation over the output being collected.
    if (compiling_) return CompileOutcome::Busy;
    struct ClearOnExit {
        bool& flag;
        ~ClearOnExit() { flag = false; }
    } clear{compiling_};
    compiling_ = true;
    return CompileOnce();
}

CompileOutcome TCompiler::CompileOnce() {
    Output.Clear();
    Status = 0;
    stopRequested_ = false;

    if (!FileExists(SourceFile)) {
        Status = kStatusFileMissing;
        if (OnError) OnError();
        KillRunning();
        Status = kStatusFileMissing;  // the kill's own status must not hide the cause
        PumpMessages();
        return CompileOutcome::SourceMissing;
    }

    std::unique_ptr<PipedProcess> compiler = processes_.StartWithPipe(CommandLine());
    if (!compiler) {
        UserPrompts().Error("Internal error $cc - Can't compile.");
        PumpMessages();
        return CompileOutcome::NotStarted;
    }

    current_ = compiler.get();
    struct ForgetOnExit {
        PipedProcess*& current;
        ~ForgetOnExit() { current = nullptr; }
    } forget{current_};
    if (OnBeginCompile) OnBeginCompile();
    ReadOutput(*compiler);
    bool ended = !stopRequested_ && WaitForCompilerExit(*compiler);
    current_ = nullptr;
    compiler.reset();

    if (!ended) {
        // Whatever the compiler wrote before, its work is not done.
        Output.AppendLine(kStoppedLine);
        HasErrors = true;
    }
    if (!HasErrors && OnEndCompile) OnEndCompile();
    PumpMessages();
    if (HasErrors && OnError) OnError();
    return ended ? CompileOutcome::Compiled : CompileOutcome::Stopped;
}

void TCompiler::ReadOutput(PipedProcess& compiler) {
    char buffer[kReadChunk];
    for (;;) {
        size_t count = 0;
        PipeRead state = compiler.Read(buffer, sizeof buffer, count, kWaitSliceMilliseconds);
        if (count > 0) {
            std::string_view chunk(buffer, count);
            Output.Append(chunk);
            if (OnOutput) {
                PumpMessages();
                OnOutput(chunk);
            }
        }
        HasErrors = Output.HasErrors();
        PumpMessages();
        if (state == PipeRead::Ended || stopRequested_) return;
    }
}

bool TCompiler::WaitForCompilerExit(PipedProcess& compiler) {
    // A compiler may close its output and go on running: the wait has no
    // time limit, but Reset and the close of the workbench still end it.
    while (!compiler.WaitForExit(kWaitSliceMilliseconds)) {
        PumpMessages();
        if (stopRequested_) return false;
    }
    return true;
}

void TCompiler::StopCompilation() {
    if (!current_) return;
    stopRequested_ = true;
    current_->Terminate();
}

void TCompiler::ComputeOutputName() {
    if (!HasErrors) ExeFile = ExpectedOutputName(SourceFile, Switches);
}

void TCompiler::RunCurrent() {
    if (Running) return;
    if (!FileExists(ExeFile)) {
        ComputeOutputName();
        if (!FileExists(ExeFile)) return;
    }
    Run();
}

void TCompiler::Run() {
    if (!FileExists(ExeFile)) {
        Status = kStatusFileMissing;
        if (OnError) OnError();
        return;
    }
    if (HasErrors) return;
    RunProgram(ExeFile, ShowState::Normal);
}

long TCompiler::RunProgram(const std::string& path, ShowState show) {
    std::unique_ptr<RunningProcess> program = processes_.StartInNewConsole(path, show);
    if (!program) {
        Status = kStatusCannotStart;
        return -1;
    }
    Running = true;
    if (OnRun) OnRun();
    for (;;) {
        bool ended = program->WaitForExit(kRunWaitMilliseconds);
        PumpMessages();
        if (ended || ShuttingDown) break;
        processes_.Sleep(kRunSleepMilliseconds);
    }
    Running = false;
    long exitCode = static_cast<long>(program->ExitCode());
    program.reset();
    if (OnTerminate) OnTerminate();
    Status = 0;
    return exitCode;
}

void TCompiler::ResetProgram() {
    StopCompilation();
    if (Running) KillRunning();
}

bool TCompiler::KillRunning() {
    bool terminated = false;
    std::string fileName = ExtractFileName(ExeFile);
    if (!fileName.empty()) {
        unsigned long self = processes_.OwnProcessId();
        for (const ProcessEntry& process : processes_.ListProcesses()) {
            // A program named like the workbench must not take the workbench with it.
            if (process.id == self) continue;
            if (EqualsNoCase(process.exeFile, fileName) || EqualsNoCase(process.exeFile, ExeFile))
                terminated = processes_.Terminate(process.id);
        }
    }
    Status = terminated ? 1 : 0;
    return terminated;
}

void TCompiler::RunWithDebugger(const std::string& applicationDirectory) {
    long result = processes_.ShellOpen(DebuggerPath(applicationDirectory),
                                       DebuggerArguments(Running, ExeFile));
    if (result > 32) return;
    Prompts& prompts = UserPrompts();
    prompts.Information("Internal error.\nDebugger are missing.");
    prompts.Information(std::to_string(result));
    prompts.Information(OutputFileSizeText(ExeFile, FileSizeBytes(ExeFile)));
}

bool TCompiler::DebuggerAvailable(const std::string& applicationDirectory) const {
    return FileExists(ExeFile) && FolderExists(applicationDirectory + "\\debug");
}

}  // namespace tavrin
