#include "compiler/compiler_command.h"

#include "common/paths.h"
#include "common/text.h"

#include <cstdio>

namespace tavrin {

std::string IncludeOptions(const std::vector<std::string>& directories,
                           const std::vector<std::string>& files) {
    std::string options;
    for (const std::string& directory : directories) options += " -i \"" + directory + "\"";
    for (const std::string& file : files) options += " -include \"" + file + "\"";
    return options;
}

std::string CompileCommandLine(const CompileCommand& command) {
    std::string line = "\"" + command.compilerPath + "\" ";
    if (command.target.empty()) {
        if (command.verbose) line += "-v ";
    } else {
        line += command.verbose ? "-v -target " + command.target + " " : command.target + " ";
    }
    line += command.switches + " \"" + command.sourceFile + "\"";
    if (command.resourceExists) line += " \"" + command.resourceFile + "\"";
    return line;
}

bool OutputHasErrors(std::string_view output) {
    return ToLower(output).find("error") != std::string::npos;
}

std::string ExpectedOutputName(std::string_view sourceFile, std::string_view switches) {
    if (switches.find("-dll") != std::string_view::npos)
        return ChangeFileExt(sourceFile, ".dll");
    if (switches.find("-lib") != std::string_view::npos)
        return ChangeFileExt(sourceFile, ".lib");
    return ChangeFileExt(sourceFile, ".exe");
}

std::string DebuggerPath(std::string_view applicationDirectory) {
    return std::string(applicationDirectory) + "\\debug\\32\\Debugger.exe";
}

std::string DebuggerArguments(bool running, std::string_view exeFile) {
    if (running) return "/DebugProcess \"" + std::string(exeFile) + "\"";
    return " /StartDebugProcess /NewProcess.ProcessPath \"" + std::string(exeFile) + "\"";
}

std::string OutputFileSizeText(std::string_view exeFile, unsigned long long sizeInBytes) {
    char size[64];
    std::snprintf(size, sizeof size, "%.2f", static_cast<double>(sizeInBytes) / 1024.0);
    return "[" + std::string(exeFile) + "]: " + size + " Kb(s)";
}

std::string ProgramCommandLine(std::string_view programPath) {
    if (programPath.find(' ') == std::string_view::npos) return std::string(programPath);
    return "\"" + std::string(programPath) + "\"";
}

}  // namespace tavrin
