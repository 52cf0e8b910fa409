// Command dispatch: every user command runs through RunCommand. A Cancel
// answer that ends the whole command throws CommandAborted, which is caught
// here silently; any other error is shown in an error box and the workbench
// goes on.
#pragma once

#include <functional>
#include <stdexcept>
#include <string>

namespace tavrin {

// Ends the running command silently, keeping what was done so far.
struct CommandAborted {};

// An error raised inside a command; its text is shown to the user.
class CommandError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Runs a command; returns false when it was aborted or failed.
bool RunCommand(const std::function<void()>& command);

// Reports the exception being handled as RunCommand does: a CommandAborted
// silently, any other error in an error box. Call it only inside a catch
// block; it never throws.
void ReportCurrentError() noexcept;

// Told of every error reported above that is neither a CommandError nor a
// Cancel: a fault of the workbench's own code (an index out of range, memory
// exhausted, an exception of no known type), with the error's text. What it
// returns is added to the error box's text. It must not throw; none is set
// by default.
using UnexpectedErrorObserver = std::function<std::string(const std::string& what)>;
void SetUnexpectedErrorObserver(UnexpectedErrorObserver observer);

}  // namespace tavrin
