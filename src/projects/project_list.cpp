#include "projects/project_list.h"

#include <algorithm>

#include "common/commands.h"
#include "projects/project_text.h"

namespace tavrin {

ProjectList::ProjectList(ProjectHost& host, TProject*& current, Factory factory)
    : host_(host), current_(current), factory_(std::move(factory)) {}

ProjectList::~ProjectList() {
    if (Contains(current_)) current_ = nullptr;
}

TProject& ProjectList::Create() {
    projects_.push_back(factory_ ? factory_(host_) : std::make_unique<TProject>(host_));
    current_ = projects_.back().get();
    return *projects_.back();
}

std::string ProjectList::NextProjectName() { return NumberedProjectName(++counter_); }

bool ProjectList::Contains(const TProject* project) const {
    return project && std::any_of(projects_.begin(), projects_.end(),
                                  [project](const auto& owned) { return owned.get() == project; });
}

void ProjectList::CloseProject(TProject& project, bool withUnitPages) {
    if (!project.AskToSave()) throw CommandAborted{};
    if (withUnitPages) project.CloseUnitPages();
    if (current_ == &project) current_ = nullptr;
    auto owned = std::find_if(projects_.begin(), projects_.end(),
                              [&project](const auto& p) { return p.get() == &project; });
    if (owned == projects_.end()) return;
    std::unique_ptr<TProject> closing = std::move(*owned);
    projects_.erase(owned);
}

bool ProjectList::CloseAll() {
    try {
        while (!projects_.empty()) CloseProject(*projects_.front(), true);
    } catch (const CommandAborted&) {
        return false;
    }
    return true;
}

void ProjectList::PageDestroyed(PageRef page) {
    for (const auto& project : projects_) project->PageDestroyed(page);
}

}  // namespace tavrin
