#include "projects/project_text.h"

#include <gtest/gtest.h>

#include "editor/line_document.h"

namespace tavrin {
namespace {

VectorLineDocument Lines(std::string_view text) {
    VectorLineDocument lines;
    lines.SetText(text);
    return lines;
}

TEST(ProjectText, FileFormatAndNewProjectTexts) {
    EXPECT_EQ(NumberedProjectName(1), "Project1");
    EXPECT_EQ(NumberedProjectName(12), "Project12");
    EXPECT_EQ(NewProjectSourceLine("Project1"), "#Define Project Project1");
    EXPECT_EQ(ProjectFileLines("Demo", {"C:\\w\\a.bas", "b b.bi"}),
              (std::vector<std::string>{"#define project Demo", "", "#include once \"C:\\w\\a.bas\"",
                                        "#include once \"b b.bi\""}));
    EXPECT_EQ(ProjectFileLines("Empty", {}), (std::vector<std::string>{"#define project Empty", ""}));
    EXPECT_EQ(ProjectCloseQuestion("Project2"), "The Project2 project was modified.\nSave it?");
}

TEST(ProjectText, UnitLinesNameTheWordAfterIncludeOrOnce) {
    EXPECT_EQ(UnitPathOfLine("#include once \"C:\\w\\a.bas\""), "C:\\w\\a.bas");
    EXPECT_EQ(UnitPathOfLine("#include \"a.bas\""), "a.bas") << "without once";
    EXPECT_EQ(UnitPathOfLine("  #INCLUDE   ONCE  \"b.bi\"  "), "b.bi") << "any case and spacing";
    EXPECT_EQ(UnitPathOfLine("#include\tonce\t\"t.bas\""), "t.bas") << "tabs separate words";
    EXPECT_EQ(UnitPathOfLine("#include once plain.bas"), "plain.bas");
    EXPECT_EQ(UnitPathOfLine("#include a\"b\".bas"), "ab.bas") << "every double quote goes";
    EXPECT_EQ(UnitPathOfLine("#include once \"C:\\my files\\a b.bas\" ' main form"),
              "C:\\my files\\a b.bas")
        << "a quoted name keeps its blanks";
    EXPECT_EQ(UnitPathOfLine("#include once \"open end.bas"), "open end.bas");
}

TEST(ProjectText, LinesThatNameNoUnit) {
    for (const char* line : {"#include once", "#include", "", "   ", "#define project X", "#include once \"\"",
                             "' #include \"commented.bas\"", "'#include once \"c.bas\"",
                             "REM #include \"r.bas\"", "print \"#include x\"", "#includes \"x.bas\""})
        EXPECT_FALSE(UnitPathOfLine(line)) << line;
}

TEST(ProjectText, RelativeUnitsAreReadFromTheProjectFolder) {
    EXPECT_EQ(ResolveUnitPath("C:\\work\\demo.bas", "units\\a.bas"), "C:\\work\\units\\a.bas");
    EXPECT_EQ(ResolveUnitPath("C:\\work\\demo.bas", "D:\\other\\b.bas"), "D:\\other\\b.bas");
    EXPECT_EQ(ResolveUnitPath("C:\\work\\demo.bas", "\\root.bas"), "\\root.bas");
    EXPECT_EQ(ResolveUnitPath("/tmp/w/demo.bas", "a.bas"), "/tmp/w/a.bas");
    EXPECT_EQ(ResolveUnitPath("C:\\demo.bas", "a.bas"), "C:\\a.bas");
    EXPECT_EQ(ResolveUnitPath("demo.bas", "a.bas"), "a.bas") << "no folder to read from";
    EXPECT_EQ(ResolveUnitPath("", "a.bas"), "a.bas");
}

TEST(ProjectText, RunStatementCountsOnlyOutsideCommentsAndStrings) {
    EXPECT_TRUE(HasRunStatement(Lines("#define project P\napplication.run\n")));
    EXPECT_TRUE(HasRunStatement(Lines("  Application.Run()  ' go")));
    EXPECT_TRUE(HasRunStatement(Lines("x = 1 : APPLICATION.RUN : y = 2")));
    EXPECT_TRUE(HasRunStatement(Lines("application.run ( )")));
    EXPECT_FALSE(HasRunStatement(Lines("' application.run")));
    EXPECT_FALSE(HasRunStatement(Lines("x = 1 ' : application.run")));
    EXPECT_FALSE(HasRunStatement(Lines("rem application.run")));
    EXPECT_FALSE(HasRunStatement(Lines("x = 1 : rem : application.run")));
    EXPECT_FALSE(HasRunStatement(Lines("print \"application.run\"")));
    EXPECT_FALSE(HasRunStatement(Lines("print \"a : application.run\"")));
    EXPECT_FALSE(HasRunStatement(Lines("/' start\napplication.run\nend '/")));
    EXPECT_FALSE(HasRunStatement(Lines("/' outer /' inner '/\napplication.run\n'/")))
        << "nested block comments";
    EXPECT_TRUE(HasRunStatement(Lines("/' note '/ application.run")));
    EXPECT_FALSE(HasRunStatement(Lines("application.running\nmyapplication.run")));
    EXPECT_FALSE(HasRunStatement(Lines("")));
}

TEST(ProjectText, UnitLinesGoAfterTheLastUnitOrTheDefineLine) {
    EXPECT_EQ(UnitLinePosition(Lines("#Define Project P\n")), 1);
    EXPECT_EQ(UnitLinePosition(Lines("#define project P\n#include once \"a\"\nx = 1\napplication.run")), 2);
    EXPECT_EQ(UnitLinePosition(Lines("' header\n#define project P\ndim x\napplication.run")), 2);
    EXPECT_EQ(UnitLinePosition(Lines("dim x\ndim y")), 2);
    VectorLineDocument source = Lines("#include once \"units\\A.bas\"\n#include \"C:\\w\\b.bas\"");
    EXPECT_EQ(FindUnitLine(source, "C:\\w\\units\\a.bas", "C:\\w\\p.bas"), 0) << "relative, any case";
    EXPECT_EQ(FindUnitLine(source, "C:\\W\\B.BAS", "C:\\w\\p.bas"), 1);
    EXPECT_EQ(FindUnitLine(source, "C:\\w\\c.bas", "C:\\w\\p.bas"), -1);
}

TEST(ProjectText, NamesMarksAndSaveTargets) {
    EXPECT_EQ(ProjectNameOfSource(Lines("' x\n#define PROJECT Demo\n"), "C:\\w\\file.bas"), "Demo");
    EXPECT_EQ(ProjectNameOfSource(Lines("#define project\n"), "C:\\w\\my.project.bas"), "my.project");
    EXPECT_EQ(NodeTextWithSavedMark("Project1", false), "*Project1");
    EXPECT_EQ(NodeTextWithSavedMark("*Project1", false), "*Project1");
    EXPECT_EQ(NodeTextWithSavedMark("*Project1", true), "Project1");
    EXPECT_EQ(NodeTextWithSavedMark("Project1", true), "Project1");
    EXPECT_EQ(ProjectSaveTarget("C:\\w\\demo", 1), "C:\\w\\demo.bas");
    EXPECT_EQ(ProjectSaveTarget("C:\\w\\demo.txt", 2), "C:\\w\\demo.bi");
    EXPECT_EQ(ProjectSaveTarget("C:\\w.x\\demo", 3), "C:\\w.x\\demo");
}

}  // namespace
}  // namespace tavrin
