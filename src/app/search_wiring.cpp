#include "app/search_wiring.h"

#include <Scintilla.h>

#include "projects/project.h"
#include "search/confirm_replace_window.h"
#include "search/find_in_files_window.h"
#include "search/go_to_line_window.h"
#include "search/search_replace_window.h"
#include "search/search_workspace.h"
#include "ui/file_system.h"
#include "workbench/code_page.h"
#include "workbench/code_window.h"
#include "workbench/main_window.h"
#include "workbench/workbench.h"

namespace tavrin {

namespace {

TCodePage* CurrentCodePage() { return dynamic_cast<TCodePage*>(App().CurrentDocument); }

std::vector<SearchPage> CodePages() {
    std::vector<SearchPage> pages;
    if (TCode* code = App().Code)
        for (int i = 0; i < code->PageCount(); ++i)
            if (auto* page = dynamic_cast<TCodePage*>(code->Page(i))) pages.push_back({page->FileName(), &page->Editor().Edit()});
    return pages;
}

// Shows the file's page, opening it when no page shows it, with the line at the top.
void ShowFileLine(const std::string& file, int line) {
    TCode* code = App().Code;
    if (!code) return;
    int index = FileExists(file) ? code->PageIndexOf(file) : -1;
    TPageSheet* page = index >= 0 ? code->Page(index) : nullptr;
    if (!page && App().Main->Hooks.openPage) page = App().Main->Hooks.openPage(file);
    if (!page) return;
    code->SetActivePage(index >= 0 ? index : code->PageCount() - 1);
    page->ShowLine(line);
}

SearchHost MakeHost() {
    SearchHost host;
    host.pages = CodePages;
    host.currentEdit = []() -> TELSuperEdit* {
        TCodePage* page = CurrentCodePage();
        return page ? &page->Editor().Edit() : nullptr;
    };
    host.results = []() -> ScintillaView* { return App().Code ? &App().Code->Results() : nullptr; };
    host.resultViews = []() -> ViewRouter* { return App().Code ? &App().Code->ResultViews() : nullptr; };
    host.showStatus = [](const std::string& text) {
        if (App().Code) App().Code->SetStatusText(2, text);
    };
    host.projectOpen = [] { return App().CurrentProject != nullptr; };
    // "In Project Files": the units of the current project.
    host.projectFiles = [] {
        return App().CurrentProject ? App().CurrentProject->UnitFiles.Texts() : std::vector<std::string>();
    };
    host.showFileLine = ShowFileLine;
    return host;
}

// The selection of the current page when it lies on one line: what "Find" offers to search.
std::string SelectedWord() {
    TCodePage* page = CurrentCodePage();
    if (!page) return {};
    TELSuperEdit& edit = page->Editor().Edit();
    auto start = static_cast<std::size_t>(edit.Call(SCI_GETSELECTIONSTART));
    auto end = static_cast<std::size_t>(edit.Call(SCI_GETSELECTIONEND));
    std::string_view text = edit.TextView();
    if (start >= end || end > text.size()) return {};
    std::string_view selected = text.substr(start, end - start);
    return selected.find_first_of("\r\n") == std::string_view::npos ? std::string(selected) : std::string();
}

void ShowSearch(bool replace) {
    TSearchReplaceDialog* window = TheSearchWindows().searchReplace;
    if (!window || !CurrentCodePage()) return;
    window->Attach(TheSearchWorkspace().CurrentEditor());
    if (replace) window->SetReplaceMode(true);
    if (std::string word = SelectedWord(); !word.empty()) window->SetFindText(word);
    window->Show();
}

}  // namespace

SearchWindows& TheSearchWindows() {
    static SearchWindows windows;
    return windows;
}

SearchWorkspace& TheSearchWorkspace() {
    static SearchWorkspace workspace(MakeHost());
    return workspace;
}

void WireSearch() {
    SearchWindows& windows = TheSearchWindows();
    if (windows.searchReplace) windows.searchReplace->SetConfirmWindow(windows.confirmReplace);
    MainHooks& hooks = App().Main->Hooks;
    hooks.find = [] { ShowSearch(false); };
    hooks.replace = [] { ShowSearch(true); };
    hooks.findNext = [] {
        TSearchReplaceDialog* window = TheSearchWindows().searchReplace;
        if (!window || !CurrentCodePage()) return;
        window->Attach(TheSearchWorkspace().CurrentEditor());
        window->Press(0);
    };
    hooks.lastSearchFound = [] {
        return TheSearchWindows().searchReplace && TheSearchWindows().searchReplace->LastSearchFound();
    };
    hooks.findInFiles = [] {
        if (TheSearchWindows().findInFiles) TheSearchWindows().findInFiles->Show();
    };
    hooks.goToLine = [] {
        if (TheSearchWindows().goToLine) TheSearchWindows().goToLine->Show();
    };
}

}  // namespace tavrin
