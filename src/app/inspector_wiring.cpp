#include "app/inspector_wiring.h"

#include <algorithm>
#include <optional>

#include "app/design_object.h"
#include "app/dialog_rename.h"
#include "app/pack_wiring.h"
#include "common/commands.h"
#include "common/text.h"
#include "designer/dialog_commands.h"
#include "designer/dialog_menus.h"
#include "designer/dialog_window.h"
#include "designer/rename_lines.h"
#include "designer/unique_names.h"
#include "inspector/inspector_window.h"
#include "inspector/objects_tree_window.h"
#include "packhost/pack_registry.h"
#include "workbench/code_page.h"
#include "workbench/code_window.h"
#include "workbench/workbench.h"

namespace tavrin {

namespace {

// The rows whose values the container keeps itself: the live window always
// sits at (0, 0) inside its container, so the pack would report 0 for its
// place; the font is the one the container gave it.
const char* const kContainerRows[] = {"Left", "Top", "Width", "Height", "Font"};

TreeMenuItem MenuItemOf(const DesignMenu& menu) {
    TreeMenuItem item{menu.caption, const_cast<DesignMenu*>(&menu), {}};
    for (const DesignMenu* child : menu.children) item.entries.push_back(MenuItemOf(*child));
    return item;
}

bool Contains(const std::vector<PackObject>& objects, PackObject object) {
    return object && std::find(objects.begin(), objects.end(), object) != objects.end();
}

}  // namespace

// Tells the link when a followed container moved or was resized.
class InspectorLink::RowsOfContainer : public ContainerGrid {
public:
    RowsOfContainer(InspectorLink& link, TContainer& container) : link_(link), container_(container) {}
    void SetRowValue(const std::string&, const std::string&) override { link_.ContainerValueChanged(container_); }

private:
    InspectorLink& link_;
    TContainer& container_;
};

struct InspectorLink::Followed {
    std::unique_ptr<DesignObject> object;
    std::unique_ptr<RowsOfContainer> rows;
};

InspectorLink::InspectorLink(TInspector& inspector, TObjectsTree& tree, std::function<PackApi*()> currentPack)
    : inspector_(inspector), tree_(tree), currentPack_(std::move(currentPack)) {
    AddDialogEvents(*this);
    inspector_.RowsFilled = [this] { ShowContainerValues(); };
    inspector_.ObjectChosen = [this](void* object) { SelectOnSurface(object); };
    // An inspector edit is a step of the active dialog's undo history.
    inspector_.Rules().OnEditDone = [this] {
        if (TDialog* dialog = ActiveDialog()) dialog->Commands().EditedOutside();
    };
    inspector_.Rules().SelectedObjects = [this]() -> std::optional<std::vector<PackObject>> {
        TDialog* dialog = ActiveDialog();
        if (!dialog) return std::nullopt;
        return PackObjectsOf(*dialog, Selection(*dialog));
    };
    ObjectsTreeModel& model = tree_.Model();
    model.SelectContainer = [this](void* container) {
        SelectOnSurface(container);
        UpdateToolBar(*static_cast<TContainer*>(container));
    };
    model.ActivateMenu = [this](void* item) { ActivateMenu(item); };
    model.Rename = [this](void* object, const std::string& name) { Rename(object, name); };
    model.CloseDialog = [this](void* dialog) { CloseDialog(dialog); };
}

InspectorLink::~InspectorLink() {
    RemoveDialogEvents(*this);
    inspector_.RowsFilled = nullptr;
    inspector_.ObjectChosen = nullptr;
    inspector_.Rules().OnEditDone = nullptr;
    inspector_.Rules().SelectedObjects = nullptr;
    ObjectsTreeModel& model = tree_.Model();
    model.SelectContainer = nullptr;
    model.ActivateMenu = nullptr;
    model.Rename = nullptr;
    model.CloseDialog = nullptr;
    ReleaseTreeNodes();
    for (auto& [container, followed] : followed_)
        if (Alive(&followed->object->Dialog()) && container->Grid == followed->rows.get()) container->Grid = nullptr;
}

void InspectorLink::Know(TDialog& dialog) {
    for (auto& known : dialogs_) {
        if (known.second == &dialog) {
            known.first = dialog.Handle();
            return;
        }
    }
    // A window handle of a dialog gone may come back for a new one.
    std::erase_if(dialogs_, [&](const auto& known) { return known.first == dialog.Handle(); });
    dialogs_.emplace_back(dialog.Handle(), &dialog);
}

bool InspectorLink::Alive(const TDialog* dialog) const {
    if (!dialog) return false;
    for (const auto& [window, known] : dialogs_)
        if (known == dialog) return IsWindow(window) != FALSE;
    return false;
}

TDialog* InspectorLink::KnownDialog(const void* object) const {
    for (const auto& [window, known] : dialogs_)
        if (known == object && IsWindow(window)) return known;
    return nullptr;
}

TDialog* InspectorLink::ActiveDialog() const { return Alive(active_) ? active_ : nullptr; }

TDialog* InspectorLink::DialogOf(TContainer& container) const {
    if (container.Dialog) return Alive(container.Dialog) ? container.Dialog : nullptr;
    if (!container.HandleAllocated()) return nullptr;
    HWND root = GetAncestor(container.Handle(), GA_ROOT);
    for (const auto& [window, dialog] : dialogs_)
        if (window == root && IsWindow(window)) return dialog;
    return nullptr;
}

InspectorLink::Followed& InspectorLink::Follow(TDialog& dialog, TContainer& container) {
    std::unique_ptr<Followed>& followed = followed_[&container];
    // An address seen before in another dialog is another container now.
    if (!followed || &followed->object->Dialog() != &dialog) {
        followed = std::make_unique<Followed>();
        followed->object = std::make_unique<DesignObject>(dialog, container);
        followed->rows = std::make_unique<RowsOfContainer>(*this, container);
    }
    container.Grid = followed->rows.get();
    return *followed;
}

void InspectorLink::Forget(TContainer& container) {
    auto found = followed_.find(&container);
    if (found == followed_.end()) return;
    if (container.Grid == found->second->rows.get()) container.Grid = nullptr;
    followed_.erase(found);
}

InspectedObject* InspectorLink::ObjectOf(PackObject object) {
    PackApi* pack = currentPack_ ? currentPack_() : nullptr;
    TContainer* container = pack ? ContainerOfPackObject(*pack, object) : nullptr;
    if (!container) return nullptr;
    if (container->Dialog) Know(*container->Dialog);  // a dialog owns its own container
    TDialog* dialog = DialogOf(*container);
    return dialog ? Follow(*dialog, *container).object.get() : nullptr;
}

std::vector<TContainer*> InspectorLink::Selection(TDialog& dialog) const {
    std::vector<TContainer*> items;
    if (!dialog.ELDesigner.Active()) return items;
    for (int i = 0; i < dialog.ELDesigner.SelectionCount(); ++i) items.push_back(dialog.ELDesigner.Selection(i));
    return items;
}

// The pack objects of the selected items (the dialog itself gives its own
// container's), or the own container's when nothing is selected.
std::vector<PackObject> InspectorLink::PackObjectsOf(TDialog& dialog, const std::vector<TContainer*>& selection) const {
    std::vector<PackObject> objects;
    auto add = [&](TContainer& container) {
        if (container.PackObject() && !Contains(objects, container.PackObject())) objects.push_back(container.PackObject());
    };
    if (selection.empty()) add(dialog.OwnContainer());
    for (TContainer* item : selection) add(item ? *item : dialog.OwnContainer());
    return objects;
}

void InspectorLink::InspectSelection(TDialog& dialog, const std::vector<TContainer*>& selection) {
    Follow(dialog, dialog.OwnContainer());
    for (TContainer* item : selection)
        if (item) Follow(dialog, *item);
    inspector_.InspectObjects(PackObjectsOf(dialog, selection));
}

void InspectorLink::FillObjectBox(TDialog& dialog, const std::vector<TContainer*>& selection,
                                  const TContainer* leaving) {
    std::vector<ObjectEntry> entries;
    auto add = [&](TContainer& container) { entries.push_back({container.Name() + " :" + container.Host(), &container}); };
    add(dialog.OwnContainer());
    for (const auto& component : dialog.ELDesigner.Components())
        if (component.get() != leaving) add(*component);
    int selected = -1;
    if (selection.size() > 1) {
        entries.push_back({"multiple items selected", nullptr});
        selected = static_cast<int>(entries.size()) - 1;
    } else {
        TContainer* shown = selection.empty() || !selection.back() ? &dialog.OwnContainer() : selection.back();
        for (int i = 0; i < static_cast<int>(entries.size()); ++i)
            if (entries[i].object == shown) selected = i;
    }
    inspector_.SetObjectEntries(entries, selected);
}

TContainer* InspectorLink::ParentComponent(TDialog& dialog, TContainer& component) const {
    if (!component.HandleAllocated()) return nullptr;
    for (HWND window = GetParent(component.Handle()); window && window != dialog.Handle(); window = GetParent(window)) {
        for (const auto& other : dialog.ELDesigner.Components()) {
            if (other.get() == &component || !other->HandleAllocated()) continue;
            if (other->Handle() == window || other->HostHandle() == window) return other.get();
        }
    }
    return nullptr;
}

void InspectorLink::ReleaseTreeNodes() {
    if (!Alive(treeDialog_)) return;
    for (const auto& component : treeDialog_->ELDesigner.Components()) component->SetNode(nullptr);
}

void InspectorLink::FillTree(TDialog& dialog, const TContainer* leaving) {
    ReleaseTreeNodes();
    treeDialog_ = &dialog;
    TreeMenuBar bar;
    const DesignMenu* mainMenu = dialog.Menus().MainMenu();
    if (mainMenu) {
        bar = {mainMenu->name, const_cast<DesignMenu*>(mainMenu), {}};
        for (const DesignMenu* item : mainMenu->children) bar.items.push_back(MenuItemOf(*item));
    }
    std::vector<TreeControl> controls;
    for (const auto& component : dialog.ELDesigner.Components())
        if (component.get() != leaving)
            controls.push_back({component->Name(), component.get(), ParentComponent(dialog, *component)});
    tree_.ShowDialog(dialog.Name(), &dialog, mainMenu ? &bar : nullptr, controls);
    for (const TreeControl& control : controls) {
        int node = tree_.Model().NodeOf(control.object);
        if (node >= 0) static_cast<TContainer*>(control.object)->SetNode(tree_.NodeFor(node));
    }
}

void InspectorLink::OnDialogActivated(TDialog& dialog) {
    Know(dialog);
    bool switched = ActiveDialog() != &dialog;
    active_ = &dialog;
    FillTree(dialog);
    std::vector<TContainer*> selection = Selection(dialog);
    FillObjectBox(dialog, selection);
    for (const auto& component : dialog.ELDesigner.Components()) Follow(dialog, *component);
    if (switched) InspectSelection(dialog, selection);
}

void InspectorLink::OnSelectionChanged(TDialog& dialog, const std::vector<TContainer*>& selection) {
    Know(dialog);
    active_ = &dialog;
    if (treeDialog_ != &dialog || !Alive(treeDialog_)) FillTree(dialog);
    FillObjectBox(dialog, selection);
    InspectSelection(dialog, selection);
}

void InspectorLink::OnComponentInserted(TDialog& dialog, TContainer& component) {
    Know(dialog);
    active_ = &dialog;
    Follow(dialog, component);
    if (treeDialog_ == &dialog && Alive(treeDialog_)) {
        int node = tree_.AddComponent(component.Name(), &component, ParentComponent(dialog, component));
        component.SetNode(tree_.NodeFor(node));
    } else {
        FillTree(dialog);
    }
    FillObjectBox(dialog, {&component});
    InspectSelection(dialog, {&component});
}

void InspectorLink::OnComponentRemoved(TDialog& dialog, TContainer& component) {
    component.SetNode(nullptr);
    Forget(component);
    if (treeDialog_ == &dialog) FillTree(dialog, &component);
    std::vector<TContainer*> selection = Selection(dialog);
    std::erase(selection, &component);
    if (ActiveDialog() == &dialog) FillObjectBox(dialog, selection, &component);
}

// The inspector, the object box and the tree let go of what they show of
// the dialog; its design objects and its place among the known dialogs go.
void InspectorLink::OnDialogClosing(TDialog& dialog) {
    std::vector<TContainer*> containers{&dialog.OwnContainer()};
    for (const auto& component : dialog.ELDesigner.Components()) containers.push_back(component.get());
    bool shown = active_ == &dialog;
    for (TContainer* container : containers)
        shown = shown || (container->PackObject() && Contains(inspector_.Rules().Grid().Objects(), container->PackObject()));
    if (shown) {
        inspector_.InspectObjects({});
        inspector_.SetObjectEntries({}, -1);
    }
    if (treeDialog_ == &dialog) {
        ReleaseTreeNodes();
        tree_.Clear();
        treeDialog_ = nullptr;
    }
    for (TContainer* container : containers) Forget(*container);
    if (active_ == &dialog) active_ = nullptr;
    std::erase_if(dialogs_, [&](const auto& known) { return known.second == &dialog; });
}

void InspectorLink::OnDialogMoved(TDialog& dialog) {
    if (Contains(inspector_.Rules().Grid().Objects(), dialog.OwnContainer().PackObject())) ShowContainerValues();
}

void InspectorLink::ContainerValueChanged(TContainer& container) {
    if (Contains(inspector_.Rules().Grid().Objects(), container.PackObject())) ShowContainerValues();
}

// Each of the container rows shows the containers' value when they all
// agree, and nothing when they differ.
void InspectorLink::ShowContainerValues() {
    std::vector<InspectedObject*> shown;
    for (PackObject object : inspector_.Rules().Grid().Objects()) {
        InspectedObject* inspected = ObjectOf(object);
        if (!inspected) return;
        shown.push_back(inspected);
    }
    if (shown.empty()) return;
    for (const char* name : kContainerRows) {
        std::optional<std::string> common;
        bool agree = true;
        for (InspectedObject* inspected : shown) {
            std::optional<std::string> value = inspected->Properties().Get(name);
            if (!value) {
                agree = false;
                break;
            }
            if (!common) common = value;
            agree = agree && *common == *value;
        }
        if (common) inspector_.ShowRowValue(name, agree ? *common : std::string());
    }
}

void InspectorLink::SelectOnSurface(void* object) {
    TDialog* dialog = ActiveDialog();
    if (!dialog || !object || !dialog->ELDesigner.Active()) return;
    if (object == &dialog->OwnContainer()) {
        dialog->ELDesigner.SelectOnly(TELDesigner::Item{nullptr});
        return;
    }
    for (const auto& component : dialog->ELDesigner.Components()) {
        if (component.get() == object) {
            dialog->ELDesigner.SelectOnly(component.get());
            return;
        }
    }
}

// The tree's tool bar serves the inspector's current property: it is
// enabled when that property of the clicked container has an editor.
void InspectorLink::UpdateToolBar(TContainer& container) {
    PackApi* pack = currentPack_ ? currentPack_() : nullptr;
    const std::optional<TProperty>& current = inspector_.Rules().CurrentProperty();
    if (!pack || !pack->Has(PackEntry::GetPropInfo) || !current || !container.PackObject()) return;
    std::optional<PropertyInfo> info = pack->PropertyInfoOf(container.PackObject(), current->Name);
    if (info) EnableWindow(tree_.ToolBar(), info->editor ? TRUE : FALSE);
}

void InspectorLink::ActivateMenu(void* item) {
    TDialog* dialog = ActiveDialog();
    auto* menu = static_cast<DesignMenu*>(item);
    if (!dialog || !dialog->Menus().Owns(menu)) return;
    DialogMenus::ActiveMenu() = menu;
    if (dialog->OnStatus) dialog->OnStatus("Active Menu:" + menu->name);
}

void InspectorLink::CloseDialog(void* object) {
    TDialog* dialog = KnownDialog(object);
    if (!dialog || !dialog->Code || !App().Code) return;
    for (int i = 0; i < App().Code->PageCount(); ++i) {
        auto* page = dynamic_cast<TCodePage*>(App().Code->Page(i));
        if (page && &page->Editor().Lines() == dialog->Code) {
            page->Close();
            return;
        }
    }
}

void InspectorLink::Rename(void* object, const std::string& name) {
    if (TDialog* dialog = KnownDialog(object)) {
        std::string old = dialog->Name();
        if (std::string error = DialogNameError(*dialog, name); !error.empty()) throw CommandError(error);
        if (old == name) return;
        dialog->SetName(name);
        if (dialog->Code && RenameDialogLines(*dialog->Code, old, name) > 0 && dialog->OnCodeModified)
            dialog->OnCodeModified();
        FollowDialogRename(*dialog, old);
        dialog->Commands().StartAfresh();
        return;
    }
    auto* container = static_cast<TContainer*>(object);
    TDialog* dialog = DialogOf(*container);
    if (!dialog || IsOwnContainer(*dialog, *container)) return;
    bool taken = false;
    for (const auto& other : dialog->ELDesigner.Components())
        taken = taken || (other.get() != container && EqualsNoCase(other->Name(), name));
    std::string error = ComponentNameError(name, taken);
    if (!error.empty()) throw CommandError(error);
    std::string old = container->Name();
    if (old == name) return;
    container->SetName(name);
    if (container->Node()) container->Node()->SetText(name);
    if (dialog->Code && RenameObjectLines(*dialog->Code, container, old, name) > 0 && dialog->OnCodeModified)
        dialog->OnCodeModified();
    dialog->Commands().EditedOutside();
    FillObjectBox(*dialog, Selection(*dialog));
}

namespace {

std::unique_ptr<InspectorLink>& TheLink() {
    static std::unique_ptr<InspectorLink> link;
    return link;
}

PackApi* CurrentPackApi() {
    TPack* pack = WorkbenchPacks().CurrentPack;
    return pack ? pack->Api() : nullptr;
}

}  // namespace

InspectedObject* InspectedObjectOf(PackObject object) { return TheLink() ? TheLink()->ObjectOf(object) : nullptr; }

void WireInspector() {
    auto* inspector = dynamic_cast<TInspector*>(App().FindWindowByName("Inspector"));
    auto* tree = dynamic_cast<TObjectsTree*>(App().FindWindowByName("ObjectsTree"));
    if (!inspector || !tree) return;
    TheLink() = std::make_unique<InspectorLink>(*inspector, *tree, CurrentPackApi);
}

}  // namespace tavrin
