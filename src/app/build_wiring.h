// Connects the build-and-run loop to the running workbench: the compiler
// driver's notifications to the main window's caption, the code window's
// status bar and result window and the compile and reset buttons; the error
// list to the code pages; the main window's compile, run, reset, debugger and
// switch commands to the driver.
#pragma once

#include <functional>
#include <string>

namespace tavrin {

class TCompiler;
class TDebugger;
class BuildCommands;
class TSwitch;

// Creates the processes, the compiler driver and the error list, and wires
// them in. Runs once, after the windows were created.
void WireBuildLoop();

// The singletons WireBuildLoop created (for the close query, tests and the
// other commands that read the driver's state).
struct BuildLoop {
    TCompiler* compiler = nullptr;
    TDebugger* errors = nullptr;
    BuildCommands* commands = nullptr;
    TSwitch* switchWindow = nullptr;  // the modeless instance
};
const BuildLoop& TheBuildLoop();

// Set by the projects: while there is a current project, Compile asks it for
// the file to compile (it runs the project's own compile steps first);
// false means the page's file is compiled.
std::function<bool(std::string& file)>& ProjectCompileHook();

}  // namespace tavrin
