#include "compiler/build_commands.h"

#include "compiler/compiler_command.h"
#include "common/paths.h"
#include "common/file_checks.h"
#include "common/prompts.h"
#include "common/text.h"

namespace tavrin {

std::string BuildCommands::BuildIncludeOptions() {
    std::string options = IncludeOptions(settings_.Directories(), settings_.Files());
    host_.AppendResultLine(options);
    return options;
}

CommandResult BuildCommands::ChooseCompiler() {
    std::string compiler = settings_.Compiler();
    if (FileExists(compiler)) {
        compiler_.CompilerPath = compiler;
        return CommandResult::Completed;
    }
    Prompts& prompts = UserPrompts();
    Answer answer =
        prompts.ConfirmYesNoCancel("The compiler missplace.\nDo you want to set it now?");
    if (answer == Answer::Cancel) return CommandResult::Aborted;
    if (answer != Answer::Yes) return CommandResult::Ended;
    FileBoxRequest request;
    request.filter = "Executable file (*.exe)|*.exe";
    FileBoxResult chosen = prompts.OpenFile(request);
    if (chosen.accepted && !chosen.files.empty()) {
        settings_.SetCompiler(chosen.files.front());
        compiler_.CompilerPath = chosen.files.front();
    }
    return CommandResult::Completed;
}

CommandResult BuildCommands::CompileCurrent() {
    host_.SetCompileRunEnabled(false);
    errors_.ClearErrors();
    std::string includeOptions = BuildIncludeOptions();
    std::string predefinedSwitches = settings_.PredefinedSwitches();
    // Nothing to compile: the command does nothing (and F9 does not run).
    if (!host_.CurrentDocumentIsCodePage()) return CommandResult::Aborted;

    if (!host_.PageSaved()) {
        std::string question = "The " + host_.PageFileName() + " page was modified.\nSave it?";
        Answer answer = UserPrompts().ConfirmYesNoCancel(question);
        if (answer == Answer::Cancel) return CommandResult::Aborted;
        if (answer == Answer::Yes) {
            if (FileExists(host_.PageFileName()))
                host_.SavePage();
            else
                host_.SavePageAs();
        }
    }

    std::string projectFile;
    compiler_.SetSourceFile(host_.ProjectSourceFile(projectFile) ? projectFile
                                                                 : host_.PageFileName());
    if (!FileExists(compiler_.SourceFile)) {
        UserPrompts().Information("Missing compilation file");
        return CommandResult::Aborted;
    }

    std::string pageFile = host_.PageFileName();
    std::string resourceScript =
        pageFile.empty() ? std::string() : ChangeFileExt(pageFile, ".rc");
    compiler_.SetResourceFile(FileExists(resourceScript) ? resourceScript : std::string());

    CommandResult compilerChoice = ChooseCompiler();
    if (compilerChoice != CommandResult::Completed) return compilerChoice;

    if (!predefinedSwitches.empty()) {
        compiler_.Switches = host_.SwitchWindowText() + " " + predefinedSwitches;
    } else {
        std::string entered;
        if (host_.AskSwitches("Compiler switch", entered))
            compiler_.Switches = includeOptions + " " + entered;
    }

    // A compiler that could not be started ends the command as well: running
    // the program of an earlier build after that would hide the failure.
    if (compiler_.Compile() != CompileOutcome::Compiled) return CommandResult::Aborted;
    compiler_.ComputeOutputName();
    if (EndsWithNoCase(compiler_.ExeFile, ".dll") && compiler_.OnTerminate)
        compiler_.OnTerminate();  // a library: nothing to run
    return CommandResult::Completed;
}

void BuildCommands::CompileAndRun() {
    if (CompileCurrent() == CommandResult::Aborted) return;
    compiler_.ComputeOutputName();
    try {
        compiler_.RunCurrent();
    } catch (...) {
        // Errors raised while running are ignored: the command goes on.
    }
    host_.UpdateToolbar();
}

}  // namespace tavrin
