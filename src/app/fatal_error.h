// The handler of fatal errors: a system exception that no code handles (an
// access violation or a stack overflow, in the workbench or in a pack's
// window procedure), a C++ exception that escapes every handler (the window
// base's barrier catches those raised inside its window procedures), and an
// abort. It keeps the text of the unsaved pages, writes a short report
// beside them (what failed, module and address, the last command), tells the
// user where, and ends the process.
#pragma once

#include <functional>
#include <string>

namespace tavrin {

struct FatalErrorActions {
    // Writes the recovery copies of the unsaved pages now; returns how many
    // pages are kept. Runs on a thread of its own while the failing thread
    // waits, so that a broken stack does not stop it.
    std::function<int()> keepPages;
    // The folder of the copies.
    std::function<std::string()> recoveryFolder;
    // Writes the report beside the copies; its path, or empty.
    std::function<std::string(const std::string& text)> writeReport;
};

// Installs the handler for the whole process; call it first thing.
void InstallFatalErrorHandler();
// What the handler does with the workbench's pages; until this is called it
// only reports the error.
void SetFatalErrorActions(FatalErrorActions actions);
// Notes the command that runs now, for the report (cut at 200 characters).
void NoteCommand(const std::string& name);
// The command noted last (empty: none yet).
std::string LastCommand();
// "Tavrin2 <file version>" from the program's version resource.
std::string ProgramName();

}  // namespace tavrin
