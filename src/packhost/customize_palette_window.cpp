#include "packhost/customize_palette_window.h"

#include <commctrl.h>

#include "ui/component_names.h"

namespace tavrin {

TCustomizePalette::TCustomizePalette(TPaletteControl& palette, IniFile& settings)
    : FormWindow("TCustomizePalette", "CustomizePalette", "CustomizePalette"), palette_(&palette),
      settings_(&settings) {}

void TCustomizePalette::OnCreate() {
    pageControl_ = AddControl(WC_TABCONTROLA, "", WS_CLIPSIBLINGS, 0, 0, 100, 100, idPageControl);
    MarkItemsAsData(pageControl_);  // the palette's pages
    classes_.Create(Handle(), idClasses);
    SetWindowPos(classes_.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    AddButton("OK", 0, 0, 80, 26, IDOK);
    AddButton("Cancel", 0, 0, 80, 26, IDCANCEL, true);
}

void TCustomizePalette::OnShow() {
    sheets_ = CustomizeSheetsOf(*palette_);
    shownSheet_ = -1;
    SendMessageA(pageControl_, TCM_DELETEALLITEMS, 0, 0);
    for (std::size_t i = 0; i < sheets_.size(); ++i) {
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(sheets_[i].caption.c_str());
        SendMessageA(pageControl_, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
    }
    ShowSheet(sheets_.empty() ? -1 : 0);
}

void TCustomizePalette::ShowSheet(int index) {
    std::vector<std::string> names;
    std::vector<bool> checked;
    if (index >= 0 && index < static_cast<int>(sheets_.size())) {
        for (const CustomizeEntry& entry : sheets_[static_cast<std::size_t>(index)].entries) {
            names.push_back(entry.className);
            checked.push_back(entry.checked);
        }
        SendMessageA(pageControl_, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
    }
    shownSheet_ = index;
    classes_.SetEntries(names, checked);
}

void TCustomizePalette::OnSize(int width, int height) {
    const int margin = Scale(6);
    const int buttonTop = height - Scale(34);
    MoveWindow(pageControl_, margin, margin, width - 2 * margin, buttonTop - 2 * margin, TRUE);
    RECT area{0, 0, width - 2 * margin, buttonTop - 2 * margin};
    SendMessageA(pageControl_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    classes_.Resize(margin + area.left, margin + area.top, area.right - area.left, area.bottom - area.top);
    MoveWindow(GetDlgItem(Handle(), IDOK), width - Scale(176), buttonTop, Scale(80), Scale(26), TRUE);
    MoveWindow(GetDlgItem(Handle(), IDCANCEL), width - Scale(88), buttonTop, Scale(80), Scale(26), TRUE);
}

void TCustomizePalette::Close(int result) {
    if (InModalLoop()) EndModal(result);
    else Hide();
}

void TCustomizePalette::PressOk() {
    RemoveCheckedClasses(*palette_, *settings_, sheets_);
    Close(IDOK);
}

void TCustomizePalette::OnCommand(int id, int, HWND) {
    if (id == IDOK) PressOk();
    else if (id == IDCANCEL) Close(IDCANCEL);
}

LRESULT TCustomizePalette::HandleMessage(UINT message, WPARAM wp, LPARAM lp) {
    if (message == WM_NOTIFY) {
        auto* header = reinterpret_cast<NMHDR*>(lp);
        if (header->hwndFrom == pageControl_ && header->code == TCN_SELCHANGE) {
            ShowSheet(static_cast<int>(SendMessageA(pageControl_, TCM_GETCURSEL, 0, 0)));
            return 0;
        }
        int changed = classes_.CheckChangedBy(header);
        if (changed >= 0 && shownSheet_ >= 0) {
            auto& entries = sheets_[static_cast<std::size_t>(shownSheet_)].entries;
            if (changed < static_cast<int>(entries.size()))
                entries[static_cast<std::size_t>(changed)].checked = classes_.Checked(changed);
        }
        return 0;
    }
    return FormWindow::HandleMessage(message, wp, lp);
}

}  // namespace tavrin
