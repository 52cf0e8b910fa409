// The fake compiler's reading of its command line and script: the Wine tests
// of the driver rely on it naming its output as the real compiler does.
#include "../../tools/fake_fbc/fake_fbc_script.h"

#include <gtest/gtest.h>

namespace fake_fbc {

TEST(FakeCompiler, ReadsQuotedArgumentsAndNamesTheOutputLikeTheRealCompiler) {
    std::vector<std::string> arguments = SplitArguments(
        "\"C:\\fb\\fbc.exe\"  -i \"C:\\inc (a)\" -include \"x.bi\" -s gui "
        "\"C:\\app (v2)\\main.bas\" \"C:\\app (v2)\\main.rc\"");
    ASSERT_EQ(arguments.size(), 9u);
    EXPECT_EQ(arguments[2], "C:\\inc (a)");
    Invocation plain = ReadInvocation(arguments);
    EXPECT_EQ(plain.source, "C:\\app (v2)\\main.bas");
    EXPECT_EQ(plain.output, "C:\\app (v2)\\main.exe");
    EXPECT_EQ(plain.includeDirs, (std::vector<std::string>{"C:\\inc (a)"}));
    EXPECT_EQ(plain.resources, (std::vector<std::string>{"C:\\app (v2)\\main.rc"}));
    EXPECT_FALSE(plain.verbose);

    EXPECT_EQ(ReadInvocation(SplitArguments("fbc -v -dll C:\\p\\m.BAS")).output, "C:\\p\\m.dll");
    EXPECT_EQ(ReadInvocation(SplitArguments("fbc -lib C:\\p\\m.bas")).output, "C:\\p\\libm.a");
    EXPECT_EQ(ReadInvocation(SplitArguments("fbc -x \"o u t.exe\" m.bas")).output, "o u t.exe");
    EXPECT_EQ(ReadInvocation(SplitArguments("fbc -s console")).output, "");
}

TEST(FakeCompiler, ScriptDirectivesSkipCommentsAndBlankLines) {
    std::vector<Directive> script =
        ParseScript("# comment\r\nerror 12 41 Variable not declared, y\r\n\nexit 1");
    ASSERT_EQ(script.size(), 2u);
    EXPECT_EQ(script[0].name, "error");
    EXPECT_EQ(script[0].rest, "12 41 Variable not declared, y");
    EXPECT_EQ(script[1].name, "exit");
    EXPECT_EQ(ReplaceAll("%SOURCE%(1) %SOURCE%", "%SOURCE%", "a%SOURCE%"),
              "a%SOURCE%(1) a%SOURCE%");
    EXPECT_EQ(ExpandText("%SOURCE%(1)%NUL%x", "a.bas"), std::string("a.bas(1)\0x", 10));
}

}  // namespace fake_fbc
