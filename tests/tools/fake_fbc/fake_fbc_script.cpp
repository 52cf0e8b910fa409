#include "fake_fbc_script.h"

#include <set>

namespace fake_fbc {

std::vector<Directive> ParseScript(const std::string& text) {
    std::vector<Directive> directives;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        std::string line = text.substr(start, end == std::string::npos ? std::string::npos
                                                                      : end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty() && line[0] != '#') {
            size_t blank = line.find(' ');
            Directive directive;
            directive.name = line.substr(0, blank);
            if (blank != std::string::npos) directive.rest = line.substr(blank + 1);
            directives.push_back(directive);
        }
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return directives;
}

std::vector<std::string> SplitArguments(const std::string& commandLine) {
    std::vector<std::string> arguments;
    std::string current;
    bool quoted = false, inArgument = false;
    for (char c : commandLine) {
        if (c == '"') {
            quoted = !quoted;
            inArgument = true;
        } else if ((c == ' ' || c == '\t') && !quoted) {
            if (inArgument) arguments.push_back(current);
            current.clear();
            inArgument = false;
        } else {
            current += c;
            inArgument = true;
        }
    }
    if (inArgument) arguments.push_back(current);
    return arguments;
}

namespace {
bool EndsWithNoCase(const std::string& text, const std::string& suffix) {
    if (text.size() < suffix.size()) return false;
    for (size_t i = 0; i < suffix.size(); ++i) {
        char a = text[text.size() - suffix.size() + i], b = suffix[i];
        if (a >= 'A' && a <= 'Z') a = static_cast<char>(a - 'A' + 'a');
        if (a != b) return false;
    }
    return true;
}
}  // namespace

Invocation ReadInvocation(const std::vector<std::string>& arguments) {
    // Options of the real compiler that take the next argument as their value.
    static const std::set<std::string> withValue = {
        "-i", "-include", "-x", "-s", "-O", "-target", "-l", "-p", "-m", "-gen",
        "-lang", "-d", "-a", "-b", "-map", "-Wa", "-Wc", "-Wl", "-o", "-t", "-arch"};
    Invocation invocation;
    std::string explicitOutput;
    enum class Kind { Program, Library, StaticLibrary } kind = Kind::Program;
    for (size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (!argument.empty() && argument[0] == '-') {
            std::string value = (withValue.count(argument) && i + 1 < arguments.size())
                                    ? arguments[++i]
                                    : std::string();
            if (argument == "-v") invocation.verbose = true;
            else if (argument == "-dll" || argument == "-dylib") kind = Kind::Library;
            else if (argument == "-lib") kind = Kind::StaticLibrary;
            else if (argument == "-x") explicitOutput = value;
            else if (argument == "-i") invocation.includeDirs.push_back(value);
            else if (argument == "-include") invocation.includeFiles.push_back(value);
        } else if (EndsWithNoCase(argument, ".bas")) {
            if (invocation.source.empty()) invocation.source = argument;
        } else if (EndsWithNoCase(argument, ".rc") || EndsWithNoCase(argument, ".res")) {
            invocation.resources.push_back(argument);
        }
    }
    if (!explicitOutput.empty()) {
        invocation.output = explicitOutput;
    } else if (!invocation.source.empty()) {
        size_t slash = invocation.source.find_last_of("\\/");
        size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
        std::string stem = invocation.source.substr(0, invocation.source.size() - 4);
        if (kind == Kind::StaticLibrary)
            invocation.output = stem.substr(0, nameStart) + "lib" + stem.substr(nameStart) + ".a";
        else
            invocation.output = stem + (kind == Kind::Library ? ".dll" : ".exe");
    }
    return invocation;
}

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

std::string ExpandText(const std::string& text, const std::string& source) {
    return ReplaceAll(ReplaceAll(text, "%SOURCE%", source), "%NUL%", std::string(1, '\0'));
}

}  // namespace fake_fbc
