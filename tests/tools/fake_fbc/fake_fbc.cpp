// fake_fbc.exe: behaves like the FreeBASIC compiler as far as the workbench
// can see. It records the command line it received, writes the output its
// script asks for (see fake_fbc_script.h) and "builds" the program by copying
// fake_program.exe from its own folder to the output name.
//
// Environment:
//   FAKE_FBC_RECORD  file that receives the command line (default: fake_fbc.record.txt
//                    beside the program)
//   FAKE_FBC_SCRIPT  script file (default: fake_fbc.script beside the program, if any)
#include "fake_fbc_script.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace {

std::string OwnFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    size_t slash = folder.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : folder.substr(0, slash + 1);
}

std::string Environment(const char* name) {
    char value[4096] = {};
    DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
    return length > 0 && length < sizeof value ? std::string(value, length) : std::string();
}

bool ReadFile(const std::string& path, std::string& content) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream text;
    text << in.rdbuf();
    content = text.str();
    return true;
}

// Writes through a temporary file that then replaces the target.
void WriteFileReplacing(const std::string& path, const std::string& content) {
    std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << content;
    }
    MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
}

void Write(FILE* stream, const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stream);
    std::fwrite("\r\n", 1, 2, stream);
}

std::string SourceLine(const std::string& source, long number) {
    std::ifstream in(source, std::ios::binary);
    std::string line;
    for (long i = 1; std::getline(in, line); ++i) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (i == number) return line;
    }
    return std::string();
}

// Filler lines as fast as the pipe takes them, until writing fails.
void WriteEndlessly() {
    for (unsigned long long counter = 0;; ++counter) {
        std::string line = std::to_string(counter) + " endless output of a runaway compiler\r\n";
        if (std::fwrite(line.data(), 1, line.size(), stdout) != line.size()) return;
    }
}

// Starts a copy of this program on the same source with its own script; it
// writes to the same output and is not waited for.
void StartChild(const std::string& script, const std::string& source) {
    std::fflush(stdout);
    std::fflush(stderr);
    SetEnvironmentVariableA("FAKE_FBC_SCRIPT", script.c_str());
    SetEnvironmentVariableA("FAKE_FBC_RECORD", (script + ".record").c_str());
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string commandLine = "\"" + std::string(self) + "\" \"" + source + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION info{};
    if (CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                       nullptr, nullptr, &startup, &info)) {
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
    }
}

void WriteBulk(unsigned long long bytes) {
    static const std::string filler =
        "compiling: module part with a long line of harmless progress text .....";
    unsigned long long written = 0, counter = 0;
    while (written < bytes) {
        std::string line = std::to_string(counter++) + " " + filler + "\r\n";
        // The last line is cut to fit but still ends with a line break.
        unsigned long long left = bytes - written;
        if (line.size() > left)
            line = left >= 2 ? line.substr(0, left - 2) + "\r\n" : std::string(left, '\n');
        std::fwrite(line.data(), 1, line.size(), stdout);
        written += line.size();
    }
}

}  // namespace

int main() {
    // Line ends are written as given: no CR LF translation on the way out.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    std::string commandLine = GetCommandLineA();
    std::string folder = OwnFolder();

    std::string record = Environment("FAKE_FBC_RECORD");
    if (record.empty()) record = folder + "fake_fbc.record.txt";
    WriteFileReplacing(record, commandLine);

    fake_fbc::Invocation invocation =
        fake_fbc::ReadInvocation(fake_fbc::SplitArguments(commandLine));

    if (invocation.verbose) {
        Write(stdout, "FreeBASIC Compiler - Version 1.10.1 (fake) for win32 (32bit)");
        Write(stdout, "target:       win32, 486, 32bit");
        Write(stdout, "compiling:    " + invocation.source + " (main module)");
    }
    if (invocation.source.empty()) {
        Write(stdout, "error 80: No input files given");
        return 1;
    }
    if (GetFileAttributesA(invocation.source.c_str()) == INVALID_FILE_ATTRIBUTES) {
        Write(stdout, "error: File not found, \"" + invocation.source + "\"");
        return 1;
    }

    std::string scriptPath = Environment("FAKE_FBC_SCRIPT");
    if (scriptPath.empty()) scriptPath = folder + "fake_fbc.script";
    std::string scriptText;
    ReadFile(scriptPath, scriptText);

    int exitCode = 0;
    int produce = -1;  // -1: when the exit code is 0
    for (const fake_fbc::Directive& directive : fake_fbc::ParseScript(scriptText)) {
        std::string text = fake_fbc::ExpandText(directive.rest, invocation.source);
        std::istringstream fields(directive.rest);
        if (directive.name == "stdout") {
            Write(stdout, text);
        } else if (directive.name == "stderr") {
            std::fflush(stdout);
            Write(stderr, text);
            std::fflush(stderr);
        } else if (directive.name == "error") {
            long line = 0, number = 0;
            fields >> line >> number;
            std::string message;
            std::getline(fields >> std::ws, message);
            message = fake_fbc::ExpandText(message, invocation.source);
            Write(stdout, invocation.source + "(" + std::to_string(line) + ") error " +
                              std::to_string(number) + ": " + message);
            std::string code = SourceLine(invocation.source, line);
            size_t firstVisible = code.find_first_not_of(" \t");
            Write(stdout, "");
            Write(stdout, "    " + code);
            Write(stdout, "    " + std::string(firstVisible == std::string::npos ? 0
                                                                               : firstVisible,
                                                ' ') + "^");
        } else if (directive.name == "warning") {
            long line = 0, number = 0, level = 0;
            fields >> line >> number >> level;
            std::string message;
            std::getline(fields >> std::ws, message);
            Write(stdout, invocation.source + "(" + std::to_string(line) + ") warning " +
                              std::to_string(number) + "(" + std::to_string(level) + "): " +
                              message);
        } else if (directive.name == "bulk") {
            unsigned long long bytes = 0;
            fields >> bytes;
            WriteBulk(bytes);
        } else if (directive.name == "sleep") {
            unsigned long milliseconds = 0;
            fields >> milliseconds;
            std::fflush(stdout);
            Sleep(milliseconds);
        } else if (directive.name == "hang") {
            std::fflush(stdout);
            std::fflush(stderr);
            Sleep(INFINITE);
        } else if (directive.name == "endless") {
            WriteEndlessly();
            return 1;
        } else if (directive.name == "child") {
            StartChild(directive.rest, invocation.source);
        } else if (directive.name == "pid") {
            std::ofstream(directive.rest, std::ios::binary | std::ios::app)
                << GetCurrentProcessId() << "\r\n";
        } else if (directive.name == "exit") {
            fields >> exitCode;
        } else if (directive.name == "produce") {
            produce = directive.rest == "yes" ? 1 : 0;
        }
    }
    std::fflush(stdout);

    if (produce == 1 || (produce == -1 && exitCode == 0)) {
        std::string program = folder + "fake_program.exe";
        if (!CopyFileA(program.c_str(), invocation.output.c_str(), FALSE)) {
            Write(stdout, "ld.exe: cannot open output file " + invocation.output +
                              ": Permission denied");
            Write(stdout, "linking failed: 'ld.exe' terminated with exit code 1");
            return 1;
        }
    }
    return exitCode;
}
