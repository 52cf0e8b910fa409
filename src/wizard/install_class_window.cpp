#include "wizard/install_class_window.h"

#include "common/commands.h"
#include "common/prompts.h"
#include "ui/component_names.h"
#include "ui/window_hooks.h"

namespace tavrin {

TInstallClass::TInstallClass(InstallClassHost host)
    : FormWindow("TInstallClass", "InstallClass", "Install Class"), host_(std::move(host)) {}

void TInstallClass::OnCreate() {
    NameComponent(AddLabel("Class Name:", 12, 16, 92, 18), "lblClassName");
    NameComponent(AddControl("EDIT", "", WS_TABSTOP | ES_AUTOHSCROLL, 104, 12, 238, 22, idClass, WS_EX_CLIENTEDGE),
                  "EditClass");
    NameComponent(AddButton("...", 348, 12, 30, 22, idBrowse), "btnBrowseClass");
    NameComponent(AddLabel("Class Palette:", 12, 52, 92, 18), "lblClassPalette");
    NameComponent(AddControl("COMBOBOX", "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, 104, 48, 160,
                             200, idPalette),
                  "cbxPalette");
    SetWindowTextA(Control(idPalette), "user");
    NameComponent(AddButton("OK", 208, 96, 80, 26, idOK), "btnOK");
    NameComponent(AddButton("Cancel", 298, 96, 80, 26, idCancel, true), "btnCancel");
    EnableDialogKeys(Handle());
}

void TInstallClass::OnShow() {
    std::string selected = host_.selectedClassName ? host_.selectedClassName() : std::string();
    std::string folder = host_.applicationDirectory ? host_.applicationDirectory() : std::string();
    SetWindowTextA(Control(idClass), InstallPathFor(folder, selected).c_str());
    // The entries go; the text typed stays.
    std::string palette = PaletteName();
    SendMessageA(Control(idPalette), CB_RESETCONTENT, 0, 0);
    SetWindowTextA(Control(idPalette), palette.c_str());
}

std::string TInstallClass::ClassPath() const { return WindowText(Control(idClass)); }
std::string TInstallClass::PaletteName() const { return WindowText(Control(idPalette)); }

void TInstallClass::Browse() {
    FileBoxRequest request;
    request.filter = kInstallClassFilter;
    FileBoxResult chosen = UserPrompts().OpenFile(request);
    if (chosen.accepted && !chosen.files.empty()) SetWindowTextA(Control(idClass), chosen.files.front().c_str());
    if (IsPackLibraryPath(ClassPath()) && host_.loadLibrary) host_.loadLibrary(ClassPath());
}

void TInstallClass::Ok() {
    std::string selected = host_.selectedClassName ? host_.selectedClassName() : std::string();
    SaveClassSource(host_.activePage ? host_.activePage() : nullptr, ClassPath(), selected);
    EndModal(IDOK);
}

void TInstallClass::OnCommand(int id, int, HWND) {
    RunCommand([&] {
        switch (id) {
        case idBrowse: Browse(); break;
        case idOK: Ok(); break;
        case idCancel: EndModal(IDCANCEL); break;
        default: break;
        }
    });
}

}  // namespace tavrin
