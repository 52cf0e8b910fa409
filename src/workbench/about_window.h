// The about box and its picture window.
#pragma once

#include <string>

#include "ui/form_window.h"

namespace tavrin {

// The picture window of the about box (caption "image", stays on top): shows
// a bitmap centred and scaled proportionally.
class TimageShow : public FormWindow {
public:
    TimageShow();
    ~TimageShow() override;
    // Takes ownership of the bitmap.
    void SetPicture(HBITMAP picture);
    HBITMAP Picture() const { return picture_; }

protected:
    DWORD ExStyle() const override { return WS_EX_TOOLWINDOW | WS_EX_TOPMOST; }
    SIZE InitialSize() const override { return SIZE{420, 340}; }
    LRESULT HandleMessage(UINT message, WPARAM wp, LPARAM lp) override;

private:
    HBITMAP picture_ = nullptr;
};

class TAbout : public FormWindow {
public:
    TAbout();
    // The picture window is created after the about box.
    void SetImageShow(TimageShow* imageShow) { imageShow_ = imageShow; }
    // The "Export symbols" check box.
    bool ExportSymbolsChecked() const;
    // A click on the version label: shows the picture resource, when present.
    void ShowPicture();
    void PressOk();
    // The settings file line: where this copy keeps its settings.
    std::string SettingsPathShown() const;

protected:
    DWORD Style() const override { return WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME; }
    DWORD ExStyle() const override { return WS_EX_DLGMODALFRAME; }
    SIZE InitialSize() const override { return SIZE{380, 306}; }
    void OnCreate() override;
    void OnShow() override;
    void OnCommand(int id, int code, HWND control) override;
    LRESULT HandleMessage(UINT message, WPARAM wp, LPARAM lp) override;

private:
    TimageShow* imageShow_ = nullptr;
    HWND exportSymbols_ = nullptr;
    HWND version_ = nullptr;
    HWND mail_ = nullptr;
    HWND product_ = nullptr;
    HWND settingsPath_ = nullptr;
    HFONT bigFont_ = nullptr;
    bool pictureShownBefore_ = false;
};

}  // namespace tavrin
