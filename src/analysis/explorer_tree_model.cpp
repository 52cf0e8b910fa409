#include "analysis/explorer_tree_model.h"

#include <stdexcept>

namespace tavrin {

void ExplorerTreeModel::Clear() {
    nodes_.clear();
    roots_.clear();
    expanded_ = false;
    ++clearCount_;
}

ExplorerTree::NodeId ExplorerTreeModel::AddNode(NodeId parent, const std::string& text,
                                                ExplorerNodeData data) {
    if (parent != kNoParent && parent > nodes_.size())
        throw std::out_of_range("explorer node does not exist");
    nodes_.push_back(Node{text, std::move(data), parent, {}});
    NodeId id = nodes_.size();
    if (parent == kNoParent)
        roots_.push_back(id);
    else
        nodes_[parent - 1].children.push_back(id);
    return id;
}

ExplorerTree::NodeId ExplorerTreeModel::FindChild(NodeId parent, const std::string& text) const {
    const std::vector<NodeId>& list = parent == kNoParent ? roots_ : At(parent).children;
    for (NodeId id : list)
        if (At(id).text == text) return id;
    return kNoParent;
}

ExplorerTree::NodeId ExplorerTreeModel::FindPath(const std::vector<std::string>& texts) const {
    NodeId node = kNoParent;
    for (const std::string& text : texts) {
        node = FindChild(node, text);
        if (node == kNoParent) return kNoParent;
    }
    return node;
}

std::vector<std::string> ExplorerTreeModel::ChildTexts(NodeId parent) const {
    std::vector<std::string> texts;
    const std::vector<NodeId>& list = parent == kNoParent ? roots_ : At(parent).children;
    for (NodeId id : list) texts.push_back(At(id).text);
    return texts;
}

}  // namespace tavrin
