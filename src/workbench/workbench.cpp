#include "workbench/workbench.h"

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

}  // namespace tavrin
