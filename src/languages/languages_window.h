// TLanguagesDlg, the languages window: the list of language files with its
// pop-up menu ("Remove", "Save Base Language") and the buttons "L&oad...",
// "&Set", "&Show" and "&Close". The command makes a fresh instance and shows
// it modally; one instance also lives among the windows made at start.
#pragma once

#include "languages/languages_dialog.h"
#include "ui/form_window.h"

namespace tavrin {

class TLanguagesDlg : public FormWindow {
public:
    explicit TLanguagesDlg(LanguagesHost host);
    ~TLanguagesDlg() override;

    LanguagesDialog& Logic() { return logic_; }
    HWND ListBox() const { return list_; }
    HWND SetButton() const { return set_; }
    HWND ShowButton() const { return show_; }
    HMENU PopupMenu() const { return popup_; }
    // A click on the list's entry (-1: none), as the user makes it.
    void ClickEntry(int index);
    // Runs a command of the window (its buttons and pop-up items).
    void RunCommandId(int id);

    enum Command { cmdLoad = 1001, cmdSet, cmdShow, cmdClose, cmdRemove, cmdSaveBase, idList = 1100 };

protected:
    DWORD Style() const override { return WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME; }
    DWORD ExStyle() const override { return WS_EX_TOOLWINDOW | WS_EX_TOPMOST; }
    SIZE InitialSize() const override { return SIZE{340, 260}; }
    void OnCreate() override;
    void OnShow() override;
    void OnSize(int width, int height) override;
    void OnCommand(int id, int code, HWND control) override;
    LRESULT HandleMessage(UINT message, WPARAM wp, LPARAM lp) override;

private:
    void Refresh();

    LanguagesDialog logic_;
    HWND list_ = nullptr;
    HWND load_ = nullptr, set_ = nullptr, show_ = nullptr, close_ = nullptr;
    HMENU popup_ = nullptr;
};

}  // namespace tavrin
