// The projects in the running workbench: the list of projects over the code
// window's pages, the project window and the units window, the File
// commands on a project, the close query's step that closes every project,
// and the compilation of the current project.
#pragma once

#include <string>

namespace tavrin {

class ProjectList;
class ProjectCommands;
class CodeWindowPages;
class TProjects;
class TUnits;

// Runs once, after the windows were created and the code pages wired.
void WireProjects();

// The compile hook: while there is a current project, runs its compile
// steps and gives the file to compile; false compiles the page alone.
bool CompileCurrentProject(std::string& file);

// What WireProjects made (for the tests).
struct ProjectsWiring {
    CodeWindowPages* pages = nullptr;
    ProjectList* list = nullptr;
    ProjectCommands* commands = nullptr;
    TProjects* window = nullptr;
    TUnits* units = nullptr;
};
const ProjectsWiring& TheProjects();

}  // namespace tavrin
