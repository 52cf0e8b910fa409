// An in-memory explorer tree: keeps the nodes the scanner adds, in tree order.
#pragma once

#include <string>
#include <vector>

#include "analysis/explorer_tree.h"

namespace tavrin {

class ExplorerTreeModel : public ExplorerTree {
public:
    struct Node {
        std::string text;
        ExplorerNodeData data;
        NodeId parent = kNoParent;
        std::vector<NodeId> children;
    };

    void Clear() override;
    NodeId AddNode(NodeId parent, const std::string& text, ExplorerNodeData data) override;
    void ExpandAll() override { expanded_ = true; }

    const std::vector<NodeId>& Roots() const { return roots_; }
    const Node& At(NodeId id) const { return nodes_.at(id - 1); }
    size_t NodeCount() const { return nodes_.size(); }
    bool Expanded() const { return expanded_; }
    int ClearCount() const { return clearCount_; }

    // The first child of parent (kNoParent: top level) with this text, or kNoParent.
    NodeId FindChild(NodeId parent, const std::string& text) const;
    // Follows a path of texts from the top level; kNoParent when a step is missing.
    NodeId FindPath(const std::vector<std::string>& texts) const;
    // Texts of the children of a node (or of the top level).
    std::vector<std::string> ChildTexts(NodeId parent) const;

private:
    std::vector<Node> nodes_;  // node id = index + 1
    std::vector<NodeId> roots_;
    bool expanded_ = false;
    int clearCount_ = 0;
};

}  // namespace tavrin
