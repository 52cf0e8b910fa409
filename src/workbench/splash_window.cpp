#include "workbench/splash_window.h"

#include "common/dpi_units.h"

namespace tavrin {

std::string SystemLineText(const std::string& title) {
    using IsWow64Fn = BOOL(WINAPI*)(HANDLE, PBOOL);
    auto isWow64 = reinterpret_cast<IsWow64Fn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32"), "IsWow64Process")));
    BOOL wow64 = FALSE;
    bool under64 = isWow64 && isWow64(GetCurrentProcess(), &wow64) && wow64;
    return "That " + title + " application run under " + (under64 ? "64" : "32") + " bits system.";
}

TSplash::TSplash(std::string title)
    : FormWindow("TSplash", "Splash", "Splash"), systemLine_(SystemLineText(title)) {}

void TSplash::SetProgress(const std::string& text) {
    progress_ = text;
    if (!Visible()) return;
    DWORD now = GetTickCount();
    if (progressPainted_ && now - lastProgressPaint_ < kProgressIntervalMs) return;
    progressPainted_ = true;
    lastProgressPaint_ = now;
    ++progressPaints_;
    InvalidateRect(Handle(), nullptr, FALSE);
    UpdateWindow(Handle());
}

void TSplash::RunDatabaseStep() {
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    SIZE size = InitialSize();
    size = SIZE{Scale(size.cx), Scale(size.cy)};
    SetWindowPos(Handle(), HWND_TOPMOST, (work.right - work.left - size.cx) / 2,
                 (work.bottom - work.top - size.cy) / 2, size.cx, size.cy,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
    progressPainted_ = false;
    UpdateWindow(Handle());
    bool hasEntries = LoadDataBase ? LoadDataBase() : true;
    if (!hasEntries && BuildDataBase) BuildDataBase();
    Hide();
    if (SaveDataBase) SaveDataBase();
}

void TSplash::Paint(HDC dc) {
    RECT client{};
    GetClientRect(Handle(), &client);
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetBkMode(dc, TRANSPARENT);
    auto text = [&](const std::string& s, int x, int y, int height, int weight, COLORREF color,
                    const char* face = "Arial") {
        HFONT font = CreateFontA(-Scale(height), 0, 0, 0, weight, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                                 ANTIALIASED_QUALITY, 0, face);
        HGDIOBJ old = SelectObject(dc, font);
        SetTextColor(dc, color);
        TextOutA(dc, Scale(x), Scale(y), s.c_str(), static_cast<int>(s.size()));
        SelectObject(dc, old);
        DeleteObject(font);
    };
    text(systemLine_, 8, 6, 12, FW_NORMAL, RGB(90, 90, 90));
    text("Orvale", 40, 40, 72, FW_BOLD, RGB(200, 20, 20));
    text("version 11 - Velmora", 44, 124, 20, FW_NORMAL, RGB(40, 40, 40));
    text("is time to stop joking and doing things...", 44, 156, 14, FW_NORMAL, RGB(90, 90, 90));
    text(progress_, 8, UnscaleFromDpi(client.bottom, Dpi()) - 20, 12, FW_NORMAL, RGB(40, 40, 40));
}

LRESULT TSplash::HandleMessage(UINT message, WPARAM wp, LPARAM lp) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(Handle(), &ps);
        Paint(dc);
        EndPaint(Handle(), &ps);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;  // a click closes the splash without activating it
    case WM_LBUTTONDOWN:
        Hide();
        if (SaveDataBase) SaveDataBase();
        return 0;
    }
    return FormWindow::HandleMessage(message, wp, lp);
}

}  // namespace tavrin
