#include "workbench/code_window.h"

#include <windowsx.h>

#include <Scintilla.h>

#include "common/commands.h"
#include "common/prompts.h"
#include "common/dpi_units.h"
#include "common/text.h"
#include "ui/dropped_files.h"
#include "ui/gui_font.h"
#include "workbench/document.h"
#include "workbench/main_window.h"
#include "workbench/workbench.h"
#include "ui/component_names.h"

namespace tavrin {

namespace {

enum ControlId { kTabsId = 10, kTreeId, kResultsId, kStatusId };
enum MenuId {
    kMenuClosePage = 100,
    kMenuReadOnly,
    kMenuFullCollapse,
    kMenuDataBase,
    kMenuFindRecord,
};
constexpr int kSplitterSize = 4;
constexpr UINT kFlushResultsMessage = WM_APP + 10;

}  // namespace

TCode::TCode() : FormWindow("TCode", "Code", "Code") {}

TCode::~TCode() = default;

void TCode::OnCreate() {
    AcceptDroppedFiles(Handle());
    HINSTANCE instance = GetModuleHandleA(nullptr);
    tabs_ = CreateWindowExA(0, WC_TABCONTROLA, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0,
                            10, 10, Handle(), reinterpret_cast<HMENU>(kTabsId), instance, nullptr);
    MarkItemsAsData(tabs_);  // the pages' file names
    SendMessageA(tabs_, WM_SETFONT, reinterpret_cast<WPARAM>(GuiFontForDpi(Dpi())), FALSE);
    tree_ = CreateWindowExA(WS_EX_CLIENTEDGE, WC_TREEVIEWA, "",
                            WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES |
                                TVS_LINESATROOT | TVS_SHOWSELALWAYS,
                            0, 0, 10, 10, Handle(), reinterpret_cast<HMENU>(kTreeId), instance,
                            nullptr);
    SendMessageA(tree_, WM_SETFONT, reinterpret_cast<WPARAM>(GuiFontForDpi(Dpi())), FALSE);
    results_.Create(Handle(), kResultsId);
    results_.SetFont("Courier New", 10);
    results_.ShowGutter(Scale(16));
    results_.OnGutterClick = [this](int line) { resultViews_.Click(line); };
    results_.Call(SCI_USEPOPUP, SC_POPUP_NEVER);
    results_.Call(SCI_SETSCROLLWIDTH, 1);
    results_.Call(SCI_SETSCROLLWIDTHTRACKING, 1);  // our own menu comes through WM_CONTEXTMENU
    status_ = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0,
                              0, 10, 10, Handle(), reinterpret_cast<HMENU>(kStatusId), instance,
                              nullptr);
    // Panels 0 and 1 are 150 and 250 pixels wide (at 96 dots per inch); panel
    // 2 (50 pixels at least) takes what is left, so long compiler lines stay readable.
    SetStatusPanels();
    DeclareStatusTexts(status_, {"Insert", "Modified", "ReadOnly"});  // the editors' states

    treeSplitter_.Create(Handle(), true);
    treeSplitter_.OnMoved = [this](int x) {
        treeWidth_ = UnscaleFromDpi(std::max(Scale(20), x), Dpi());
        Layout();
    };
    resultsSplitter_.Create(Handle(), false);
    resultsSplitter_.OnMoved = [this](int y) {
        RECT client{};
        GetClientRect(Handle(), &client);
        RECT bar{};
        GetWindowRect(status_, &bar);
        int statusHeight = bar.bottom - bar.top;
        resultsHeight_ = UnscaleFromDpi(
            std::max(Scale(20), static_cast<int>(client.bottom) - statusHeight - y - Scale(kSplitterSize)), Dpi());
        Layout();
    };
}

void TCode::SetStatusPanels() {
    int edges[3] = {Scale(150), Scale(400), -1};
    SendMessageA(status_, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(edges));
}

void TCode::OnDpiChanged(int, int) {
    results_.ShowGutter(Scale(16));
    SetStatusPanels();
    OnSize(0, 0);
}

void TCode::OnSize(int, int) {
    if (status_) SendMessageA(status_, WM_SIZE, 0, 0);
    Layout();
}

void TCode::Layout() {
    if (!tabs_) return;
    RECT client{};
    GetClientRect(Handle(), &client);
    RECT bar{};
    GetWindowRect(status_, &bar);
    int statusHeight = bar.bottom - bar.top;
    int bottom = client.bottom - statusHeight;
    if (ResultsVisible()) {
        int height = std::min(Scale(resultsHeight_), std::max(0, bottom - Scale(40)));
        MoveWindow(results_.Handle(), 0, bottom - height, client.right, height, TRUE);
        MoveWindow(resultsSplitter_.Handle(), 0, bottom - height - Scale(kSplitterSize), client.right,
                   Scale(kSplitterSize), TRUE);
        bottom -= height + Scale(kSplitterSize);
    }
    int left = 0;
    if (ExplorerVisible()) {
        int width = std::min(Scale(treeWidth_), std::max(0, static_cast<int>(client.right) - Scale(40)));
        MoveWindow(tree_, 0, 0, width, bottom, TRUE);
        MoveWindow(treeSplitter_.Handle(), width, 0, Scale(kSplitterSize), bottom, TRUE);
        left = width + Scale(kSplitterSize);
    }
    MoveWindow(tabs_, left, 0, client.right - left, bottom, TRUE);
    if (TPageSheet* page = ActivePage()) {
        if (HWND clientWindow = page->ClientWindow()) {
            RECT area{0, 0, client.right - left, bottom};
            TabCtrl_AdjustRect(tabs_, FALSE, &area);
            MoveWindow(clientWindow, left + area.left, area.top, area.right - area.left,
                       area.bottom - area.top, TRUE);
        }
    }
}

TPageSheet* TCode::Page(int index) const {
    if (index < 0 || index >= PageCount()) return nullptr;
    return pages_[static_cast<size_t>(index)].get();
}

void TCode::AddPage(std::unique_ptr<TPageSheet> page) {
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    std::string caption = page->Caption();
    item.pszText = caption.data();
    int index = PageCount();
    pages_.push_back(std::move(page));
    SendMessageA(tabs_, TCM_INSERTITEMA, index, reinterpret_cast<LPARAM>(&item));
    SetActivePage(index);
}

void TCode::UpdatePageCaption(TPageSheet* page) {
    for (int i = 0; i < PageCount(); ++i) {
        if (Page(i) != page) continue;
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        std::string caption = page->Caption();
        item.pszText = caption.data();
        SendMessageA(tabs_, TCM_SETITEMA, i, reinterpret_cast<LPARAM>(&item));
    }
}

void TCode::FreePage(TPageSheet* page) {
    for (int i = 0; i < PageCount(); ++i) {
        if (Page(i) != page) continue;
        if (HWND clientWindow = page->ClientWindow()) ShowWindow(clientWindow, SW_HIDE);
        SendMessageA(tabs_, TCM_DELETEITEM, i, 0);
        if (App().ActiveCodePage == page) App().ActiveCodePage = nullptr;
        if (App().CurrentDocument == dynamic_cast<TDocument*>(page)) App().CurrentDocument = nullptr;
        if (OnPageFreeing) OnPageFreeing(page);
        pages_.erase(pages_.begin() + i);
        if (activePage_ >= PageCount()) activePage_ = PageCount() - 1;
        else if (i < activePage_) --activePage_;
        else if (i == activePage_) activePage_ = std::min(i, PageCount() - 1);
        SendMessageA(tabs_, TCM_SETCURSEL, activePage_, 0);
        ActivePageChanged();
        return;
    }
}

void TCode::SetActivePage(int index) {
    if (index < -1 || index >= PageCount()) return;
    if (TPageSheet* old = ActivePage(); old && old->ClientWindow() && index != activePage_)
        ShowWindow(old->ClientWindow(), SW_HIDE);
    activePage_ = index;
    SendMessageA(tabs_, TCM_SETCURSEL, index, 0);
    ActivePageChanged();
}

void TCode::ActivePageChanged() {
    TPageSheet* page = ActivePage();
    App().ActiveCodePage = page;
    App().CurrentDocument = dynamic_cast<TDocument*>(page);
    if (page) {
        // Laid out before it is shown: shown at its old size, a page of a
        // long text would be redrawn and measured for that size first.
        Layout();
        if (HWND clientWindow = page->ClientWindow()) ShowWindow(clientWindow, SW_SHOW);
        page->Rescan();
    } else {
        TreeView_DeleteAllItems(tree_);
        if (OnExplorerCleared) OnExplorerCleared();
    }
}

int TCode::PageIndexOf(const std::string& fileName) const {
    for (int i = 0; i < PageCount(); ++i)
        if (EqualsNoCase(Page(i)->FileName(), fileName)) return i;
    return -1;
}

void TCode::ClearErrorMarks() {
    for (int i = PageCount() - 1; i >= 0; --i) Page(i)->DeleteErrors();
}

void TCode::ClosePage() {
    int remembered = activePage_;
    TPageSheet* page = ActivePage();
    if (!page) return;
    if (page->IsCodePage()) {
        if (AskToClose(*page)) FreePage(page);
    } else {
        FreePage(page);
    }
    if (remembered >= PageCount() && PageCount() > 0) SetActivePage(PageCount() - 1);
    else ActivePageChanged();
    if (App().Main) App().Main->UpdateToolbar();
}

bool TCode::AskToClose(TPageSheet& page) {
    bool closed = false;
    RunCommand([&] { closed = page.Close(); });
    return closed;
}

void TCode::QueueResultLine(const std::string& line) {
    if (queuedResults_.empty()) PostMessageA(Handle(), kFlushResultsMessage, 0, 0);
    queuedResults_.push_back(line);
}

void TCode::FlushResultLines() {
    if (queuedResults_.empty()) return;
    std::vector<std::string> lines;
    lines.swap(queuedResults_);
    resultViews_.Activate(kResultLinesView);
    results_.AppendLines(lines);
}

void TCode::SetStatusText(int panel, const std::string& text) {
    // Panels 0 and 1 are centred.
    std::string shown = panel < 2 ? "\t" + text : text;
    SendMessageA(status_, SB_SETTEXTA, panel, reinterpret_cast<LPARAM>(shown.c_str()));
}

std::string TCode::StatusText(int panel) const {
    LRESULT length = LOWORD(SendMessageA(status_, SB_GETTEXTLENGTHA, panel, 0));
    std::string text(static_cast<size_t>(length) + 1, '\0');
    SendMessageA(status_, SB_GETTEXTA, panel, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    if (!text.empty() && text[0] == '\t') text.erase(0, 1);
    return text;
}

void TCode::ShowExplorer(bool visible) {
    ShowWindow(tree_, visible ? SW_SHOW : SW_HIDE);
    ShowWindow(treeSplitter_.Handle(), visible ? SW_SHOW : SW_HIDE);
    Layout();
}

bool TCode::ExplorerVisible() const { return tree_ && (GetWindowLongA(tree_, GWL_STYLE) & WS_VISIBLE); }

void TCode::ShowResults(bool visible) {
    ShowWindow(results_.Handle(), visible ? SW_SHOW : SW_HIDE);
    ShowWindow(resultsSplitter_.Handle(), visible ? SW_SHOW : SW_HIDE);
    Layout();
}

bool TCode::ResultsVisible() const {
    return results_.Handle() && (GetWindowLongA(results_.Handle(), GWL_STYLE) & WS_VISIBLE);
}

void TCode::FindRecord() {
    std::string answer;
    if (!UserPrompts().InputBox("Find record:", "Type the record name:", answer)) return;
    int count = results_.LineCount();
    for (int i = 0; i < count; ++i) {
        if (EqualsNoCase(results_.Line(i), answer)) {
            results_.SetCaretLine(i);
            SetFocus(results_.Handle());
            return;
        }
    }
    char text[1024];
    snprintf(text, sizeof(text), "The %s searches did not find anything.", answer.c_str());
    UserPrompts().Information(text);
}

void TCode::SetFullCollapse(bool collapse) {
    fullCollapse_ = collapse;
    HTREEITEM root = TreeView_GetRoot(tree_);
    std::vector<HTREEITEM> stack;
    for (HTREEITEM item = root; item; item = TreeView_GetNextSibling(tree_, item)) stack.push_back(item);
    SendMessageA(tree_, WM_SETREDRAW, FALSE, 0);
    while (!stack.empty()) {
        HTREEITEM item = stack.back();
        stack.pop_back();
        TreeView_Expand(tree_, item, collapse ? TVE_COLLAPSE : TVE_EXPAND);
        for (HTREEITEM child = TreeView_GetChild(tree_, item); child;
             child = TreeView_GetNextSibling(tree_, child))
            stack.push_back(child);
    }
    SendMessageA(tree_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(tree_, nullptr, TRUE);
}

void TCode::ShowPageMenu(POINT screen) {
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, kMenuClosePage, "Close Page");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, kMenuReadOnly, "Read Only");
    TrackPopupMenu(menu, TPM_RIGHTBUTTON, screen.x, screen.y, 0, Handle(), nullptr);
    DestroyMenu(menu);
}

void TCode::ShowTreeMenu(POINT screen) {
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING | (fullCollapse_ ? MF_CHECKED : 0), kMenuFullCollapse, "Full Collapse");
    TrackPopupMenu(menu, TPM_RIGHTBUTTON, screen.x, screen.y, 0, Handle(), nullptr);
    DestroyMenu(menu);
}

void TCode::ShowResultsMenu(POINT screen) {
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, kMenuDataBase, "DataBase");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING | (results_.Empty() ? MF_GRAYED : 0), kMenuFindRecord, "Find...");
    TrackPopupMenu(menu, TPM_RIGHTBUTTON, screen.x, screen.y, 0, Handle(), nullptr);
    DestroyMenu(menu);
}

void TCode::OnCommand(int id, int, HWND) {
    switch (id) {
    case kMenuClosePage:
        RunCommand([this] { ClosePage(); });
        break;
    case kMenuFullCollapse:
        SetFullCollapse(!fullCollapse_);
        break;
    case kMenuDataBase:
        if (OnDataBase) RunCommand(OnDataBase);
        break;
    case kMenuFindRecord:
        RunCommand([this] { FindRecord(); });
        break;
    }
}

void TCode::OnGetMinMaxInfo(MINMAXINFO* info) {
    if (!App().Main || !App().Main->Handle() || !IsZoomed(App().Main->Handle())) return;
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    int mainHeight = App().Main->Bounds().height;
    info->ptMaxPosition.y = mainHeight;
    info->ptMaxSize.y = (work.bottom - work.top) - mainHeight;
    if (results_.Handle()) results_.AppendLine("Maximized");
}

LRESULT TCode::HandleMessage(UINT message, WPARAM wp, LPARAM lp) {
    switch (message) {
    case WM_DROPFILES: {
        std::vector<std::string> files = TakeDroppedFiles(reinterpret_cast<HDROP>(wp));
        if (App().Main && App().Main->Hooks.openDroppedFiles)
            RunCommand([&] { App().Main->Hooks.openDroppedFiles(files); });
        return 0;
    }
    case kFlushResultsMessage:
        FlushResultLines();
        return 0;
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lp);
        if (results_.HandleNotify(header)) return 0;
        if (header->hwndFrom == tabs_ && header->code == TCN_SELCHANGE) {
            int index = static_cast<int>(SendMessageA(tabs_, TCM_GETCURSEL, 0, 0));
            if (TPageSheet* old = ActivePage(); old && old->ClientWindow())
                ShowWindow(old->ClientWindow(), SW_HIDE);
            activePage_ = index;
            RunCommand([this] { ActivePageChanged(); });
            return 0;
        }
        if (header->hwndFrom == tree_ && header->code == NM_CLICK) {
            // A click on the node that is selected (the click selects first).
            DWORD pos = GetMessagePos();
            TVHITTESTINFO hit{};
            hit.pt = POINT{GET_X_LPARAM(pos), GET_Y_LPARAM(pos)};
            ScreenToClient(tree_, &hit.pt);
            HTREEITEM item = TreeView_HitTest(tree_, &hit);
            if (item && (hit.flags & TVHT_ONITEM)) {
                TreeView_SelectItem(tree_, item);
                if (OnTreeClick) RunCommand([&] { OnTreeClick(item); });
            }
            return 0;
        }
        break;
    }
    case WM_CONTEXTMENU: {
        HWND source = reinterpret_cast<HWND>(wp);
        POINT screen{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        if (screen.x == -1 && screen.y == -1) GetCursorPos(&screen);
        if (source == tabs_) ShowPageMenu(screen);
        else if (source == tree_) ShowTreeMenu(screen);
        else if (source == results_.Handle()) ShowResultsMenu(screen);
        else break;
        return 0;
    }
    }
    return FormWindow::HandleMessage(message, wp, lp);
}

}  // namespace tavrin
