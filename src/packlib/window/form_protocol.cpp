// The property table of forms.
#include "packlib/core/class_tables.h"
#include "packlib/core/property_access.h"
#include "packlib/window/form.h"

using velpack::kListed;
using velpack::PropertyName;

namespace {

// Menus are given by address: 0 detaches, any other address must name a live menu of
// the right class.
bool SetMainMenuFromText(QForm& form, const char* value, const PropertyName&) {
    QMainMenu* menu = nullptr;
    if (!velpack::ObjectFromText(value, menu)) return false;
    form.SetMainMenu(menu);
    return true;
}

bool SetPopupMenuFromText(QForm& form, const char* value, const PropertyName&) {
    QPopupMenu* menu = nullptr;
    if (!velpack::ObjectFromText(value, menu)) return false;
    form.SetPopupMenu(menu);
    return true;
}

using A = velpack::Access<QForm>;
const velpack::PropertyRow<QForm> kFormRows[] = {
    // Read only here: the frame knows no such name either.
    {"BorderIcons", kListed, {pkSet, "QBorderIcons", "biNone,biMaximixe,biMinimize", nullptr},
     A::Signed<&QForm::BorderIcons>, nullptr, nullptr},
    {"FormBorder", kListed,
     {pkEnumeration, "QFormBorder", "bsNone,bsSingle,bsSizeable,bsSizeTool,bsToolWindow", nullptr},
     A::Signed<&QForm::FormBorder>, nullptr, A::SetRounded<&QForm::FormBorder>},
    {"FormStyle", kListed,
     {pkEnumeration, "QFormStyle", "fsNormal,fsMDIClient,fsMDIChild,fsStayOnTop", nullptr},
     A::Signed<&QForm::FormStyle>, nullptr, A::SetRounded<&QForm::FormStyle>},
    {"WindowState", kListed,
     {pkEnumeration, "QWindowState", "wsNormal,wsHide,wsMinimized,wsMaximized,wsRestored",
      nullptr},
     A::Signed<&QForm::GetWindowState>, nullptr, A::SetRounded<&QForm::SetWindowState>},
    {"MainMenu", kListed, {pkObject, "QMainMenu", "mainmenu", nullptr},
     A::UnsignedAddress<&QForm::MainMenu>, nullptr, SetMainMenuFromText},
    {"PopupMenu", kListed, {pkObject, "QPopupMenu", "popupmenu", nullptr},
     A::UnsignedAddress<&QForm::PopupMenu>, nullptr, SetPopupMenuFromText},
};
const velpack::PropertyTable<QForm> kFormTable(kFormRows, velpack::FrameTable);

}  // namespace

VELPACK_TABLE_PROTOCOL(QForm, kFormTable)
