#include "designer/dialog_commands.h"

#include <algorithm>
#include <map>
#include <set>

#include "common/message_pump.h"
#include "common/text.h"
#include "designer/component_container.h"
#include "designer/control_alignment.h"
#include "designer/dialog_code.h"
#include "designer/dialog_events.h"
#include "designer/dialog_window.h"
#include "designer/property_lines.h"
#include "designer/tab_order.h"
#include "designer/tab_order_dialog.h"

namespace tavrin {

namespace {

// Properties that name live windows and nodes, or that the name and host
// stand for: never part of a kept state or a pasted component's lines.
bool KeptProperty(const std::string& name) {
    for (const char* skipped : {"Name", "HostHandle", "Node"})
        if (EqualsNoCase(name, skipped)) return false;
    return true;
}

// The bounds statement stands for these.
bool IsBoundsProperty(const std::string& name) {
    for (const char* bound : {"Left", "Top", "Width", "Height"})
        if (EqualsNoCase(name, bound)) return true;
    return false;
}

std::string ClassNameOf(const TContainer& c) {
    return dynamic_cast<const TComponentContainer*>(&c) ? "TComponentContainer" : "TContainer";
}

// The tags of the lines that belong to no recreated object (menus, ...).
std::set<LineTag> OtherTags(const CodeSnapshot& code) {
    std::set<LineTag> tags;
    for (const CodeSnapshot::Tag& tag : code.tags)
        if (tag.slot < 0 && tag.raw) tags.insert(tag.raw);
    return tags;
}

// Lays the restored properties on a component: the live window last.
void SetProperties(TContainer& c, const std::vector<std::pair<std::string, std::string>>& properties) {
    std::string host;
    for (const auto& [name, value] : properties) {
        if (EqualsNoCase(name, "Host")) host = value;
        else if (c.Properties().Get(name) != value) c.Properties().Set(name, value);
    }
    if (!host.empty() && host != c.Host()) c.SetHost(host);
}

constexpr const char* kOwnPrefix = "this.";
constexpr const char* kWindowPrefix = "dialog.";
constexpr const char* kWindowProperties[] = {"Name", "Caption", "Left", "Top", "Width", "Height"};

}  // namespace

DialogCommands::DialogCommands(TDialog& dialog) : dialog_(dialog) {
    TELDesigner& surface = dialog_.ELDesigner;
    surface.OnCommandStart = [this] { Begin(); };
    surface.OnPasted = [this](TContainer& c) { Pasted(c); };
    surface.OnKeyDown = [this](WPARAM key, bool shift, bool control, bool alt) {
        if (!control || alt || shift) return false;
        TELDesigner& s = dialog_.ELDesigner;
        switch (key) {
        case 'Z': Undo(); return true;
        case 'Y': Redo(); return true;
        case 'C': s.Copy(); return true;
        case 'X': Begin(); s.Cut(); return true;
        case 'V': s.Paste(); return true;
        }
        return false;
    };
}

std::vector<LineTag> DialogCommands::Objects() const {
    std::vector<LineTag> objects{&dialog_.OwnContainer()};
    for (const auto& c : dialog_.ELDesigner.Components()) objects.push_back(c.get());
    return objects;
}

DialogCommands::State DialogCommands::Capture() const {
    State state;
    for (const auto& c : dialog_.ELDesigner.Components()) {
        TContainer* parent = dialog_.ELDesigner.ParentOf(*c);
        ComponentState kept{c->Name(), ClassNameOf(*c), parent ? parent->Name() : std::string(), {}};
        for (const std::string& name : c->Properties().Names())
            if (KeptProperty(name)) kept.properties.emplace_back(name, *c->Properties().Get(name));
        state.components.push_back(std::move(kept));
    }
    TContainer& own = dialog_.OwnContainer();
    for (const std::string& name : own.Properties().Names())
        if (KeptProperty(name) && !EqualsNoCase(name, "Host"))
            state.ownValues.emplace_back(kOwnPrefix + name, *own.Properties().Get(name));
    for (const char* name : kWindowProperties)
        state.ownValues.emplace_back(kWindowPrefix + std::string(name), *dialog_.Properties().Get(name));
    if (dialog_.Code) state.code = TakeCodeSnapshot(*dialog_.Code, Objects());
    return state;
}

// The changes after a command began form one step. Changes before the
// first command (the code reader's) and outside the dialog (typing in the
// page) are no steps: the next command starts from them.
void DialogCommands::Changed() {
    if (restoring_ || !known_) return;
    State now = Capture();
    if (now == *known_) return;
    // Lines of objects that came or went outside the design (menu items)
    // could name freed objects in older steps: the history starts anew.
    if (OtherTags(now.code) != OtherTags(known_->code)) {
        history_.Clear();
        stepOpen_ = true;
    } else if (!stepOpen_) {
        history_.Record(std::move(*known_));
        stepOpen_ = true;
    }
    known_ = std::move(now);
}

void DialogCommands::StartAfresh() {
    if (restoring_ || !known_) return;
    history_.Clear();
    known_ = Capture();
    stepOpen_ = false;
}

void DialogCommands::EditedOutside() {
    if (restoring_ || !known_) return;
    stepOpen_ = false;
    Changed();
    stepOpen_ = false;
}

void DialogCommands::Begin() {
    if (restoring_) return;
    known_ = Capture();
    stepOpen_ = false;
}

void DialogCommands::Undo() {
    if (restoring_) return;
    Begin();
    if (!history_.CanUndo()) return;
    Restore(*history_.Undo(*known_));
}

void DialogCommands::Redo() {
    if (restoring_) return;
    Begin();
    if (!history_.CanRedo()) return;
    Restore(*history_.Redo(*known_));
}

void DialogCommands::Restore(const State& state) {
    struct Guard {
        bool& flag;
        ~Guard() { flag = false; }
    } guard{restoring_};
    restoring_ = true;
    // Listeners told of the recreated components may let pending messages
    // run (the inspector does while it fills): a command arriving then would
    // find half the step restored, so they are held until the step is whole.
    MessagePumpPause pause;
    TELDesigner& surface = dialog_.ELDesigner;
    if (surface.Active()) surface.SelectOnly(TELDesigner::Item{nullptr});
    while (!surface.Components().empty()) surface.DeleteComponent(*surface.Components().back());
    for (const ComponentState& kept : state.components) {
        // Parents come before their children in the creation order.
        TContainer* parent = nullptr;
        for (const auto& c : surface.Components())
            if (!kept.parent.empty() && c->Name() == kept.parent) parent = c.get();
        std::unique_ptr<TContainer> created = CreateContainerOfClass(kept.className, dialog_.Handle());
        if (!created) continue;
        created->SetName(kept.name);
        created->SetParentComponent(parent);
        created->Handle();
        TContainer& added = surface.AddComponent(std::move(created));
        SetProperties(added, kept.properties);
        for (DialogEvents* listener : std::vector<DialogEvents*>(DialogListeners()))
            listener->OnComponentInserted(dialog_, added);
    }
    for (const auto& [key, value] : state.ownValues) {
        if (key.rfind(kOwnPrefix, 0) == 0) {
            std::string name = key.substr(std::string(kOwnPrefix).size());
            if (dialog_.OwnContainer().Properties().Get(name) != value) dialog_.OwnContainer().Properties().Set(name, value);
        } else {
            std::string name = key.substr(std::string(kWindowPrefix).size());
            if (dialog_.Properties().Get(name) != value) dialog_.Properties().Set(name, value);
        }
    }
    if (dialog_.Code) RestoreCodeSnapshot(*dialog_.Code, state.code, Objects());
    if (dialog_.OnCodeModified) dialog_.OnCodeModified();
    known_ = Capture();
    stepOpen_ = false;
}

// A pasted component's lines: its field, parent and bounds, and a line for
// every property that differs from a new component's. A parent is pasted
// (and written) before what it holds.
void DialogCommands::Pasted(TContainer& c) {
    if (dialog_.Code) {
        CodeObject object{&c, c.Name(), false};
        TContainer* parent = dialog_.ELDesigner.ParentOf(c);
        WriteComponent(*dialog_.Code, dialog_.Name(), object, c.Host(), {c.Left(), c.Top(), c.Width(), c.Height()},
                       parent ? parent->Name() : "This");
        TContainer fresh(nullptr);
        fresh.SetName(c.Name());
        for (const std::string& name : c.Properties().Names()) {
            if (!KeptProperty(name) || EqualsNoCase(name, "Host") || IsBoundsProperty(name)) continue;
            if (auto value = c.Properties().Get(name); value != fresh.Properties().Get(name)) {
                const DesignProperty* property = c.Properties().Find(name);
                WritePropertyLine(*dialog_.Code, object, name, *value, property && property->kind == DesignKind::Text);
            }
        }
    }
    MessagePumpPause pause;
    for (DialogEvents* listener : std::vector<DialogEvents*>(DialogListeners()))
        listener->OnComponentInserted(dialog_, c);
}

void DialogCommands::AddPopupItems(HMENU popup) {
    TELDesigner& surface = dialog_.ELDesigner;
    EnableMenuItem(popup, TDialog::menuCut, MF_BYCOMMAND | (surface.CanCut() ? MF_ENABLED : MF_GRAYED));
    EnableMenuItem(popup, TDialog::menuCopy, MF_BYCOMMAND | (surface.CanCopy() ? MF_ENABLED : MF_GRAYED));
    EnableMenuItem(popup, TDialog::menuPaste, MF_BYCOMMAND | (surface.CanPaste() ? MF_ENABLED : MF_GRAYED));
    // "Alignment..." runs the alignment dialog, whichever entry shows it; it
    // stands right after "Align to grid". The dialog's own entry keeps its id.
    int alignment = -1, alignToGrid = -1;
    for (int i = 0; i < GetMenuItemCount(popup); ++i) {
        char text[64] = {};
        GetMenuStringA(popup, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        if (std::string(text) == "Alignment...") alignment = i;
        if (std::string(text) == "Align to grid") alignToGrid = i;
    }
    if (alignment < 0)
        InsertMenuA(popup, static_cast<UINT>(alignToGrid + 1), MF_BYPOSITION | MF_STRING, menuAlignmentDialog,
                    "Alignment...");
    for (int i = 0; i < GetMenuItemCount(popup); ++i) {
        char text[64] = {};
        GetMenuStringA(popup, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        HMENU position = GetSubMenu(popup, i);
        if (std::string(text) != "Position" || !position) continue;
        AppendMenuA(position, MF_STRING, menuBringToFront, "Bring to Front");
        AppendMenuA(position, MF_STRING, menuSendToBack, "Send to Back");
    }
    AppendMenuA(popup, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(popup, MF_STRING | (CanUndo() ? MF_ENABLED : MF_GRAYED), menuUndo, "Undo\tCtrl+Z");
    AppendMenuA(popup, MF_STRING | (CanRedo() ? MF_ENABLED : MF_GRAYED), menuRedo, "Redo\tCtrl+Y");
    AppendMenuA(popup, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(popup, MF_STRING | (surface.Components().empty() ? MF_GRAYED : MF_ENABLED), menuTabOrder,
                "Tab Order...");
}

bool DialogCommands::RunPopupItem(int item) {
    Begin();
    TELDesigner& surface = dialog_.ELDesigner;
    switch (item) {
    case TDialog::menuCut: surface.Cut(); return true;
    case TDialog::menuCopy: surface.Copy(); return true;
    case TDialog::menuPaste: surface.Paste(); return true;
    case menuUndo: Undo(); return true;
    case menuRedo: Redo(); return true;
    case TDialog::menuAlignment:
    case menuAlignmentDialog: RunAlignmentDialog(surface, dialog_.Handle()); return true;
    case menuTabOrder: RunTabOrderDialog(); return true;
    case menuBringToFront: MoveSelectionToFrontOrBack(true); return true;
    case menuSendToBack: MoveSelectionToFrontOrBack(false); return true;
    }
    return false;
}

void DialogCommands::RunTabOrderDialog() {
    std::vector<std::string> names;
    std::map<std::string, std::string> parents;
    for (const auto& c : dialog_.ELDesigner.Components()) {
        names.push_back(c->Name());
        if (TContainer* parent = dialog_.ELDesigner.ParentOf(*c)) parents[c->Name()] = parent->Name();
    }
    TTabOrder window(names, parents);
    window.Create(dialog_.Handle());
    if (window.ShowModal() != IDOK || window.Names() == names) return;
    SetTabOrder(window.Names());
}

void DialogCommands::MoveSelectionToFrontOrBack(bool toFront) {
    TELDesigner& surface = dialog_.ELDesigner;
    if (!surface.Active()) return;
    std::vector<std::string> names;
    std::vector<bool> chosen;
    for (const auto& c : surface.Components()) {
        names.push_back(c->Name());
        chosen.push_back(surface.IsSelected(TELDesigner::Item{c.get()}));
    }
    std::vector<std::string> ordered;
    for (size_t index : ChosenToFrontOrBack(chosen, toFront)) ordered.push_back(names[index]);
    if (ordered != names) SetTabOrder(ordered);
}

void DialogCommands::SetTabOrder(const std::vector<std::string>& names) {
    TELDesigner& surface = dialog_.ELDesigner;
    std::vector<TContainer*> wanted;
    for (const std::string& name : names)
        for (const auto& c : surface.Components())
            if (EqualsNoCase(c->Name(), name) && std::find(wanted.begin(), wanted.end(), c.get()) == wanted.end())
                wanted.push_back(c.get());
    for (const auto& c : surface.Components())
        if (std::find(wanted.begin(), wanted.end(), c.get()) == wanted.end()) wanted.push_back(c.get());
    // A component is created after the one that holds it.
    std::vector<int> parentOf;
    for (TContainer* c : wanted) {
        auto parent = std::find(wanted.begin(), wanted.end(), surface.ParentOf(*c));
        parentOf.push_back(parent == wanted.end() ? -1 : static_cast<int>(parent - wanted.begin()));
    }
    std::vector<TContainer*> order;
    for (size_t index : ParentsBeforeChildren(parentOf)) order.push_back(wanted[index]);
    surface.SetComponentOrder(order);
    if (dialog_.Code) {
        std::vector<LineTag> tags;
        for (const auto& c : surface.Components()) tags.push_back(c.get());
        ReorderComponentLines(*dialog_.Code, tags);
    }
    Changed();
    if (dialog_.OnCodeModified) dialog_.OnCodeModified();
}

}  // namespace tavrin
