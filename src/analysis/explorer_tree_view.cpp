#include "analysis/explorer_tree_view.h"

namespace tavrin {

void TreeViewExplorer::BeginUpdate() {
    if (updating_++ == 0) SendMessageA(tree_, WM_SETREDRAW, FALSE, 0);
}

void TreeViewExplorer::EndUpdate() {
    if (updating_ > 0 && --updating_ == 0) {
        SendMessageA(tree_, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(tree_, nullptr, TRUE);
    }
}

void TreeViewExplorer::Clear() {
    TreeView_DeleteAllItems(tree_);
    data_.clear();
    parents_.clear();
}

ExplorerTree::NodeId TreeViewExplorer::AddNode(NodeId parent, const std::string& text,
                                               ExplorerNodeData data) {
    data_.push_back(std::move(data));
    TVINSERTSTRUCTA insert{};
    insert.hParent = parent == kNoParent ? TVI_ROOT : reinterpret_cast<HTREEITEM>(parent);
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM;
    insert.item.pszText = const_cast<char*>(text.c_str());
    insert.item.lParam = static_cast<LPARAM>(data_.size());
    HTREEITEM item = reinterpret_cast<HTREEITEM>(
        SendMessageA(tree_, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
    if (!item) {
        data_.pop_back();
        // Keep the contract (never kNoParent): later children go to the top level.
        return reinterpret_cast<NodeId>(TVI_ROOT);
    }
    if (parent != kNoParent && (parents_.empty() || parents_.back() != insert.hParent))
        parents_.push_back(insert.hParent);
    return reinterpret_cast<NodeId>(item);
}

void TreeViewExplorer::ExpandAll() {
    BeginUpdate();
    for (HTREEITEM item : parents_)
        if (item != TVI_ROOT) TreeView_Expand(tree_, item, TVE_EXPAND);
    EndUpdate();
}

const ExplorerNodeData* TreeViewExplorer::NodeData(HTREEITEM item) const {
    TVITEMA query{};
    query.mask = TVIF_PARAM;
    query.hItem = item;
    if (!item || !TreeView_GetItem(tree_, &query)) return nullptr;
    size_t index = static_cast<size_t>(query.lParam);
    if (index == 0 || index > data_.size()) return nullptr;
    return &data_[index - 1];
}

}  // namespace tavrin
