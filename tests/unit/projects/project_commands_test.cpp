// The project window's commands that act on nodes: Destroy, the click and
// the selection of a node, Compile and View Source; and the units window's rows.
#include "projects/project_commands.h"

#include <gtest/gtest.h>

#include "common/commands.h"
#include "fake_project_host.h"
#include "projects/units_rows.h"

namespace tavrin::test {
namespace {

class ProjectCommandsTest : public ProjectFixture {
protected:
    ProjectCommandsTest() {
        commands.Hooks.selectProject = [this](TProject& project) { selected.push_back(&project); };
        commands.Hooks.compile = [this] {
            compiledWith.push_back(current);
            compiledOn.push_back(host.active);
        };
    }

    std::vector<TProject*> selected;
    std::vector<TProject*> compiledWith;
    std::vector<FakePage*> compiledOn;
};

TEST_F(ProjectCommandsTest, DestroyTakesTheSelectedProjectsSourcePagesAndNodes) {
    TProject& first = commands.New();
    TProject& second = commands.New();
    host.OpenPage("");  // a page of no project
    commands.Destroy({{&second, -1}, {&first, 0}, {&first, -1}});
    EXPECT_EQ(current, nullptr) << "the current project was among them";
    EXPECT_EQ(host.destroyed, (std::vector<std::string>{"Project1", "Project2"})) << "the last selected first";
    EXPECT_EQ(tree.goneNodes, (std::vector<std::string>{"Project1", "Project2"}));
    EXPECT_EQ(first.Node, nullptr);
    EXPECT_EQ(projects.Count(), 2u) << "destroyed projects stay in the list";
    EXPECT_EQ(host.shown.size(), 1u);
}

TEST_F(ProjectCommandsTest, DestroyAsksBeforeDroppingAModifiedSource) {
    TProject& project = commands.New();
    TProject& other = commands.New();
    FakePage& source = *FakeProjectHost::Of(project.SourcePage);
    source.lines.InsertLine(1, "print 1");
    source.closeKeepsIt = true;
    EXPECT_THROW(commands.Destroy({{&project, -1}}), CommandAborted);
    EXPECT_TRUE(project.SourceShown());
    EXPECT_TRUE(project.Node);
    EXPECT_EQ(current, &other) << "another project stays current";
    source.closeKeepsIt = false;
    commands.Destroy({{&project, -1}});
    EXPECT_FALSE(project.SourceShown());
    EXPECT_FALSE(project.Node);
}

TEST_F(ProjectCommandsTest, ClickingAProjectShowsItsSourceAndKeepsItTheCurrentDocument) {
    TProject& project = commands.New();
    host.OpenPage("");
    commands.Select({&project, -1});
    EXPECT_EQ(selected, (std::vector<TProject*>{&project}));
    commands.Click({&project, -1});
    EXPECT_EQ(host.active, project.SourcePage);
    EXPECT_EQ(selected.size(), 2u) << "the project is the current document after the click";
    commands.Select({&project, 0});
    EXPECT_EQ(selected.size(), 2u) << "a unit node selects no project";
}

TEST_F(ProjectCommandsTest, ClickingAUnitShowsItsPageOpeningItAgainWhenClosed) {
    TProject& project = commands.New();
    std::string a = folder.Write("a.bas", "a\r\n");
    std::string b = folder.Write("b.bas", "b\r\n");
    prompts.fileResults.push_back(Chosen({a, b}));
    commands.Add({});
    PageRef pageA = project.UnitFiles.Object(0);
    commands.Click({&project, 0});
    EXPECT_EQ(host.active, pageA);

    host.DestroyPage(pageA);
    commands.Click({&project, 0});
    FakePage* again = host.ShownWithFile(a);
    ASSERT_TRUE(again);
    EXPECT_EQ(host.active, again);
    EXPECT_EQ(project.UnitFiles.Object(0), again);
    EXPECT_EQ(host.shown.size(), 3u);

    // A page on the unit's file that the project did not open is used as it is.
    host.DestroyPage(project.UnitFiles.Object(1));
    PageRef opened = host.OpenPage(b);
    host.ActivatePage(project.SourcePage);
    commands.Click({&project, 1});
    EXPECT_EQ(host.active, opened);
    EXPECT_EQ(host.shown.size(), 3u);
    commands.Click({&project, 7});  // a node that is no longer there
    EXPECT_EQ(host.active, opened);
}

TEST_F(ProjectCommandsTest, CompileMakesTheProjectCurrentAndCompilesFromItsSource) {
    TProject& first = commands.New();
    TProject& second = commands.New();
    commands.Compile({{&first, 1}});
    EXPECT_EQ(compiledWith, (std::vector<TProject*>{&first}));
    EXPECT_EQ(compiledOn, (std::vector<FakePage*>{FakeProjectHost::Of(first.SourcePage)}));
    EXPECT_EQ(current, &first);
    commands.Compile({});
    EXPECT_EQ(compiledWith.back(), &first) << "without a selection, the current project";
    (void)second;
}

TEST_F(ProjectCommandsTest, ViewSourceOpensTheProjectFileWhenNoPageShowsIt) {
    TProject& project = commands.New();
    host.DestroyPage(project.SourcePage);
    commands.ViewSource({{&project, -1}});
    EXPECT_EQ(project.SourcePage, nullptr) << "no page and no file: nothing to show";
    project.ProjectFile = folder.Write("p.bas", "#define project Project1\r\n");
    commands.ViewSource({{&project, -1}});
    ASSERT_TRUE(project.SourceShown());
    FakePage& page = *FakeProjectHost::Of(project.SourcePage);
    EXPECT_EQ(page.file, project.ProjectFile);
    EXPECT_EQ(page.link, &project);
    host.OpenPage("");
    commands.ViewSource({});
    EXPECT_EQ(host.active, &page);
    EXPECT_EQ(host.shown.size(), 2u);
}

TEST_F(ProjectCommandsTest, CommandsOnClosedProjectsDoNothing) {
    TProject& project = commands.New();
    host.OpenPage("");
    projects.CloseProject(project, false);
    std::vector<ProjectTreeItem> stale{{&project, -1}, {&project, 0}};
    commands.Destroy(stale);
    commands.Remove(stale);
    commands.Move(stale, 1);
    commands.Click(stale[0]);
    commands.Select(stale[0]);
    commands.Compile(stale);
    commands.Add(stale);
    EXPECT_TRUE(compiledWith.empty());
    EXPECT_TRUE(selected.empty());
    EXPECT_TRUE(prompts.shown.empty()) << "no project to add to";
    EXPECT_TRUE(host.destroyed.empty());
}

TEST(UnitRows, OnePerPageWithTheAttachedColumnForLinkedPages) {
    FakeProjectHost host;
    host.OpenPage("");
    PageRef linked = host.OpenPage("");
    int dialog = 0;
    host.SetPageLink(linked, &dialog);
    FakeProjectHost::Of(linked)->saved = false;
    std::vector<UnitRow> rows = UnitRows(host);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].unit, "noname1");
    EXPECT_EQ(rows[0].attached, "");
    EXPECT_EQ(rows[0].page, host.shown[0]);
    EXPECT_EQ(rows[1].unit, "*noname2");
    EXPECT_EQ(rows[1].attached, "*noname2");
    EXPECT_EQ(rows[1].linked, &dialog);
}

}  // namespace
}  // namespace tavrin::test
