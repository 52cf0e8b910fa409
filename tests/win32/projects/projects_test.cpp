// Projects in the running workbench: the project window's commands on the
// code window's real pages, saving and opening project files, the File
// menu's Save As and Close on a project, compiling a project with the fake
// compiler, the close query's project step and the units window.
#include <gtest/gtest.h>

#include "app/build_wiring.h"
#include "compiler/compiler.h"
#include "projects/project_list.h"
#include "projects/project_window.h"
#include "projects/units_window.h"
#include "settings/launcher.h"
#include "workbench/code_page.h"
#include "workbench/code_window.h"
#include "workbench/main_window.h"
#include "workbench/projects_wiring.h"
#include "workbench/workbench.h"
#include "projects_fixture.h"

namespace tavrin::test {
namespace {

using Kind = ScriptedPrompts::Kind;

// The number in a project's name ("Project7" gives 7).
int NumberOf(const TProject& project) { return std::stoi(project.ProjectName.substr(7)); }

TEST_F(ProjectsTest, NewProjectsAreNumberedAndListedWithASourcePageEach) {
    Press(TProjects::tbNew);
    TProject* first = App().CurrentProject;
    ASSERT_TRUE(first);
    ASSERT_EQ(first->ProjectName.rfind("Project", 0), 0u);
    TCodePage* firstPage = ActivePage();
    ASSERT_TRUE(firstPage);
    EXPECT_EQ(firstPage->Caption(), first->ProjectName);
    EXPECT_EQ(PageText(firstPage), "#Define Project " + first->ProjectName + "\r\n");
    EXPECT_EQ(firstPage->LinkedObject, first);
    EXPECT_EQ(App().CurrentDocument, dynamic_cast<TDocument*>(firstPage));

    Press(TProjects::tbNew);
    TProject* second = App().CurrentProject;
    ASSERT_NE(second, first);
    EXPECT_EQ(NumberOf(*second), NumberOf(*first) + 1);
    EXPECT_EQ(PageText(ActivePage()), "#Define Project " + second->ProjectName + "\r\n");
    EXPECT_EQ(Texts(Roots()), (std::vector<std::string>{first->ProjectName, second->ProjectName}));
    EXPECT_EQ(App().Code->PageCount(), 2);
}

TEST_F(ProjectsTest, AddThenSaveAsFromTheFileMenu) {
    std::string a = Write("a.bas", "dim a as integer\r\n");
    std::string b = Write("units\\b.bas", "dim b as integer\r\n");
    Press(TProjects::tbNew);
    TProject& project = *App().CurrentProject;
    TCodePage* source = ActivePage();
    Choose({a, b});
    Press(TProjects::tbAdd);
    ASSERT_EQ(Prompts().fileRequests.size(), 1u);
    EXPECT_TRUE(Prompts().fileRequests[0].multiSelect);
    EXPECT_EQ(Prompts().fileRequests[0].filter.rfind("All Supported Files (*.bas,*.bi,*.inc", 0), 0u);
    ASSERT_EQ(Roots().size(), 1u);
    HTREEITEM root = Roots()[0];
    EXPECT_EQ(NodeText(root), "*" + project.ProjectName);
    EXPECT_EQ(Texts(Children(root)), (std::vector<std::string>{"a.bas", "b.bas"}));
    ASSERT_TRUE(PageShowing(a) && PageShowing(b));
    EXPECT_EQ(ActivePage(), PageShowing(b));
    EXPECT_EQ(PageText(source), "#Define Project " + project.ProjectName + "\r\n#include once \"" + a +
                                    "\"\r\n#include once \"" + b + "\"\r\n");

    // The same file again: once.
    Choose({a});
    Press(TProjects::tbAdd);
    EXPECT_EQ(project.UnitFiles.Count(), 2u);
    EXPECT_EQ(App().Code->PageCount(), 3);

    // Selecting the project makes it the document that File > Save As saves.
    SendMessageA(Tree(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(root));
    ASSERT_TRUE(App().CurrentDocument);
    EXPECT_EQ(App().CurrentDocument->Kind(), DocumentKind::Project);
    std::string file = folder_ + "\\demo.bas";
    Choose({folder_ + "\\demo"}, 1);
    MainCommand(cmdSaveAs);
    EXPECT_EQ(Prompts().fileRequests.back().filter,
              "FreeBasic Code File (*.bas)|*.bas|FreeBasic Header File (*.bi)|*.bi|All Files (*.*)|*.*");
    EXPECT_EQ(project.ProjectFile, file);
    EXPECT_EQ(ReadText(file), PageText(source));
    EXPECT_EQ(NodeText(root), project.ProjectName) << "saved: no star";
    EXPECT_EQ(source->FileName(), file);
    EXPECT_EQ(source->Caption(), "demo.bas");
    EXPECT_EQ(App().Launcher->MRU.IndexOf(file), 0) << "a saved project can be opened again from the list";

    // File > Save writes it again.
    Choose({folder_ + "\\c.bas"});
    Write("c.bas", "");
    Press(TProjects::tbAdd);
    EXPECT_EQ(NodeText(root), "*" + project.ProjectName);
    SendMessageA(Tree(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(Children(root)[0]));
    SendMessageA(Tree(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(root));
    MainCommand(cmdSave);
    EXPECT_EQ(NodeText(root), project.ProjectName);
    EXPECT_EQ(Occurrences(ReadText(file), "c.bas"), 1);
}

TEST_F(ProjectsTest, OpeningAProjectFileOpensItsUnitsAndListsThem) {
    std::string a = Write("a.bas", "dim a as integer\r\n");
    Write("units\\b.bas", "dim b as integer\r\n");
    std::string file = Write("opened.bas", "#define project Opened\r\n\r\n#include once \"a.bas\"\r\n"
                                           "#include \"units\\b.bas\"\r\n");
    Choose({file});
    App().Main->Hooks.openFiles();
    TProject* project = App().CurrentProject;
    ASSERT_TRUE(project);
    EXPECT_EQ(project->ProjectName, "Opened");
    EXPECT_EQ(project->ProjectFile, file);
    ASSERT_EQ(App().Code->PageCount(), 3);
    TCodePage* source = PageShowing(file);
    ASSERT_TRUE(source);
    EXPECT_EQ(project->SourcePage, source) << "the project's own page is its source";
    EXPECT_EQ(source->LinkedObject, project);
    EXPECT_EQ(project->UnitFiles.Texts(), (std::vector<std::string>{a, folder_ + "\\units\\b.bas"}));
    ASSERT_TRUE(PageShowing(folder_ + "\\units\\b.bas"));
    EXPECT_EQ(PageText(PageShowing(folder_ + "\\units\\b.bas")), "dim b as integer\r\n");
    EXPECT_EQ(Texts(Roots()), (std::vector<std::string>{"Opened"}));
    EXPECT_EQ(Texts(Children(Roots()[0])), (std::vector<std::string>{"a.bas", "b.bas"}));
    EXPECT_TRUE(project->Saved);
    EXPECT_EQ(App().Launcher->MRU.IndexOf(file), 0);
    EXPECT_TRUE(ActivePage()->Saved());
}

TEST_F(ProjectsTest, CompilingAProjectThreeTimesKeepsItsSourceAsItWas) {
    UseFakeCompiler();
    std::string a = Write("a.bas", "dim a as integer\r\n");
    std::string b = Write("b.bas", "dim b as integer\r\n");
    std::string other = Write("other.bas", "dim c as integer\r\n");
    Press(TProjects::tbNew);
    TProject& project = *App().CurrentProject;
    Choose({a, b});
    Press(TProjects::tbAdd);
    std::string file = folder_ + "\\main.bas";
    Choose({file});
    ASSERT_TRUE(project.SaveProjectAs());
    App().Main->Hooks.openPage(other);  // a page outside the project is current
    for (int i = 0; i < 3; ++i) {
        DeleteFileA(record_.c_str());
        App().Main->Hooks.compile();
        EXPECT_NE(Record().find("\"" + file + "\""), std::string::npos) << "compilation " << i << ": " << Record();
        EXPECT_EQ(App().Main->Caption(), "Orvale Compiled [" + file + "]");
    }
    std::string text = ReadText(file);
    EXPECT_EQ(Occurrences(text, "application.run"), 1) << text;
    for (const std::string& unit : {a, b, other})
        EXPECT_EQ(Occurrences(text, "#include once \"" + unit + "\""), 1) << text;
    EXPECT_EQ(project.UnitFiles.Texts(), (std::vector<std::string>{a, b, other}));
    EXPECT_EQ(Texts(Children(Roots()[0])), (std::vector<std::string>{"a.bas", "b.bas", "other.bas"}));
    for (Kind kind : {Kind::Information, Kind::Error, Kind::ConfirmYesNoCancel})
        EXPECT_TRUE(Prompts().TextsOf(kind).empty()) << Prompts().TextsOf(kind).front();
}

TEST_F(ProjectsTest, ClosingTheCurrentProjectLeavesNoneAndCompileTakesThePageAlone) {
    UseFakeCompiler();
    std::string a = Write("a.bas", "dim a as integer\r\n");
    Press(TProjects::tbNew);
    Choose({a});
    Press(TProjects::tbAdd);
    SendMessageA(Tree(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(Roots()[0]));
    Prompts().answers = {Answer::No};
    MainCommand(cmdClose);
    EXPECT_EQ(Prompts().TextsOf(Kind::ConfirmYesNoCancel).size(), 1u);
    EXPECT_EQ(App().CurrentProject, nullptr);
    EXPECT_EQ(List().Count(), 0u);
    EXPECT_TRUE(Roots().empty());
    EXPECT_EQ(App().Code->PageCount(), 2) << "File > Close leaves the pages open";

    App().Code->SetActivePage(App().Code->PageIndexOf(a));
    App().Main->Hooks.compile();
    EXPECT_EQ(Record(), "\"" + App().Launcher->Compiler + "\"  -g \"" + a + "\"");
}

TEST_F(ProjectsTest, TheCloseQueryClosesEveryProjectAndStopsAtCancel) {
    std::string a = Write("a.bas", "dim a as integer\r\n");
    Press(TProjects::tbNew);
    std::string name = App().CurrentProject->ProjectName;
    Choose({a});
    Press(TProjects::tbAdd);
    // The source page (changed by Add): No; then the project's question: Cancel.
    Prompts().answers = {Answer::No, Answer::Cancel};
    EXPECT_FALSE(App().Main->CanClose());
    EXPECT_EQ(Prompts().TextsOf(Kind::ConfirmYesNoCancel),
              (std::vector<std::string>{"The " + name + " page was modified.\nDo you want to Save it?",
                                        "The " + name + " project was modified.\nSave it?"}));
    EXPECT_EQ(List().Count(), 1u);
    EXPECT_EQ(App().Code->PageCount(), 0) << "the pages went before the projects";

    Prompts().shown.clear();
    Prompts().answers = {Answer::No};
    EXPECT_TRUE(App().Main->CanClose());
    EXPECT_EQ(List().Count(), 0u);
    EXPECT_EQ(App().CurrentProject, nullptr);
    EXPECT_TRUE(Roots().empty());
}

TEST_F(ProjectsTest, AUnitPageKeptAtTheCloseQueryIsNotDroppedWithItsProject) {
    std::string a = Write("a.bas", "dim a as integer\r\n");
    Press(TProjects::tbNew);
    Choose({a});
    Press(TProjects::tbAdd);
    App().CurrentProject->SetSaved(true);
    PageShowing(a)->Editor().Lines().InsertLine(0, "' changed");
    // The unit page: Cancel; the source page: No.
    Prompts().answers = {Answer::Cancel, Answer::No};
    EXPECT_FALSE(App().Main->CanClose());
    EXPECT_EQ(List().Count(), 0u);
    ASSERT_TRUE(PageShowing(a)) << "its changes are not lost";
    EXPECT_EQ(PageText(PageShowing(a)), "' changed\r\ndim a as integer\r\n");
}

TEST_F(ProjectsTest, UnitsMoveLeaveAndShowTheirPagesFromTheTree) {
    std::string a = Write("a.bas", "dim a as integer\r\n");
    std::string b = Write("b.bas", "dim b as integer\r\n");
    Window().Show();
    Press(TProjects::tbNew);
    TProject& project = *App().CurrentProject;
    TCodePage* source = ActivePage();
    Choose({a, b});
    Press(TProjects::tbAdd);
    HTREEITEM root = Roots()[0];
    SendMessageA(Tree(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(Children(root)[1]));
    Press(TProjects::tbUp);
    EXPECT_EQ(project.UnitFiles.Texts(), (std::vector<std::string>{b, a}));
    EXPECT_EQ(Texts(Children(root)), (std::vector<std::string>{"b.bas", "a.bas"}));
    ASSERT_EQ(Window().SelectedItems().size(), 1u);
    EXPECT_EQ(Window().ItemOf(Window().SelectedItems()[0]), (ProjectTreeItem{&project, 0}))
        << "the moved unit stays selected";
    EXPECT_LT(PageText(source).find("b.bas"), PageText(source).find("a.bas"));

    // A click on a unit shows its page; on the project, its source.
    ClickNode(Children(root)[1]);
    EXPECT_EQ(ActivePage(), PageShowing(a));
    ClickNode(root);
    EXPECT_EQ(ActivePage(), source);
    EXPECT_EQ(App().CurrentDocument->Kind(), DocumentKind::Project) << "the project stays the current document";

    SendMessageA(Tree(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(Children(root)[0]));
    Press(TProjects::tbRemove);
    EXPECT_EQ(project.UnitFiles.Texts(), (std::vector<std::string>{a}));
    EXPECT_EQ(PageText(source).find("b.bas"), std::string::npos);
    EXPECT_TRUE(PageShowing(b)) << "the page of a removed unit stays";

    // View Source opens the project file again once its page is gone.
    Choose({folder_ + "\\p.bas"});
    ASSERT_TRUE(project.SaveProjectAs());
    App().Code->FreePage(source);
    EXPECT_EQ(project.SourcePage, nullptr);
    Press(TProjects::tbSource);
    ASSERT_TRUE(project.SourcePage);
    EXPECT_EQ(ActivePage()->FileName(), folder_ + "\\p.bas");
    EXPECT_EQ(ActivePage()->LinkedObject, &project);
}

TEST_F(ProjectsTest, CtrlClickSelectsSeveralProjectsAndDestroyTakesThemAll) {
    Window().Show();
    Press(TProjects::tbNew);
    TProject* first = App().CurrentProject;
    Press(TProjects::tbNew);
    TProject* second = App().CurrentProject;
    App().Main->Hooks.openPage(Write("plain.bas", "print 1\r\n"));
    std::vector<HTREEITEM> roots = Roots();
    ASSERT_EQ(roots.size(), 2u);
    ClickNode(roots[1]);
    ClickNode(roots[0], true);
    EXPECT_EQ(Window().Selection(), (std::vector<ProjectTreeItem>{{second, -1}, {first, -1}}));
    ClickNode(roots[0], true);
    EXPECT_EQ(Window().Selection(), (std::vector<ProjectTreeItem>{{second, -1}})) << "a second Ctrl+click takes it out";
    ClickNode(roots[0], true);
    Press(TProjects::tbDestroy);
    EXPECT_EQ(App().CurrentProject, nullptr);
    EXPECT_TRUE(Roots().empty());
    EXPECT_EQ(App().Code->PageCount(), 1) << "both source pages went";
    EXPECT_EQ(List().Count(), 2u) << "destroyed projects stay in the list";
    EXPECT_FALSE(first->Node || second->Node);
}

TEST_F(ProjectsTest, CompileAndViewSourceOfTheProjectWindow) {
    UseFakeCompiler();
    Window().Show();
    Press(TProjects::tbNew);
    TProject& project = *App().CurrentProject;
    Choose({folder_ + "\\w.bas"});
    ASSERT_TRUE(project.SaveProjectAs());
    TCodePage* source = PageShowing(folder_ + "\\w.bas");
    App().Main->Hooks.openPage(Write("plain.bas", "print 1\r\n"));
    App().CurrentProject = nullptr;
    SendMessageA(Tree(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(Roots()[0]));
    Press(TProjects::tbCompile);
    EXPECT_EQ(App().CurrentProject, &project);
    EXPECT_EQ(ActivePage(), source);
    EXPECT_NE(Record().find("\"" + folder_ + "\\w.bas\""), std::string::npos) << Record();
}

TEST_F(ProjectsTest, TheUnitsWindowListsThePagesAndShowsTheChosenOne) {
    std::string a = Write("a.bas", "dim a as integer\r\n");
    Press(TProjects::tbNew);
    std::string name = App().CurrentProject->ProjectName;
    Choose({a});
    Press(TProjects::tbAdd);
    Units().Show();
    HWND list = Units().List();
    auto cell = [list](int row, int column) {
        char text[128] = {};
        LVITEMA item{};
        item.iSubItem = column;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
        return std::string(text);
    };
    ASSERT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_EQ(cell(0, 0), "*" + name) << "the source page, changed by Add";
    EXPECT_EQ(cell(0, 1), "*" + name);
    EXPECT_EQ(cell(1, 0), "a.bas");
    EXPECT_EQ(cell(1, 1), "");

    TCodePage* plain = dynamic_cast<TCodePage*>(App().Main->Hooks.openPage(Write("plain.bas", "")));
    EXPECT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 3) << "a new page is listed at once";
    App().Code->FreePage(PageShowing(a));
    ASSERT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 2) << "a destroyed page takes its row";
    EXPECT_EQ(cell(1, 0), "plain.bas");

    LVITEMA state{};
    state.stateMask = LVIS_SELECTED;
    state.state = LVIS_SELECTED;
    SendMessageA(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&state));
    EXPECT_EQ(ActivePage(), plain);
    SendMessageA(Units().Button(TUnits::idOk), BM_CLICK, 0, 0);
    EXPECT_EQ(ActivePage(), App().CurrentProject->SourcePage);
    EXPECT_FALSE(Units().Visible());
}

}  // namespace
}  // namespace tavrin::test
