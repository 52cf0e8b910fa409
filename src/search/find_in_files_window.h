// TFindInFilesDialog ("Find In Files..."): the text to find, where to search
// (the open files, a directory with masks and its subfolders, the project's
// files), "&WholeWord", "&MatchCase" and "&Regular expression", and the
// buttons "&OK", "&Stop" and "&Cancel". The search runs on the window's
// thread and lets window messages run between files: the report lines appear
// in the result window while it searches, the code window's status bar names
// the folder being searched, and Escape, "&Stop", "&Cancel" or closing the
// window end it. A click in the result window's gutter on a report line
// shows that file at that line. Stays on top.
#pragma once

#include <string>
#include <vector>

#include "search/file_text_cache.h"
#include "search/find_in_files.h"
#include "search/search_workspace.h"
#include "ui/form_window.h"
#include "ui/view_router.h"

namespace tavrin {

class TFindInFilesDialog : public FormWindow {
public:
    enum ControlId {
        idOk = IDOK, idCancel = IDCANCEL, idStop = 1050, idText, idOpenedFiles, idDirectory, idProjectFiles,
        idWholeWord, idMatchCase, idRegularExpression, idFolder, idBrowse, idMasks, idSubfolders
    };
    // The name of the result window's view of report lines.
    static constexpr const char* kResultView = "find in files";

    explicit TFindInFilesDialog(SearchWorkspace& workspace);

    // "&OK": starts the search (returns when it ended).
    void Start();
    // "&Stop" and Escape: ends a running search.
    void Stop() { cancelled_ = true; }
    bool Running() const { return running_; }
    const FindInFilesSummary& LastSummary() const { return summary_; }
    // The report line's jump (the result window's gutter click).
    void JumpToReportLine(int resultLine);

    void SetText(const std::string& text);
    void SetPlace(SearchPlace place);
    void SetFolder(const std::string& folder);
    HWND Control(int id) const { return GetDlgItem(Handle(), id); }

protected:
    DWORD Style() const override { return WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME; }
    DWORD ExStyle() const override { return WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_CONTROLPARENT; }
    SIZE InitialSize() const override { return SIZE{460, 287}; }
    void OnCreate() override;
    void OnShow() override;
    void OnClose() override;
    void OnCommand(int id, int code, HWND control) override;
    void OnGetMinMaxInfo(MINMAXINFO* info) override;

private:
    FindInFilesQuery Query() const;
    void UpdateMaskGroup();
    void Browse();
    // Between two files: lets window messages run, puts the new report lines
    // up and names the folder; false when the search is to end.
    bool KeepGoing();
    void PumpMessages();
    void FlushReports(bool last);
    void EnableForSearch(bool running);

    SearchWorkspace& workspace_;
    // The texts of unchanged files searched before, for the next searches.
    FileTextCache cache_;
    ViewRouter::ViewId view_ = ViewRouter::kNoView;
    std::vector<HWND> maskControls_;
    bool running_ = false;
    bool cancelled_ = false;
    FindInFilesSummary summary_;
    std::vector<std::string> pendingReports_;
    std::string folder_, shownFolder_;
    DWORD lastPump_ = 0, lastFlush_ = 0;
};

}  // namespace tavrin
