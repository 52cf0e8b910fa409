// The objects tree's content: one node per object of the active dialog (the
// dialog, its menu bar and items, its components nested as on the dialog),
// each node carrying its object. Node 0 is the dialog. The rules for a click,
// a rename and "Delete Selection" act through callbacks set by the designer.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace tavrin {

enum class TreeObjectKind { Dialog, Container, MenuBar, MenuItem };

struct TreeNode {
    std::string text;
    void* object = nullptr;
    TreeObjectKind kind = TreeObjectKind::Container;
    int parent = -1;  // index of the parent node, -1 at the top level
};

// A menu item and the entries it holds.
struct TreeMenuItem {
    std::string caption;
    void* object = nullptr;
    std::vector<TreeMenuItem> entries;
};

struct TreeMenuBar {
    std::string name;
    void* object = nullptr;
    std::vector<TreeMenuItem> items;
};

// A control of the dialog in control order; parent is the object of the control holding it (null: the dialog).
struct TreeControl {
    std::string name;
    void* object = nullptr;
    void* parent = nullptr;
};

class ObjectsTreeModel {
public:
    const std::vector<TreeNode>& Nodes() const { return nodes_; }
    void Clear() { nodes_.clear(); }
    int AddNode(const std::string& text, void* object, TreeObjectKind kind, int parent = -1);

    // Adds the menu bar (when there is one) and the controls below the
    // dialog's node, which the dialog added first. The dialog's own
    // container, named "this", never becomes a node.
    void FillTree(const TreeMenuBar* menuBar, const std::vector<TreeControl>& controls);
    // The first node carrying the object, or -1.
    int NodeOf(const void* object) const;

    // A click on a node: a container is selected on the design surface, a
    // menu item becomes the active menu.
    void Click(int node);
    // Whether "Delete Selection" applies to the node (it has an object).
    bool CanDelete(int node) const;
    // Closes the page of every selected dialog node, last first; other nodes are left alone.
    void DeleteSelection(const std::vector<int>& selected);
    // The node's text was edited: a dialog or container takes the new name;
    // every node keeps the text. False for a node out of range. A Rename that
    // throws refuses the text: the node keeps its old one.
    bool NodeEdited(int node, const std::string& text);

    std::function<void(void* container)> SelectContainer;
    std::function<void(void* menuItem)> ActivateMenu;
    std::function<void(void* object, const std::string& name)> Rename;
    std::function<void(void* dialog)> CloseDialog;

private:
    void AddMenuEntries(const TreeMenuItem& item, int itemNode);
    bool Valid(int node) const { return node >= 0 && node < static_cast<int>(nodes_.size()); }

    std::vector<TreeNode> nodes_;
};

}  // namespace tavrin
