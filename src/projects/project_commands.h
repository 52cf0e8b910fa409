// The commands of the project window on the list of projects: New, Add,
// Destroy, Remove, Up, Down, Compile and View Source, the selection and the
// click of a node, and the project made when a project file is opened. The
// window gives its tree through ProjectTree and the selected nodes as items.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "projects/project_list.h"

namespace tavrin {

// A node of the project window: a project, or one of its units.
struct ProjectTreeItem {
    TProject* project = nullptr;
    int unit = -1;  // position in UnitFiles; -1 for the project's own node
    bool operator==(const ProjectTreeItem&) const = default;
};

class ProjectTree {
public:
    virtual ~ProjectTree() = default;
    // A root node showing the project and its units.
    virtual std::unique_ptr<ProjectNode> AddProjectNode(TProject& project) = 0;
};

// What the commands ask of the workbench.
struct ProjectCommandHooks {
    std::function<void(TProject&)> selectProject;  // CurrentDocument := the project
    std::function<void()> compile;                 // the Compile command
    std::function<void()> refreshUnits;            // the units window lists the pages
};

class ProjectCommands {
public:
    ProjectCommands(ProjectList& projects, ProjectTree& tree, std::string openFilter);

    ProjectCommandHooks Hooks;

    // New: Project%d with a source page of its own, current, in the tree.
    TProject& New();
    // A project file was opened in the page: a project whose source is that
    // page, named by its "#define project" line, with the units it names.
    TProject& Open(PageRef page, const std::string& path);
    // Add: files chosen in an open box join the selected project (else the
    // current one), each in a page of its own.
    void Add(const std::vector<ProjectTreeItem>& selected);
    // Destroy: for each selected project node, the last selected first: it
    // stops being current, its source page goes (a modified one asks to be
    // saved first), and so does its node; it stays in the list of projects.
    void Destroy(const std::vector<ProjectTreeItem>& selected);
    // Remove: the selected units leave their projects (their pages stay).
    void Remove(const std::vector<ProjectTreeItem>& selected);
    // Up (-1) and Down (+1): the selected units move; returns where they are now.
    std::vector<ProjectTreeItem> Move(const std::vector<ProjectTreeItem>& selected, int step);
    // Compile: the selected project (else the current one) becomes current,
    // its source page active, and the Compile command runs.
    void Compile(const std::vector<ProjectTreeItem>& selected);
    // View Source: activates the project's source page, opening the project
    // file in one when no page shows it.
    void ViewSource(const std::vector<ProjectTreeItem>& selected);
    // A node became selected: a project becomes the current document.
    void Select(const ProjectTreeItem& item);
    // A click on a node: a project shows its source page (and stays the
    // current document), a unit its page (opened again when it was closed).
    void Click(const ProjectTreeItem& item);

    ProjectList& Projects() { return projects_; }

private:
    // The project of the first selected node still in the list, else the current one.
    TProject* Target(const std::vector<ProjectTreeItem>& selected);
    void ShowSource(TProject& project);

    ProjectList& projects_;
    ProjectTree& tree_;
    std::string openFilter_;
};

}  // namespace tavrin
