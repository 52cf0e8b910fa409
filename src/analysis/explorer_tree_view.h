// The code explorer over the code window's tree view control: the scanners of
// all code pages fill it through the ExplorerTree interface; a click finds
// what the clicked node stands for through NodeData.
//
// The nodes live here; the control only receives the top-level nodes and the
// children of nodes that are expanded (a tree view control validates a parent
// by searching all its items, so inserting a whole large tree costs quadratic
// time). ExpandAll expands the whole tree when it is small enough to show.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "analysis/explorer_tree.h"
#include "ui/window_subclass.h"

namespace tavrin {

class TreeViewExplorer : public ExplorerTree {
public:
    // Trees with at most this many nodes are expanded completely by ExpandAll.
    static constexpr size_t kExpandAllLimit = 3000;

    explicit TreeViewExplorer(HWND tree);
    ~TreeViewExplorer() override;
    TreeViewExplorer(const TreeViewExplorer&) = delete;
    TreeViewExplorer& operator=(const TreeViewExplorer&) = delete;

    void BeginUpdate() override;
    void EndUpdate() override;
    void Clear() override;
    NodeId AddNode(NodeId parent, const std::string& text, ExplorerNodeData data) override;
    void ExpandAll() override;

    // What a node of the control stands for; null for an unknown node.
    const ExplorerNodeData* NodeData(HTREEITEM item) const;
    size_t NodeCount() const { return nodes_.size(); }
    // Items inserted into the control so far.
    size_t ItemCount() const;

private:
    static constexpr size_t kNone = static_cast<size_t>(-1);
    // Children are a linked list (no allocation per node).
    struct Node {
        std::string text;
        ExplorerNodeData data;
        size_t firstChild = kNone, lastChild = kNone, nextSibling = kNone;
        HTREEITEM item = nullptr;
        bool populated = false;  // children inserted into the control
    };
    // The parent window's messages (subclassed), before its own handling.
    LRESULT HandleParentMessage(UINT message, WPARAM wp, LPARAM lp);
    HTREEITEM Insert(size_t index, HTREEITEM parent);
    void Populate(size_t index);
    void PopulateAll(size_t index);

    HWND tree_;
    HWND parent_;
    std::vector<Node> nodes_;  // node id = index + 1; keeps its capacity from tree to tree
    std::vector<size_t> roots_;
    int updating_ = 0;
    WindowSubclass parentSubclass_;  // last: ends before the nodes go
};

}  // namespace tavrin
