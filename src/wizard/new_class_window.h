// TNewClass ("New Class"): the new component wizard. The user names the
// class, picks its ancestor and how it takes over the ancestor's window
// procedure; OK settles the choice that GenerateComponent turns into pages.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/form_window.h"
#include "wizard/new_class_rules.h"

namespace tavrin {

struct NewClassHost {
    std::function<std::vector<std::string>()> paletteClasses;  // the class names of the palette's buttons
    std::function<void(const std::string&)> setSelectedClassName;
};

class TNewClass : public FormWindow {
public:
    enum ControlId {
        idAncestor = 1300, idClass, idGUI, idAPI, idSubclass, idSuperclass, idOK = IDOK, idCancel = IDCANCEL
    };

    explicit TNewClass(NewClassHost host);

    // The ancestor text changed (chosen from the list or typed).
    void AncestorChanged(const std::string& ancestor);
    void TemplateFamilyChanged();
    void Ok();
    void Cancel();

    // The choice of the last OK; GUI tells the template family.
    const ComponentChoice& Choice() const { return choice_; }
    bool GUI() const { return gui_; }
    const std::string& ClassInstance() const { return classInstance_; }
    HWND Control(int id) const { return GetDlgItem(Handle(), id); }
    bool Checked(int id) const;
    void SetChecked(int id, bool checked);

protected:
    DWORD Style() const override { return WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME; }
    DWORD ExStyle() const override { return WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT; }
    SIZE InitialSize() const override { return SIZE{330, 250}; }
    void OnCreate() override;
    void OnShow() override;
    void OnCommand(int id, int code, HWND control) override;

private:
    // The fixed entries, then the palette's classes; the text stays.
    void FillAncestors();

    NewClassHost host_;
    std::vector<std::string> entries_;
    std::string classInstance_ = "0";  // kept for the program's run
    ComponentChoice choice_;
    bool gui_ = true;
};

}  // namespace tavrin
