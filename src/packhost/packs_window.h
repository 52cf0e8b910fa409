// The "Packs" window: the pack libraries known to the workbench with a check
// mark each ("Available(s):"), the classes of the clicked one
// ("Component(s):"), and the commands Add, Remove, Install and Uninstall.
#pragma once

#include <windows.h>

#include "packhost/check_list_view.h"
#include "packhost/pack_list.h"
#include "ui/form_window.h"

namespace tavrin {

class TPacks : public FormWindow {
public:
    enum Control : int { idTabs = 400, idPacks, idComponents, idAdd, idRemove, idInstall, idUninstall,
                         idMenuAdd, idMenuRemove, idMenuView };

    explicit TPacks(PackRegistry& registry);

    PackList& List() { return list_; }
    HWND PacksList() const { return packs_.Handle(); }
    HWND ComponentsList() const { return components_.Handle(); }
    HWND Tabs() const { return tabs_; }
    HWND CommandButton(Control id) const { return GetDlgItem(Handle(), id); }
    // Shows the list's entries again (after a change made from outside).
    void Refresh();
    // The pop-up menu of the pack list, with its entries enabled as when it opens.
    HMENU PopupMenu();

protected:
    DWORD Style() const override { return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME; }
    DWORD ExStyle() const override { return WS_EX_TOOLWINDOW | WS_EX_TOPMOST; }
    SIZE InitialSize() const override { return SIZE{380, 300}; }
    void OnCreate() override;
    void OnShow() override;
    void OnSize(int width, int height) override;
    void OnCommand(int id, int code, HWND control) override;
    void OnGetMinMaxInfo(MINMAXINFO* info) override;
    LRESULT HandleMessage(UINT message, WPARAM wp, LPARAM lp) override;

private:
    // Runs a command of the list and shows the list again, also after a Cancel or an error.
    void Run(void (PackList::*command)());
    void UpdateButtons();
    void EntryClicked(int index);
    void ShowTab(int index);

    PackList list_;
    HWND tabs_ = nullptr;
    HMENU popup_ = nullptr;
    CheckListView packs_;
    CheckListView components_;
};

}  // namespace tavrin
