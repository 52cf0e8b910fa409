// The build-and-run loop inside the running workbench, with the fake compiler
// as the configured compiler: the switch question, the captions, the status
// panel and result window, error marks on pages, the jump from a message,
// library builds, runs and resets, the close query's running-program
// question, and compilers that misbehave: silent for long, never ending,
// writing without end or writing NUL bytes.
#include <gtest/gtest.h>

#include <Scintilla.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include "workbench/code_window.h"
#include "app/build_wiring.h"
#include "compiler/build_commands.h"
#include "compiler/compiler.h"
#include "compiler/switch_window.h"
#include "editor/super_edit.h"
#include "workbench/code_page.h"
#include "ui/file_system.h"
#include "settings/launcher.h"
#include "workbench/main_window.h"
#include "workbench/workbench.h"
#include "../workbench/workbench_fixture.h"
#include "process_probes.h"
#include "test_files.h"

namespace tavrin::test {
namespace {

using Kind = ScriptedPrompts::Kind;

// The fake compiler, by a Windows path as a user would configure it.
std::string FakeCompilerPath() {
    std::string path = FAKE_FBC_DIR;
    for (char& c : path)
        if (c == '/') c = '\\';
    return (path.rfind("\\", 0) == 0 ? "Z:" + path : path) + "\\fake_fbc.exe";
}

int CountLines(const std::string& text) {
    int lines = 0;
    for (char c : text) lines += c == '\n';
    return lines;
}

// How the switch question is to be answered when it comes up; what it showed.
struct SwitchAnswer {
    std::string caption = "Compiler switch";
    std::string type;    // text typed into the memo (replacing what it shows)
    bool check = false;  // click the save box once
    bool ok = true;      // "OK", else "Cancel"
    bool enter = false;  // instead of a button: Enter on the save box
    // Observed:
    int times = 0;
    std::string shownText;
    bool shownChecked = false;
    std::string boxText;
    bool cancelIsDefault = false;
};

SwitchAnswer* pendingAnswer = nullptr;
UINT_PTR answerTimer = 0;

void CALLBACK AnswerSwitchQuestion(HWND, UINT, UINT_PTR, DWORD) {
    if (!pendingAnswer) return;
    HWND window = FindWindowA("TSwitch", pendingAnswer->caption.c_str());
    if (!window || !IsWindowVisible(window) || !IsWindowEnabled(window)) return;
    auto* form = reinterpret_cast<FormWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    auto* question = dynamic_cast<TSwitch*>(form);
    if (!question) return;
    SwitchAnswer& answer = *pendingAnswer;
    ++answer.times;
    answer.shownText = question->MemoText();
    answer.shownChecked = question->SaveSwitchChecked();
    char box[128] = {};
    GetWindowTextA(question->SaveSwitchBox(), box, sizeof box);
    answer.boxText = box;
    answer.cancelIsDefault =
        (GetWindowLongA(question->CancelButton(), GWL_STYLE) & 0x0F) == BS_DEFPUSHBUTTON;
    SetWindowTextA(question->Memo(), answer.type.c_str());
    if (answer.check) SendMessageA(question->SaveSwitchBox(), BM_CLICK, 0, 0);
    if (answer.enter) {
        SetFocus(question->SaveSwitchBox());
        PostMessageA(question->SaveSwitchBox(), WM_KEYDOWN, VK_RETURN, 1);
        PostMessageA(question->SaveSwitchBox(), WM_KEYUP, VK_RETURN, 0xC0000001);
        return;
    }
    SendMessageA(answer.ok ? question->OkButton() : question->CancelButton(), BM_CLICK, 0, 0);
}

// Answers every switch question that comes up while it lives.
class SwitchAnswerer {
public:
    explicit SwitchAnswerer(SwitchAnswer& answer) {
        pendingAnswer = &answer;
        answerTimer = SetTimer(nullptr, 0, 30, AnswerSwitchQuestion);
    }
    ~SwitchAnswerer() {
        KillTimer(nullptr, answerTimer);
        pendingAnswer = nullptr;
    }
};

// Runs an action once from the message loop, as soon as a condition holds.
struct PendingAction {
    std::function<bool()> condition;
    std::function<void()> action;
};
PendingAction pendingAction;
void CALLBACK RunPendingAction(HWND, UINT, UINT_PTR id, DWORD) {
    if (!pendingAction.condition || !pendingAction.condition()) return;
    KillTimer(nullptr, id);
    PendingAction run = std::move(pendingAction);
    pendingAction = {};
    run.action();
}
void RunWhen(std::function<bool()> condition, std::function<void()> action) {
    pendingAction = {std::move(condition), std::move(action)};
    SetTimer(nullptr, 0, 50, RunPendingAction);
}
bool ProgramRunning() { return TheBuildLoop().compiler->Running; }

class BuildLoopTest : public testing::Test {
protected:
    void SetUp() override {
        EnsureWorkbenchStarted();
        Prompts().shown.clear();
        Prompts().answers.clear();
        Prompts().fileResults.clear();
        const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
        folder_ = TestProgramFolder() + "\\build_loop\\" + info->name();
        CreateDirectoryA((TestProgramFolder() + "\\build_loop").c_str(), nullptr);
        CreateDirectoryA(folder_.c_str(), nullptr);
        // Program names are unique per test: a kill by file name must not
        // reach programs of other tests.
        source_ = folder_ + "\\" + info->name() + ".bas";
        std::string text;
        for (int i = 1; i <= 20; ++i) text += "Dim v" + std::to_string(i) + " As Integer\r\n";
        WriteAll(source_, text);
        script_ = folder_ + "\\fake_fbc.script";
        record_ = folder_ + "\\record.txt";
        programLog_ = folder_ + "\\program.log";
        DeleteFileA(record_.c_str());
        DeleteFileA(programLog_.c_str());
        SetScript("");
        SetEnvironmentVariableA("FAKE_FBC_SCRIPT", script_.c_str());
        SetEnvironmentVariableA("FAKE_FBC_RECORD", record_.c_str());
        SetEnvironmentVariableA("FAKE_PROGRAM_LOG", programLog_.c_str());
        SetEnvironmentVariableA("FAKE_PROGRAM_SLEEP_MS", "0");
        TLauncher& settings = *App().Launcher;
        settings.Compiler = FakeCompilerPath();
        settings.Directories.Clear();
        settings.Files.Clear();
        settings.PredefinedSwitches.clear();
        compiler().Switches.clear();
        compiler().ExeFile.clear();
        compiler().HasErrors = false;
    }
    void TearDown() override {
        pendingAction = {};  // its captures die with the test
        while (App().Code->PageCount() > 0) App().Code->FreePage(App().Code->Page(0));
        App().CurrentDocument = nullptr;
        App().ActiveCodePage = nullptr;
    }

    static TCompiler& compiler() { return *TheBuildLoop().compiler; }
    static MainHooks& hooks() { return App().Main->Hooks; }
    static std::string Caption() { return App().Main->Caption(); }

    void SetScript(const std::string& text) { WriteAll(script_, text); }
    // Compilations take " -g" (an empty switch window and predefined "-g")
    // without asking.
    static void SkipSwitchQuestion() {
        App().Launcher->PredefinedSwitches = "-g";
        TheBuildLoop().switchWindow->SetMemoText("");
    }
    std::string Record() { return ReadAll(record_); }

    // A code page on the source file, current and active.
    TCodePage* OpenSourcePage(const std::string& file) {
        EXPECT_TRUE(hooks().openPage) << "the code pages are not wired";
        if (!hooks().openPage) return nullptr;
        auto* page = dynamic_cast<TCodePage*>(hooks().openPage(file));
        EXPECT_NE(page, nullptr);
        return page;
    }
    TCodePage* OpenSourcePage() { return OpenSourcePage(source_); }

    std::string folder_, source_, script_, record_, programLog_;
};

TEST_F(BuildLoopTest, SwitchQuestionStartsEmptyAndOkCompilesWithIncludeOptionsAndTheText) {
    App().Launcher->Directories.Assign({"C:\\inc one", "D:\\inc2"});
    ASSERT_TRUE(OpenSourcePage());
    SwitchAnswer answer;
    answer.type = "-g -exx";
    {
        SwitchAnswerer answerer(answer);
        hooks().compile();
    }
    EXPECT_EQ(answer.times, 1);
    EXPECT_EQ(answer.shownText, "");
    EXPECT_FALSE(answer.shownChecked);
    EXPECT_EQ(answer.boxText, "Save switch as predefined ones ");
    EXPECT_TRUE(answer.cancelIsDefault);
    std::string compilerPath = App().Launcher->Compiler;
    EXPECT_EQ(Record(), "\"" + compilerPath + "\"  -i \"C:\\inc one\" -i \"D:\\inc2\" -g -exx \"" +
                            source_ + "\"");
    EXPECT_EQ(App().Launcher->PredefinedSwitches, "") << "the box was not checked";
}

TEST_F(BuildLoopTest, SavedSwitchesAreNotAskedAgainAndCancelKeepsThePreviousSwitches) {
    ASSERT_TRUE(OpenSourcePage());
    SwitchAnswer answer;
    answer.type = "-w all";
    answer.check = true;
    {
        SwitchAnswerer answerer(answer);
        hooks().compile();
        EXPECT_EQ(App().Launcher->PredefinedSwitches, "-w all");
        // The next compilation takes the modeless window's field and the
        // predefined switches without asking.
        TSwitch* window = TheBuildLoop().switchWindow;
        ASSERT_NE(window, nullptr);
        window->SetMemoText("-g");
        hooks().compile();
    }
    EXPECT_EQ(answer.times, 1);
    std::string compilerPath = App().Launcher->Compiler;
    EXPECT_EQ(Record(), "\"" + compilerPath + "\" -g -w all \"" + source_ + "\"");

    // Cancel: the compilation still runs, with the switches of the previous one.
    App().Launcher->PredefinedSwitches.clear();
    SwitchAnswer cancel;
    cancel.type = "-never-used";
    cancel.ok = false;
    {
        SwitchAnswerer answerer(cancel);
        hooks().compile();
    }
    EXPECT_EQ(cancel.times, 1);
    EXPECT_EQ(Record(), "\"" + compilerPath + "\" -g -w all \"" + source_ + "\"");
    EXPECT_EQ(App().Launcher->PredefinedSwitches, "");
}

TEST_F(BuildLoopTest, SwitchQuestionReturnsTheMemoWhateverTheButtonAndJoinsLines) {
    std::string predefined;
    SwitchAnswer answer;
    answer.type = "-g\r\n-exx";
    answer.ok = false;
    std::string text = "ignored";
    {
        SwitchAnswerer answerer(answer);
        EXPECT_FALSE(AskSwitches(predefined, "Compiler switch", text));
    }
    EXPECT_EQ(text, "-g -exx");
    EXPECT_EQ(answer.shownText, "") << "showing puts the predefined switches in the memo";
    EXPECT_EQ(predefined, "");
    // The question's window is gone once it was answered.
    EXPECT_EQ(FindWindowA("TSwitch", "Compiler switch"), nullptr);

    // Enter outside the memo presses the default button, "Cancel".
    SwitchAnswer enter;
    enter.type = "-s gui";
    enter.check = true;
    enter.enter = true;
    {
        SwitchAnswerer answerer(enter);
        EXPECT_FALSE(AskSwitches(predefined, "Compiler switch", text));
    }
    EXPECT_EQ(enter.times, 1);
    EXPECT_EQ(text, "-s gui");
    EXPECT_EQ(predefined, "") << "Cancel keeps the predefined switches";
}

TEST_F(BuildLoopTest, ModelessSwitchWindowShowsAndReplacesThePredefinedSwitches) {
    TSwitch* window = TheBuildLoop().switchWindow;
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->Caption(), "Switch");
    App().Launcher->PredefinedSwitches = "-s gui";
    SendMessageA(App().Main->Handle(), WM_COMMAND, cmdViewCompilerSwitch, 0);
    EXPECT_TRUE(window->Visible());
    EXPECT_EQ(window->MemoText(), "-s gui");
    EXPECT_TRUE(window->SaveSwitchChecked());

    // Unchecked: the predefined switches stay, the field keeps the edit.
    SetWindowTextA(window->Memo(), "-s console");
    SendMessageA(window->SaveSwitchBox(), BM_CLICK, 0, 0);
    SendMessageA(window->OkButton(), BM_CLICK, 0, 0);
    EXPECT_FALSE(window->Visible());
    EXPECT_EQ(App().Launcher->PredefinedSwitches, "-s gui");
    EXPECT_EQ(window->MemoText(), "-s console");

    // Checked: "OK" replaces them.
    window->Show();
    SetWindowTextA(window->Memo(), "-s console");
    SendMessageA(window->OkButton(), BM_CLICK, 0, 0);
    EXPECT_EQ(App().Launcher->PredefinedSwitches, "-s console");
    App().Launcher->PredefinedSwitches.clear();
}

TEST_F(BuildLoopTest, GoodCompileShowsCompiledCaptionTimeAndOutput) {
    SetScript("stdout first line of output\nstderr second line on the diagnostic stream\n");
    ASSERT_TRUE(OpenSourcePage());
    SkipSwitchQuestion();
    hooks().compile();
    EXPECT_EQ(Caption(), "Orvale Compiled [" + source_ + "]");
    std::string status = App().Code->StatusText(2);
    EXPECT_EQ(status.rfind("Compilation Time: ", 0), 0u) << status;
    EXPECT_EQ(status.substr(status.size() - 8), " seconds");
    EXPECT_NE(status.find('.'), std::string::npos);
    EXPECT_EQ(App().Code->Results().Lines(),
              (std::vector<std::string>{"first line of output", "second line on the diagnostic stream"}));
    EXPECT_FALSE(App().Main->ToolButtonEnabled(cmdCompileAndRun));
    EXPECT_EQ(compiler().ExeFile, folder_ + "\\" +
                                      testing::UnitTest::GetInstance()->current_test_info()->name() +
                                      ".exe");
    EXPECT_TRUE(FileExists(compiler().ExeFile));
}

TEST_F(BuildLoopTest, CompilerThatWritesNothingEndsTheCompilation) {
    ASSERT_TRUE(OpenSourcePage());
    App().Code->SetStatusText(2, "stale");
    SkipSwitchQuestion();
    hooks().compile();
    EXPECT_EQ(Caption(), "Orvale Compiled [" + source_ + "]");
    EXPECT_EQ(App().Code->StatusText(2).rfind("Compilation Time: ", 0), 0u);
    EXPECT_TRUE(App().Code->Results().Empty());
}

TEST_F(BuildLoopTest, FailingCompileMarksTheLineAndJumpsFromTheMessage) {
    SetScript("stdout compiling\nerror 12 41 Variable not declared, x\n");
    TCodePage* other = OpenSourcePage(folder_ + "\\other.bas");
    TCodePage* page = OpenSourcePage();
    ASSERT_TRUE(page && other);
    SkipSwitchQuestion();
    hooks().compile();
    EXPECT_EQ(Caption(), "Orvale File in Error [" + source_ + "]");
    EXPECT_TRUE(App().Main->ToolButtonEnabled(cmdCompileAndRun));
    EXPECT_FALSE(App().Main->ToolButtonEnabled(cmdResetProgram));

    ScintillaView& results = App().Code->Results();
    ASSERT_GE(results.LineCount(), 2);
    EXPECT_EQ(results.Line(1), source_ + "(12) error 41: Variable not declared, x");
    EXPECT_NE(results.Call(SCI_MARKERGET, 1) & 2, 0) << "gutter mark beside the message";
    EXPECT_EQ(results.Call(SCI_MARKERGET, 0) & 2, 0);
    EXPECT_NE(results.Call(SCI_GETMARGINMASKN, 0) & 2, 0) << "the gutter shows the mark";
    EXPECT_GT(results.Call(SCI_GETMARGINWIDTHN, 0), 0);

    TELSuperEdit& edit = page->Editor().Edit();
    COLORREF foreground = 0, background = 0;
    ASSERT_TRUE(edit.MarkedColours(11, foreground, background));
    EXPECT_EQ(background, RGB(255, 0, 0));
    EXPECT_EQ(foreground, RGB(255, 255, 255));
    EXPECT_FALSE(edit.MarkedColours(10, foreground, background));
    EXPECT_NE(edit.Call(SCI_MARKERGET, 11) & (1 << TELSuperEdit::kMessageMarker), 0);
    EXPECT_EQ(other->Editor().Edit().ErrorCount(), 0);
    EXPECT_EQ(TheBuildLoop().errors->ErrorLines(),
              (std::vector<std::string>{source_ + "(12) error 41: Variable not declared, x"}));

    // The jump: from another page, a click beside the message.
    App().Code->SetActivePage(0);
    page->Editor().Edit().SetCaretLine(0);
    ASSERT_TRUE(results.OnGutterClick);
    results.OnGutterClick(1);
    EXPECT_EQ(App().Code->ActivePage(), page);
    EXPECT_EQ(page->Editor().Edit().CaretLine(), 11);

    // The next compilation clears the marks and the status panel first.
    SetScript("");
    hooks().compile();
    EXPECT_EQ(edit.ErrorCount(), 0);
    EXPECT_FALSE(edit.MarkedColours(11, foreground, background));
    EXPECT_EQ(Caption(), "Orvale Compiled [" + source_ + "]");
}

TEST_F(BuildLoopTest, MissingFilesGiveTheirCaptions) {
    ASSERT_TRUE(OpenSourcePage());
    // The file to compile vanished before the command: an information, no compilation.
    ASSERT_TRUE(DeleteFileA(source_.c_str()));
    SkipSwitchQuestion();
    hooks().compile();
    EXPECT_EQ(Prompts().Texts(), (std::vector<std::string>{"Missing compilation file"}));
    EXPECT_FALSE(FileExists(record_)) << "the compiler was not started";

    // Vanished between the command's check and the compilation.
    compiler().SourceFile = source_;
    compiler().Compile();
    EXPECT_EQ(Caption(), "Orvale File in Error [missing compilation file]");
    EXPECT_EQ(compiler().Status, TCompiler::kStatusFileMissing);

    // Run without the program file while the source exists.
    WriteAll(source_, "Print 1\r\n");
    compiler().ExeFile = folder_ + "\\nothing_here.exe";
    compiler().Run();
    EXPECT_EQ(Caption(), "Orvale File in Error [" + source_ + "]");
    EXPECT_EQ(compiler().Status, TCompiler::kStatusFileMissing);
}

TEST_F(BuildLoopTest, CompilerThatCannotStartIsAnInternalError) {
    ASSERT_TRUE(OpenSourcePage());
    // A file that exists but is no program.
    App().Launcher->Compiler = source_;
    SkipSwitchQuestion();
    hooks().compile();
    EXPECT_EQ(Prompts().TextsOf(Kind::Error),
              (std::vector<std::string>{"Internal error $cc - Can't compile."}));
}

TEST_F(BuildLoopTest, LibraryBuildGivesDllAndTerminatedCaption) {
    ASSERT_TRUE(OpenSourcePage());
    SwitchAnswer answer;
    answer.type = "-dll";
    {
        SwitchAnswerer answerer(answer);
        hooks().compileAndRun();
    }
    std::string name = testing::UnitTest::GetInstance()->current_test_info()->name();
    EXPECT_EQ(compiler().ExeFile, folder_ + "\\" + name + ".dll");
    EXPECT_TRUE(FileExists(compiler().ExeFile));
    EXPECT_EQ(Caption(), "Orvale Terminated [" + source_ + "]");
}

TEST_F(BuildLoopTest, CompileAndRunRunsOnceEvenWhenRunArrivesWhileRunning) {
    SetEnvironmentVariableA("FAKE_PROGRAM_SLEEP_MS", "1500");
    ASSERT_TRUE(OpenSourcePage());
    SkipSwitchQuestion();
    std::string runningCaption;
    bool resetEnabled = false, compileRunEnabled = true;
    RunWhen(ProgramRunning, [&] {
        runningCaption = Caption();
        resetEnabled = App().Main->ToolButtonEnabled(cmdResetProgram);
        compileRunEnabled = App().Main->ToolButtonEnabled(cmdCompileAndRun);
        // Run and F9 again while the program runs: nothing happens.
        SendMessageA(App().Main->Handle(), WM_COMMAND, cmdRun, 0);
        SendMessageA(App().Main->Handle(), WM_COMMAND, cmdCompileAndRun, 0);
    });
    SendMessageA(App().Main->Handle(), WM_COMMAND, cmdCompileAndRun, 0);
    EXPECT_EQ(runningCaption, "Orvale Run [" + compiler().ExeFile + "]");
    EXPECT_TRUE(resetEnabled);
    EXPECT_FALSE(compileRunEnabled);
    EXPECT_EQ(CountLines(ReadAll(programLog_)), 1) << ReadAll(programLog_);
    EXPECT_EQ(Caption(), "Orvale Terminated [" + source_ + "]");
    EXPECT_FALSE(compiler().Running);
    EXPECT_TRUE(App().Main->ToolButtonEnabled(cmdCompileAndRun));
    EXPECT_FALSE(App().Main->ToolButtonEnabled(cmdResetProgram));
}

TEST_F(BuildLoopTest, CloseQueryKillsTheRunningProgramOnYes) {
    SetEnvironmentVariableA("FAKE_PROGRAM_SLEEP_MS", "8000");
    ASSERT_TRUE(OpenSourcePage());
    SkipSwitchQuestion();
    hooks().compile();
    ASSERT_TRUE(FileExists(compiler().ExeFile));
    bool mayClose = false;
    RunWhen(ProgramRunning, [&] {
        Prompts().answers.push_back(Answer::Yes);
        mayClose = App().Main->CanClose();
    });
    DWORD start = GetTickCount();
    hooks().run();
    DWORD elapsed = GetTickCount() - start;
    EXPECT_TRUE(mayClose);
    EXPECT_LT(elapsed, 6000u) << "the program was not ended";
    EXPECT_EQ(Prompts().TextsOf(Kind::ConfirmYesNoCancel),
              (std::vector<std::string>{"Was detected a running session.\n[" + compiler().ExeFile +
                                        "]\nDo you want to terminate it?"}));
    EXPECT_FALSE(compiler().Running);
    EXPECT_EQ(Caption(), "Orvale Terminated [" + source_ + "]");
}

TEST_F(BuildLoopTest, ResetProgramEndsTheRunningProgram) {
    SetEnvironmentVariableA("FAKE_PROGRAM_SLEEP_MS", "8000");
    ASSERT_TRUE(OpenSourcePage());
    SkipSwitchQuestion();
    hooks().compile();
    ASSERT_TRUE(FileExists(compiler().ExeFile));
    RunWhen(ProgramRunning, [] { SendMessageA(App().Main->Handle(), WM_COMMAND, cmdResetProgram, 0); });
    DWORD start = GetTickCount();
    hooks().run();
    EXPECT_LT(GetTickCount() - start, 6000u) << "the program was not ended";
    EXPECT_EQ(Caption(), "Orvale Terminated [" + source_ + "]");
    EXPECT_FALSE(App().Main->ToolButtonEnabled(cmdResetProgram));
}

TEST_F(BuildLoopTest, RunWithDebuggerStartsTheDebuggerInBothFormsAndReportsAMissingOne) {
    ASSERT_TRUE(OpenSourcePage());
    SkipSwitchQuestion();
    hooks().compile();
    std::string exe = compiler().ExeFile;
    ASSERT_TRUE(FileExists(exe));

    // No debugger: the three information boxes.
    std::string debugFolder = App().ApplicationDirectory + "\\debug";
    std::string debugger = debugFolder + "\\32\\Debugger.exe";
    DeleteFileA(debugger.c_str());
    hooks().runWithDebugger();
    std::vector<std::string> boxes = Prompts().TextsOf(Kind::Information);
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0], "Internal error.\nDebugger are missing.");
    EXPECT_LE(std::stol(boxes[1]), 32);
    EXPECT_EQ(boxes[2].rfind("[" + exe + "]: ", 0), 0u) << boxes[2];
    EXPECT_EQ(boxes[2].substr(boxes[2].size() - 6), " Kb(s)");

    // A debugger that logs its command line: the start form, then the attach
    // form while the program runs.
    CreateDirectoryA(debugFolder.c_str(), nullptr);
    CreateDirectoryA((debugFolder + "\\32").c_str(), nullptr);
    ASSERT_TRUE(CopyFileA(exe.c_str(), debugger.c_str(), FALSE));
    std::string startForm = "/StartDebugProcess /NewProcess.ProcessPath \"" + exe + "\"";
    std::string attachForm = "/DebugProcess \"" + exe + "\"";
    auto logged = [&](const std::string& text) {
        for (int i = 0; i < 200 && ReadAll(programLog_).find(text) == std::string::npos; ++i) Pump(25);
        return ReadAll(programLog_).find(text) != std::string::npos;
    };
    Prompts().shown.clear();
    hooks().runWithDebugger();
    EXPECT_TRUE(logged(startForm)) << ReadAll(programLog_);
    EXPECT_EQ(ReadAll(programLog_).find(attachForm), std::string::npos);

    SetEnvironmentVariableA("FAKE_PROGRAM_SLEEP_MS", "1500");
    RunWhen(ProgramRunning, [] { hooks().runWithDebugger(); });
    hooks().run();
    EXPECT_TRUE(logged(attachForm)) << ReadAll(programLog_);
    EXPECT_TRUE(Prompts().shown.empty());
    DeleteFileA(debugger.c_str());
    RemoveDirectoryA((debugFolder + "\\32").c_str());
    RemoveDirectoryA(debugFolder.c_str());
}

TEST_F(BuildLoopTest, CurrentProjectSuppliesTheFileToCompile) {
    ASSERT_TRUE(OpenSourcePage());
    std::string projectFile = folder_ + "\\project main.bas";
    WriteAll(projectFile, "#define project\r\n");
    int projectAsked = 0;
    ProjectCompileHook() = [&](std::string& file) {
        ++projectAsked;
        file = projectFile;
        return true;
    };
    SkipSwitchQuestion();
    hooks().compile();  // no current project: the page's file
    EXPECT_EQ(projectAsked, 0);
    EXPECT_NE(Record().find("\"" + source_ + "\""), std::string::npos);

    // Only the presence of a current project matters to the compile command.
    alignas(8) char project[8] = {};
    App().CurrentProject = reinterpret_cast<TProject*>(project);
    hooks().compile();
    App().CurrentProject = nullptr;
    ProjectCompileHook() = nullptr;
    EXPECT_EQ(projectAsked, 1);
    EXPECT_NE(Record().find("\"" + projectFile + "\""), std::string::npos) << Record();
    EXPECT_EQ(Caption(), "Orvale Compiled [" + projectFile + "]");
}

TEST_F(BuildLoopTest, CompileCommandsDuringACompilationDoNothing) {
    SetScript("stdout first\nsleep 1500\nstdout last\n");
    ASSERT_TRUE(OpenSourcePage());
    SwitchAnswer answer;
    answer.type = "-g";
    bool actionRan = false;
    {
        SwitchAnswerer answerer(answer);
        // Once the compiler has started (it records its command line first).
        RunWhen([this] { return TheBuildLoop().compiler->Compiling() && !Record().empty(); }, [&] {
            SendMessageA(App().Main->Handle(), WM_COMMAND, cmdCompile, 0);
            SendMessageA(App().Main->Handle(), WM_COMMAND, cmdCompileAndRun, 0);
            actionRan = true;
        });
        hooks().compile();
    }
    EXPECT_EQ(answer.times, 1) << "only the first command asked for switches";
    EXPECT_TRUE(actionRan) << "the action ran while compiling";
    EXPECT_EQ(Caption(), "Orvale Compiled [" + source_ + "]");
    EXPECT_EQ(App().Code->Results().Lines(), (std::vector<std::string>{"first", "last"}));
}

TEST_F(BuildLoopTest, WithMultipleFileInstancesTheMarksGoToTheLaterPage) {
    SetScript("error 3 41 Variable not declared, y\n");
    App().Launcher->MultipleFileInstances = true;
    TCodePage* first = OpenSourcePage();
    TCodePage* second = OpenSourcePage();
    ASSERT_TRUE(first && second);
    ASSERT_NE(first, second);
    App().Code->SetActivePage(0);  // the compilation starts from the first page
    ASSERT_EQ(App().CurrentDocument, first);
    SkipSwitchQuestion();
    hooks().compile();
    App().Launcher->MultipleFileInstances = false;
    EXPECT_EQ(first->Editor().Edit().ErrorCount(), 0);
    EXPECT_EQ(second->Editor().Edit().ErrorCount(), 1);
    EXPECT_EQ(App().CurrentDocument, second);
}

TEST_F(BuildLoopTest, TenMegabytesOfOutputShowHeadAndTailInLinearTime) {
    SetScript("bulk 10000000\n");
    ASSERT_TRUE(OpenSourcePage());
    SkipSwitchQuestion();
    DWORD start = GetTickCount();
    hooks().compile();
    DWORD elapsed = GetTickCount() - start;
    std::printf("10 MB of compiler output through the workbench: %lu ms\n", elapsed);
    EXPECT_EQ(Caption(), "Orvale Compiled [" + source_ + "]");
    ScintillaView& results = App().Code->Results();
    const std::vector<std::string>& lines = compiler().Output.Lines();
    EXPECT_EQ(static_cast<size_t>(results.Call(SCI_GETLENGTH)), compiler().Output.Text().size());
    EXPECT_LT(compiler().Output.Text().size(), size_t(6) << 20);
    EXPECT_EQ(static_cast<size_t>(results.LineCount()), lines.size());
    EXPECT_EQ(results.Line(0).rfind("0 compiling: ", 0), 0u) << results.Line(0);
    EXPECT_EQ(results.Line(results.LineCount() - 1), lines.back());
    std::string dropped = OutputAccumulator::DroppedLine(compiler().Output.DroppedBytes());
    EXPECT_NE(std::find(lines.begin(), lines.end(), dropped), lines.end());
    // Quadratic handling of 40,000 chunks of 255 bytes, or a status bar
    // redraw for each of them, takes minutes under Wine.
    EXPECT_LT(elapsed, 15000u);
}

// How long the silent compiler test lets the compiler think; 30 s shows the
// full case, the suite takes less.
int SilentCompileSeconds() {
    char value[16] = {};
    if (GetEnvironmentVariableA("TAVRIN_SILENT_COMPILE_SECONDS", value, sizeof value) > 0)
        return std::max(1, std::atoi(value));
    return 8;
}

// A compiler that says nothing for a long time, with a helper process that
// is just as silent: the workbench answers within 100 ms throughout, Reset
// is offered and ends both processes.
TEST_F(BuildLoopTest, SilentCompilerLeavesTheWorkbenchAnsweringAndResetEndsIt) {
    int seconds = SilentCompileSeconds();
    std::string pids = folder_ + "\\pids.txt", child = folder_ + "\\child.script";
    DeleteFileA(pids.c_str());
    // Both would end by themselves a little later than Reset comes.
    std::string sleep = "sleep " + std::to_string((seconds + 5) * 1000) + "\n";
    WriteAll(child, "pid " + pids + "\n" + sleep);
    SetScript("pid " + pids + "\nchild " + child + "\n" + sleep);
    ASSERT_TRUE(OpenSourcePage());
    SkipSwitchQuestion();
    bool resetEnabled = false;
    std::vector<DWORD> started;
    DWORD start = GetTickCount();
    RunWhen([&] { return compiler().Compiling() && GetTickCount() - start >= seconds * 1000u; },
            [&] {
                started = ReadProcessIds(pids);
                resetEnabled = App().Main->ToolButtonEnabled(cmdResetProgram);
                SendMessageA(App().Main->Handle(), WM_COMMAND, cmdResetProgram, 0);
            });
    ResponsivenessProbe probe(App().Main->Handle());
    hooks().compile();
    DWORD elapsed = GetTickCount() - start;
    probe.Stop([] { Pump(10); });
    std::printf("silent compiler, %d s: %zu probes, answers in %.1f ms on average, %ld ms at most\n",
                seconds, probe.Answers().size(), probe.Mean(), probe.Longest());
    // A shared machine under load may hold any thread back now and then: one
    // answer in a hundred may be late, none by much.
    EXPECT_LE(probe.SlowerThan(100), probe.Answers().size() / 100);
    EXPECT_LT(probe.Longest(), 500);
    EXPECT_GE(probe.Answers().size(), seconds * 10u);
    EXPECT_TRUE(resetEnabled) << "Reset is offered while the compiler runs";
    EXPECT_LT(elapsed, (seconds + 3) * 1000u) << "Reset ended the compilation";
    ASSERT_EQ(started.size(), 2u) << ReadAll(pids);
    for (DWORD id : started) EXPECT_TRUE(ProcessEnded(id, 5000)) << "process " << id;
    EXPECT_EQ(Caption(), "Orvale File in Error [" + source_ + "]");
    ScintillaView& results = App().Code->Results();
    ASSERT_GT(results.LineCount(), 0);
    EXPECT_EQ(results.Line(results.LineCount() - 1), TCompiler::kStoppedLine);
    EXPECT_FALSE(App().Main->ToolButtonEnabled(cmdResetProgram));
    TerminateProcesses(ReadProcessIds(pids));
}

// Closing the workbench while a compiler runs ends the compiler and its
// helper: nothing is left behind, orphaned.
TEST_F(BuildLoopTest, ClosingTheWorkbenchEndsTheCompilationInProgress) {
    std::string pids = folder_ + "\\pids.txt", child = folder_ + "\\child.script";
    DeleteFileA(pids.c_str());
    WriteAll(child, "pid " + pids + "\nstdout helper started\nsleep 20000\n");
    SetScript("pid " + pids + "\nchild " + child + "\nsleep 20000\n");
    ASSERT_TRUE(OpenSourcePage());
    SkipSwitchQuestion();
    bool mayClose = false;
    std::vector<DWORD> started;
    RunWhen([&] { return compiler().Compiling() && ReadProcessIds(pids).size() == 2; }, [&] {
        started = ReadProcessIds(pids);
        mayClose = App().Main->CanClose();
    });
    DWORD start = GetTickCount();
    hooks().compile();
    DWORD elapsed = GetTickCount() - start;
    EXPECT_TRUE(mayClose);
    EXPECT_TRUE(Prompts().shown.empty()) << "no program runs: nothing to ask";
    EXPECT_LT(elapsed, 10000u) << "the close ended the compilation";
    ASSERT_EQ(started.size(), 2u);
    for (DWORD id : started) EXPECT_TRUE(ProcessEnded(id, 5000)) << "process " << id;
    TerminateProcesses(ReadProcessIds(pids));
}

// A compiler that writes without end: memory stays bounded, Reset ends it,
// and the result window shows the head, the count of what was dropped and
// the tail.
TEST_F(BuildLoopTest, RunawayOutputIsBoundedAndResetEndsIt) {
    constexpr unsigned long long kEnough = 16ull << 20;
    std::string pids = folder_ + "\\pids.txt";
    DeleteFileA(pids.c_str());
    SetScript("pid " + pids + "\nstdout first line\nendless\n");
    ASSERT_TRUE(OpenSourcePage());
    SkipSwitchQuestion();
    size_t baseline = CommittedBytes(), peak = baseline;
    DWORD start = GetTickCount();
    RunWhen(
        [&] {
            peak = std::max(peak, CommittedBytes());
            // The safety net of a test run without a working Reset.
            if (GetTickCount() - start > 45000) TerminateProcesses(ReadProcessIds(pids));
            return compiler().Compiling() && compiler().Output.TotalBytes() >= kEnough;
        },
        [] { SendMessageA(App().Main->Handle(), WM_COMMAND, cmdResetProgram, 0); });
    hooks().compile();
    DWORD elapsed = GetTickCount() - start;
    TerminateProcesses(ReadProcessIds(pids));
    std::printf("runaway compiler in the workbench: %.1f MB in %lu ms, committed memory grew by %.1f MB\n",
                compiler().Output.TotalBytes() / 1048576.0, elapsed,
                (peak - baseline) / 1048576.0);
    EXPECT_GE(compiler().Output.TotalBytes(), kEnough);
    EXPECT_LT(peak - baseline, size_t(24) << 20);

    ScintillaView& results = App().Code->Results();
    EXPECT_LT(static_cast<size_t>(results.Call(SCI_GETLENGTH)), size_t(6) << 20);
    ASSERT_GT(results.LineCount(), 3);
    EXPECT_EQ(results.Line(0), "first line");
    EXPECT_EQ(results.Line(1), "0 endless output of a runaway compiler");
    std::string dropped = OutputAccumulator::DroppedLine(compiler().Output.DroppedBytes());
    std::vector<std::string> lines = results.Lines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), dropped), lines.end());
    EXPECT_EQ(lines.back(), TCompiler::kStoppedLine);
    EXPECT_EQ(Caption(), "Orvale File in Error [" + source_ + "]");
}

// NUL bytes inside messages: the result window keeps the rest of the line
// and the messages after it, and those get their marks.
TEST_F(BuildLoopTest, NulBytesInTheOutputCutNeitherLinesNorMarks) {
    SetScript(
        "stdout progress%NUL%rest of the line\n"
        "error 3 41 Variable%NUL% not declared, a\n"
        "error 7 42 After the NUL\n");
    TCodePage* page = OpenSourcePage();
    ASSERT_TRUE(page);
    SkipSwitchQuestion();
    hooks().compile();
    EXPECT_EQ(Caption(), "Orvale File in Error [" + source_ + "]");
    ScintillaView& results = App().Code->Results();
    ASSERT_EQ(results.LineCount(), 9);
    EXPECT_EQ(results.Line(0), std::string("progress\0rest of the line", 25));
    EXPECT_EQ(results.Line(5), source_ + "(7) error 42: After the NUL");
    EXPECT_NE(results.Call(SCI_MARKERGET, 1) & 2, 0);
    EXPECT_NE(results.Call(SCI_MARKERGET, 5) & 2, 0);
    TELSuperEdit& edit = page->Editor().Edit();
    EXPECT_EQ(edit.ErrorCount(), 2);
    COLORREF foreground = 0, background = 0;
    EXPECT_TRUE(edit.MarkedColours(2, foreground, background));
    EXPECT_TRUE(edit.MarkedColours(6, foreground, background));
    EXPECT_EQ(TheBuildLoop().errors->ErrorLines().size(), 2u);
}

}  // namespace
}  // namespace tavrin::test
