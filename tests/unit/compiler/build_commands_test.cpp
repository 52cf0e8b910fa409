#include "compiler/build_commands.h"

#include "scripted_processes.h"
#include "support/fake_build_settings.h"
#include "support/recording_error_marks.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace tavrin {

namespace {

struct FakeHost : CompileHost {
    bool codePage = true;
    std::string pageFile;
    bool saved = true;
    std::string log;
    std::vector<std::string> resultLines;
    std::string switchWindowText;
    bool switchOk = true;
    std::string switchAnswer;
    std::string projectFile;

    void SetCompileRunEnabled(bool enabled) override { log += enabled ? "enable;" : "disable;"; }
    void AppendResultLine(const std::string& line) override { resultLines.push_back(line); }
    bool CurrentDocumentIsCodePage() override { return codePage; }
    std::string PageFileName() override { return pageFile; }
    bool PageSaved() override { return saved; }
    void SavePage() override { log += "save;"; }
    void SavePageAs() override { log += "saveas;"; }
    bool ProjectSourceFile(std::string& file) override {
        if (projectFile.empty()) return false;
        file = projectFile;
        return true;
    }
    std::string SwitchWindowText() override { return switchWindowText; }
    bool AskSwitches(const std::string& caption, std::string& text) override {
        log += "ask:" + caption + ";";
        text = switchAnswer;
        return switchOk;
    }
    void UpdateToolbar() override { log += "toolbar;"; }
};

}  // namespace

class BuildCommandsTest : public testing::Test {
protected:
    BuildCommandsTest() {
        settings.compiler = fbc;
        settings.directories = {"C:\\inc a", "C:\\inc (b)"};
        host.pageFile = source;
        compiler.OnTerminate = [this] { host.log += "terminate;"; };
    }
    std::string Ran() const {
        return processes.commandLines.empty() ? "" : processes.commandLines.back();
    }

    test::TempFolder folder;
    test::ScriptedPrompts prompts;
    test::ScriptedProcesses processes;
    test::RecordingErrorMarks pages;
    TCompiler compiler{processes};
    TDebugger errors{pages};
    test::FakeBuildSettings settings;
    FakeHost host;
    BuildCommands commands{compiler, errors, settings, host};
    std::string fbc = folder.Write("fbc dir/fbc.exe", "MZ");
    std::string source = folder.Write("app (v2)/main.bas", "print 1\n");
};

TEST_F(BuildCommandsTest, AskedSwitchesFollowTheIncludeOptions) {
    host.switchAnswer = "-s gui";
    int cleared = 0;
    errors.OnClear = [&] { ++cleared; };
    EXPECT_EQ(commands.CompileCurrent(), CommandResult::Completed);
    std::string includes = " -i \"C:\\inc a\" -i \"C:\\inc (b)\"";
    EXPECT_EQ(Ran(), "\"" + fbc + "\" " + includes + " -s gui \"" + source + "\"");
    EXPECT_EQ(host.resultLines, (std::vector<std::string>{includes}));
    EXPECT_EQ(host.log, "disable;ask:Compiler switch;");
    EXPECT_EQ(cleared, 1);
    EXPECT_EQ(compiler.ExeFile, folder.Path("app (v2)/main.exe"));
}

TEST_F(BuildCommandsTest, CancelledQuestionKeepsThePreviousSwitches) {
    host.switchAnswer = "-g";
    commands.CompileCurrent();
    host.switchOk = false;
    host.switchAnswer = "-ignored";
    commands.CompileCurrent();
    EXPECT_EQ(compiler.Switches, " -i \"C:\\inc a\" -i \"C:\\inc (b)\" -g");
}

TEST_F(BuildCommandsTest, PredefinedSwitchesUseTheSwitchWindowWithoutIncludes) {
    settings.predefined = "-exx";
    host.switchWindowText = "-g";
    commands.CompileCurrent();
    EXPECT_EQ(Ran(), "\"" + fbc + "\" -g -exx \"" + source + "\"");
    EXPECT_EQ(host.log, "disable;");
}

TEST_F(BuildCommandsTest, ResourceScriptBesideThePageIsPassedWhenNotEmpty) {
    std::string script = folder.Write("app (v2)/main.rc", "");
    commands.CompileCurrent();
    EXPECT_EQ(Ran().find(".rc"), std::string::npos);
    folder.Write("app (v2)/main.rc", "100 ICON \"x.ico\"\n");
    commands.CompileCurrent();
    EXPECT_EQ(Ran().substr(Ran().size() - script.size() - 4), "\" \"" + script + "\"");
}

TEST_F(BuildCommandsTest, NoCodePageOrMissingFileAbortSilentlyOrWithTheMessage) {
    host.codePage = false;
    EXPECT_EQ(commands.CompileCurrent(), CommandResult::Aborted);
    EXPECT_TRUE(prompts.shown.empty());
    host.codePage = true;
    host.pageFile = folder.Path("nothing.bas");
    EXPECT_EQ(commands.CompileCurrent(), CommandResult::Aborted);
    EXPECT_EQ(prompts.Texts(), (std::vector<std::string>{"Missing compilation file"}));
    EXPECT_TRUE(processes.commandLines.empty());
}

TEST_F(BuildCommandsTest, UnsavedPageQuestion) {
    host.saved = false;
    prompts.answers = {Answer::Cancel, Answer::Yes, Answer::No};
    EXPECT_EQ(commands.CompileCurrent(), CommandResult::Aborted);
    EXPECT_EQ(prompts.Texts()[0], "The " + source + " page was modified.\nSave it?");
    commands.CompileCurrent();
    commands.CompileCurrent();
    EXPECT_EQ(host.log, "disable;disable;save;ask:Compiler switch;disable;ask:Compiler switch;");
    EXPECT_EQ(processes.commandLines.size(), 2u);
}

TEST_F(BuildCommandsTest, MissingCompilerQuestion) {
    settings.compiler = folder.Path("gone/fbc.exe");
    prompts.answers = {Answer::Cancel, Answer::No, Answer::Yes};
    EXPECT_EQ(commands.CompileCurrent(), CommandResult::Aborted);
    EXPECT_EQ(commands.CompileCurrent(), CommandResult::Ended);
    EXPECT_TRUE(processes.commandLines.empty());
    FileBoxResult chosen;
    chosen.accepted = true;
    chosen.files = {fbc};
    prompts.fileResults.push_back(chosen);
    EXPECT_EQ(commands.CompileCurrent(), CommandResult::Completed);
    EXPECT_EQ(prompts.fileRequests.at(0).filter, "Executable file (*.exe)|*.exe");
    EXPECT_EQ(settings.compiler, fbc);
    EXPECT_EQ(Ran().substr(0, fbc.size() + 2), "\"" + fbc + "\"");
    EXPECT_EQ(prompts.TextsOf(test::ScriptedPrompts::Kind::ConfirmYesNoCancel).at(0),
              "The compiler missplace.\nDo you want to set it now?");
}

TEST_F(BuildCommandsTest, ProjectSuppliesTheSourceButTheResourceComesFromThePage) {
    host.projectFile = folder.Write("proj/project.bas", "#define project\n");
    std::string script = folder.Write("app (v2)/main.rc", "x\n");
    commands.CompileCurrent();
    EXPECT_NE(Ran().find("\"" + host.projectFile + "\" \"" + script + "\""), std::string::npos);
}

TEST_F(BuildCommandsTest, DllSwitchNamesTheLibraryAndTerminates) {
    host.switchAnswer = "-dll";
    commands.CompileCurrent();
    EXPECT_EQ(compiler.ExeFile, folder.Path("app (v2)/main.dll"));
    EXPECT_EQ(host.log, "disable;ask:Compiler switch;terminate;");
}

TEST_F(BuildCommandsTest, CompileAndRunRunsTheBuiltProgram) {
    std::string exe = folder.Write("app (v2)/main.exe", "MZ");
    commands.CompileAndRun();
    EXPECT_EQ(processes.programsStarted, (std::vector<std::string>{exe}));
    EXPECT_NE(host.log.find("toolbar;"), std::string::npos);

    // A compilation with errors leaves the program alone.
    processes.outputChunks = {"main.bas(1) error 1: x\n"};
    commands.CompileAndRun();
    EXPECT_EQ(processes.programsStarted.size(), 1u);

    // A compiler that cannot start does not run the program of an earlier build.
    processes.outputChunks.clear();
    compiler.HasErrors = false;
    processes.compilerStarts = false;
    commands.CompileAndRun();
    EXPECT_EQ(processes.programsStarted.size(), 1u);

    // Nor does a compilation stopped by Reset, whatever its output said.
    processes.compilerStarts = true;
    processes.compilerKeepsPipeOpen = true;
    processes.outputChunks = {"compiling main.bas\n"};
    processes.onCompilerRead = [&] { compiler.ResetProgram(); };
    commands.CompileAndRun();
    EXPECT_EQ(processes.compilerTerminations, 1);
    EXPECT_EQ(processes.programsStarted.size(), 1u);
}

}  // namespace tavrin
