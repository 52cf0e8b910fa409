#include "search/find_in_files_window.h"

#include "common/commands.h"
#include "common/file_search.h"
#include "common/prompts.h"
#include "search/text_matcher.h"
#include "ui/component_names.h"
#include "ui/window_hooks.h"

namespace tavrin {

namespace {

// How often the search lets window messages run, and how often it puts new
// lines up and names the folder: each showing costs a repaint, and nobody
// reads faster than this.
constexpr DWORD kPumpIntervalMs = 50;
constexpr DWORD kShowIntervalMs = 100;

std::string SummaryText(const FindInFilesSummary& summary) {
    std::string text = std::to_string(summary.occurrences) + " found in " + std::to_string(summary.files) + " files";
    return summary.stopped ? "Stopped: " + text : text;
}

}  // namespace

TFindInFilesDialog::TFindInFilesDialog(SearchWorkspace& workspace)
    : FormWindow("TFindInFilesDialog", "FindInFilesDialog", "Find In Files..."), workspace_(workspace) {}

void TFindInFilesDialog::OnCreate() {
    const DWORD box = WS_TABSTOP | BS_AUTOCHECKBOX;
    NameComponent(AddLabel("Text to Find:", 10, 12, 80, 18), "lblText");
    NameComponent(AddControl("COMBOBOX", "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, 94, 8, 336,
                             200, idText),
                  "cbxText");
    NameComponent(AddControl("BUTTON", "Where Search", BS_GROUPBOX, 8, 38, 204, 88), "gbWhere");
    NameComponent(AddControl("BUTTON", "All lOpened Files", WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON, 18, 56, 186,
                             20, idOpenedFiles),
                  "rbOpenedFiles");
    NameComponent(AddControl("BUTTON", "In Directory", BS_AUTORADIOBUTTON, 18, 78, 186, 20, idDirectory),
                  "rbDirectory");
    NameComponent(AddControl("BUTTON", "In Project Files", BS_AUTORADIOBUTTON, 18, 100, 186, 20, idProjectFiles),
                  "rbProjectFiles");
    NameComponent(AddControl("BUTTON", "&WholeWord", box | WS_GROUP, 224, 46, 200, 20, idWholeWord), "cbWholeWord");
    NameComponent(AddControl("BUTTON", "&MatchCase", box, 224, 70, 200, 20, idMatchCase), "cbMatchCase");
    NameComponent(AddControl("BUTTON", "&Regular expression", box, 224, 94, 200, 20, idRegularExpression),
                  "cbRegularExpression");
    maskControls_ = {
        NameComponent(AddControl("BUTTON", "Mask", BS_GROUPBOX, 8, 130, 422, 80), "gbMask"),
        NameComponent(AddControl("EDIT", "", WS_TABSTOP | ES_AUTOHSCROLL, 18, 150, 364, 22, idFolder, WS_EX_CLIENTEDGE),
                      "edMask"),
        NameComponent(AddButton("...", 388, 150, 32, 22, idBrowse), "btnBrowse"),
        NameComponent(AddLabel("Files:", 18, 182, 40, 18), "lblFileMasks"),
        NameComponent(AddControl("EDIT", "*.*", WS_TABSTOP | ES_AUTOHSCROLL, 60, 178, 150, 22, idMasks,
                                 WS_EX_CLIENTEDGE),
                      "edFileMasks"),
        NameComponent(AddControl("BUTTON", "Include SubDirectory", box, 224, 180, 196, 20, idSubfolders),
                      "cbSubDirectory"),
    };
    NameComponent(AddButton("&OK", 164, 220, 84, 26, idOk, true), "btnOK");
    NameComponent(AddButton("&Stop", 254, 220, 84, 26, idStop), "btnStop");
    NameComponent(AddButton("&Cancel", 344, 220, 84, 26, idCancel), "btnCancel");
    SetChecked(Control(idOpenedFiles), true);
    SetChecked(Control(idSubfolders), true);
    EnableForSearch(false);
    UpdateMaskGroup();
    EnableDialogKeys(Handle());
}

void TFindInFilesDialog::OnGetMinMaxInfo(MINMAXINFO* info) {
    info->ptMinTrackSize.x = Scale(442);
    info->ptMinTrackSize.y = info->ptMaxTrackSize.y = Scale(287);
}

void TFindInFilesDialog::OnShow() {
    if (running_) return;
    SetWindowTextA(Control(idFolder), "");
    const SearchHost& host = workspace_.Host();
    bool project = host.projectOpen && host.projectOpen();
    EnableWindow(Control(idProjectFiles), project);
    if (!project && IsChecked(Control(idProjectFiles))) SetPlace(SearchPlace::OpenFiles);
    if (!host.pages || host.pages().empty()) SetPlace(SearchPlace::Directory);
    UpdateMaskGroup();
    SetFocus(Control(idText));
}

void TFindInFilesDialog::SetText(const std::string& text) { SetWindowTextA(Control(idText), text.c_str()); }

void TFindInFilesDialog::SetFolder(const std::string& folder) { SetWindowTextA(Control(idFolder), folder.c_str()); }

void TFindInFilesDialog::SetPlace(SearchPlace place) {
    SetChecked(Control(idOpenedFiles), place == SearchPlace::OpenFiles);
    SetChecked(Control(idDirectory), place == SearchPlace::Directory);
    SetChecked(Control(idProjectFiles), place == SearchPlace::ProjectFiles);
    UpdateMaskGroup();
}

void TFindInFilesDialog::UpdateMaskGroup() {
    bool directory = IsChecked(Control(idDirectory));
    for (HWND control : maskControls_) EnableWindow(control, directory);
}

FindInFilesQuery TFindInFilesDialog::Query() const {
    FindInFilesQuery query;
    query.text = WindowText(Control(idText));
    query.wholeWord = IsChecked(Control(idWholeWord));
    query.matchCase = IsChecked(Control(idMatchCase));
    query.regex = IsChecked(Control(idRegularExpression));
    query.place = IsChecked(Control(idDirectory))      ? SearchPlace::Directory
                  : IsChecked(Control(idProjectFiles)) ? SearchPlace::ProjectFiles
                                                     : SearchPlace::OpenFiles;
    query.folder = WindowText(Control(idFolder));
    query.masks = WindowText(Control(idMasks));
    query.subfolders = IsChecked(Control(idSubfolders));
    return query;
}

void TFindInFilesDialog::EnableForSearch(bool running) {
    EnableWindow(Control(idOk), !running);
    EnableWindow(Control(idStop), running);
}

void TFindInFilesDialog::Start() {
    if (running_) return;
    const FindInFilesQuery query = Query();
    if (query.text.empty()) {
        UserPrompts().Information("The text to find can't be wide.");
        SetFocus(Control(idText));
        return;
    }
    if (query.place == SearchPlace::Directory && !IsExistingFolder(query.folder)) {
        UserPrompts().Information("The folder \"" + query.folder + "\" does not exist.");
        SetFocus(Control(idFolder));
        return;
    }
    try {
        TextMatcher check({query.text, query.matchCase, query.wholeWord, query.regex});
    } catch (const SearchPatternError& error) {
        UserPrompts().Error(error.what());
        return;
    }
    HWND text = Control(idText);
    if (SendMessageA(text, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(query.text.c_str())) ==
        CB_ERR)
        SendMessageA(text, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(query.text.c_str()));

    const SearchHost& host = workspace_.Host();
    ScintillaView* results = host.results ? host.results() : nullptr;
    ViewRouter* views = host.resultViews ? host.resultViews() : nullptr;
    if (views && view_ == ViewRouter::kNoView)
        view_ = views->Register(kResultView, [this](int line) { JumpToReportLine(line); });
    if (results) results->SetText("");
    if (views) views->Activate(view_);

    struct Running {
        TFindInFilesDialog& dialog;
        HCURSOR cursor = SetCursor(LoadCursor(nullptr, IDC_APPSTARTING));
        explicit Running(TFindInFilesDialog& d) : dialog(d) {
            dialog.running_ = true;
            dialog.EnableForSearch(true);
        }
        ~Running() {
            dialog.running_ = false;
            dialog.EnableForSearch(false);
            dialog.pendingReports_.clear();
            SetCursor(cursor);
        }
    } running(*this);
    cancelled_ = false;
    summary_ = {};
    folder_ = shownFolder_ = "";
    // Messages run before the first file (an Escape already pressed ends the
    // search there), then every kPumpIntervalMs.
    lastFlush_ = GetTickCount();
    lastPump_ = lastFlush_ - kPumpIntervalMs;

    FindInFilesEvents events;
    events.report = [this](const std::string& line) { pendingReports_.push_back(line); };
    events.folder = [this](const std::string& folder) { folder_ = folder; };
    events.keepGoing = [this] { return KeepGoing(); };
    events.projectFiles = host.projectFiles;
    events.editorOf = [this](const std::string& file) { return workspace_.EditorOf(file); };
    summary_ = FindInFiles(query, query.place == SearchPlace::OpenFiles ? workspace_.OpenFiles()
                                                                        : std::vector<std::string>(),
                           events, &cache_);
    FlushReports(true);
    if (summary_.passedOverLongLines && results)
        results->AppendLine("Lines longer than " + std::to_string(TextMatcher::kLongestRegexLine) +
                            " characters were not searched with the regular expression.");
    if (host.showStatus) host.showStatus(SummaryText(summary_));
    // The memory the file texts took goes back to the system.
    SetProcessWorkingSetSize(GetCurrentProcess(), static_cast<SIZE_T>(-1), static_cast<SIZE_T>(-1));
    if (!summary_.stopped) Hide();
}

bool TFindInFilesDialog::KeepGoing() {
    DWORD now = GetTickCount();
    if (now - lastPump_ >= kPumpIntervalMs) {
        lastPump_ = now;
        PumpMessages();
    }
    if (now - lastFlush_ >= kShowIntervalMs) {
        lastFlush_ = now;
        FlushReports(false);
    }
    return !cancelled_;
}

void TFindInFilesDialog::PumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            cancelled_ = true;
            return;
        }
        if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
            cancelled_ = true;
            continue;
        }
        if (HandleDialogKeys(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void TFindInFilesDialog::FlushReports(bool last) {
    const SearchHost& host = workspace_.Host();
    if (!last && folder_ != shownFolder_ && host.showStatus) {
        host.showStatus(folder_);
        shownFolder_ = folder_;
    }
    if (pendingReports_.empty()) return;
    ScintillaView* results = host.results ? host.results() : nullptr;
    ViewRouter* views = host.resultViews ? host.resultViews() : nullptr;
    // Lines go up only while the result window still shows this search.
    if (results && (!views || views->Active() == view_)) results->AppendLines(pendingReports_);
    pendingReports_.clear();
}

void TFindInFilesDialog::JumpToReportLine(int resultLine) {
    const SearchHost& host = workspace_.Host();
    ScintillaView* results = host.results ? host.results() : nullptr;
    if (!results) return;
    std::optional<ReportPosition> position = ParseFindReportLine(results->Line(resultLine));
    if (position && host.showFileLine) host.showFileLine(position->path, position->line);
}

void TFindInFilesDialog::Browse() {
    std::string folder = WindowText(Control(idFolder));
    if (UserPrompts().ChooseFolder("Find In Files...", folder)) SetFolder(folder);
}

void TFindInFilesDialog::OnClose() {
    cancelled_ = true;
    Hide();
}

void TFindInFilesDialog::OnCommand(int id, int code, HWND) {
    switch (id) {
    case idOk: RunCommand([this] { Start(); }); break;
    case idStop: Stop(); break;
    case idCancel: OnClose(); break;
    case idBrowse: RunCommand([this] { Browse(); }); break;
    case idOpenedFiles: case idDirectory: case idProjectFiles:
        if (code == BN_CLICKED) UpdateMaskGroup();
        break;
    }
}

}  // namespace tavrin
