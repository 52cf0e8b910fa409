// Texts the compiler driver builds: the include options, the compiler's
// command line, the name of the file a compilation produces, the error test
// of compiler output, and the external debugger's path and arguments.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavrin {

// For each directory " -i \"dir\"", then for each file " -include \"file\"",
// in order, concatenated.
std::string IncludeOptions(const std::vector<std::string>& directories,
                           const std::vector<std::string>& files);

struct CompileCommand {
    std::string compilerPath;
    std::string switches;
    std::string sourceFile;
    bool verbose = false;
    // Appended (quoted, after a blank) only when resourceExists is true.
    std::string resourceFile;
    bool resourceExists = false;
    // A target name; the driver's default command line has none.
    std::string target;
};

// "\"compiler\" switches \"source\"" or "\"compiler\" -v switches \"source\"",
// with " \"resource\"" appended when the resource script exists. With a target:
// "\"compiler\" -v -target T switches \"source\"" (verbose) or
// "\"compiler\" T switches \"source\"".
std::string CompileCommandLine(const CompileCommand& command);

// Plain, case-insensitive substring test for "error".
bool OutputHasErrors(std::string_view output);

// The file a compilation of sourceFile with these switches produces: ".dll"
// when the switches contain "-dll" (exact case), else ".lib" for "-lib",
// else ".exe".
std::string ExpectedOutputName(std::string_view sourceFile, std::string_view switches);

// "<applicationDirectory>\debug\32\Debugger.exe".
std::string DebuggerPath(std::string_view applicationDirectory);

// Attach form "/DebugProcess \"exe\"" while the program runs, otherwise
// " /StartDebugProcess /NewProcess.ProcessPath \"exe\"" (with its leading blank).
std::string DebuggerArguments(bool running, std::string_view exeFile);

// "[exe]: 12.34 Kb(s)", the size in bytes divided by 1024 with two decimals.
std::string OutputFileSizeText(std::string_view exeFile, unsigned long long sizeInBytes);

// The command line that starts a program file: the path itself, quoted when it
// holds a blank so that Windows cannot take a prefix of it for the program.
std::string ProgramCommandLine(std::string_view programPath);

}  // namespace tavrin
