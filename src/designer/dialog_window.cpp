#include "designer/dialog_window.h"

#include <algorithm>

#include "common/message_pump.h"
#include "common/text.h"
#include "designer/dialog_code.h"
#include "designer/dialog_events.h"
#include "designer/forms_list.h"
#include "designer/menu_code.h"
#include "designer/unique_names.h"
#include "packhost/pack_registry.h"

namespace tavrin {

std::vector<DialogEvents*>& DialogListeners() {
    static std::vector<DialogEvents*> listeners;
    return listeners;
}

void AddDialogEvents(DialogEvents& listener) { DialogListeners().push_back(&listener); }

void RemoveDialogEvents(DialogEvents& listener) {
    auto& all = DialogListeners();
    all.erase(std::remove(all.begin(), all.end(), &listener), all.end());
}

namespace {

template <typename Call>
void Tell(Call call) {
    for (DialogEvents* listener : std::vector<DialogEvents*>(DialogListeners())) call(*listener);
}

Bounds BoundsOf(const TContainer& c) { return {c.Left(), c.Top(), c.Width(), c.Height()}; }

int ToInt(const std::string& decimal) { return static_cast<int>(std::stol(decimal)); }

}  // namespace

TDialog::TDialog(std::string hostClass, PackRegistry* packs)
    : FormWindow("TDialog", "Dialog", "Dialog"), hostClass_(std::move(hostClass)), packs_(packs) {
    DeclareProperties();
}

TDialog::~TDialog() {
    // Nobody hears of a dialog that goes: its listeners may be gone already
    // when the last dialogs are freed at the end of the program.
    ELDesigner.OnChangeSelection = nullptr;
    ELDesigner.OnNotification = nullptr;
    ELDesigner.OnModified = nullptr;
    ELDesigner.SetActive(false);
    // The window stops drawing before its components go: a shown one would be
    // repainted around each of them as it goes, a cost that grows with the
    // square of their number and lasts into the next dialog's opening.
    if (HWND window = Handle()) SendMessageA(window, WM_SETREDRAW, FALSE, 0);
    ownContainer_.reset();
    TFormsList::Forget(*this);
}

void TDialog::Create() {
    FormWindow::Create(nullptr);
    SetWindowBounds({368, 188, 814, 328});
    ownContainer_ = std::make_unique<TContainer>(nullptr);
    ownContainer_->Dialog = this;
    ownContainer_->SetName("this");
    RECT client{};
    GetClientRect(Handle(), &client);
    ownContainer_->SetBounds(0, 0, client.right, client.bottom);
    ownContainer_->SetHost(hostClass_);
    menus_ = std::make_unique<DialogMenus>(Handle());
    menus_->OnStatus = [this](const std::string& text) {
        if (OnStatus) OnStatus(text);
    };
    // Menu objects and components are fields of the same type in code.
    menus_->NameUsedElsewhere = [this](std::string_view name) {
        for (const auto& c : ELDesigner.Components())
            if (EqualsNoCase(c->Name(), name)) return true;
        return false;
    };
    WireSurface();
    commands_ = std::make_unique<DialogCommands>(*this);
}

void TDialog::WireSurface() {
    ELDesigner.SetDesignControl(Handle());
    ELDesigner.OnControlInserting = [this]() -> std::unique_ptr<TContainer> {
        if (!packs_ || packs_->SelectedClassName.empty()) return nullptr;
        return std::make_unique<TContainer>(Handle());
    };
    ELDesigner.OnControlInserted = [this](TContainer& c) { Inserted(c); };
    ELDesigner.OnComponentBounds = [this](TContainer& c) { ComponentBoundsChanged(c); };
    ELDesigner.OnModified = [this] { CodeChanged(); };
    ELDesigner.OnChangeSelection = [this] { SelectionChanged(); };
    ELDesigner.OnDblClick = [this] { menus_->ActivateMainMenu(); };
    ELDesigner.OnControlHint = [](TContainer& c, const std::string&) {
        return "Origin: " + std::to_string(c.Left()) + ", " + std::to_string(c.Top()) + "\nSize: " +
               std::to_string(c.Width()) + ", " + std::to_string(c.Height()) + "\nClass: " + c.Host() +
               ", Name: " + c.Name();
    };
    ELDesigner.OnContextPopup = [this](POINT at) {
        HMENU popup = BuildPopupMenu();
        int chosen = TrackPopupMenu(popup, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, Handle(), nullptr);
        DestroyMenu(popup);
        if (chosen) RunPopupCommand(chosen);
    };
    ELDesigner.OnNotification = [this](TContainer& c, bool inserted) {
        if (!inserted) Removed(c);
    };
}

void TDialog::SetName(const std::string& name) {
    if (Caption() == dialogName_) SetCaption(name);
    dialogName_ = name;
}

Bounds TDialog::WindowBounds() const {
    auto b = FormWindow::Bounds();
    return {b.left, b.top, b.width, b.height};
}

void TDialog::SetWindowBounds(const ::tavrin::Bounds& bounds) {
    codeBounds_ = bounds;
    MoveWindow(Handle(), bounds.left, bounds.top, bounds.width, bounds.height, TRUE);
}

void TDialog::CodeChanged() {
    if (commands_) commands_->Changed();
    if (OnCodeModified) OnCodeModified();
}

void TDialog::WriteOwnContainerLines() {
    if (!Code) return;
    codeBounds_ = WindowBounds();
    WriteComponent(*Code, dialogName_, {ownContainer_.get(), "this", true}, hostClass_, codeBounds_);
}

void TDialog::Inserted(TContainer& container) {
    std::string packClass = packs_ ? packs_->SelectedClassName : std::string();
    container.SetHost(packClass);
    std::string parent = container.ParentComponent() ? container.ParentComponent()->Name() : "This";
    if (Code)
        WriteComponent(*Code, dialogName_, {&container, container.Name(), false}, packClass, BoundsOf(container),
                       parent);
    {
        // The listeners see the component whole: no other command runs in between.
        MessagePumpPause pause;
        Tell([&](DialogEvents& e) { e.OnComponentInserted(*this, container); });
    }
    if (packs_) {
        if (TPalettePage* page = packs_->Palette().ActivePalette()) page->Release();
        packs_->SelectedClassName.clear();
    }
}

void TDialog::Removed(TContainer& container) {
    if (Code && Code->RemoveLinesOf(&container) > 0) CodeChanged();
    MessagePumpPause pause;
    Tell([&](DialogEvents& e) { e.OnComponentRemoved(*this, container); });
}

void TDialog::ComponentBoundsChanged(TContainer& container) {
    if (Code) UpdateBounds(*Code, dialogName_, {&container, container.Name(), false}, BoundsOf(container));
}

void TDialog::SelectionChanged() {
    std::vector<TContainer*> selection;
    for (int i = 0; i < ELDesigner.SelectionCount(); ++i) selection.push_back(ELDesigner.Selection(i));
    Tell([&](DialogEvents& e) { e.OnSelectionChanged(*this, selection); });
}

// The window moved or was resized by the user: its own container's bounds
// statement follows.
void TDialog::WindowMoved() {
    Tell([&](DialogEvents& e) { e.OnDialogMoved(*this); });
    if (!Code || !IsWindowVisible(Handle())) return;
    ::tavrin::Bounds now = WindowBounds();
    if (now == codeBounds_) return;
    codeBounds_ = now;
    if (UpdateBounds(*Code, dialogName_, {ownContainer_.get(), "this", true}, now)) CodeChanged();
}

TContainer* TDialog::AddComponentFromCode(const std::string& name, const std::string& packClass,
                                          bool windowsLater) {
    if (!IsIdentifier(name) || EqualsNoCase(name, "this")) return nullptr;
    for (const auto& c : ELDesigner.Components())
        if (EqualsNoCase(c->Name(), name)) return nullptr;
    auto container = std::make_unique<TContainer>(Handle());
    container->SetName(name);
    if (windowsLater) {
        container->SetHostClass(packClass);
    } else {
        container->Handle();
        container->SetHost(packClass);
    }
    return &ELDesigner.AddComponent(std::move(container));
}

HMENU TDialog::BuildPopupMenu() {
    DesignMenu* active = DialogMenus::ActiveMenu();
    int selected = ELDesigner.Active() ? ELDesigner.SelectionCount() : 0;
    auto item = [](HMENU menu, int id, const char* caption, bool enabled) {
        AppendMenuA(menu, MF_STRING | (enabled ? MF_ENABLED : MF_GRAYED), static_cast<UINT_PTR>(id), caption);
    };
    HMENU editor = CreatePopupMenu();
    item(editor, menuAddMenu, "Add...", !menus_->MainMenu());
    AppendMenuA(editor, MF_SEPARATOR, 0, nullptr);
    item(editor, menuAddItem, "Add &Item...", active != nullptr);
    AppendMenuA(editor, MF_SEPARATOR, 0, nullptr);
    item(editor, menuDeleteMenu, "Delete", active != nullptr);
    AppendMenuA(editor, MF_SEPARATOR, 0, nullptr);
    item(editor, menuClearMenu, "Clear", active && !active->children.empty());
    HMENU popup = CreatePopupMenu();
    AppendMenuA(popup, MF_POPUP, reinterpret_cast<UINT_PTR>(editor), "Menu Editor...");
    AppendMenuA(popup, MF_SEPARATOR, 0, nullptr);
    // "Position" applies to the last selected component (not to the dialog).
    std::optional<TELDesigner::Item> current = ELDesigner.Active() ? ELDesigner.Current() : std::nullopt;
    HMENU position = CreatePopupMenu();
    if (OnBuildPositionMenu) OnBuildPositionMenu(position);
    AppendMenuA(popup, MF_POPUP | (current && *current ? MF_ENABLED : MF_GRAYED),
                reinterpret_cast<UINT_PTR>(position), "Position");
    item(popup, menuAligntogrid, "Align to grid", true);
    item(popup, menuAlignment, "Alignment...", true);
    AppendMenuA(popup, MF_SEPARATOR, 0, nullptr);
    // Cut, copy and paste are enabled by the dialog's commands (AddPopupItems).
    item(popup, menuCut, "Cut", false);
    item(popup, menuCopy, "Copy", false);
    item(popup, menuPaste, "Paste", false);
    item(popup, menuDelete, "Delete", selected >= 1);
    AppendMenuA(popup, MF_SEPARATOR, 0, nullptr);
    item(popup, menuSelectAll, "Select All", selected >= 2);
    if (commands_) commands_->AddPopupItems(popup);
    return popup;
}

void TDialog::RunPopupCommand(int item) {
    if (commands_ && commands_->RunPopupItem(item)) return;
    switch (item) {
    case menuAddMenu: EditMenus(&DialogMenus::AddMainMenu); break;
    case menuAddItem: EditMenus(&DialogMenus::AddItem); break;
    case menuDeleteMenu: EditMenus(&DialogMenus::DeleteActive); break;
    case menuClearMenu: EditMenus(&DialogMenus::ClearActive); break;
    case menuAlignment:
        if (OnAlignment) OnAlignment();
        break;
    case menuAligntogrid: AlignSelectionToGrid(); break;
    case menuDelete: ELDesigner.DeleteSelection(); break;
    case menuSelectAll: SelectAllComponents(); break;
    default:
        if (OnPositionCommand) OnPositionCommand(item);
        break;
    }
}

void TDialog::EditMenus(void (DialogMenus::*command)()) {
    std::vector<const void*> before = menus_->CodeTags();
    int revision = menus_->Revision();
    (menus_.get()->*command)();  // a refused name throws before anything changed
    if (!Code || menus_->Revision() == revision) return;
    for (const void* tag : before) Code->RemoveLinesOf(tag);
    if (const MenuNode* tree = menus_->CodeTree()) WriteMainMenu(*Code, dialogName_, *tree);
    CodeChanged();
}

void TDialog::AlignSelectionToGrid() {
    DesignerGrid grid = ELDesigner.Grid();
    bool changed = false;
    for (int i = 0; i < ELDesigner.SelectionCount(); ++i) {
        TContainer* c = ELDesigner.Selection(i);
        if (!c) continue;
        int left = SnapToStep(c->Left(), grid.XStep), top = SnapToStep(c->Top(), grid.YStep);
        if (left == c->Left() && top == c->Top()) continue;
        c->SetBounds(left, top, c->Width(), c->Height());
        ComponentBoundsChanged(*c);
        changed = true;
    }
    if (changed) CodeChanged();
}

void TDialog::SelectAllComponents() {
    if (ELDesigner.Components().empty()) return;
    for (const auto& c : ELDesigner.Components()) ELDesigner.Select(c.get());
    ELDesigner.Unselect(nullptr);
}

LRESULT TDialog::HandleMessage(UINT message, WPARAM wp, LPARAM lp) {
    LRESULT result = 0;
    if (ELDesigner.HandleWindowMessage(message, wp, lp, result)) return result;
    switch (message) {
    case WM_SHOWWINDOW:
        if (wp && !ELDesigner.Active()) {
            ELDesigner.SetDesignControl(Handle());
            ELDesigner.SetActive(true);
        }
        break;
    case WM_ACTIVATE:
        if (LOWORD(wp) != WA_INACTIVE) Tell([&](DialogEvents& e) { e.OnDialogActivated(*this); });
        break;
    case WM_KEYDOWN:
        if (wp == VK_ESCAPE) {
            // Nothing stays selected; the window is shown afresh.
            ShowWindow(Handle(), SW_HIDE);
            ShowWindow(Handle(), SW_SHOW);
            if (ELDesigner.Active()) ELDesigner.SelectOnly(std::nullopt);
            return 0;
        }
        if (wp == VK_DELETE && ELDesigner.Active()) {
            ELDesigner.DeleteSelection();
            return 0;
        }
        break;
    case WM_COMMAND:
        if (HIWORD(wp) == 0 && !lp && menus_ && menus_->ItemClicked(LOWORD(wp))) return 0;
        break;
    case WM_INITMENUPOPUP:
        if (!HIWORD(lp) && menus_) menus_->SubmenuOpened(reinterpret_cast<HMENU>(wp));
        break;
    case WM_SETTEXT: {
        LRESULT done = FormWindow::HandleMessage(message, wp, lp);
        if (ownContainer_ && ownContainer_->HostHandle())
            SetWindowTextA(ownContainer_->HostHandle(), reinterpret_cast<const char*>(lp));
        return done;
    }
    case WM_SIZE:
        if (ownContainer_ && ownContainer_->HostHandle()) {
            ::tavrin::Bounds b = WindowBounds();
            MoveWindow(ownContainer_->HostHandle(), 0, 0, b.width, b.height, TRUE);
        }
        break;
    case WM_EXITSIZEMOVE:
        WindowMoved();
        break;
    case WM_WINDOWPOSCHANGED:
        // Moves made by a program (or by the window manager) arrive here only.
        if (GetCapture() == nullptr) WindowMoved();
        break;
    }
    return FormWindow::HandleMessage(message, wp, lp);
}

void TDialog::DeclareProperties() {
    auto bound = [this](const char* name, int ::tavrin::Bounds::*field) {
        return DesignProperty{name, DesignKind::Integer, {},
                              [this, field] { return std::to_string(WindowBounds().*field); },
                              [this, field](const std::string& value) {
                                  ::tavrin::Bounds b = WindowBounds();
                                  b.*field = ToInt(value);
                                  SetWindowBounds(b);
                              }};
    };
    properties_.Add({"Name", DesignKind::Text, {}, [this] { return dialogName_; },
                     [this](const std::string& value) { SetName(value); }});
    properties_.Add({"Caption", DesignKind::Text, {}, [this] { return Caption(); },
                     [this](const std::string& value) { SetCaption(value); }});
    properties_.Add(bound("Left", &::tavrin::Bounds::left));
    properties_.Add(bound("Top", &::tavrin::Bounds::top));
    properties_.Add(bound("Width", &::tavrin::Bounds::width));
    properties_.Add(bound("Height", &::tavrin::Bounds::height));
    auto clientSize = [this](bool width) {
        return [this, width](const std::string& value) {
            RECT client{}, outer{};
            GetClientRect(Handle(), &client);
            GetWindowRect(Handle(), &outer);
            ::tavrin::Bounds b = WindowBounds();
            if (width) b.width = ToInt(value) + (outer.right - outer.left) - client.right;
            else b.height = ToInt(value) + (outer.bottom - outer.top) - client.bottom;
            SetWindowBounds(b);
        };
    };
    properties_.Add({"ClientWidth", DesignKind::Integer, {},
                     [this] { RECT r{}; GetClientRect(Handle(), &r); return std::to_string(r.right); },
                     clientSize(true)});
    properties_.Add({"ClientHeight", DesignKind::Integer, {},
                     [this] { RECT r{}; GetClientRect(Handle(), &r); return std::to_string(r.bottom); },
                     clientSize(false)});
    properties_.Add({"Visible", DesignKind::Boolean, {"False", "True"},
                     [this] { return std::string(Visible() ? "True" : "False"); },
                     [this](const std::string& value) {
                         if (value == "True") Show();
                         else Hide();
                     }});
}

}  // namespace tavrin
