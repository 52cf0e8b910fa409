// What the search windows need of the workbench (the start-up wiring fills
// it in), and one search view per code page editor for as long as its page
// is open, so that the find-and-replace window can tell one editor from
// another and never uses the editor of a closed page.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "search/find_in_files.h"
#include "search/scintilla_search_target.h"

namespace tavrin {

class TELSuperEdit;
class ViewRouter;

struct SearchPage {
    std::string file;  // "" for a page never saved
    TELSuperEdit* edit = nullptr;
};

struct SearchHost {
    // The code pages in page order.
    std::function<std::vector<SearchPage>()> pages;
    // The editor of the current document when it is a code page, else null.
    std::function<TELSuperEdit*()> currentEdit;
    // The result window and the views it shows (they exist once the code window does).
    std::function<ScintillaView*()> results;
    std::function<ViewRouter*()> resultViews;
    // A text for the code window's status bar.
    std::function<void(const std::string&)> showStatus;
    // "In Project Files": whether a project is open, and its files.
    std::function<bool()> projectOpen;
    std::function<std::vector<std::string>()> projectFiles;
    // Shows the file's page (opened when needed) with the line (from 1) at the top.
    std::function<void(const std::string& file, int line)> showFileLine;
};

class SearchWorkspace {
public:
    explicit SearchWorkspace(SearchHost host) : host_(std::move(host)) {}

    const SearchHost& Host() const { return host_; }
    // The current code page's editor, or null.
    SearchTarget* CurrentEditor();
    TELSuperEdit* CurrentEdit() const;
    // Whether the editor belongs to a page that is still open.
    bool Alive(const SearchTarget* editor);
    // The files of the open pages that have one, in page order.
    std::vector<std::string> OpenFiles();
    // The editor of the open page that shows the file, or null.
    SearchTarget* EditorOf(const std::string& file);

private:
    // Drops the views of closed pages; returns the live pages.
    std::vector<SearchPage> LivePages();
    SearchTarget* TargetOf(TELSuperEdit* edit);

    SearchHost host_;
    std::map<HWND, std::unique_ptr<ScintillaSearchTarget>> targets_;
};

}  // namespace tavrin
