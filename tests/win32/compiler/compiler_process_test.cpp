// The compiler driver with real processes under Windows: the fake compiler
// records the command line it received and "builds" a small program that the
// run, reset and debugger commands then work with.
#include "compiler/build_commands.h"
#include "compiler/compiler.h"
#include "compiler/error_list.h"
#include "common/file_checks.h"
#include "compiler/win32_processes.h"
#include "common/message_pump.h"

#include "process_probes.h"
#include "support/fake_build_settings.h"
#include "support/recording_error_marks.h"
#include "support/scripted_prompts.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace tavrin {

namespace {

// The build tree's Linux path as Wine sees it.
std::string WindowsPath(std::string path) {
    for (char& c : path)
        if (c == '/') c = '\\';
    return path.size() && path[0] == '\\' ? "Z:" + path : path;
}

const std::string kFakeCompiler = WindowsPath(FAKE_FBC_DIR) + "\\fake_fbc.exe";

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteAll(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

int CountLines(const std::string& path) {
    std::string text = ReadAll(path);
    int lines = 0;
    for (char c : text) lines += c == '\n';
    return lines;
}

// Waits until the file holds the text (programs started through the shell run
// on their own time).
bool WaitForText(const std::string& path, const std::string& text, int milliseconds) {
    for (int waited = 0; waited < milliseconds; waited += 50) {
        if (ReadAll(path).find(text) != std::string::npos) return true;
        Sleep(50);
    }
    return false;
}

struct Host : CompileHost {
    std::string pageFile;
    std::string switchAnswer;
    void SetCompileRunEnabled(bool) override {}
    void AppendResultLine(const std::string&) override {}
    bool CurrentDocumentIsCodePage() override { return true; }
    std::string PageFileName() override { return pageFile; }
    bool PageSaved() override { return true; }
    void SavePage() override {}
    void SavePageAs() override {}
    bool ProjectSourceFile(std::string&) override { return false; }
    std::string SwitchWindowText() override { return ""; }
    bool AskSwitches(const std::string&, std::string& text) override {
        text = switchAnswer;
        return true;
    }
    void UpdateToolbar() override {}
};

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

class CompilerProcessTest : public testing::Test {
protected:
    CompilerProcessTest() {
        // A folder with a blank and parentheses in its name, unique per process.
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        folder = std::string(temp) + "tavrin build (" + std::to_string(GetCurrentProcessId()) +
                 "_" + std::to_string(++counter) + ")";
        std::filesystem::create_directories(folder);
        // A name no other test of the session uses: KillRunning goes by file name.
        name = "probe_" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(counter);
        source = folder + "\\" + name + ".bas";
        WriteAll(source, "dim x as integer\r\nprint x\r\n");
        record = folder + "\\record.txt";
        script = folder + "\\script.txt";
        programLog = folder + "\\program.log";
        SetEnvironmentVariableA("FAKE_FBC_RECORD", record.c_str());
        SetEnvironmentVariableA("FAKE_FBC_SCRIPT", script.c_str());
        SetEnvironmentVariableA("FAKE_PROGRAM_LOG", programLog.c_str());
        SetEnvironmentVariableA("FAKE_PROGRAM_SLEEP_MS", "0");
        host.pageFile = source;
        settings.compiler = kFakeCompiler;
        compiler.OnBeginCompile = [this] { events += "begin;"; };
        compiler.OnEndCompile = [this] { events += "end;"; };
        compiler.OnError = [this] { events += "error;"; };
        compiler.OnRun = [this] { events += "run;"; };
        compiler.OnTerminate = [this] { events += "terminate;"; };
    }
    ~CompilerProcessTest() override {
        SetMessagePump(nullptr);
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }

    std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

    static inline int counter = 0;
    std::string folder, name, source, record, script, programLog, events;
    test::ScriptedPrompts prompts;
    Win32Processes processes;
    TCompiler compiler{processes};
    test::RecordingErrorMarks pages;
    TDebugger errors{pages};
    test::FakeBuildSettings settings;
    Host host;
    BuildCommands commands{compiler, errors, settings, host};
};

TEST_F(CompilerProcessTest, CompilerReceivesExactlyTheSpecifiedCommandLine) {
    settings.directories = {folder + "\\inc one", "C:\\inc (two)"};
    host.switchAnswer = "-s console -g";
    ASSERT_EQ(commands.CompileCurrent(), CommandResult::Completed);
    EXPECT_EQ(ReadAll(record), Quoted(kFakeCompiler) + "  -i " + Quoted(folder + "\\inc one") +
                                   " -i \"C:\\inc (two)\" -s console -g " + Quoted(source));
    EXPECT_EQ(events, "begin;end;");
    EXPECT_EQ(compiler.ExeFile, folder + "\\" + name + ".exe");
    EXPECT_TRUE(FileExists(compiler.ExeFile));
}

TEST_F(CompilerProcessTest, ResourceScriptOnlyWhenNotEmptyAndVerboseAfterTheCompiler) {
    std::string rc = folder + "\\" + name + ".rc";
    WriteAll(rc, "");
    compiler.Verbose = true;
    host.switchAnswer = "-g";
    commands.CompileCurrent();
    EXPECT_EQ(ReadAll(record), Quoted(kFakeCompiler) + " -v  -g " + Quoted(source));
    // The verbose compiler reports what it does; none of it is an error.
    EXPECT_FALSE(compiler.Output.Lines().empty());
    EXPECT_FALSE(compiler.HasErrors);

    WriteAll(rc, "1 24 \"app.manifest\"\r\n");
    compiler.Verbose = false;
    commands.CompileCurrent();
    EXPECT_EQ(ReadAll(record), Quoted(kFakeCompiler) + "  -g " + Quoted(source) + " " + Quoted(rc));
}

TEST_F(CompilerProcessTest, SilentCompilerFiresEndCompileWithEmptyOutput) {
    compiler.SetSourceFile(source);
    compiler.CompilerPath = kFakeCompiler;
    EXPECT_EQ(compiler.Compile(), CompileOutcome::Compiled);
    EXPECT_EQ(events, "begin;end;");
    EXPECT_TRUE(compiler.Output.Text().empty());
}

TEST_F(CompilerProcessTest, ErrorsFromBothStreamsAreReadAndMarkTheRightLine) {
    WriteAll(script,
             "warning 1 4 1 Suspicious pointer assignment\n"
             "stderr note on standard error\n"
             "error 12 41 Variable not declared, y\n"
             "exit 1\n");
    test::RecordedPage& page = pages.AddPage(source);
    int outputs = 0;
    compiler.OnOutput = [&](std::string_view) { ++outputs; };
    compiler.OnError = [&] {
        events += "error;";
        errors.Lines = compiler.Output.Lines();
        errors.ParseOutput();
    };
    commands.CompileCurrent();
    EXPECT_EQ(events, "begin;error;");
    EXPECT_GT(outputs, 0);
    EXPECT_NE(compiler.Output.Text().find("note on standard error"), std::string::npos);
    ASSERT_EQ(page.marks.size(), 1u);
    EXPECT_EQ(page.marks[0].line, 12);
    EXPECT_EQ(page.marks[0].background, 255u);
    EXPECT_EQ(page.marks[0].foreground, 0xFFFFFFu);
    EXPECT_EQ(errors.ErrorLines(),
              (std::vector<std::string>{source + "(12) error 41: Variable not declared, y"}));
    EXPECT_FALSE(FileExists(folder + "\\" + name + ".exe"))
        << "a failed compilation builds nothing";
}

TEST_F(CompilerProcessTest, DllSwitchGivesDllOutputAndTerminate) {
    host.switchAnswer = "-dll";
    commands.CompileCurrent();
    EXPECT_EQ(compiler.ExeFile, folder + "\\" + name + ".dll");
    EXPECT_TRUE(FileExists(compiler.ExeFile));
    EXPECT_EQ(events, "begin;end;terminate;");
}

TEST_F(CompilerProcessTest, MissingCompilerShowsCantCompile) {
    compiler.SetSourceFile(source);
    compiler.CompilerPath = folder + "\\no compiler.exe";
    EXPECT_EQ(compiler.Compile(), CompileOutcome::NotStarted);
    EXPECT_EQ(prompts.Texts(), (std::vector<std::string>{"Internal error $cc - Can't compile."}));
}

TEST_F(CompilerProcessTest, MegabytesOfOutputArriveWhole) {
    WriteAll(script, "bulk 3000000\nstdout last line\n");
    auto start = std::chrono::steady_clock::now();
    commands.CompileCurrent();
    double seconds = SecondsSince(start);
    EXPECT_EQ(compiler.Output.Text().size(), 3000000u + 11);
    EXPECT_EQ(compiler.Output.Lines().back(), "last line");
    EXPECT_FALSE(compiler.HasErrors);
    std::printf("3 MB of compiler output through the pipe: %.2f s\n", seconds);
}

// A compiler that starts a helper process and never ends: Reset, arriving
// while the output is awaited, terminates both; what they wrote is kept.
TEST_F(CompilerProcessTest, ResetEndsTheCompilerAndTheProcessesItStarted) {
    std::string pids = folder + "\\pids.txt", child = folder + "\\child.txt";
    WriteAll(child, "pid " + pids + "\nstdout child line\nhang\n");
    WriteAll(script, "pid " + pids + "\nchild " + child + "\nstdout parent line\nhang\n");
    compiler.SetSourceFile(source);
    compiler.CompilerPath = kFakeCompiler;
    std::vector<DWORD> started;
    bool reset = false;
    auto start = std::chrono::steady_clock::now();
    SetMessagePump([&] {
        if (reset || !compiler.CompilerActive()) return;
        const std::string& text = compiler.Output.Text();
        bool bothWrote = text.find("child line") != std::string::npos &&
                         text.find("parent line") != std::string::npos;
        if ((bothWrote && test::ReadProcessIds(pids).size() == 2) || SecondsSince(start) > 20) {
            started = test::ReadProcessIds(pids);
            reset = true;
            compiler.ResetProgram();
        }
    });
    EXPECT_EQ(compiler.Compile(), CompileOutcome::Stopped);
    double seconds = SecondsSince(start);
    SetMessagePump(nullptr);
    EXPECT_LT(seconds, 15.0);
    ASSERT_EQ(started.size(), 2u) << ReadAll(pids);
    for (DWORD id : started) EXPECT_TRUE(test::ProcessEnded(id, 5000)) << "process " << id;
    EXPECT_EQ(events, "begin;error;");
    EXPECT_TRUE(compiler.HasErrors);
    EXPECT_EQ(compiler.Output.Lines().back(), TCompiler::kStoppedLine);
    test::TerminateProcesses(started);
}

// When the driver lets go of a compiler (the workbench ends or fails), the
// compiler and the processes it started end with it.
TEST_F(CompilerProcessTest, LettingGoOfTheCompilerEndsItsProcesses) {
    std::string pids = folder + "\\pids.txt", child = folder + "\\child.txt";
    WriteAll(child, "pid " + pids + "\nhang\n");
    WriteAll(script, "pid " + pids + "\nchild " + child + "\nhang\n");
    std::unique_ptr<PipedProcess> piped =
        processes.StartWithPipe(Quoted(kFakeCompiler) + " " + Quoted(source));
    ASSERT_TRUE(piped);
    for (int i = 0; i < 200 && test::ReadProcessIds(pids).size() < 2; ++i) Sleep(25);
    std::vector<DWORD> started = test::ReadProcessIds(pids);
    ASSERT_EQ(started.size(), 2u);
    size_t count = 0;
    char buffer[16];
    EXPECT_EQ(piped->Read(buffer, sizeof buffer, count, 50), PipeRead::Waiting)
        << "silence is no end";
    EXPECT_FALSE(piped->WaitForExit(50));
    piped.reset();
    for (DWORD id : started) EXPECT_TRUE(test::ProcessEnded(id, 5000)) << "process " << id;
    test::TerminateProcesses(started);
}

// NUL bytes inside messages: the rest of the line and the messages after it
// arrive, and the messages after it get their marks.
TEST_F(CompilerProcessTest, NulBytesInTheOutputCutNothing) {
    WriteAll(script,
             "stdout progress%NUL%rest of the line\n"
             "error 1 41 Variable%NUL% not declared, a\n"
             "error 2 42 After the NUL\n"
             "exit 1\n");
    test::RecordedPage& page = pages.AddPage(source);
    compiler.OnError = [&] {
        errors.Lines = compiler.Output.Lines();
        errors.ParseOutput();
    };
    commands.CompileCurrent();
    ASSERT_FALSE(compiler.Output.Lines().empty());
    EXPECT_EQ(compiler.Output.Lines()[0], std::string("progress\0rest of the line", 25));
    ASSERT_EQ(page.marks.size(), 2u);
    EXPECT_EQ(page.marks[0].line, 1);
    EXPECT_EQ(page.marks[1].line, 2);
    ASSERT_EQ(errors.ErrorLines().size(), 2u);
    EXPECT_EQ(errors.ErrorLines()[0], source + "(1) error 41: Variable" + std::string(1, '\0') +
                                          " not declared, a");
}

// A compiler that writes without end: the driver keeps the head and the tail
// of its output in bounded memory until Reset ends it.
TEST_F(CompilerProcessTest, RunawayOutputIsKeptInBoundedMemory) {
    constexpr unsigned long long kEnough = 16ull << 20;
    std::string pids = folder + "\\pids.txt";
    WriteAll(script, "pid " + pids + "\nstdout first line\nendless\n");
    compiler.SetSourceFile(source);
    compiler.CompilerPath = kFakeCompiler;
    size_t baseline = test::CommittedBytes(), peak = baseline;
    unsigned long long nextSample = 0;
    auto start = std::chrono::steady_clock::now();
    SetMessagePump([&] {
        unsigned long long total = compiler.Output.TotalBytes();
        if (total >= nextSample) {
            peak = std::max(peak, test::CommittedBytes());
            nextSample = total + (1 << 20);
        }
        if (total >= kEnough || SecondsSince(start) > 60) compiler.ResetProgram();
    });
    EXPECT_EQ(compiler.Compile(), CompileOutcome::Stopped);
    double seconds = SecondsSince(start);
    SetMessagePump(nullptr);
    test::TerminateProcesses(test::ReadProcessIds(pids));
    std::printf("runaway compiler: %.1f MB in %.1f s, committed memory %.1f MB grew by %.1f MB\n",
                compiler.Output.TotalBytes() / 1048576.0, seconds, baseline / 1048576.0,
                (peak - baseline) / 1048576.0);
    EXPECT_GE(compiler.Output.TotalBytes(), kEnough);
    EXPECT_LT(peak - baseline, size_t(24) << 20);

    const std::vector<std::string>& lines = compiler.Output.Lines();
    EXPECT_LE(compiler.Output.Text().size(), size_t(6) << 20);
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[0], "first line");
    EXPECT_EQ(lines[1], "0 endless output of a runaway compiler");
    size_t dropped = 0;
    while (dropped < lines.size() && lines[dropped].rfind("... ", 0) != 0) ++dropped;
    ASSERT_LT(dropped, lines.size());
    EXPECT_EQ(lines[dropped],
              OutputAccumulator::DroppedLine(compiler.Output.DroppedBytes()));
    EXPECT_EQ(lines.back(), TCompiler::kStoppedLine);
    // The tail begins with a whole line from far into the output; the last
    // line may have been cut where the compiler was stopped.
    const std::string kFiller = " endless output of a runaway compiler";
    const std::string& firstOfTail = lines[dropped + 1];
    size_t blank = firstOfTail.find(' ');
    ASSERT_NE(blank, std::string::npos) << firstOfTail;
    EXPECT_EQ(firstOfTail.substr(blank), kFiller);
    EXPECT_GT(std::stoull(firstOfTail.substr(0, blank)), 100000u);
    const std::string& last = lines[lines.size() - 2];
    std::string whole = last.substr(0, last.find(' ')) + kFiller;
    EXPECT_EQ(whole.compare(0, last.size(), last), 0) << last;
}

TEST_F(CompilerProcessTest, RunTwiceWhileRunningStartsTheProgramOnce) {
    host.switchAnswer = "";
    commands.CompileCurrent();
    SetEnvironmentVariableA("FAKE_PROGRAM_SLEEP_MS", "700");
    SetEnvironmentVariableA("FAKE_PROGRAM_EXIT", "3");
    int nested = 0;
    SetMessagePump([&] {
        if (compiler.Running && nested++ == 0) compiler.RunCurrent();
    });
    commands.CompileAndRun();
    SetEnvironmentVariableA("FAKE_PROGRAM_EXIT", nullptr);
    EXPECT_EQ(CountLines(programLog), 1);
    EXPECT_FALSE(compiler.Running);
    EXPECT_NE(events.find("run;terminate;"), std::string::npos);
}

TEST_F(CompilerProcessTest, RunProgramReportsTheExitCode) {
    commands.CompileCurrent();
    SetEnvironmentVariableA("FAKE_PROGRAM_EXIT", "7");
    long code = compiler.RunProgram(compiler.ExeFile, ShowState::Hidden);
    SetEnvironmentVariableA("FAKE_PROGRAM_EXIT", nullptr);
    EXPECT_EQ(code, 7);
    EXPECT_EQ(compiler.RunProgram(folder + "\\none.exe", ShowState::Hidden), -1);
    EXPECT_EQ(compiler.Status, TCompiler::kStatusCannotStart);
}

TEST_F(CompilerProcessTest, ResetEndsEveryRunningProgramOfThatName) {
    commands.CompileCurrent();
    SetEnvironmentVariableA("FAKE_PROGRAM_SLEEP_MS", "20000");
    // A second copy of the program, started on its own.
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION other{};
    std::string commandLine = Quoted(compiler.ExeFile);
    ASSERT_TRUE(CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE,
                               CREATE_NO_WINDOW, nullptr, nullptr, &startup, &other));
    int pumps = 0;
    SetMessagePump([&] {
        if (++pumps == 3) compiler.ResetProgram();
    });
    auto start = std::chrono::steady_clock::now();
    compiler.RunCurrent();
    double seconds = SecondsSince(start);
    EXPECT_LT(seconds, 10.0) << "the run ended through the reset, not by itself";
    EXPECT_EQ(compiler.Status, 0) << "the run's end resets the status";
    EXPECT_EQ(WaitForSingleObject(other.hProcess, 5000), WAIT_OBJECT_0);
    DWORD exitCode = 99;
    GetExitCodeProcess(other.hProcess, &exitCode);
    EXPECT_EQ(exitCode, 0u);
    CloseHandle(other.hThread);
    CloseHandle(other.hProcess);
    EXPECT_EQ(events.substr(events.size() - 14), "run;terminate;");
}

TEST_F(CompilerProcessTest, KillRunningSparesTheWorkbenchItself) {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    compiler.ExeFile = self;
    EXPECT_FALSE(compiler.KillRunning());  // had it killed this process, the test would not end
    EXPECT_EQ(compiler.Status, 0);
}

TEST_F(CompilerProcessTest, DebuggerArgumentFormsAndFailureBoxes) {
    commands.CompileCurrent();
    std::string application = folder + "\\app";
    // Without a debugger: the three information boxes.
    compiler.RunWithDebugger(application);
    ASSERT_EQ(prompts.Texts().size(), 3u);
    EXPECT_EQ(prompts.Texts()[0], "Internal error.\nDebugger are missing.");
    long shellResult = std::stol(prompts.Texts()[1]);
    EXPECT_GE(shellResult, 0);
    EXPECT_LE(shellResult, 32);
    std::ostringstream size;
    size.setf(std::ios::fixed);
    size.precision(2);
    size << FileSizeBytes(compiler.ExeFile) / 1024.0;
    EXPECT_EQ(prompts.Texts()[2], "[" + compiler.ExeFile + "]: " + size.str() + " Kb(s)");

    // The fake compiler stands in for the debugger: it records its command line.
    std::filesystem::create_directories(application + "\\debug\\32");
    std::string debugger = application + "\\debug\\32\\Debugger.exe";
    ASSERT_TRUE(CopyFileA(kFakeCompiler.c_str(), debugger.c_str(), FALSE));
    EXPECT_TRUE(compiler.DebuggerAvailable(application));
    DeleteFileA(record.c_str());
    compiler.RunWithDebugger(application);
    EXPECT_TRUE(WaitForText(record,
                            Quoted(debugger) + "  /StartDebugProcess /NewProcess.ProcessPath " +
                                Quoted(compiler.ExeFile),
                            5000))
        << ReadAll(record);

    DeleteFileA(record.c_str());
    SetEnvironmentVariableA("FAKE_PROGRAM_SLEEP_MS", "1500");
    bool asked = false;
    SetMessagePump([&] {
        if (!asked && compiler.Running) {
            asked = true;
            compiler.RunWithDebugger(application);
        }
    });
    compiler.RunCurrent();
    EXPECT_TRUE(WaitForText(record, Quoted(debugger) + " /DebugProcess " + Quoted(compiler.ExeFile),
                            5000))
        << ReadAll(record);
    EXPECT_EQ(prompts.Texts().size(), 3u);
}

}  // namespace tavrin
