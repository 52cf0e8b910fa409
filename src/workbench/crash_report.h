// The texts of a fatal error: the short report written beside the recovery
// copies (what failed, where: module and address, and the last command run)
// and the notice that tells the user where the copies and the report are;
// and the same for an unexpected error the workbench survives.
#pragma once

#include <cstdint>
#include <string>

namespace tavrin {

struct CrashFacts {
    bool fatal = true;         // false: the workbench goes on
    std::string program;       // name and version of the workbench
    std::string time;          // local time of the error
    // A system exception: its code and, for access violations, what was
    // done (0 read, 1 write, 8 execute) at which address.
    bool systemException = true;
    std::uint32_t code = 0;
    int accessKind = -1;  // -1: not an access violation (or not known)
    std::uintptr_t accessAddress = 0;
    std::uintptr_t address = 0;  // where it happened (0: not known)
    std::string module;          // the module holding address (empty: none)
    std::uintptr_t moduleBase = 0;
    // A C++ exception that no code handled: its type and text.
    std::string cppException;
    std::string lastCommand;  // empty: no command ran yet
    int pagesKept = 0;
    std::string recoveryFolder;
};

// "access violation", "stack overflow", ... for a system exception code;
// "exception 0x........" for others.
std::string ExceptionName(std::uint32_t code);
// The report, a few "Name: value" lines.
std::string CrashReportText(const CrashFacts& facts);
// The message box text: the copies' folder when pages were kept, and the
// report's path (empty: the report could not be written).
std::string CrashNoticeText(const CrashFacts& facts, const std::string& reportPath);
// What an unexpected error's box adds to the error's own text.
std::string UnexpectedErrorNoticeText(const CrashFacts& facts, const std::string& reportPath);

}  // namespace tavrin
