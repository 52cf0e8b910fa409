#include "workbench/recovery_window.h"

#include <commctrl.h>

#include <algorithm>

#include "common/commands.h"
#include "common/string_list.h"
#include "common/text.h"
#include "common/text_codec.h"
#include "ui/file_system.h"
#include "workbench/code_page.h"
#include "workbench/code_window.h"
#include "workbench/file_commands.h"
#include "workbench/page_rules.h"
#include "workbench/workbench.h"

namespace tavrin {

namespace {

enum { idList = 100, idRestore, idDiscard, idClose };

constexpr const char* kExplanation =
    "Tavrin2 did not end normally last time. These pages had changes that were not saved; "
    "their texts were kept. Restore opens them again, Discard deletes the kept texts.";

std::string SizeText(unsigned long long bytes) { return std::to_string(bytes) + " bytes"; }

}  // namespace

TRecovery::TRecovery(std::vector<RecoveredSession> sessions, RestorePage restore)
    : FormWindow("TRecovery", "Recovery", "Recovered pages"),
      sessions_(std::move(sessions)),
      restore_(std::move(restore)) {
    for (size_t s = 0; s < sessions_.size(); ++s)
        for (const RecoveredPage& page : sessions_[s].pages) rows_.push_back({s, page});
}

TRecovery::~TRecovery() {
    for (RecoveredSession& session : sessions_) session.claim.Release();
}

void TRecovery::OnCreate() {
    label_ = AddLabel(kExplanation, 8, 8, 100, 34);
    list_ = AddControl(WC_LISTVIEWA, "", LVS_REPORT | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP, 8, 46, 100, 100,
                       idList);
    SendMessageA(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT);
    const struct {
        const char* title;
        int width;
    } columns[] = {{"Page", 140}, {"Written", 130}, {"Size", 80}, {"File", 270}};
    for (int i = 0; i < 4; ++i) {
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = const_cast<char*>(columns[i].title);
        column.cx = columns[i].width;
        SendMessageA(list_, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
    }
    AddButton("Restore", 0, 0, 84, 26, idRestore, true);
    AddButton("Discard", 0, 0, 84, 26, idDiscard);
    AddButton("Close", 0, 0, 84, 26, idClose);
    FillList();
}

void TRecovery::OnSize(int width, int height) {
    const int buttonTop = height - Scale(34);
    MoveWindow(label_, Scale(8), Scale(8), width - Scale(16), Scale(34), TRUE);
    MoveWindow(list_, Scale(8), Scale(46), width - Scale(16), buttonTop - Scale(54), TRUE);
    int x = width - 3 * Scale(90) - Scale(2);
    for (int id : {idRestore, idDiscard, idClose}) {
        MoveWindow(GetDlgItem(Handle(), id), x, buttonTop, Scale(84), Scale(26), TRUE);
        x += Scale(90);
    }
}

std::string TRecovery::CellText(int row, Column column) const {
    if (row < 0 || row >= RowCount()) return {};
    const RecoveredPage& page = rows_[static_cast<size_t>(row)].page;
    switch (column) {
    case colPage: return page.DisplayName();
    case colTime: return page.time;
    case colSize: return SizeText(page.size);
    case colFile: return page.info.fileName;
    }
    return {};
}

void TRecovery::FillList() {
    SendMessageA(list_, LVM_DELETEALLITEMS, 0, 0);
    for (int row = 0; row < RowCount(); ++row) {
        std::string texts[4];
        for (int column = 0; column < 4; ++column) texts[column] = CellText(row, static_cast<Column>(column));
        LVITEMA item{};
        item.mask = LVIF_TEXT | LVIF_STATE;
        item.iItem = row;
        item.pszText = texts[0].data();
        item.state = item.stateMask = LVIS_SELECTED;
        SendMessageA(list_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
        for (int column = 1; column < 4; ++column) {
            LVITEMA cell{};
            cell.iSubItem = column;
            cell.pszText = texts[column].data();
            SendMessageA(list_, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&cell));
        }
    }
}

void TRecovery::SelectRow(int row, bool selected) {
    LVITEMA item{};
    item.stateMask = LVIS_SELECTED;
    item.state = selected ? LVIS_SELECTED : 0;
    SendMessageA(list_, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
}

std::vector<RecoveredPage> TRecovery::SelectedPages() const {
    std::vector<RecoveredPage> pages;
    for (int row = 0; row < RowCount(); ++row)
        if (SendMessageA(list_, LVM_GETITEMSTATE, row, LVIS_SELECTED) & LVIS_SELECTED)
            pages.push_back(rows_[static_cast<size_t>(row)].page);
    return pages;
}

void TRecovery::Forget(const RecoveredPage& page) {
    auto row = std::find_if(rows_.begin(), rows_.end(), [&](const Row& r) { return r.page.textFile == page.textFile; });
    if (row == rows_.end()) return;
    sessions_[row->session].Forget(page);
    rows_.erase(row);
}

void TRecovery::Refresh() {
    FillList();
    if (rows_.empty()) Leave();
}

void TRecovery::RestoreSelected() {
    if (busy_) return;
    busy_ = true;
    struct EndOfRestore {
        bool& busy;
        ~EndOfRestore() { busy = false; }
    } end{busy_};
    std::vector<std::string> failures;
    // Each copy goes as soon as its page is open, so that whatever happens
    // next (the workbench closed from a message that runs meanwhile) it is
    // not offered a second time.
    for (const RecoveredPage& page : SelectedPages()) {
        try {
            restore_(page);
            Forget(page);
        } catch (const CommandAborted&) {
            break;
        } catch (const std::exception& error) {
            failures.push_back(error.what());
        }
    }
    busy_ = false;
    Refresh();
    if (!failures.empty()) throw CommandError(Join(failures, "\n"));
}

void TRecovery::DiscardSelected() {
    if (busy_) return;
    for (const RecoveredPage& page : SelectedPages()) Forget(page);
    Refresh();
}

void TRecovery::CloseKeepingRest() {
    if (!busy_) Leave();
}

void TRecovery::Leave() {
    for (RecoveredSession& session : sessions_) session.Finish();
    if (InModalLoop()) EndModal(IDCANCEL);
    else Hide();
}

void TRecovery::OnClose() { CloseKeepingRest(); }

LRESULT TRecovery::HandleMessage(UINT message, WPARAM wp, LPARAM lp) {
    // The list takes the focus, so that its selection shows as such.
    if (message == WM_ACTIVATE && LOWORD(wp) != WA_INACTIVE) {
        FormWindow::HandleMessage(message, wp, lp);
        SetFocus(list_);
        return 0;
    }
    return FormWindow::HandleMessage(message, wp, lp);
}

void TRecovery::OnCommand(int id, int, HWND) {
    switch (id) {
    case idRestore: RestoreSelected(); break;
    case idDiscard: DiscardSelected(); break;
    case idClose: CloseKeepingRest(); break;
    }
}

void RestoreRecoveredPage(const RecoveredPage& kept) {
    std::string bytes;
    if (ReadWholeFile(kept.textFile, bytes) != FileReadStatus::Ok)
        throw CommandError("Cannot read the kept text of " + kept.DisplayName() + " (" + kept.textFile + ").");
    DecodedText text = DecodeSourceBytes(bytes);
    const std::string& path = kept.info.fileName;
    bool onDisk = !path.empty() && FileExists(path);
    // The page takes the file's name, not its content: the kept text replaces it.
    TCodePage* page = NewPage(false, path, onDisk ? &text : nullptr);
    if (onDisk) {
        page->SetSaved(false);
    } else {
        page->RestoreText(text);
    }
    if (PageHooks().parseDialogs) {
        try {
            PageHooks().parseDialogs(*page);
        } catch (const CommandAborted&) {
            throw;
        } catch (...) {
            if (App().Code) App().Code->Results().AppendLine(OpenFailureLine(path.empty() ? page->Caption() : path));
        }
    }
    page->ScanText();
}

void OfferRecoveredPages(const std::string& recoveryRoot, HWND owner) {
    std::vector<RecoveredSession> sessions = FindRecoveredSessions(recoveryRoot);
    if (sessions.empty()) return;
    TRecovery window(std::move(sessions), RestoreRecoveredPage);
    window.Create(owner);
    window.ShowModal();
}

}  // namespace tavrin
