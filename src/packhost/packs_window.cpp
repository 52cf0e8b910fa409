#include "packhost/packs_window.h"

#include <commctrl.h>

#include "common/commands.h"

namespace tavrin {

TPacks::TPacks(PackRegistry& registry) : FormWindow("TPacks", "Packs", "Packs"), list_(registry) {}

void TPacks::OnCreate() {
    tabs_ = AddControl(WC_TABCONTROLA, "", WS_CLIPSIBLINGS, 0, 0, 100, 100, idTabs);
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>("Available(s):");
    SendMessageA(tabs_, TCM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    item.pszText = const_cast<char*>("Component(s):");
    SendMessageA(tabs_, TCM_INSERTITEMA, 1, reinterpret_cast<LPARAM>(&item));
    packs_.Create(Handle(), idPacks);
    components_.Create(Handle(), idComponents);
    for (HWND list : {packs_.Handle(), components_.Handle()})
        SetWindowPos(list, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    AddButton("Add..", 0, 0, 80, 26, idAdd);
    AddButton("Remove", 0, 0, 80, 26, idRemove);
    AddButton("Install", 0, 0, 80, 26, idInstall, true);
    AddButton("Uninstall", 0, 0, 80, 26, idUninstall);
    popup_ = CreatePopupMenu();
    AppendMenuA(popup_, MF_STRING, idMenuAdd, "Add...");
    AppendMenuA(popup_, MF_STRING, idMenuRemove, "Remove");
    AppendMenuA(popup_, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(popup_, MF_STRING, idMenuView, "View package...");
    ShowTab(0);
    UpdateButtons();
}

void TPacks::OnShow() {
    list_.Show();
    Refresh();
}

void TPacks::OnSize(int width, int height) {
    const int margin = Scale(6);
    const int buttonTop = height - Scale(34);
    MoveWindow(tabs_, margin, margin, width - 2 * margin, buttonTop - 2 * margin, TRUE);
    RECT area{0, 0, width - 2 * margin, buttonTop - 2 * margin};
    SendMessageA(tabs_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    for (CheckListView* list : {&packs_, &components_})
        list->Resize(margin + area.left, margin + area.top, area.right - area.left, area.bottom - area.top);
    int x = margin;
    for (int id : {idAdd, idRemove, idInstall, idUninstall}) {
        MoveWindow(GetDlgItem(Handle(), id), x, buttonTop, Scale(80), Scale(26), TRUE);
        x += Scale(80) + margin;
    }
}

void TPacks::OnGetMinMaxInfo(MINMAXINFO* info) {
    info->ptMinTrackSize.x = Scale(357);
    info->ptMinTrackSize.y = Scale(162);
}

void TPacks::ShowTab(int index) {
    SendMessageA(tabs_, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
    ShowWindow(packs_.Handle(), index == 0 ? SW_SHOW : SW_HIDE);
    ShowWindow(components_.Handle(), index == 1 ? SW_SHOW : SW_HIDE);
}

void TPacks::Refresh() {
    std::vector<std::string> texts;
    std::vector<bool> checked;
    for (const PackListEntry& entry : list_.Entries) {
        texts.push_back(entry.text);
        checked.push_back(entry.checked);
    }
    packs_.SetEntries(texts, checked);
    if (list_.Current >= 0) packs_.Select(list_.Current);
    if (list_.Current < 0) components_.SetEntries({}, {});
    UpdateButtons();
}

void TPacks::UpdateButtons() {
    bool enabled = list_.CommandsEnabled();
    for (int id : {idRemove, idInstall, idUninstall}) EnableWindow(GetDlgItem(Handle(), id), enabled);
}

void TPacks::EntryClicked(int index) {
    list_.Current = index;
    UpdateButtons();
    components_.SetEntries(list_.ComponentsOf(index), {});
}

HMENU TPacks::PopupMenu() {
    EnableMenuItem(popup_, idMenuRemove, MF_BYCOMMAND | (list_.RemoveMenuEnabled() ? MF_ENABLED : MF_GRAYED));
    return popup_;
}

void TPacks::Run(void (PackList::*command)()) {
    RunCommand([&] { (list_.*command)(); });
    Refresh();
}

void TPacks::OnCommand(int id, int, HWND) {
    switch (id) {
    case idAdd:
    case idMenuAdd: Run(&PackList::Add); break;
    case idRemove:
    case idMenuRemove: Run(&PackList::Remove); break;
    case idInstall:
    case IDOK: Run(&PackList::Install); break;
    case idUninstall: Run(&PackList::Uninstall); break;
    default: break;  // "View package..." has no command
    }
}

LRESULT TPacks::HandleMessage(UINT message, WPARAM wp, LPARAM lp) {
    switch (message) {
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lp);
        if (header->hwndFrom == tabs_ && header->code == TCN_SELCHANGE) {
            ShowTab(static_cast<int>(SendMessageA(tabs_, TCM_GETCURSEL, 0, 0)));
            return 0;
        }
        int changed = packs_.CheckChangedBy(header);
        if (changed >= 0 && changed < static_cast<int>(list_.Entries.size())) {
            list_.Entries[static_cast<std::size_t>(changed)].checked = packs_.Checked(changed);
            UpdateButtons();
        }
        int selected = packs_.SelectedBy(header);
        if (selected >= 0) EntryClicked(selected);
        if (header->hwndFrom == packs_.Handle() && header->code == NM_CLICK) {
            int clicked = reinterpret_cast<NMITEMACTIVATE*>(header)->iItem;
            if (clicked >= 0) EntryClicked(clicked);
        }
        return 0;
    }
    case WM_CONTEXTMENU:
        if (reinterpret_cast<HWND>(wp) == packs_.Handle()) {
            POINT at{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
            TrackPopupMenu(PopupMenu(), TPM_LEFTALIGN | TPM_TOPALIGN, at.x, at.y, 0, Handle(), nullptr);
            return 0;
        }
        break;
    }
    return FormWindow::HandleMessage(message, wp, lp);
}

}  // namespace tavrin
