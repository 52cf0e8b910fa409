// TObjectsTree, the objects tree's tool window: a tree view of the active
// dialog's objects (ObjectsTreeModel), a tool bar that starts disabled, and
// the pop-up menu with "Delete Selection". Editing a node's text renames its
// object; a click selects it through the model's callbacks.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "designer/container.h"
#include "inspector/objects_tree_model.h"
#include "ui/tool_window.h"

namespace tavrin {

class TObjectsTree : public ToolWindow {
public:
    TObjectsTree();

    ObjectsTreeModel& Model() { return model_; }
    HWND TreeView() const { return tree_; }
    HWND ToolBar() const { return toolBar_; }

    // Clears the tree, adds the dialog as node 0 and fills it (FillTree), all expanded.
    void ShowDialog(const std::string& dialogName, void* dialog, const TreeMenuBar* menuBar,
                    const std::vector<TreeControl>& controls);
    // Empties the tree (no dialog shown).
    void Clear();
    // Adds a newly placed component under the node of its parent (the dialog's node when it has none).
    int AddComponent(const std::string& name, void* object, void* parent);
    // A node text that follows a container's renames.
    std::unique_ptr<ContainerNode> NodeFor(int node);
    HTREEITEM ItemOf(int node) const;
    int NodeOfItem(HTREEITEM item) const;
    // Runs "Delete Selection" on the selected node.
    void DeleteSelection();
    // Whether the pop-up menu's "Delete Selection" is enabled now.
    bool DeleteSelectionEnabled() const;

protected:
    void OnCreate() override;
    void OnSize(int width, int height) override;
    LRESULT HandleMessage(UINT message, WPARAM wp, LPARAM lp) override;

private:
    HTREEITEM InsertItem(int node);
    int SelectedNode() const;

    ObjectsTreeModel model_;
    HWND tree_ = nullptr;
    HWND toolBar_ = nullptr;
    std::vector<HTREEITEM> items_;
};

}  // namespace tavrin
