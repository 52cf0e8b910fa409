// The main window's build commands: Compile (F5) and Compile and Run (F9).
// What they need of the settings, the current page and the switch window comes
// through the two small interfaces below, which the main window implements.
#pragma once

#include "compiler/compiler.h"
#include "compiler/error_list.h"

#include <string>
#include <vector>

namespace tavrin {

// The settings the build commands read (and the compiler path they may set).
class BuildSettings {
public:
    virtual ~BuildSettings() = default;
    virtual std::string Compiler() = 0;
    virtual void SetCompiler(const std::string& path) = 0;
    virtual std::vector<std::string> Directories() = 0;
    virtual std::vector<std::string> Files() = 0;
    virtual std::string PredefinedSwitches() = 0;
};

// The main window's side of the build commands.
class CompileHost {
public:
    virtual ~CompileHost() = default;
    virtual void SetCompileRunEnabled(bool enabled) = 0;  // tbCompileRun
    virtual void AppendResultLine(const std::string& line) = 0;
    // CurrentDocument is a code page; the page calls below refer to it.
    virtual bool CurrentDocumentIsCodePage() = 0;
    // The page's file path, empty for a page without file.
    virtual std::string PageFileName() = 0;
    virtual bool PageSaved() = 0;
    virtual void SavePage() = 0;    // the page's Save
    virtual void SavePageAs() = 0;  // the page's SaveAs
    // When a current project compiles (it has a source page), runs the
    // project's compile steps and gives the file to compile.
    virtual bool ProjectSourceFile(std::string& file) = 0;
    // The text of the modeless switch window's editor.
    virtual std::string SwitchWindowText() = 0;
    // The modal switch question; true when closed with OK, text := its editor.
    virtual bool AskSwitches(const std::string& caption, std::string& text) = 0;
    virtual void UpdateToolbar() = 0;
};

enum class CommandResult {
    Completed,  // ran to its end
    Ended,      // ended early on the user's answer, as a normal end
    Aborted,    // aborted silently
};

class BuildCommands {
public:
    BuildCommands(TCompiler& compiler, TDebugger& errors, BuildSettings& settings,
                  CompileHost& host)
        : compiler_(compiler), errors_(errors), settings_(settings), host_(host) {}

    // Builds the include options from the settings and appends them to the
    // result window as a line.
    std::string BuildIncludeOptions();
    CommandResult CompileCurrent();
    void CompileAndRun();

private:
    // Takes the compiler path from the settings or asks for it.
    CommandResult ChooseCompiler();

    TCompiler& compiler_;
    TDebugger& errors_;
    BuildSettings& settings_;
    CompileHost& host_;
};

}  // namespace tavrin
