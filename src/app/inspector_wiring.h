// The object inspector and the objects tree following the dialogs under
// design: the containers and code lines behind the inspected pack objects,
// the selection going both ways between the surface, the object box and the
// tree, the tree's nodes as components come, go and are renamed, and the
// rows that show what the surface shows after a move or resize.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <windows.h>

#include "designer/dialog_events.h"
#include "packhost/pack_api.h"

namespace tavrin {

class InspectedObject;
class TContainer;
class TDialog;
class TInspector;
class TObjectsTree;

class InspectorLink : public DialogEvents {
public:
    // Listens to every dialog from now on; currentPack: the palette's current pack.
    InspectorLink(TInspector& inspector, TObjectsTree& tree, std::function<PackApi*()> currentPack);
    ~InspectorLink() override;
    InspectorLink(const InspectorLink&) = delete;
    InspectorLink& operator=(const InspectorLink&) = delete;

    // The design object (one adapter per container) whose live window is the
    // pack object's, in a dialog this link has heard of; null otherwise.
    InspectedObject* ObjectOf(PackObject object);
    // The dialog last activated, while its window lives.
    TDialog* ActiveDialog() const;

    void OnDialogActivated(TDialog& dialog) override;
    void OnSelectionChanged(TDialog& dialog, const std::vector<TContainer*>& selection) override;
    void OnComponentInserted(TDialog& dialog, TContainer& component) override;
    void OnComponentRemoved(TDialog& dialog, TContainer& component) override;
    void OnDialogMoved(TDialog& dialog) override;
    void OnDialogClosing(TDialog& dialog) override;

    // Selects a container of the active dialog alone on its surface (its own
    // container stands for the dialog itself).
    void SelectOnSurface(void* container);
    // Renames a dialog or a component, with its code lines, its node and its
    // object box entry; a name it cannot take raises a command error.
    void Rename(void* object, const std::string& name);

private:
    struct Followed;
    class RowsOfContainer;

    void Know(TDialog& dialog);
    bool Alive(const TDialog* dialog) const;
    TDialog* DialogOf(TContainer& container) const;
    TDialog* KnownDialog(const void* object) const;
    Followed& Follow(TDialog& dialog, TContainer& container);
    void Forget(TContainer& container);
    std::vector<TContainer*> Selection(TDialog& dialog) const;
    std::vector<PackObject> PackObjectsOf(TDialog& dialog, const std::vector<TContainer*>& selection) const;
    void InspectSelection(TDialog& dialog, const std::vector<TContainer*>& selection);
    void FillObjectBox(TDialog& dialog, const std::vector<TContainer*>& selection,
                       const TContainer* leaving = nullptr);
    void FillTree(TDialog& dialog, const TContainer* leaving = nullptr);
    void ReleaseTreeNodes();
    TContainer* ParentComponent(TDialog& dialog, TContainer& component) const;
    void ShowContainerValues();
    void ContainerValueChanged(TContainer& container);
    void ActivateMenu(void* item);
    void CloseDialog(void* dialog);
    void UpdateToolBar(TContainer& container);

    TInspector& inspector_;
    TObjectsTree& tree_;
    std::function<PackApi*()> currentPack_;
    std::vector<std::pair<HWND, TDialog*>> dialogs_;  // every dialog heard of, by its window
    TDialog* active_ = nullptr;
    TDialog* treeDialog_ = nullptr;  // the dialog the tree shows
    std::map<TContainer*, std::unique_ptr<Followed>> followed_;
};

// Start-up: the container lookup the inspector is created with (null until
// WireInspector has run), and the link made once the inspector and the
// objects tree exist.
InspectedObject* InspectedObjectOf(PackObject object);
void WireInspector();

}  // namespace tavrin
