#include "projects/project_commands.h"

#include <algorithm>

#include "common/commands.h"
#include "common/file_checks.h"
#include "common/prompts.h"
#include "common/text.h"
#include "editor/line_document.h"
#include "projects/project_text.h"

namespace tavrin {

ProjectCommands::ProjectCommands(ProjectList& projects, ProjectTree& tree, std::string openFilter)
    : projects_(projects), tree_(tree), openFilter_(std::move(openFilter)) {}

TProject& ProjectCommands::New() {
    TProject& project = projects_.Create();
    project.Rename(projects_.NextProjectName());
    project.SetProjectFile("");
    ProjectHost& host = projects_.Host();
    PageRef page = host.OpenPage(project.ProjectName);
    project.SourcePage = page;
    host.SetPageLink(page, &project);
    LineDocument& source = host.PageLines(page);
    source.InsertLine(source.LineCount(), NewProjectSourceLine(project.ProjectName));
    host.MarkPageSaved(page);  // nothing of the user's is in it yet
    project.Node = tree_.AddProjectNode(project);
    if (Hooks.refreshUnits) Hooks.refreshUnits();
    return project;
}

TProject& ProjectCommands::Open(PageRef page, const std::string& path) {
    TProject& project = projects_.Create();
    ProjectHost& host = projects_.Host();
    project.Rename(ProjectNameOfSource(host.PageLines(page), path));
    project.SourcePage = page;
    host.SetPageLink(page, &project);
    project.Node = tree_.AddProjectNode(project);
    project.SetProjectFile(path);
    return project;
}

TProject* ProjectCommands::Target(const std::vector<ProjectTreeItem>& selected) {
    for (const ProjectTreeItem& item : selected)
        if (projects_.Contains(item.project)) return item.project;
    return projects_.Contains(projects_.Current()) ? projects_.Current() : nullptr;
}

void ProjectCommands::Add(const std::vector<ProjectTreeItem>& selected) {
    TProject* project = Target(selected);
    if (!project) return;
    FileBoxRequest request;
    request.filter = openFilter_;
    request.multiSelect = true;
    FileBoxResult result = UserPrompts().OpenFile(request);
    if (!result.accepted) return;
    for (const std::string& file : result.files) {
        if (!project->AddUnit(file, nullptr)) continue;
        PageRef page = projects_.Host().OpenPage(file);
        int index = project->IndexOfUnit(file);
        if (index >= 0) project->UnitFiles.SetObject(static_cast<size_t>(index), page);
    }
}

void ProjectCommands::Destroy(const std::vector<ProjectTreeItem>& selected) {
    ProjectHost& host = projects_.Host();
    for (auto item = selected.rbegin(); item != selected.rend(); ++item) {
        TProject* project = item->project;
        if (item->unit >= 0 || !projects_.Contains(project)) continue;
        if (projects_.Current() == project) projects_.Current() = nullptr;
        if (project->SourceShown()) {
            PageRef page = project->SourcePage;
            // A modified source is not thrown away without a question.
            if (!host.PageSaved(page) && !host.ClosePage(page)) throw CommandAborted{};
            host.DestroyPage(page);
        }
        project->Node.reset();
    }
}

void ProjectCommands::Remove(const std::vector<ProjectTreeItem>& selected) {
    std::vector<ProjectTreeItem> units;
    for (const ProjectTreeItem& item : selected)
        if (item.unit >= 0 && projects_.Contains(item.project)) units.push_back(item);
    // The last unit of each project first, so that the positions stay right.
    std::sort(units.begin(), units.end(), [](const auto& a, const auto& b) { return a.unit > b.unit; });
    for (const ProjectTreeItem& item : units) item.project->RemoveUnit(item.unit);
}

std::vector<ProjectTreeItem> ProjectCommands::Move(const std::vector<ProjectTreeItem>& selected, int step) {
    std::vector<ProjectTreeItem> units;
    for (const ProjectTreeItem& item : selected)
        if (item.unit >= 0 && projects_.Contains(item.project)) units.push_back(item);
    // Moving up, the first unit goes first; moving down, the last one.
    std::sort(units.begin(), units.end(),
              [step](const auto& a, const auto& b) { return step < 0 ? a.unit < b.unit : a.unit > b.unit; });
    std::vector<ProjectTreeItem> moved;
    for (ProjectTreeItem item : units) {
        bool blocked = std::find(moved.begin(), moved.end(),
                                 ProjectTreeItem{item.project, item.unit + step}) != moved.end();
        if (!blocked && item.project->MoveUnit(item.unit, step)) item.unit += step;
        moved.push_back(item);
    }
    return moved;
}

void ProjectCommands::ShowSource(TProject& project) {
    ProjectHost& host = projects_.Host();
    if (project.SourceShown()) {
        host.ActivatePage(project.SourcePage);
    } else if (!project.ProjectFile.empty() && FileExists(project.ProjectFile)) {
        PageRef page = host.OpenPage(project.ProjectFile);
        project.SourcePage = page;
        host.SetPageLink(page, &project);
    }
}

void ProjectCommands::Compile(const std::vector<ProjectTreeItem>& selected) {
    TProject* project = Target(selected);
    if (!project) return;
    projects_.Current() = project;
    ShowSource(*project);
    if (Hooks.compile) Hooks.compile();
}

void ProjectCommands::ViewSource(const std::vector<ProjectTreeItem>& selected) {
    if (TProject* project = Target(selected)) ShowSource(*project);
}

void ProjectCommands::Select(const ProjectTreeItem& item) {
    if (item.unit < 0 && projects_.Contains(item.project) && Hooks.selectProject)
        Hooks.selectProject(*item.project);
}

void ProjectCommands::Click(const ProjectTreeItem& item) {
    TProject* project = item.project;
    if (!projects_.Contains(project)) return;
    ProjectHost& host = projects_.Host();
    if (item.unit < 0) {
        if (project->SourceShown()) host.ActivatePage(project->SourcePage);
        if (Hooks.selectProject) Hooks.selectProject(*project);
        return;
    }
    if (item.unit >= static_cast<int>(project->UnitFiles.Count())) return;
    size_t unit = static_cast<size_t>(item.unit);
    std::vector<PageRef> pages = host.Pages();
    PageRef page = project->UnitFiles.Object(unit);
    if (!page || std::find(pages.begin(), pages.end(), page) == pages.end()) {
        const std::string& path = project->UnitFiles[unit];
        auto open = std::find_if(pages.begin(), pages.end(),
                                 [&](PageRef shown) { return EqualsNoCase(host.PageFile(shown), path); });
        page = open != pages.end() ? *open : host.OpenPage(path);
        project->UnitFiles.SetObject(unit, page);
    }
    host.ActivatePage(page);
}

}  // namespace tavrin
