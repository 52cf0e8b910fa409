// TInstallClass ("Install Class"): puts a window class on the palette by
// hand. "Class Name:" holds a path (the class source or a library), "..."
// chooses one, "Class Palette:" names the palette page; OK saves the active
// page when it was never saved.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "ui/form_window.h"
#include "wizard/install_class_rules.h"

namespace tavrin {

struct InstallClassHost {
    std::function<std::string()> selectedClassName;
    std::function<std::string()> applicationDirectory;
    std::function<InstallPage*()> activePage;  // null without an active code page
    std::function<void(const std::string& path)> loadLibrary;
};

class TInstallClass : public FormWindow {
public:
    enum ControlId { idClass = 1400, idBrowse, idPalette, idOK = IDOK, idCancel = IDCANCEL };

    explicit TInstallClass(InstallClassHost host);

    void Browse();
    void Ok();
    std::string ClassPath() const;
    std::string PaletteName() const;
    HWND Control(int id) const { return GetDlgItem(Handle(), id); }

protected:
    DWORD Style() const override { return WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME; }
    DWORD ExStyle() const override { return WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT; }
    SIZE InitialSize() const override { return SIZE{400, 170}; }
    void OnCreate() override;
    void OnShow() override;
    void OnCommand(int id, int code, HWND control) override;

private:
    InstallClassHost host_;
};

}  // namespace tavrin
