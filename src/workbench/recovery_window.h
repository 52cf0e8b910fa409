// The window that offers the pages kept from a run that ended without its
// clean end (a crash, a kill, a power cut): one row per page with its name,
// the time of its copy, its size and its file, and the buttons "Restore"
// (opens the selected pages again, unsaved, under their own file names),
// "Discard" (deletes their copies) and "Close" (keeps the rest for the next
// start). Every row starts selected.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/form_window.h"
#include "workbench/recovery_store.h"

namespace tavrin {

class TRecovery : public FormWindow {
public:
    // Opens a recovered page's text again; an error it raises keeps the copy.
    using RestorePage = std::function<void(const RecoveredPage&)>;
    enum Column { colPage, colTime, colSize, colFile };

    TRecovery(std::vector<RecoveredSession> sessions, RestorePage restore);
    ~TRecovery() override;

    int RowCount() const { return static_cast<int>(rows_.size()); }
    std::string CellText(int row, Column column) const;
    void SelectRow(int row, bool selected);
    // The buttons: both act on the selected rows; the window closes itself
    // when no row is left.
    void RestoreSelected();
    void DiscardSelected();
    // "Close": the remaining copies stay for the next start.
    void CloseKeepingRest();

protected:
    DWORD Style() const override { return WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME; }
    SIZE InitialSize() const override { return SIZE{660, 300}; }
    void OnCreate() override;
    void OnSize(int width, int height) override;
    void OnCommand(int id, int code, HWND control) override;
    void OnClose() override;
    LRESULT HandleMessage(UINT message, WPARAM wp, LPARAM lp) override;

private:
    struct Row {
        size_t session;
        RecoveredPage page;
    };
    void FillList();
    std::vector<RecoveredPage> SelectedPages() const;
    // Deletes a page's copy and its row.
    void Forget(const RecoveredPage& page);
    // Shows the rows left, and closes the window when none is.
    void Refresh();
    void Leave();

    std::vector<RecoveredSession> sessions_;
    std::vector<Row> rows_;
    RestorePage restore_;
    HWND list_ = nullptr;
    HWND label_ = nullptr;
    // A restore runs: opening a page lets window messages run, which must
    // not start another restore or discard meanwhile.
    bool busy_ = false;
};

// Opens a recovered page's text in a new code page marked unsaved: under its
// file name when it had one (the file itself is not touched), otherwise as a
// new unnamed page. Dialog code gets its design forms as an opened file does.
void RestoreRecoveredPage(const RecoveredPage& page);

// Shows the window modally (owned by owner) when the recovery root holds
// pages of runs that ended without their clean end; nothing otherwise.
void OfferRecoveredPages(const std::string& recoveryRoot, HWND owner);

}  // namespace tavrin
