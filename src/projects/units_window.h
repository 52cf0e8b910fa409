// The units window "Units": the pages of the code window in a list with the
// columns "Unit" and "Attached" (whole rows, several selectable), and the
// buttons "OK", which shows the chosen page, and "Cancel". The list is made
// again whenever the window is shown and whenever a page is opened; a page
// that is destroyed takes its row with it.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "projects/project_host.h"
#include "ui/tool_window.h"

namespace tavrin {

class TUnits : public ToolWindow {
public:
    enum Control : int { idList = 320, idOk, idCancel };

    TUnits();
    void SetHost(ProjectHost* host) { host_ = host; }

    // One row per page of the code window, in page order.
    void RefreshUnits();
    // The page is being destroyed: its row goes.
    void RemovePage(PageRef page);
    // "OK": the first chosen row's page becomes the active page; the window hides.
    void ShowChosenPage();

    HWND List() const { return list_; }
    HWND Button(Control id) const { return GetDlgItem(Handle(), id); }

protected:
    void OnCreate() override;
    void OnShow() override;
    void OnSize(int width, int height) override;
    void OnCommand(int id, int code, HWND control) override;
    LRESULT HandleMessage(UINT message, WPARAM wp, LPARAM lp) override;

private:
    ProjectHost* host_ = nullptr;
    HWND list_ = nullptr;
};

}  // namespace tavrin
