// The list of every project of the run, the counter of new projects and the
// current project (kept where the workbench keeps its current project), with
// the closing of projects one by one and at shutdown.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "projects/project.h"

namespace tavrin {

class ProjectList {
public:
    // Makes the projects of the list (the workbench's own kind of project).
    using Factory = std::function<std::unique_ptr<TProject>(ProjectHost&)>;

    ProjectList(ProjectHost& host, TProject*& current, Factory factory = nullptr);
    ~ProjectList();

    // A new project, last in the list, and the current one.
    TProject& Create();
    // "Project%d" with the next value of the counter of new projects.
    std::string NextProjectName();

    size_t Count() const { return projects_.size(); }
    TProject& At(size_t index) const { return *projects_.at(index); }
    bool Contains(const TProject* project) const;
    TProject*& Current() { return current_; }
    ProjectHost& Host() { return host_; }

    // Asks to save a modified project (Cancel, or a cancelled save box,
    // raises CommandAborted and keeps it), frees its unit pages when asked,
    // then takes it out of the list, stops it being current and destroys it.
    void CloseProject(TProject& project, bool withUnitPages);
    // Shutdown: every project with its unit pages; false when the user cancelled.
    bool CloseAll();
    // A page is being destroyed: no project refers to it any longer.
    void PageDestroyed(PageRef page);

private:
    ProjectHost& host_;
    TProject*& current_;
    Factory factory_;
    std::vector<std::unique_ptr<TProject>> projects_;
    int counter_ = 0;
};

}  // namespace tavrin
