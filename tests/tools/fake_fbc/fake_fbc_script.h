// The behaviour script of the fake compiler and the reading of its command
// line. A script is a text file, one directive per line ('#' starts a comment):
//
//   stdout TEXT                      a line on standard output
//   stderr TEXT                      a line on standard error
//   error LINE NUMBER MESSAGE        "<source>(LINE) error NUMBER: MESSAGE", then
//                                    the source line and a caret line
//   warning LINE NUMBER LEVEL TEXT   "<source>(LINE) warning NUMBER(LEVEL): TEXT"
//   bulk BYTES                       that many bytes of filler lines on standard output
//   sleep MILLISECONDS               (silent meanwhile)
//   hang                             never ends (the output stays open)
//   endless                          filler lines, as fast as they can go, forever
//   child SCRIPT                     starts a copy of itself on the same source with
//                                    that script, writing to the same output
//   pid FILE                         appends this process's id and a line break to FILE
//   exit CODE                        exit code (default 0)
//   produce yes|no                   write the output file (default: when exit code is 0)
//
// In TEXT and MESSAGE, %SOURCE% stands for the source path as given and
// %NUL% for a NUL byte.
#pragma once

#include <string>
#include <vector>

namespace fake_fbc {

struct Directive {
    std::string name;
    std::string rest;  // everything after the name and one blank
};

std::vector<Directive> ParseScript(const std::string& text);

// Splits a Windows command line into arguments: blanks separate, double
// quotes group and are removed.
std::vector<std::string> SplitArguments(const std::string& commandLine);

struct Invocation {
    std::string source;   // first argument ending in ".bas"
    std::string output;   // the file the real compiler would write
    bool verbose = false;
    std::vector<std::string> includeDirs, includeFiles, resources;
};

// Reads the arguments after the program name as the real compiler would:
// "-x NAME" names the output; "-dll"/"-dylib" build NAME.dll; "-lib" builds
// libNAME.a beside the source; otherwise NAME.exe.
Invocation ReadInvocation(const std::vector<std::string>& arguments);

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to);
// The placeholders of TEXT and MESSAGE replaced.
std::string ExpandText(const std::string& text, const std::string& source);

}  // namespace fake_fbc
