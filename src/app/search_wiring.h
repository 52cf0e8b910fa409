// The search's part of start-up: the find-and-replace, confirmation,
// find-in-files and go-to-line windows on the running workbench (its code
// pages and their editors, the result window, the status bar, the project),
// and the main window's Search commands.
#pragma once

namespace tavrin {

class SearchWorkspace;
class TSearchReplaceDialog;
class TConfirmReplaceDialog;
class TFindInFilesDialog;
class TGoToLine;

// The search windows made at start (filled in while the windows are created).
struct SearchWindows {
    TFindInFilesDialog* findInFiles = nullptr;
    TGoToLine* goToLine = nullptr;
    TSearchReplaceDialog* searchReplace = nullptr;
    TConfirmReplaceDialog* confirmReplace = nullptr;
};
SearchWindows& TheSearchWindows();

// What the search windows see of the workbench.
SearchWorkspace& TheSearchWorkspace();

// Connects the windows to each other and the Search commands to them. Runs
// once, after the windows were created.
void WireSearch();

}  // namespace tavrin
