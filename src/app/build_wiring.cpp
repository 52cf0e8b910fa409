#include "app/build_wiring.h"

#include <windows.h>

#include <Scintilla.h>

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

#include "workbench/code_window.h"
#include "compiler/build_commands.h"
#include "compiler/compiler.h"
#include "compiler/error_list.h"
#include "compiler/switch_window.h"
#include "compiler/win32_processes.h"
#include "common/commands.h"
#include "workbench/code_page.h"
#include "ui/file_system.h"
#include "settings/launcher.h"
#include "workbench/main_window.h"
#include "workbench/workbench.h"

namespace tavrin {

namespace {

// The result window's mark beside a message line that marked a page.
constexpr int kResultMessageMarker = 1;
// How much of the output's end the status panel shows while compiling, and
// how often it changes: a status bar redraw per 255-byte chunk would cost far
// more than reading the output, and nobody reads faster than this.
constexpr size_t kStatusTailBytes = 255;
constexpr DWORD kStatusIntervalMs = 50;

// The error list's view of the code window's pages and editors.
class PageErrorMarks : public ErrorMarkTarget {
public:
    int PageCount() override { return App().Code->PageCount(); }
    PageHandle PageAt(int index) override { return App().Code->Page(index); }
    std::string PageFileName(PageHandle page) override { return Sheet(page)->FileName(); }
    void ActivatePage(PageHandle page) override {
        int index = IndexOf(page);
        if (index >= 0) App().Code->SetActivePage(index);
    }
    PageHandle OpenPage(const std::string& fileName) override {
        const MainHooks& hooks = App().Main->Hooks;
        return hooks.openPage ? hooks.openPage(fileName) : nullptr;
    }
    void SetCurrentDocument(PageHandle page) override {
        App().CurrentDocument = dynamic_cast<TDocument*>(Sheet(page));
    }
    bool MultipleFileInstances() override {
        return App().Launcher && App().Launcher->MultipleFileInstances;
    }
    void AddErrorMark(PageHandle page, const ErrorMark& mark) override {
        TCodePage* codePage = CodePage(page);
        if (!codePage) return;
        auto error = std::make_unique<TError>();
        error->SetKind(static_cast<std::uint8_t>(mark.kind));
        error->Line = static_cast<int>(mark.line);
        error->Background = mark.background;
        error->Foreground = mark.foreground;
        codePage->Editor().Edit().AddError(std::move(error));
    }
    void AddEditorGutterMark(PageHandle page, long long line) override {
        if (TCodePage* codePage = CodePage(page))
            codePage->Editor().Edit().AddGutterMark(static_cast<int>(line - 1));
    }
    void AddResultGutterMark(int resultLine) override {
        App().Code->Results().Call(SCI_MARKERADD, static_cast<WPARAM>(resultLine),
                                   kResultMessageMarker);
    }
    void ClearActivePageMarks() override {
        if (TPageSheet* page = App().ActiveCodePage) page->DeleteErrors();
    }
    void JumpToLine(PageHandle page, long long line) override {
        Sheet(page)->ShowLine(static_cast<int>(line));
        ActivatePage(page);
    }
    bool FileExists(const std::string& path) override { return tavrin::FileExists(path); }

private:
    static TPageSheet* Sheet(PageHandle page) { return static_cast<TPageSheet*>(page); }
    static TCodePage* CodePage(PageHandle page) { return dynamic_cast<TCodePage*>(Sheet(page)); }
    static int IndexOf(PageHandle page) {
        TCode* code = App().Code;
        for (int i = 0; i < code->PageCount(); ++i)
            if (code->Page(i) == page) return i;
        return -1;
    }
};

// The settings the build commands read.
class LauncherBuildSettings : public BuildSettings {
public:
    std::string Compiler() override { return App().Launcher->Compiler; }
    void SetCompiler(const std::string& path) override { App().Launcher->Compiler = path; }
    std::vector<std::string> Directories() override { return App().Launcher->Directories.Texts(); }
    std::vector<std::string> Files() override { return App().Launcher->Files.Texts(); }
    std::string PredefinedSwitches() override { return App().Launcher->PredefinedSwitches; }
};

TSwitch* SwitchWindow() { return dynamic_cast<TSwitch*>(App().FindWindowByName("Switch")); }

// The main window's side of the build commands; the page is CurrentDocument.
class MainCompileHost : public CompileHost {
public:
    void SetCompileRunEnabled(bool enabled) override {
        App().Main->SetToolButtonEnabled(cmdCompileAndRun, enabled);
    }
    void AppendResultLine(const std::string& line) override { App().Code->Results().AppendLine(line); }
    bool CurrentDocumentIsCodePage() override {
        return App().CurrentDocument && App().CurrentDocument->Kind() == DocumentKind::CodePage;
    }
    std::string PageFileName() override { return App().CurrentDocument->DocumentFile(); }
    bool PageSaved() override {
        TCodePage* page = dynamic_cast<TCodePage*>(App().CurrentDocument);
        return !page || page->Saved();
    }
    void SavePage() override {
        if (TCodePage* page = dynamic_cast<TCodePage*>(App().CurrentDocument)) page->Save();
    }
    void SavePageAs() override {
        if (TCodePage* page = dynamic_cast<TCodePage*>(App().CurrentDocument)) page->SaveAs();
    }
    bool ProjectSourceFile(std::string& file) override {
        const auto& hook = ProjectCompileHook();
        return App().CurrentProject && hook && hook(file);
    }
    std::string SwitchWindowText() override {
        TSwitch* window = SwitchWindow();
        return window ? window->MemoText() : std::string();
    }
    bool AskSwitches(const std::string& caption, std::string& text) override {
        return tavrin::AskSwitches(App().Launcher->PredefinedSwitches, caption, text,
                                   App().Main->Handle());
    }
    void UpdateToolbar() override { App().Main->UpdateToolbar(); }
};

struct Singletons {
    Win32Processes processes;
    PageErrorMarks pages;
    LauncherBuildSettings settings;
    MainCompileHost host;
    TCompiler compiler{processes};
    TDebugger errors{pages};
    BuildCommands commands{compiler, errors, settings, host};
    DWORD compileStart = 0;
    DWORD lastStatusTick = 0;
};

std::unique_ptr<Singletons> singletons;
BuildLoop loop;

std::string Bracketed(const char* prefix, const std::string& text) {
    return std::string(prefix) + " [" + text + "]";
}

// Reset ends the running program and the compiler while it runs.
bool ResetPossible() {
    return singletons->compiler.Running || singletons->compiler.CompilerActive();
}

// tbCompileRun while nothing runs, tbReset while the program or the compiler runs.
void SetRunButtons() {
    App().Main->SetToolButtonEnabled(cmdCompileAndRun, !singletons->compiler.Running);
    App().Main->SetToolButtonEnabled(cmdResetProgram, ResetPossible());
}

// The last line of the output read so far, for the status panel; a status
// bar ends its text at a NUL byte, so NUL bytes show as blanks there.
std::string LastOutputLine(std::string_view tail) {
    while (!tail.empty() && (tail.back() == '\r' || tail.back() == '\n')) tail.remove_suffix(1);
    size_t lineStart = tail.find_last_of("\r\n");
    if (lineStart != std::string_view::npos) tail.remove_prefix(lineStart + 1);
    std::string line(tail);
    for (char& c : line)
        if (c == '\0') c = ' ';
    return line;
}

void ShowLastOutputLine() {
    App().Code->SetStatusText(2, LastOutputLine(singletons->compiler.Output.Tail(kStatusTailBytes)));
    singletons->lastStatusTick = GetTickCount();
}

// The result window's view of compiler messages: a gutter click jumps to the
// line the message names, through the error list.
constexpr const char* kCompilerMessagesView = "compiler messages";

// The result window keeps the output's bytes as they are: it shows a NUL
// byte as its "NUL" mark.
void ShowOutputInResults() {
    App().Code->ResultViews().Activate(TCode::kResultLinesView);
    App().Code->Results().SetLines(singletons->compiler.Output.Lines());
}

void ConnectNotifications() {
    TCompiler& compiler = singletons->compiler;
    TMain& main = *App().Main;
    compiler.OnBeginCompile = [&main] {
        singletons->compileStart = GetTickCount();
        singletons->lastStatusTick = 0;
        main.SetCaption(Bracketed("Orvale Compiling", singletons->compiler.SourceFile));
        SetRunButtons();
    };
    // The driver has let pending messages run just before; the panel shows
    // the newest line rather than the whole text, so the work per chunk stays
    // independent of how much output came before.
    compiler.OnOutput = [](std::string_view) {
        if (GetTickCount() - singletons->lastStatusTick >= kStatusIntervalMs) ShowLastOutputLine();
    };
    compiler.OnEndCompile = [&main] {
        DWORD elapsed = GetTickCount() - singletons->compileStart;
        char status[64];
        std::snprintf(status, sizeof status, "Compilation Time: %.2f seconds", elapsed / 1000.0);
        App().Code->SetStatusText(2, status);
        main.SetCaption(Bracketed("Orvale Compiled", singletons->compiler.SourceFile));
        ShowOutputInResults();
        main.SetToolButtonEnabled(cmdCompileAndRun, false);
        main.SetToolButtonEnabled(cmdResetProgram, ResetPossible());
    };
    compiler.OnError = [&main] {
        TCompiler& driver = singletons->compiler;
        main.SetCaption(Bracketed("Orvale File in Error", driver.SourceFile));
        if (!FileExists(driver.SourceFile)) {
            main.SetCaption("Orvale File in Error [missing compilation file]");
            return;
        }
        ShowLastOutputLine();
        ShowOutputInResults();
        SetRunButtons();
        App().Code->ResultViews().Activate(kCompilerMessagesView);
        // The result window shows these very lines, one for one, so the
        // marks beside them fall on the right lines.
        singletons->errors.Lines = driver.Output.Lines();
        singletons->errors.ParseOutput();
    };
    compiler.OnRun = [&main] {
        main.SetCaption(Bracketed("Orvale Run", singletons->compiler.ExeFile));
        SetRunButtons();
    };
    compiler.OnTerminate = [&main] {
        main.SetCaption(Bracketed("Orvale Terminated", singletons->compiler.SourceFile));
        ShowOutputInResults();
        SetRunButtons();
    };
    singletons->errors.OnClear = [] {
        App().Code->SetStatusText(2, "");
        App().Code->ClearErrorMarks();
    };
}

void ConnectCommands() {
    MainHooks& hooks = App().Main->Hooks;
    // A compile command arriving while the output of a compilation is read
    // (messages run meanwhile) does nothing: it would ask for switches and
    // then find the driver busy.
    hooks.compile = [] {
        if (!singletons->compiler.Compiling()) singletons->commands.CompileCurrent();
    };
    hooks.run = [] { singletons->compiler.RunCurrent(); };
    hooks.compileAndRun = [] {
        // Disabled while the program runs: the F9 key obeys that as the button does.
        if (singletons->compiler.Running || singletons->compiler.Compiling()) return;
        singletons->commands.CompileAndRun();
    };
    hooks.runWithDebugger = [] { singletons->compiler.RunWithDebugger(App().ApplicationDirectory); };
    hooks.resetProgram = [] { singletons->compiler.ResetProgram(); };
    hooks.compiling = [] { return singletons->compiler.CompilerActive(); };
    hooks.stopCompilation = [] { singletons->compiler.StopCompilation(); };
    hooks.compilerSwitch = [] {
        if (TSwitch* window = SwitchWindow()) window->Show();
    };
    hooks.exeFile = [] { return singletons->compiler.ExeFile; };
    hooks.running = [] { return singletons->compiler.Running; };
    hooks.killRunning = [] { singletons->compiler.KillRunning(); };
}

}  // namespace

void WireBuildLoop() {
    if (singletons) return;
    singletons = std::make_unique<Singletons>();
    singletons->processes.SetOwnerWindow(App().Main->Handle());
    // The result window's mark beside message lines, shown in its gutter.
    ScintillaView& results = App().Code->Results();
    results.Call(SCI_MARKERDEFINE, kResultMessageMarker, SC_MARK_ARROW);
    results.Call(SCI_MARKERSETFORE, kResultMessageMarker, RGB(128, 0, 0));
    results.Call(SCI_MARKERSETBACK, kResultMessageMarker, RGB(255, 0, 0));
    results.Call(SCI_SETMARGINMASKN, 0,
                 results.Call(SCI_GETMARGINMASKN, 0) | (1 << kResultMessageMarker));
    App().Code->ResultViews().Register(kCompilerMessagesView, [](int line) {
        singletons->errors.JumpToMessage(App().Code->Results().Line(line));
    });
    ConnectNotifications();
    ConnectCommands();
    loop.compiler = &singletons->compiler;
    loop.errors = &singletons->errors;
    loop.commands = &singletons->commands;
    loop.switchWindow = SwitchWindow();
}

const BuildLoop& TheBuildLoop() { return loop; }

std::function<bool(std::string& file)>& ProjectCompileHook() {
    static std::function<bool(std::string&)> hook;
    return hook;
}

}  // namespace tavrin
