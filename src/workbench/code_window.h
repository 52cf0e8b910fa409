// The code window: page control of code pages, the code explorer tree on the
// left, the result window along the bottom and a status bar of three panels.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "editor/scintilla_view.h"
#include "ui/form_window.h"
#include "ui/page_sheet.h"
#include "ui/splitter.h"
#include "ui/view_router.h"

namespace tavrin {

class TCode : public FormWindow {
public:
    TCode();
    ~TCode() override;

    // Pages, in page-control order.
    int PageCount() const { return static_cast<int>(pages_.size()); }
    TPageSheet* Page(int index) const;
    int ActivePageIndex() const { return activePage_; }
    TPageSheet* ActivePage() const { return Page(activePage_); }
    // Adds a page (owned by the window) and makes it active.
    void AddPage(std::unique_ptr<TPageSheet> page);
    // Frees a page without asking it anything.
    void FreePage(TPageSheet* page);
    void SetActivePage(int index);
    void UpdatePageCaption(TPageSheet* page);
    // Index of the first page whose file name equals fileName (no case), or -1.
    int PageIndexOf(const std::string& fileName) const;
    // Removes the compiler error marks from every page, last page first.
    void ClearErrorMarks();
    // "Close Page" of the page menu.
    void ClosePage();
    // Asks the page to close (a modified code page asks to save it). An error
    // raised meanwhile, a failed save above all, is shown and keeps the page.
    // True when the page may be freed.
    static bool AskToClose(TPageSheet& page);

    // The result window and the status bar.
    ScintillaView& Results() { return results_; }
    // The views the result window shows; gutter clicks go to the one shown.
    ViewRouter& ResultViews() { return resultViews_; }
    // The plain view of result lines that name files (jump to file and line).
    static constexpr const char* kResultLinesView = "result lines";
    // Appends a report line to the result window soon, together with the
    // other lines queued until then: appending lines one by one to a visible
    // editor costs a redraw each, which long scans cannot afford.
    void QueueResultLine(const std::string& line);
    void FlushResultLines();
    void SetStatusText(int panel, const std::string& text);
    std::string StatusText(int panel) const;
    HWND TreeView() const { return tree_; }
    HWND PageControl() const { return tabs_; }

    void ShowExplorer(bool visible);
    bool ExplorerVisible() const;
    void ShowResults(bool visible);
    bool ResultsVisible() const;

    // "Find..." of the result window's menu.
    void FindRecord();
    // Hooks filled by the subsystems that own them.
    std::function<void()> OnDataBase;          // "DataBase" of the result menu
    std::function<void(HTREEITEM)> OnTreeClick; // explorer click on the selected node
    std::function<void()> OnExplorerCleared;    // no page left
    std::function<void(TPageSheet*)> OnPageFreeing;  // a page is about to be destroyed

    static constexpr int kResultsHeight = 70;

protected:
    DWORD Style() const override { return WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN; }
    SIZE InitialSize() const override { return SIZE{800, 560}; }
    void OnCreate() override;
    void OnSize(int width, int height) override;
    void OnDpiChanged(int oldDpi, int newDpi) override;
    void SetStatusPanels();
    void OnCommand(int id, int code, HWND control) override;
    void OnGetMinMaxInfo(MINMAXINFO* info) override;
    LRESULT HandleMessage(UINT message, WPARAM wp, LPARAM lp) override;

private:
    void Layout();
    void ActivePageChanged();
    void ShowPageMenu(POINT screen);
    void ShowTreeMenu(POINT screen);
    void ShowResultsMenu(POINT screen);
    void SetFullCollapse(bool collapse);

    HWND tabs_ = nullptr;
    HWND tree_ = nullptr;
    HWND status_ = nullptr;
    ScintillaView results_;
    ViewRouter resultViews_;
    Splitter treeSplitter_;
    Splitter resultsSplitter_;
    int treeWidth_ = 180;  // both at 96 dots per inch, scaled when laid out
    int resultsHeight_ = kResultsHeight;
    bool fullCollapse_ = false;
    std::vector<std::unique_ptr<TPageSheet>> pages_;
    std::vector<std::string> queuedResults_;
    int activePage_ = -1;
};

}  // namespace tavrin
