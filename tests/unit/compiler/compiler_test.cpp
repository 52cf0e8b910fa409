#include "compiler/compiler.h"

#include "common/message_pump.h"
#include "scripted_processes.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace tavrin {

class CompilerTest : public testing::Test {
protected:
    CompilerTest() {
        compiler.CompilerPath = "C:\\fbc\\fbc.exe";
        compiler.SetSourceFile(source);
        compiler.OnBeginCompile = [this] { events += "begin;"; };
        compiler.OnEndCompile = [this] { events += "end;"; };
        compiler.OnError = [this] { events += "error;"; };
        compiler.OnRun = [this] { events += "run;"; };
        compiler.OnTerminate = [this] { events += "terminate;"; };
    }

    test::TempFolder folder;
    test::ScriptedPrompts prompts;
    test::ScriptedProcesses processes;
    TCompiler compiler{processes};
    std::string source = folder.Write("dir (1)/main.bas", "print 1\n");
    std::string events;
};

TEST_F(CompilerTest, CommandLineWithResourceOnlyWhenItHasLines) {
    compiler.Switches = " -i \"C:\\inc\" -s gui";
    std::string empty = folder.Write("dir (1)/empty.rc", "");
    compiler.SetResourceFile(empty);
    EXPECT_EQ(compiler.ResourceFile, "");
    compiler.SetResourceFile(folder.Path("dir (1)/none.rc"));
    EXPECT_EQ(compiler.ResourceFile, "");
    std::string script = folder.Write("dir (1)/main.rc", "1 ICON \"a.ico\"");
    compiler.SetResourceFile(script);
    EXPECT_EQ(compiler.ResourceFile, script);
    compiler.Verbose = true;
    compiler.Compile();
    ASSERT_EQ(processes.commandLines.size(), 1u);
    EXPECT_EQ(processes.commandLines[0], "\"C:\\fbc\\fbc.exe\" -v  -i \"C:\\inc\" -s gui \"" +
                                             source + "\" \"" + script + "\"");
}

TEST_F(CompilerTest, SilentCompilerFiresBeginThenEnd) {
    EXPECT_EQ(compiler.Compile(), CompileOutcome::Compiled);
    EXPECT_EQ(events, "begin;end;");
    EXPECT_FALSE(compiler.HasErrors);
    EXPECT_TRUE(compiler.Output.Lines().empty());
    EXPECT_EQ(processes.compilerWaits, 1);
}

TEST_F(CompilerTest, OutputIsReadIn255ByteChunksAndErrorsFireOnError) {
    std::string big(600, 'x');
    processes.outputChunks = {big + "\r", "\nmain.bas(2) Err", "or 1: bad\n"};
    std::vector<size_t> seen;
    std::string lastText;
    compiler.OnOutput = [&](std::string_view chunk) {
        seen.push_back(chunk.size());
        lastText = compiler.Output.Text();
    };
    compiler.ExeFile = "old.exe";
    EXPECT_EQ(compiler.Compile(), CompileOutcome::Compiled);
    EXPECT_EQ(seen, (std::vector<size_t>{255, 255, 91, 16, 10}));
    EXPECT_EQ(lastText, compiler.Output.Text());
    EXPECT_EQ(compiler.Output.Lines(),
              (std::vector<std::string>{big, "main.bas(2) Error 1: bad"}));
    EXPECT_TRUE(compiler.HasErrors);
    EXPECT_EQ(events, "begin;error;");
    compiler.ComputeOutputName();
    EXPECT_EQ(compiler.ExeFile, "old.exe") << "a failed compilation keeps the output name";
}

TEST_F(CompilerTest, CompileCalledFromPumpedMessagesDoesNothing) {
    processes.outputChunks = {"first ", "second"};
    std::vector<CompileOutcome> nested;
    SetMessagePump([&] { nested.push_back(compiler.Compile()); });
    EXPECT_EQ(compiler.Compile(), CompileOutcome::Compiled);
    SetMessagePump(nullptr);
    EXPECT_FALSE(nested.empty());
    for (CompileOutcome outcome : nested) EXPECT_EQ(outcome, CompileOutcome::Busy);
    EXPECT_EQ(compiler.Output.Text(), "first second");
    EXPECT_EQ(processes.commandLines.size(), 1u);
    EXPECT_EQ(compiler.Compile(), CompileOutcome::Compiled) << "free again afterwards";
}

TEST_F(CompilerTest, MessagesArePumpedDuringTheRead) {
    int pumped = 0;
    SetMessagePump([&] { ++pumped; });
    processes.outputChunks = {"a", "b"};
    compiler.Compile();
    SetMessagePump(nullptr);
    EXPECT_GE(pumped, 3);
}

TEST_F(CompilerTest, WaitsWithoutOutputLetMessagesRun) {
    // Reads that bring nothing (a compiler thinking in silence) are no end.
    processes.outputChunks = {"", "", "", "", "late\n"};
    int pumped = 0;
    SetMessagePump([&] { ++pumped; });
    EXPECT_EQ(compiler.Compile(), CompileOutcome::Compiled);
    SetMessagePump(nullptr);
    EXPECT_GE(pumped, 5);
    EXPECT_EQ(compiler.Output.Lines(), (std::vector<std::string>{"late"}));
    EXPECT_EQ(events, "begin;end;");
}

// A compiler that never ends: Reset, arriving through the pumped messages,
// terminates it; what it wrote stays, with a line saying it was stopped,
// and the compilation counts as failed.
TEST_F(CompilerTest, ResetStopsACompilerThatNeverEnds) {
    processes.outputChunks = {"main.bas(3) warning 1(1): w\n", "partial"};
    processes.compilerKeepsPipeOpen = true;
    processes.compilerNeverExits = true;
    int pumps = 0;
    SetMessagePump([&] {
        if (++pumps == 20) compiler.ResetProgram();
    });
    compiler.ExeFile = "old.exe";
    EXPECT_EQ(compiler.Compile(), CompileOutcome::Stopped);
    SetMessagePump(nullptr);
    EXPECT_EQ(processes.compilerTerminations, 1);
    EXPECT_FALSE(compiler.Compiling());
    EXPECT_TRUE(compiler.HasErrors);
    EXPECT_EQ(events, "begin;error;") << "a stopped compilation is never reported as compiled";
    EXPECT_EQ(compiler.Output.Lines(),
              (std::vector<std::string>{"main.bas(3) warning 1(1): w", "partial",
                                        TCompiler::kStoppedLine}));
    compiler.ComputeOutputName();
    EXPECT_EQ(compiler.ExeFile, "old.exe");

    // The driver is free again; a stop without a compilation does nothing.
    compiler.StopCompilation();
    compiler.ResetProgram();
    EXPECT_EQ(processes.compilerTerminations, 1);
    processes.compilerKeepsPipeOpen = processes.compilerNeverExits = false;
    processes.outputChunks = {"fine\n"};
    EXPECT_EQ(compiler.Compile(), CompileOutcome::Compiled);
    EXPECT_FALSE(compiler.HasErrors);
}

TEST_F(CompilerTest, ResetStopsACompilerThatClosedItsOutputButDoesNotExit) {
    processes.outputChunks = {"done\n"};
    processes.compilerNeverExits = true;
    int pumps = 0;
    SetMessagePump([&] {
        if (++pumps == 10) compiler.StopCompilation();
    });
    EXPECT_EQ(compiler.Compile(), CompileOutcome::Stopped);
    SetMessagePump(nullptr);
    EXPECT_GE(processes.compilerWaits, 5) << "the wait for the end ran in slices";
    EXPECT_EQ(processes.compilerTerminations, 1);
    EXPECT_EQ(events, "begin;error;");
}

TEST_F(CompilerTest, CompilerThatCannotStartShowsInternalErrorAndReportsNoSuccess) {
    processes.compilerStarts = false;
    EXPECT_EQ(compiler.Compile(), CompileOutcome::NotStarted);
    EXPECT_EQ(prompts.TextsOf(test::ScriptedPrompts::Kind::Error),
              (std::vector<std::string>{"Internal error $cc - Can't compile."}));
    EXPECT_EQ(events, "") << "no Compiled caption for a compilation that never ran";
}

TEST_F(CompilerTest, VanishedSourceSetsStatusFiresErrorAndKillsTheProgram) {
    compiler.SetSourceFile(folder.Path("vanished.bas"));
    compiler.ExeFile = "C:\\out\\vanished.exe";
    processes.processes = {{7, "VANISHED.EXE"}, {8, "other.exe"}};
    EXPECT_EQ(compiler.Compile(), CompileOutcome::SourceMissing);
    EXPECT_EQ(compiler.Status, TCompiler::kStatusFileMissing);
    EXPECT_EQ(events, "error;");
    EXPECT_EQ(processes.terminated, (std::vector<unsigned long>{7}));
    EXPECT_TRUE(processes.commandLines.empty());
}

TEST_F(CompilerTest, KillRunningMatchesFileNameOrFullPathInAnyCase) {
    compiler.ExeFile = "C:\\Out Dir\\App.exe";
    processes.processes = {{1, "app.EXE"}, {2, "c:\\out dir\\app.exe"}, {3, "app.exe.bak"},
                           {4, "C:\\Other\\app.exe"}, {5, "App.exe"}};
    processes.refuseToTerminate = {5};
    EXPECT_FALSE(compiler.KillRunning()) << "the result is that of the last attempt";
    EXPECT_EQ(processes.terminated, (std::vector<unsigned long>{1, 2}));
    EXPECT_EQ(compiler.Status, 0);

    processes.refuseToTerminate.clear();
    processes.terminated.clear();
    EXPECT_TRUE(compiler.KillRunning());
    EXPECT_EQ(processes.terminated, (std::vector<unsigned long>{1, 2, 5}));
    EXPECT_EQ(compiler.Status, 1);

    compiler.ExeFile = "C:\\Tavrin\\Tavrin2.exe";
    processes.processes = {{processes.ownId, "Tavrin2.exe"}, {6, "tavrin2.exe"}};
    processes.terminated.clear();
    EXPECT_TRUE(compiler.KillRunning());
    EXPECT_EQ(processes.terminated, (std::vector<unsigned long>{6}))
        << "never the workbench itself";

    compiler.ExeFile = "";
    processes.processes = {{9, ""}};
    EXPECT_FALSE(compiler.KillRunning()) << "no output name kills nothing";
}

TEST_F(CompilerTest, ComputeOutputNameFollowsTheSwitches) {
    compiler.Switches = " -i \"x\" -dll";
    compiler.ComputeOutputName();
    EXPECT_EQ(compiler.ExeFile, folder.Path("dir (1)/main.dll"));
}

class RunTest : public CompilerTest {
protected:
    RunTest() {
        exe = folder.Write("dir (1)/main.exe", "MZ");
        compiler.ExeFile = exe;
    }
    std::string exe;
};

TEST_F(RunTest, RunWaitsWhilePumpingAndFiresRunThenTerminate) {
    processes.waitsUntilProgramEnds = 3;
    processes.programExitCode = 5;
    int pumped = 0;
    SetMessagePump([&] { ++pumped; });
    EXPECT_EQ(compiler.RunProgram(exe, ShowState::Normal), 5);
    SetMessagePump(nullptr);
    EXPECT_EQ(events, "run;terminate;");
    EXPECT_EQ(pumped, 3);
    EXPECT_EQ(processes.slept, 100u);
    EXPECT_FALSE(compiler.Running);
    EXPECT_EQ(compiler.Status, 0);
}

TEST_F(RunTest, RunCurrentWhileRunningDoesNothing) {
    processes.waitsUntilProgramEnds = 2;
    processes.onProgramWait = [&] { compiler.RunCurrent(); };
    compiler.RunCurrent();
    EXPECT_EQ(processes.programsStarted, (std::vector<std::string>{exe}));
}

TEST_F(RunTest, ResetKillsOnlyWhileRunning) {
    processes.processes = {{11, "main.exe"}, {12, "MAIN.EXE"}};
    compiler.ResetProgram();
    EXPECT_TRUE(processes.terminated.empty());
    processes.onProgramWait = [&] { compiler.ResetProgram(); };
    compiler.RunCurrent();
    EXPECT_EQ(processes.terminated, (std::vector<unsigned long>{11, 12}));
}

TEST_F(RunTest, ShutdownEndsTheWaitAndProgramThatCannotStartSetsStatus) {
    processes.waitsUntilProgramEnds = 1000;
    processes.onProgramWait = [&] { compiler.ShuttingDown = true; };
    compiler.RunProgram(exe, ShowState::Normal);
    EXPECT_FALSE(compiler.Running);
    EXPECT_EQ(events, "run;terminate;");

    events.clear();
    processes.programStarts = false;
    EXPECT_EQ(compiler.RunProgram(exe, ShowState::Normal), -1);
    EXPECT_EQ(compiler.Status, TCompiler::kStatusCannotStart);
    EXPECT_EQ(events, "");
}

TEST_F(RunTest, RunOfMissingOrFailedOutput) {
    compiler.HasErrors = true;
    compiler.Run();
    EXPECT_TRUE(processes.programsStarted.empty());
    compiler.ExeFile = folder.Path("none.exe");
    compiler.Run();
    EXPECT_EQ(compiler.Status, TCompiler::kStatusFileMissing);
    EXPECT_EQ(events, "error;");
    // RunCurrent computes the name first and then finds nothing to run.
    events.clear();
    compiler.HasErrors = false;
    compiler.RunCurrent();
    EXPECT_EQ(compiler.ExeFile, exe);
    EXPECT_EQ(processes.programsStarted, (std::vector<std::string>{exe}));
}

TEST_F(RunTest, DebuggerArgumentFormsAndFailureBoxes) {
    compiler.RunWithDebugger("C:\\Tavrin");
    processes.onProgramWait = [&] { compiler.RunWithDebugger("C:\\Tavrin"); };
    compiler.RunCurrent();
    ASSERT_EQ(processes.shellCalls.size(), 2u);
    EXPECT_EQ(processes.shellCalls[0].first, "C:\\Tavrin\\debug\\32\\Debugger.exe");
    EXPECT_EQ(processes.shellCalls[0].second,
              " /StartDebugProcess /NewProcess.ProcessPath \"" + exe + "\"");
    EXPECT_EQ(processes.shellCalls[1].second, "/DebugProcess \"" + exe + "\"");
    EXPECT_TRUE(prompts.shown.empty());

    processes.shellResult = 2;
    processes.onProgramWait = nullptr;
    compiler.RunWithDebugger("C:\\Tavrin");
    EXPECT_EQ(prompts.TextsOf(test::ScriptedPrompts::Kind::Information),
              (std::vector<std::string>{"Internal error.\nDebugger are missing.", "2",
                                        "[" + exe + "]: 0.00 Kb(s)"}));
}

}  // namespace tavrin
