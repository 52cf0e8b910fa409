#include "app/safety_net.h"

#include <windows.h>

#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "app/fatal_error.h"
#include "common/commands.h"
#include "common/file_search.h"
#include "workbench/code_page.h"
#include "workbench/code_window.h"
#include "workbench/crash_report.h"
#include "workbench/main_window.h"
#include "workbench/recovery_autosave.h"
#include "workbench/recovery_store.h"
#include "workbench/recovery_window.h"
#include "workbench/workbench.h"

namespace tavrin {

namespace {

std::unique_ptr<RecoverySession> session;
std::unique_ptr<Autosaver> autosaver;
std::string recoveryRoot;

int unexpectedErrors = 0;

// An error the workbench survives: the pages are kept at once (the fault may
// have left the workbench in a bad state) and a report is written beside them.
std::string KeepPagesAfterUnexpectedError(const std::string& what) {
    if (!autosaver || !session) return {};
    CrashFacts facts;
    facts.fatal = false;
    facts.systemException = false;
    facts.program = ProgramName();
    facts.time = LocalTimeText(std::time(nullptr));
    facts.cppException = what;
    facts.lastCommand = LastCommand();
    facts.pagesKept = autosaver->KeepNow();
    facts.recoveryFolder = session->Folder();
    std::string name = "error-report-" + std::to_string(++unexpectedErrors) + ".txt";
    std::string report = session->WriteReport(CrashReportText(facts), name);
    return UnexpectedErrorNoticeText(facts, report);
}

std::vector<TCodePage*> OpenCodePages() {
    std::vector<TCodePage*> pages;
    if (TCode* code = App().Code)
        for (int i = 0; i < code->PageCount(); ++i)
            if (auto* page = dynamic_cast<TCodePage*>(code->Page(i))) pages.push_back(page);
    return pages;
}

// The menu entry's text ("Save As..."), or the name of a toolbar-only command.
std::string CommandLabel(int id) {
    if (id >= cmdMRUFirst) return "Open recent file";
    switch (id) {
    case cmdOpenToolbar: return "Open (toolbar)";
    case cmdNewDialog: return "New Dialog (toolbar)";
    case cmdNewCode: return "New Code (toolbar)";
    }
    char text[128] = {};
    if (App().Main && GetMenuStringA(App().Main->MenuBar(), static_cast<UINT>(id), text, sizeof text, MF_BYCOMMAND)) {
        std::string label;
        for (const char* c = text; *c && *c != '\t'; ++c)
            if (*c != '&') label += *c;
        return label;
    }
    return "command " + std::to_string(id);
}

}  // namespace

void StartSafetyNet() {
    Workbench& app = App();
    const std::string& base = app.UserDataDirectory.empty() ? app.SettingsDirectory : app.UserDataDirectory;
    recoveryRoot = JoinPath(base, "Recovery");
    session = std::make_unique<RecoverySession>(recoveryRoot, SessionName(std::time(nullptr), GetCurrentProcessId()));
    autosaver = std::make_unique<Autosaver>(*session, OpenCodePages);
    autosaver->Start();

    FatalErrorActions actions;
    actions.keepPages = [] { return autosaver->WriteNow(); };
    actions.recoveryFolder = [] { return session->Folder(); };
    actions.writeReport = [](const std::string& text) { return session->WriteReport(text); };
    SetFatalErrorActions(std::move(actions));
    SetUnexpectedErrorObserver(KeepPagesAfterUnexpectedError);

    TMain& main = *app.Main;
    main.BeforeCommand = [](int id) { NoteCommand(CommandLabel(id)); };
    main.BeforeExit = [] { autosaver->Finish(); };
    main.OnFirstShow = [firstShow = main.OnFirstShow] {
        if (firstShow) RunCommand(firstShow);
        OfferRecoveredPages(recoveryRoot, App().Main->Handle());
    };
}

}  // namespace tavrin
