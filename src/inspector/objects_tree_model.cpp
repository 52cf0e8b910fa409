#include "inspector/objects_tree_model.h"

#include "common/text.h"

namespace tavrin {

int ObjectsTreeModel::AddNode(const std::string& text, void* object, TreeObjectKind kind, int parent) {
    nodes_.push_back({text, object, kind, parent});
    return static_cast<int>(nodes_.size()) - 1;
}

void ObjectsTreeModel::AddMenuEntries(const TreeMenuItem& item, int itemNode) {
    for (const TreeMenuItem& entry : item.entries) {
        if (entry.entries.empty())
            AddNode(entry.caption, entry.object, TreeObjectKind::MenuItem, itemNode);
        else
            AddMenuEntries(entry, -1);
    }
}

void ObjectsTreeModel::FillTree(const TreeMenuBar* menuBar, const std::vector<TreeControl>& controls) {
    int dialogNode = nodes_.empty() ? -1 : 0;
    if (menuBar) {
        int barNode = AddNode(menuBar->name, menuBar->object, TreeObjectKind::MenuBar, dialogNode);
        std::vector<int> itemNodes;
        for (const TreeMenuItem& item : menuBar->items)
            itemNodes.push_back(AddNode(item.caption, item.object, TreeObjectKind::MenuItem, barNode));
        for (size_t i = 0; i < menuBar->items.size(); ++i) AddMenuEntries(menuBar->items[i], itemNodes[i]);
    }
    for (const TreeControl& control : controls) {
        if (EqualsNoCase(control.name, "this")) continue;
        int parent = control.parent ? NodeOf(control.parent) : -1;
        if (parent < 0) parent = dialogNode;
        AddNode(control.name, control.object, TreeObjectKind::Container, parent);
    }
}

int ObjectsTreeModel::NodeOf(const void* object) const {
    if (!object) return -1;
    for (int i = 0; i < static_cast<int>(nodes_.size()); ++i)
        if (nodes_[i].object == object) return i;
    return -1;
}

void ObjectsTreeModel::Click(int node) {
    if (!Valid(node) || !nodes_[node].object) return;
    const TreeNode& clicked = nodes_[node];
    if (clicked.kind == TreeObjectKind::Container) {
        if (SelectContainer) SelectContainer(clicked.object);
    } else if (clicked.kind == TreeObjectKind::MenuItem) {
        if (ActivateMenu) ActivateMenu(clicked.object);
    }
}

bool ObjectsTreeModel::CanDelete(int node) const { return Valid(node) && nodes_[node].object; }

void ObjectsTreeModel::DeleteSelection(const std::vector<int>& selected) {
    for (auto node = selected.rbegin(); node != selected.rend(); ++node) {
        if (Valid(*node) && nodes_[*node].kind == TreeObjectKind::Dialog && nodes_[*node].object && CloseDialog)
            CloseDialog(nodes_[*node].object);
    }
}

bool ObjectsTreeModel::NodeEdited(int node, const std::string& text) {
    if (!Valid(node)) return false;
    TreeNode& edited = nodes_[node];
    bool named = edited.kind == TreeObjectKind::Dialog || edited.kind == TreeObjectKind::Container;
    // A rename that throws (a name the object cannot take) leaves the node's text as it was.
    if (named && edited.object && Rename) Rename(edited.object, text);
    nodes_[node].text = text;
    return true;
}

}  // namespace tavrin
