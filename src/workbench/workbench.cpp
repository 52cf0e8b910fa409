#include "workbench/workbench.h"

#include <windows.h>

#include "common/text.h"
#include "ui/form_window.h"

namespace tavrin {

Workbench& App() {
    static Workbench workbench;
    return workbench;
}

FormWindow* Workbench::FindWindowByName(const std::string& name) const {
    for (const auto& window : Windows)
        if (EqualsNoCase(window->Name(), name)) return window.get();
    return nullptr;
}

std::vector<ApplicationWindow*> WorkbenchWindows::Windows() const {
    std::vector<ApplicationWindow*> windows;
    for (const auto& window : App().Windows) windows.push_back(window.get());
    return windows;
}

namespace {

BOOL CALLBACK AddWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM lp) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (!GetMonitorInfoA(monitor, &info)) return TRUE;
    auto& areas = *reinterpret_cast<std::vector<ScreenRect>*>(lp);
    ScreenRect area{info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom};
    if (info.dwFlags & MONITORINFOF_PRIMARY) areas.insert(areas.begin(), area);
    else areas.push_back(area);
    return TRUE;
}

}  // namespace

DesktopGeometry WorkbenchWindows::Desktop() const {
    DesktopGeometry desktop;
    EnumDisplayMonitors(nullptr, nullptr, AddWorkArea, reinterpret_cast<LPARAM>(&desktop.workAreas));
    desktop.captionHeight = GetSystemMetrics(SM_CYSIZEFRAME) + GetSystemMetrics(SM_CYCAPTION);
    return desktop;
}

}  // namespace tavrin
