// The project model over recorded pages and a real folder: the project
// file, loading units, saving, the unsaved mark, closing and the compile steps.
#include "projects/project.h"

#include <gtest/gtest.h>

#include "common/commands.h"
#include "fake_project_host.h"
#include "projects/project_list.h"
#include "projects/project_text.h"

namespace tavrin::test {
namespace {

using Kind = ScriptedPrompts::Kind;

class ProjectTest : public ProjectFixture {
protected:
    // New as the project window makes it.
    TProject& NewProject() { return commands.New(); }
    FakePage& Source(TProject& project) { return *FakeProjectHost::Of(project.SourcePage); }
    // Two unit files of the folder, added to the project through Add.
    void AddTwoUnits(TProject& project) {
        unitA = folder.Write("a.bas", "dim a as integer\r\n");
        unitB = folder.Write("sub dir/b.bas", "dim b as integer\r\n");
        prompts.fileResults.push_back(Chosen({unitA, unitB}));
        commands.Add({{&project, -1}});
    }

    std::string unitA, unitB;
};

TEST_F(ProjectTest, NewProjectsAreNumberedWithASourcePageOfTheirOwn) {
    TProject& first = NewProject();
    EXPECT_EQ(first.ProjectName, "Project1");
    EXPECT_EQ(current, &first);
    EXPECT_TRUE(first.Saved);
    EXPECT_TRUE(first.ProjectFile.empty());
    FakePage& page = Source(first);
    EXPECT_EQ(page.caption, "Project1");
    EXPECT_TRUE(page.saved) << "no star on a fresh source page";
    EXPECT_EQ(page.link, &first);
    ASSERT_EQ(page.lines.LineCount(), 1);
    EXPECT_EQ(page.lines.Line(0), "#Define Project Project1");
    EXPECT_EQ(page.lines.Text(), "#Define Project Project1\r\n") << "the line ends with a line break";
    ASSERT_TRUE(NodeOf(first));
    EXPECT_EQ(NodeOf(first)->Text(), "Project1");

    TProject& second = NewProject();
    EXPECT_EQ(second.ProjectName, "Project2");
    EXPECT_EQ(current, &second);
    EXPECT_EQ(Source(second).lines.Line(0), "#Define Project Project2");
    EXPECT_EQ(projects.Count(), 2u);
}

TEST_F(ProjectTest, AddingUnitsMarksTheNodeAndSavingClearsTheMark) {
    TProject& project = NewProject();
    AddTwoUnits(project);
    EXPECT_EQ(prompts.fileRequests.back().filter, "*.bas");
    EXPECT_TRUE(prompts.fileRequests.back().multiSelect);
    EXPECT_EQ(project.UnitFiles.Texts(), (std::vector<std::string>{unitA, unitB}));
    EXPECT_FALSE(project.Saved);
    EXPECT_EQ(NodeOf(project)->Text(), "*Project1");
    EXPECT_EQ(NodeOf(project)->units, (std::vector<std::string>{"a.bas", "b.bas"}));
    // Each unit in a page of its own, which the unit list keeps.
    ASSERT_EQ(host.shown.size(), 3u);
    EXPECT_EQ(project.UnitFiles.Object(0), host.shown[1]);
    EXPECT_EQ(host.shown[2]->caption, "b.bas");
    // The source names the units it groups.
    EXPECT_EQ(Source(project).lines.Text(), "#Define Project Project1\r\n#include once \"" + unitA +
                                                "\"\r\n#include once \"" + unitB + "\"\r\n");

    // The same file again is not added.
    prompts.fileResults.push_back(Chosen({unitA}));
    commands.Add({});
    EXPECT_EQ(project.UnitFiles.Count(), 2u);
    EXPECT_EQ(host.shown.size(), 3u) << "no page for a unit already in the project";

    prompts.fileResults.push_back(Chosen({folder.Path("project.bas")}));
    ASSERT_TRUE(project.SaveProjectAs());
    EXPECT_TRUE(project.Saved);
    EXPECT_EQ(NodeOf(project)->Text(), "Project1");
    AddTwoUnits(project);  // both there already: nothing changes
    EXPECT_TRUE(project.Saved);
    EXPECT_EQ(NodeOf(project)->Text(), "Project1");
}

TEST_F(ProjectTest, SavingWithTheSourcePageClosedWritesTheFileFormat) {
    TProject& project = NewProject();
    AddTwoUnits(project);
    std::string file = folder.Write("demo.bas", "old text\r\n");
    project.ProjectFile = file;
    host.DestroyPage(project.SourcePage);
    EXPECT_EQ(project.SourcePage, nullptr);
    project.SaveProject();
    EXPECT_EQ(ReadFileText(file), "#define project Project1\r\n\r\n#include once \"" + unitA +
                                      "\"\r\n#include once \"" + unitB + "\"\r\n");
    EXPECT_EQ(project.Lines.Texts(), ProjectFileLines("Project1", {unitA, unitB}));
    EXPECT_TRUE(project.Saved);
}

TEST_F(ProjectTest, SavingWithTheSourcePageOpenWritesThePagesText) {
    TProject& project = NewProject();
    AddTwoUnits(project);
    FakePage& page = Source(project);
    page.lines.InsertLine(page.lines.LineCount(), "print \"hello\"");
    std::string file = folder.Write("demo.bas", "");
    project.ProjectFile = file;
    project.SaveProject();
    EXPECT_EQ(ReadFileText(file), page.lines.Text());
    EXPECT_EQ(project.Lines.Count(), 4u);
    EXPECT_EQ(project.Lines[3], "print \"hello\"");
    EXPECT_EQ(page.file, file) << "the new source page shows the project file now";
    EXPECT_TRUE(page.saved);
}

TEST_F(ProjectTest, SaveWithoutAFileDoesNothing) {
    TProject& project = NewProject();
    AddTwoUnits(project);
    project.ProjectFile = folder.Path("never.bas");
    project.SaveProject();
    EXPECT_FALSE(FileExists(project.ProjectFile));
    EXPECT_FALSE(project.Saved);
    project.ProjectFile.clear();
    project.SaveProject();
    EXPECT_FALSE(project.Saved);
}

TEST_F(ProjectTest, SaveAsAsksWithItsFilterAndFollowsTheExtensionRule) {
    TProject& project = NewProject();
    host.DestroyPage(project.SourcePage);
    EXPECT_FALSE(project.SaveProjectAs()) << "a cancelled box";
    ASSERT_EQ(prompts.fileRequests.size(), 1u);
    const FileBoxRequest& request = prompts.fileRequests[0];
    EXPECT_EQ(request.filter,
              "FreeBasic Code File (*.bas)|*.bas|FreeBasic Header File (*.bi)|*.bi|All Files (*.*)|*.*");
    EXPECT_TRUE(request.confirmOverwrite);
    EXPECT_EQ(request.fileName, "Project1");
    EXPECT_TRUE(project.ProjectFile.empty());

    prompts.fileResults.push_back(Chosen({folder.Path("one.txt")}, 1));
    ASSERT_TRUE(project.SaveProjectAs());
    EXPECT_EQ(project.ProjectFile, folder.Path("one.bas"));
    EXPECT_TRUE(FileExists(folder.Path("one.bas")));
    EXPECT_EQ(prompts.fileRequests.back().fileName, "Project1");
    EXPECT_EQ(host.recent, (std::vector<std::string>{folder.Path("one.bas")}));

    prompts.fileResults.push_back(Chosen({folder.Path("two")}, 2));
    ASSERT_TRUE(project.SaveProjectAs());
    EXPECT_EQ(project.ProjectFile, folder.Path("two.bi"));
    EXPECT_EQ(prompts.fileRequests.back().fileName, folder.Path("one.bas")) << "proposes the present file";

    prompts.fileResults.push_back(Chosen({folder.Path("three.prj")}, 3));
    ASSERT_TRUE(project.SaveProjectAs());
    EXPECT_EQ(project.ProjectFile, folder.Path("three.prj"));
    EXPECT_EQ(ReadFileText(project.ProjectFile), "#define project Project1\r\n\r\n");
}

TEST_F(ProjectTest, AFailedWriteKeepsTheProjectFileAndTheUnsavedMark) {
    TProject& project = NewProject();
    AddTwoUnits(project);
    host.DestroyPage(project.SourcePage);
    prompts.fileResults.push_back(Chosen({folder.Path("no such folder/p.bas")}));
    EXPECT_THROW(project.SaveProjectAs(), CommandError);
    EXPECT_TRUE(project.ProjectFile.empty());
    EXPECT_FALSE(project.Saved);
    EXPECT_TRUE(host.recent.empty());
}

TEST_F(ProjectTest, OpeningAProjectFileOpensEveryUnitItNamesOnce) {
    std::string a = folder.Write("a.bas", "a\r\n");
    std::string b = folder.Write("units/b.bas", "b\r\n");
    std::string file = folder.Write("demo.bas",
                                    "#define project Demo\r\n"
                                    "\r\n"
                                    "#include once \"" + a + "\"\r\n"
                                    "#include \"units/b.bas\"\r\n"  // relative, without "once"
                                    "  #INCLUDE ONCE \"" + a + "\"\r\n"  // the same unit again
                                    "' #include \"commented.bas\"\r\n"
                                    "#include once \"demo.bas\"\r\n"  // itself
                                    "#include once \"missing.bas\"\r\n");
    PageRef page = host.OpenPage(file);
    TProject& project = commands.Open(page, file);
    EXPECT_EQ(current, &project);
    EXPECT_EQ(project.ProjectName, "Demo");
    EXPECT_EQ(project.SourcePage, page);
    EXPECT_EQ(host.PageLink(page), &project);
    EXPECT_EQ(project.ProjectFile, file);
    std::string missing = folder.Path("missing.bas");
    EXPECT_EQ(project.UnitFiles.Texts(), (std::vector<std::string>{a, folder.Path("units/b.bas"), missing}));
    ASSERT_EQ(host.shown.size(), 4u);
    EXPECT_EQ(host.shown[1]->caption, "a.bas");
    EXPECT_EQ(host.shown[2]->lines.Line(0), "b");
    EXPECT_EQ(host.shown[3]->caption, missing) << "a missing unit is an empty page captioned with its path";
    EXPECT_EQ(project.UnitFiles.Object(1), host.shown[2]);
    EXPECT_TRUE(project.Saved);
    EXPECT_EQ(NodeOf(project)->units, (std::vector<std::string>{"a.bas", "b.bas", "missing.bas"}));

    // A project file that is gone empties the unit list.
    project.LoadUnits(folder.Path("gone.bas"));
    EXPECT_TRUE(project.UnitFiles.Empty());
    EXPECT_EQ(project.ProjectFile, folder.Path("gone.bas"));
}

TEST_F(ProjectTest, UnitsLeaveAndMoveWithTheirLines) {
    TProject& project = NewProject();
    AddTwoUnits(project);
    std::string c = folder.Write("c.bas", "");
    prompts.fileResults.push_back(Chosen({c}));
    commands.Add({});
    project.SetSaved(true);
    std::vector<ProjectTreeItem> moved = commands.Move({{&project, 2}}, -1);
    EXPECT_EQ(moved, (std::vector<ProjectTreeItem>{{&project, 1}}));
    EXPECT_EQ(project.UnitFiles.Texts(), (std::vector<std::string>{unitA, c, unitB}));
    EXPECT_EQ(project.UnitFiles.Object(1), host.ShownWithFile(c));
    LineDocument& lines = Source(project).lines;
    EXPECT_EQ(lines.Line(2), IncludeOnceLine(c));
    EXPECT_EQ(lines.Line(3), IncludeOnceLine(unitB));
    EXPECT_FALSE(project.Saved);
    EXPECT_EQ(NodeOf(project)->units, (std::vector<std::string>{"a.bas", "c.bas", "b.bas"}));

    // The first two up: the first cannot move, so the second stays behind it.
    moved = commands.Move({{&project, 1}, {&project, 0}}, -1);
    EXPECT_EQ(project.UnitFiles.Texts(), (std::vector<std::string>{unitA, c, unitB}));
    // Down from the end does nothing; down from the start moves.
    EXPECT_EQ(commands.Move({{&project, 2}}, 1), (std::vector<ProjectTreeItem>{{&project, 2}}));
    commands.Move({{&project, 0}}, 1);
    EXPECT_EQ(project.UnitFiles.Texts(), (std::vector<std::string>{c, unitA, unitB}));

    commands.Remove({{&project, 0}, {&project, -1}, {&project, 2}});
    EXPECT_EQ(project.UnitFiles.Texts(), (std::vector<std::string>{unitA}));
    EXPECT_EQ(lines.Text(), "#Define Project Project1\r\n" + IncludeOnceLine(unitA) + "\r\n");
    EXPECT_EQ(host.shown.size(), 4u) << "removed units keep their pages";
}

TEST_F(ProjectTest, CompilingThreeTimesAddsTheRunLineAndTheCurrentPageOnce) {
    TProject& project = NewProject();
    AddTwoUnits(project);
    host.saveAsPath = folder.Path("main.bas");
    std::string c = folder.Write("c.bas", "");
    PageRef other = host.OpenPage(c);
    for (int i = 0; i < 3; ++i) {
        std::optional<std::string> file = project.PrepareCompile(other);
        ASSERT_TRUE(file);
        EXPECT_EQ(*file, folder.Path("main.bas"));
    }
    EXPECT_EQ(project.UnitFiles.Texts(), (std::vector<std::string>{unitA, unitB, c}));
    std::string expected = "#Define Project Project1\r\n" + IncludeOnceLine(unitA) + "\r\n" +
                           IncludeOnceLine(unitB) + "\r\n" + IncludeOnceLine(c) + "\r\napplication.run\r\n";
    EXPECT_EQ(ReadFileText(folder.Path("main.bas")), expected);
    EXPECT_TRUE(Source(project).saved);

    // Compiling from the source page itself: the project does not include itself.
    project.PrepareCompile(project.SourcePage);
    EXPECT_EQ(project.UnitFiles.Count(), 3u);
    EXPECT_EQ(ReadFileText(folder.Path("main.bas")), expected);
}

TEST_F(ProjectTest, ARunLineInACommentDoesNotCount) {
    TProject& project = NewProject();
    host.saveAsPath = folder.Path("main.bas");
    LineDocument& lines = Source(project).lines;
    lines.InsertLine(1, "' application.run");
    project.PrepareCompile(nullptr);
    EXPECT_EQ(lines.Line(2), "application.run");
    EXPECT_EQ(lines.LineCount(), 3);
}

TEST_F(ProjectTest, CompileWithoutASourcePage) {
    TProject& project = NewProject();
    // A cancelled save box ends the command silently.
    EXPECT_THROW(project.PrepareCompile(nullptr), CommandAborted);
    host.DestroyPage(project.SourcePage);
    EXPECT_FALSE(project.PrepareCompile(host.OpenPage(""))) << "nothing to compile: the page alone";
    project.ProjectFile = folder.Write("p.bas", "#define project Project1\r\n");
    EXPECT_EQ(project.PrepareCompile(nullptr), project.ProjectFile);
    EXPECT_EQ(ReadFileText(project.ProjectFile), "#define project Project1\r\n") << "left as it is";
}

TEST_F(ProjectTest, ClosingAsksAboutAModifiedProject) {
    TProject& project = NewProject();
    AddTwoUnits(project);
    prompts.answers = {Answer::Cancel};
    EXPECT_THROW(projects.CloseProject(project, false), CommandAborted);
    EXPECT_EQ(prompts.TextsOf(Kind::ConfirmYesNoCancel),
              (std::vector<std::string>{"The Project1 project was modified.\nSave it?"}));
    EXPECT_TRUE(projects.Contains(&project));
    EXPECT_EQ(current, &project);

    // Yes without a file: the save box; cancelling it keeps the project.
    prompts.answers = {Answer::Yes};
    EXPECT_THROW(projects.CloseProject(project, false), CommandAborted);
    EXPECT_EQ(prompts.shown.back().kind, Kind::SaveFile);
    EXPECT_TRUE(projects.Contains(&project));

    prompts.answers = {Answer::Yes};
    prompts.fileResults.push_back(Chosen({folder.Path("saved")}));
    projects.CloseProject(project, false);
    EXPECT_TRUE(FileExists(folder.Path("saved.bas")));
    EXPECT_EQ(projects.Count(), 0u);
    EXPECT_EQ(current, nullptr);
    EXPECT_EQ(tree.goneNodes, (std::vector<std::string>{"Project1"}));
    EXPECT_EQ(host.shown.size(), 3u) << "File > Close leaves the pages open";
    EXPECT_EQ(host.shown[0]->link, nullptr) << "the source page belongs to no project now";
}

TEST_F(ProjectTest, ClosingWithAFileSavesItAndNoSavesNothing) {
    TProject& first = NewProject();
    first.ProjectFile = folder.Write("first.bas", "");
    host.DestroyPage(first.SourcePage);
    AddTwoUnits(first);
    TProject& second = NewProject();
    second.SetSaved(false);
    prompts.answers = {Answer::Yes};
    projects.CloseProject(first, false);
    EXPECT_EQ(ReadFileText(folder.Path("first.bas")),
              "#define project Project1\r\n\r\n" + IncludeOnceLine(unitA) + "\r\n" + IncludeOnceLine(unitB) + "\r\n");
    EXPECT_EQ(current, &second) << "closing another project leaves the current one";
    prompts.answers = {Answer::No};
    projects.CloseProject(second, false);
    EXPECT_EQ(current, nullptr);
    EXPECT_EQ(prompts.TextsOf(Kind::ConfirmYesNoCancel).size(), 2u);
}

TEST_F(ProjectTest, ShutdownClosesEveryProjectWithItsUnitPages) {
    TProject& first = NewProject();
    AddTwoUnits(first);
    first.SetSaved(true);
    std::string c = folder.Write("c.bas", "");
    TProject& second = NewProject();
    prompts.fileResults.push_back(Chosen({c}));
    commands.Add({});
    second.SetSaved(true);
    host.ShownWithFile(unitA)->saved = false;  // modified: it stays
    EXPECT_TRUE(projects.CloseAll());
    EXPECT_EQ(projects.Count(), 0u);
    EXPECT_EQ(host.destroyed, (std::vector<std::string>{"b.bas", "c.bas"})) << "the last unit first";
    EXPECT_TRUE(host.ShownWithFile(unitA));
    EXPECT_EQ(host.shown.size(), 3u) << "the source pages and the modified unit stay";

    TProject& third = NewProject();
    third.SetSaved(false);
    prompts.answers = {Answer::Cancel};
    EXPECT_FALSE(projects.CloseAll());
    EXPECT_TRUE(projects.Contains(&third));
}

TEST_F(ProjectTest, DestroyedPagesAreForgotten) {
    TProject& project = NewProject();
    AddTwoUnits(project);
    PageRef unitPage = project.UnitFiles.Object(1);
    host.DestroyPage(unitPage);
    EXPECT_EQ(project.UnitFiles.Object(1), nullptr);
    EXPECT_EQ(project.UnitFiles.Count(), 2u);
    host.DestroyPage(project.SourcePage);
    EXPECT_EQ(project.SourcePage, nullptr);
    EXPECT_FALSE(project.SourceShown());
}

}  // namespace
}  // namespace tavrin::test
