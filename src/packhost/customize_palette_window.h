// The customize-palette window ("CustomizePalette"): a tab per palette page,
// each with a check list of the page's classes; "OK" removes the checked
// classes from the palette after asking.
#pragma once

#include <windows.h>

#include <vector>

#include "common/ini_file.h"
#include "packhost/check_list_view.h"
#include "packhost/palette_customizing.h"
#include "ui/form_window.h"

namespace tavrin {

class TCustomizePalette : public FormWindow {
public:
    enum Control : int { idPageControl = 450, idClasses };

    TCustomizePalette(TPaletteControl& palette, IniFile& settings);

    HWND PageControl() const { return pageControl_; }
    HWND ClassList() const { return classes_.Handle(); }
    std::vector<CustomizeSheet>& Sheets() { return sheets_; }
    // The sheet whose classes the check list shows.
    void ShowSheet(int index);
    // "OK": removes the checked classes (after asking) and closes.
    void PressOk();

protected:
    DWORD Style() const override { return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME; }
    DWORD ExStyle() const override { return WS_EX_TOOLWINDOW; }
    SIZE InitialSize() const override { return SIZE{420, 320}; }
    void OnCreate() override;
    void OnShow() override;
    void OnSize(int width, int height) override;
    void OnCommand(int id, int code, HWND control) override;
    LRESULT HandleMessage(UINT message, WPARAM wp, LPARAM lp) override;

private:
    void Close(int result);

    TPaletteControl* palette_;
    IniFile* settings_;
    std::vector<CustomizeSheet> sheets_;
    int shownSheet_ = -1;
    HWND pageControl_ = nullptr;
    CheckListView classes_;
};

}  // namespace tavrin
