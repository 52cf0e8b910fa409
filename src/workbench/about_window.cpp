#include "workbench/about_window.h"

#include <shellapi.h>

#include <algorithm>

#include "ui/jpeg_picture.h"
#include "settings/launcher.h"
#include "workbench/workbench.h"

namespace tavrin {

namespace {
enum { kOk = IDOK, kExportSymbols = 200, kVersion, kMail, kPicture, kSettingsPath };
}

TimageShow::TimageShow() : FormWindow("TimageShow", "imageShow", "image") {}

TimageShow::~TimageShow() {
    if (picture_) DeleteObject(picture_);
}

void TimageShow::SetPicture(HBITMAP picture) {
    if (picture_) DeleteObject(picture_);
    picture_ = picture;
    if (Handle()) InvalidateRect(Handle(), nullptr, TRUE);
}

LRESULT TimageShow::HandleMessage(UINT message, WPARAM wp, LPARAM lp) {
    if (message == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(Handle(), &ps);
        RECT client{};
        GetClientRect(Handle(), &client);
        FillRect(dc, &client, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
        BITMAP info{};
        if (picture_ && GetObjectA(picture_, sizeof(info), &info) && info.bmWidth && info.bmHeight) {
            // Centred and scaled proportionally to fit the client area.
            double scale = std::min(static_cast<double>(client.right) / info.bmWidth,
                                    static_cast<double>(client.bottom) / std::abs(info.bmHeight));
            int width = static_cast<int>(info.bmWidth * scale);
            int height = static_cast<int>(std::abs(info.bmHeight) * scale);
            HDC memory = CreateCompatibleDC(dc);
            HGDIOBJ old = SelectObject(memory, picture_);
            SetStretchBltMode(dc, HALFTONE);
            StretchBlt(dc, (client.right - width) / 2, (client.bottom - height) / 2, width, height,
                       memory, 0, 0, info.bmWidth, std::abs(info.bmHeight), SRCCOPY);
            SelectObject(memory, old);
            DeleteDC(memory);
        }
        EndPaint(Handle(), &ps);
        return 0;
    }
    if (message == WM_SIZE) InvalidateRect(Handle(), nullptr, TRUE);
    return FormWindow::HandleMessage(message, wp, lp);
}

TAbout::TAbout() : FormWindow("TAbout", "About", "About") {}

void TAbout::OnCreate() {
    bigFont_ = CreateFontA(-Scale(32), 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                           ANTIALIASED_QUALITY, 0, "Arial");
    HWND icon = AddControl("STATIC", "MAINICON", SS_ICON, 16, 16, 32, 32, kPicture);
    SendMessageA(icon, STM_SETICON,
                 reinterpret_cast<WPARAM>(LoadIconA(GetModuleHandleA(nullptr), "MAINICON")), 0);
    product_ = AddLabel("Orvale", 64, 10, 280, 40);
    SendMessageA(product_, WM_SETFONT, reinterpret_cast<WPARAM>(bigFont_), FALSE);
    version_ = AddControl("STATIC", "version 11 - Velmora", SS_NOTIFY, 66, 52, 200, 18, kVersion);
    AddLabel("A visual development workbench for FreeBASIC programs: design dialogs with live "
             "components, write code, compile, run and debug.",
             16, 80, 340, 48);
    AddLabel("Freeware", 16, 136, 120, 18);
    mail_ = AddControl("STATIC", "e-mail", SS_NOTIFY, 16, 158, 120, 18, kMail);
    exportSymbols_ = AddControl("BUTTON", "Export symbols", BS_AUTOCHECKBOX | WS_TABSTOP, 16, 190,
                                160, 20, kExportSymbols);
    AddButton("OK", 270, 190, 80, 26, kOk, true);
    // Beside the program for a portable copy, in the user's application data
    // for an installed one whose folder cannot be written.
    AddLabel("Settings:", 16, 228, 60, 18);
    settingsPath_ = AddControl("EDIT", "", ES_READONLY | ES_AUTOHSCROLL, 76, 226, 276, 20, kSettingsPath,
                               WS_EX_CLIENTEDGE);
}

void TAbout::OnShow() {
    bool checked = App().Launcher && App().Launcher->ExportSymbols;
    SendMessageA(exportSymbols_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    std::string settings = App().Launcher ? App().Launcher->SettingsFile().Path() : std::string();
    SetWindowTextA(settingsPath_, settings.c_str());
}

std::string TAbout::SettingsPathShown() const {
    char text[MAX_PATH * 2] = {};
    GetWindowTextA(settingsPath_, text, sizeof text);
    return text;
}

bool TAbout::ExportSymbolsChecked() const {
    return SendMessageA(exportSymbols_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TAbout::ShowPicture() {
    HBITMAP picture = LoadJpegResource("VELMORA", "JPG");
    if (!picture || !imageShow_) return;  // no picture resource: nothing happens
    imageShow_->SetPicture(picture);
    if (!pictureShownBefore_) {
        // The first time in a run the picture opens beside the about box.
        RECT box{};
        GetWindowRect(Handle(), &box);
        SetWindowPos(imageShow_->Handle(), nullptr, box.right + Scale(8), box.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        pictureShownBefore_ = true;
    }
    imageShow_->Show();
}

void TAbout::PressOk() {
    if (App().Launcher) App().Launcher->ExportSymbols = ExportSymbolsChecked();
    if (imageShow_) imageShow_->Hide();
    if (InModalLoop()) EndModal(IDOK);
    else Hide();
}

void TAbout::OnCommand(int id, int code, HWND) {
    switch (id) {
    case kOk:
        PressOk();
        break;
    case kVersion:
        if (code == STN_CLICKED) ShowPicture();
        break;
    case kMail:
        if (code == STN_CLICKED)
            ShellExecuteA(Handle(), "open", "mailto:velmora@orvale.org", nullptr, nullptr, SW_SHOWNORMAL);
        break;
    }
}

LRESULT TAbout::HandleMessage(UINT message, WPARAM wp, LPARAM lp) {
    if (message == WM_CTLCOLORSTATIC) {
        HWND control = reinterpret_cast<HWND>(lp);
        HDC dc = reinterpret_cast<HDC>(wp);
        if (control == product_ || control == version_ || control == mail_) {
            SetTextColor(dc, control == product_ ? RGB(200, 20, 20) : RGB(0, 0, 200));
            SetBkMode(dc, TRANSPARENT);
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        }
    }
    if (message == WM_DESTROY && bigFont_) {
        DeleteObject(bigFont_);
        bigFont_ = nullptr;
    }
    return FormWindow::HandleMessage(message, wp, lp);
}

}  // namespace tavrin
