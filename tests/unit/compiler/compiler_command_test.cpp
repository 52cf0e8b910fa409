#include "compiler/compiler_command.h"

#include <gtest/gtest.h>

namespace tavrin {

TEST(IncludeOptions, DirectoriesThenFilesEachQuotedWithLeadingBlank) {
    EXPECT_EQ(IncludeOptions({"C:\\inc one", "D:\\inc"}, {}),
              " -i \"C:\\inc one\" -i \"D:\\inc\"");
    EXPECT_EQ(IncludeOptions({"C:\\i"}, {"a.bi", "b (2).bi"}),
              " -i \"C:\\i\" -include \"a.bi\" -include \"b (2).bi\"");
    EXPECT_EQ(IncludeOptions({}, {}), "");
}

TEST(CompileCommandLine, PlainVerboseResourceAndTargetForms) {
    CompileCommand command;
    command.compilerPath = "C:\\FreeBASIC\\fbc.exe";
    command.sourceFile = "C:\\My Projects\\app (v2)\\main.bas";
    command.switches = IncludeOptions({"C:\\a", "C:\\b"}, {}) + " -s gui";
    EXPECT_EQ(CompileCommandLine(command),
              "\"C:\\FreeBASIC\\fbc.exe\"  -i \"C:\\a\" -i \"C:\\b\" -s gui "
              "\"C:\\My Projects\\app (v2)\\main.bas\"");

    command.switches = "-g";
    command.verbose = true;
    EXPECT_EQ(CompileCommandLine(command),
              "\"C:\\FreeBASIC\\fbc.exe\" -v -g \"C:\\My Projects\\app (v2)\\main.bas\"");

    command.verbose = false;
    command.resourceFile = "C:\\My Projects\\app (v2)\\main.rc";
    EXPECT_EQ(CompileCommandLine(command),
              "\"C:\\FreeBASIC\\fbc.exe\" -g \"C:\\My Projects\\app (v2)\\main.bas\"")
        << "a resource script that does not exist is not passed";
    command.resourceExists = true;
    EXPECT_EQ(CompileCommandLine(command),
              "\"C:\\FreeBASIC\\fbc.exe\" -g \"C:\\My Projects\\app (v2)\\main.bas\" "
              "\"C:\\My Projects\\app (v2)\\main.rc\"");

    CompileCommand targeted;
    targeted.compilerPath = "fbc.exe";
    targeted.sourceFile = "m.bas";
    targeted.switches = "-g";
    targeted.target = "win64";
    EXPECT_EQ(CompileCommandLine(targeted), "\"fbc.exe\" win64 -g \"m.bas\"");
    targeted.verbose = true;
    EXPECT_EQ(CompileCommandLine(targeted), "\"fbc.exe\" -v -target win64 -g \"m.bas\"");
}

TEST(OutputHasErrors, PlainSubstringInAnyCase) {
    EXPECT_TRUE(OutputHasErrors("main.bas(3) error 41: Variable not declared"));
    EXPECT_TRUE(OutputHasErrors("0 ERRORS"));
    EXPECT_TRUE(OutputHasErrors("TerrORist"));  // inside a longer word
    EXPECT_FALSE(OutputHasErrors("warning 4(1): err or"));
    EXPECT_FALSE(OutputHasErrors(""));
}

TEST(ExpectedOutputName, SwitchesChooseTheExtensionByExactCase) {
    EXPECT_EQ(ExpectedOutputName("C:\\p\\main.bas", "-s gui"), "C:\\p\\main.exe");
    EXPECT_EQ(ExpectedOutputName("C:\\p\\main.bas", " -i \"x\" -dll"), "C:\\p\\main.dll");
    EXPECT_EQ(ExpectedOutputName("C:\\p\\main.bas", "-lib"), "C:\\p\\main.lib");
    EXPECT_EQ(ExpectedOutputName("C:\\p\\main.bas", "-DLL"), "C:\\p\\main.exe");
    EXPECT_EQ(ExpectedOutputName("C:\\p\\main.bas", "-lib -dll"), "C:\\p\\main.dll");
    // The dot of a folder is not the file's extension.
    EXPECT_EQ(ExpectedOutputName("C:\\v1.2 (x)\\main", ""), "C:\\v1.2 (x)\\main.exe");
    EXPECT_EQ(ExpectedOutputName("C:\\a.b\\c.d.bas", ""), "C:\\a.b\\c.d.exe");
}

TEST(Debugger, PathArgumentsAndSizeText) {
    EXPECT_EQ(DebuggerPath("C:\\Tavrin"), "C:\\Tavrin\\debug\\32\\Debugger.exe");
    EXPECT_EQ(DebuggerArguments(true, "C:\\p q\\m.exe"), "/DebugProcess \"C:\\p q\\m.exe\"");
    EXPECT_EQ(DebuggerArguments(false, "C:\\m.exe"),
              " /StartDebugProcess /NewProcess.ProcessPath \"C:\\m.exe\"");
    EXPECT_EQ(OutputFileSizeText("C:\\m.exe", 1536), "[C:\\m.exe]: 1.50 Kb(s)");
    EXPECT_EQ(OutputFileSizeText("x", 0), "[x]: 0.00 Kb(s)");
}

TEST(ProgramCommandLine, QuotedOnlyWhenItHoldsABlank) {
    EXPECT_EQ(ProgramCommandLine("C:\\p\\m.exe"), "C:\\p\\m.exe");
    EXPECT_EQ(ProgramCommandLine("C:\\My Programs\\m.exe"), "\"C:\\My Programs\\m.exe\"");
}

}  // namespace tavrin
