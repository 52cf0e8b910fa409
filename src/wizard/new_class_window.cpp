#include "wizard/new_class_window.h"

#include "common/commands.h"
#include "ui/component_names.h"
#include "ui/window_hooks.h"

namespace tavrin {
namespace {

// What the system knows of a window class name: a class of the system, or
// one the workbench's own module registered.
ClassKnowledge KnowledgeOf(const std::string& name) {
    WNDCLASSEXA info{};
    info.cbSize = sizeof info;
    ClassKnowledge known;
    if (name.empty()) return known;
    known.systemClass = GetClassInfoExA(nullptr, name.c_str(), &info) != 0;
    known.workbenchClass = !known.systemClass && GetClassInfoExA(GetModuleHandleA(nullptr), name.c_str(), &info);
    return known;
}

}  // namespace

TNewClass::TNewClass(NewClassHost host) : FormWindow("TNewClass", "NewClass", "New Class"), host_(std::move(host)) {}

void TNewClass::OnCreate() {
    NameComponent(AddLabel("Ancestor:", 12, 14, 86, 18), "lblAncestor");
    NameComponent(AddControl("COMBOBOX", "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, 100, 10, 200,
                             240, idAncestor),
                  "cbxAncestor");
    NameComponent(AddLabel("ClassName:", 12, 46, 86, 18), "lblClassName");
    NameComponent(AddControl("EDIT", "", WS_TABSTOP | ES_AUTOHSCROLL, 100, 42, 200, 22, idClass, WS_EX_CLIENTEDGE),
                  "EditClass");
    NameComponent(AddControl("BUTTON", "GUI", WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON, 24, 80, 100, 20, idGUI),
                  "rbxGUI");
    NameComponent(AddControl("BUTTON", "API", BS_AUTORADIOBUTTON, 24, 104, 100, 20, idAPI), "rbxAPI");
    NameComponent(AddControl("BUTTON", "Subclass", WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON, 160, 80, 120, 20,
                             idSubclass),
                  "rbxSubclass");
    NameComponent(AddControl("BUTTON", "Superclass", BS_AUTORADIOBUTTON, 160, 104, 120, 20, idSuperclass),
                  "rbxSuperclass");
    NameComponent(AddButton("OK", 130, 172, 80, 26, idOK), "btnOK");
    NameComponent(AddButton("Cancel", 220, 172, 80, 26, idCancel, true), "btnCancel");
    SetChecked(idGUI, true);
    SetChecked(idSuperclass, true);
    FillAncestors();
    EnableDialogKeys(Handle());
}

bool TNewClass::Checked(int id) const { return SendMessageA(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void TNewClass::SetChecked(int id, bool checked) {
    SendMessageA(Control(id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TNewClass::OnShow() { FillAncestors(); }

void TNewClass::FillAncestors() {
    HWND ancestor = Control(idAncestor);
    std::string text = WindowText(ancestor);  // the entries are made anew; the text stays
    SendMessageA(ancestor, CB_RESETCONTENT, 0, 0);
    entries_ = StandardAncestors();
    if (host_.paletteClasses)
        for (std::string& name : host_.paletteClasses()) entries_.push_back(std::move(name));
    for (const std::string& entry : entries_) SendMessageA(ancestor, CB_ADDSTRING, 0, LPARAM(entry.c_str()));
    SetWindowTextA(ancestor, text.c_str());
}

void TNewClass::AncestorChanged(const std::string& ancestor) {
    classInstance_ = ClassInstanceFor(KnowledgeOf(ancestor), classInstance_);
    HWND edit = Control(idClass);
    if (!ancestor.empty()) {
        std::string proposed = ProposedClassName(ancestor, entries_);
        SendMessageA(edit, EM_REPLACESEL, TRUE, LPARAM(proposed.c_str()));
        SetFocus(edit);
        // The whole proposal stays selected, so that the next ancestor
        // replaces it instead of being put in front of its "Ex".
        SendMessageA(edit, EM_SETSEL, 0, static_cast<LPARAM>(proposed.size()));
    }
    bool super = SuperclassChecked(classInstance_);
    SetChecked(idSuperclass, super);
    if (super) SetChecked(idSubclass, false);
}

void TNewClass::TemplateFamilyChanged() {
    bool gui = Checked(idGUI);
    EnableWindow(Control(idSubclass), gui);
    EnableWindow(Control(idSuperclass), gui);
}

void TNewClass::Ok() {
    gui_ = Checked(idGUI);
    choice_ = SettleChoice(WindowText(Control(idClass)), WindowText(Control(idAncestor)), classInstance_, gui_,
                           Checked(idSubclass));
    SetChecked(idSuperclass, choice_.superclass);
    if (choice_.superclass) SetChecked(idSubclass, false);
    if (host_.setSelectedClassName) host_.setSelectedClassName(choice_.className);
    EndModal(IDOK);
}

void TNewClass::Cancel() {
    if (host_.setSelectedClassName) host_.setSelectedClassName(std::string());
    EndModal(IDCANCEL);
}

void TNewClass::OnCommand(int id, int code, HWND control) {
    RunCommand([&] {
        switch (id) {
        case idAncestor:
            if (code == CBN_EDITCHANGE) AncestorChanged(WindowText(control));
            if (code == CBN_SELCHANGE) {
                int index = static_cast<int>(SendMessageA(control, CB_GETCURSEL, 0, 0));
                if (index >= 0 && index < static_cast<int>(entries_.size())) AncestorChanged(entries_[index]);
            }
            break;
        case idGUI:
        case idAPI:
            if (code == BN_CLICKED) TemplateFamilyChanged();
            break;
        case idOK: Ok(); break;
        case idCancel: Cancel(); break;
        default: break;
        }
    });
}

}  // namespace tavrin
