#include "workbench/projects_wiring.h"

#include <functional>
#include <memory>

#include "projects/project_list.h"
#include "projects/project_commands.h"
#include "projects/project_window.h"
#include "projects/units_window.h"
#include "workbench/code_page.h"
#include "workbench/code_window.h"
#include "workbench/document.h"
#include "workbench/file_commands.h"
#include "workbench/main_window.h"
#include "workbench/page_rules.h"
#include "workbench/project_pages.h"
#include "workbench/workbench.h"

namespace tavrin {

namespace {

// A project as the document that Save, Save As and Close act on.
class ProjectDocument : public TProject, public TDocument {
public:
    using TProject::TProject;
    ~ProjectDocument() override {
        if (App().CurrentDocument == this) App().CurrentDocument = nullptr;
    }
    DocumentKind Kind() const override { return DocumentKind::Project; }
    std::string DocumentFile() const override { return ProjectFile; }
};

// The windows that the workbench created at start; a test may run without them.
class NoTree : public ProjectTree {
public:
    std::unique_ptr<ProjectNode> AddProjectNode(TProject&) override { return nullptr; }
};

struct Projects {
    CodeWindowPages pages;
    NoTree noTree;
    TProjects* window = dynamic_cast<TProjects*>(App().FindWindowByName("Projects"));
    TUnits* units = dynamic_cast<TUnits*>(App().FindWindowByName("Units"));
    ProjectList list{pages, App().CurrentProject,
                     [](ProjectHost& host) { return std::make_unique<ProjectDocument>(host); }};
    ProjectCommands commands{list, window ? static_cast<ProjectTree&>(*window) : noTree, kOpenFilesFilter};
};

std::unique_ptr<Projects> projects;
ProjectsWiring wiring;

TProject* CurrentProjectDocument() {
    TDocument* document = App().CurrentDocument;
    if (!document || document->Kind() != DocumentKind::Project) return nullptr;
    return dynamic_cast<TProject*>(document);
}

void UpdateToolbar() {
    if (App().Main) App().Main->UpdateToolbar();
}

void RefreshUnits() {
    if (projects->units) projects->units->RefreshUnits();
}

// A File command on a project document; any other document goes on to the
// hook that was there before.
void OnProjectDocument(std::function<void()>& hook, std::function<void(TProject&)> onProject) {
    hook = [previous = hook, onProject] {
        if (TProject* project = CurrentProjectDocument()) onProject(*project);
        else if (previous) previous();
    };
}

}  // namespace

void WireProjects() {
    if (projects) return;
    projects = std::make_unique<Projects>();
    ProjectCommands& commands = projects->commands;
    if (projects->window) projects->window->SetCommands(&commands);
    if (projects->units) projects->units->SetHost(&projects->pages);
    commands.Hooks.selectProject = [](TProject& project) {
        App().CurrentDocument = dynamic_cast<TDocument*>(&project);
        UpdateToolbar();
    };
    commands.Hooks.compile = [] {
        if (App().Main && App().Main->Hooks.compile) App().Main->Hooks.compile();
    };
    commands.Hooks.refreshUnits = RefreshUnits;

    CodePageHooks& pageHooks = PageHooks();
    pageHooks.openProject = [](TCodePage& page, const std::string& path) -> void* {
        return &projects->commands.Open(CodeWindowPages::Ref(&page), path);
    };
    pageHooks.refreshUnits = RefreshUnits;
    OnProjectDocument(pageHooks.saveOther, [](TProject& project) { project.SaveProject(); });
    OnProjectDocument(pageHooks.saveAsOther, [](TProject& project) { project.SaveProjectAs(); });
    OnProjectDocument(pageHooks.closeOther,
                      [](TProject& project) { projects->list.CloseProject(project, false); });
    if (App().Code) {
        App().Code->OnPageFreeing = [](TPageSheet* sheet) {
            auto* page = dynamic_cast<TCodePage*>(sheet);
            if (!page) return;
            projects->list.PageDestroyed(CodeWindowPages::Ref(page));
            if (projects->units) projects->units->RemovePage(CodeWindowPages::Ref(page));
        };
    }
    if (App().Main) App().Main->Hooks.closeProjects = [] { return projects->list.CloseAll(); };

    wiring = {&projects->pages, &projects->list, &commands, projects->window, projects->units};
}

bool CompileCurrentProject(std::string& file) {
    TProject* project = App().CurrentProject;
    if (!projects || !projects->list.Contains(project)) return false;
    PageRef current = CodeWindowPages::Ref(dynamic_cast<TCodePage*>(App().ActiveCodePage));
    std::optional<std::string> source = project->PrepareCompile(current);
    if (!source) return false;
    file = *source;
    return true;
}

const ProjectsWiring& TheProjects() { return wiring; }

}  // namespace tavrin
