// The code explorer over the code window's tree view control: the scanners of
// all code pages fill it through the ExplorerTree interface; a click finds
// what the clicked node stands for through NodeData.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "analysis/explorer_tree.h"

namespace tavrin {

class TreeViewExplorer : public ExplorerTree {
public:
    explicit TreeViewExplorer(HWND tree) : tree_(tree) {}

    void BeginUpdate() override;
    void EndUpdate() override;
    void Clear() override;
    NodeId AddNode(NodeId parent, const std::string& text, ExplorerNodeData data) override;
    void ExpandAll() override;

    // What a node stands for; null for an unknown node.
    const ExplorerNodeData* NodeData(HTREEITEM item) const;
    size_t NodeCount() const { return data_.size(); }

private:
    HWND tree_;
    std::vector<ExplorerNodeData> data_;  // lParam of a node = index + 1
    std::vector<HTREEITEM> parents_;      // nodes with children, for ExpandAll
    int updating_ = 0;
};

}  // namespace tavrin
