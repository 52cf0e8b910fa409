#include "analysis/explorer_tree_view.h"

namespace tavrin {

TreeViewExplorer::TreeViewExplorer(HWND tree) : tree_(tree), parent_(GetParent(tree)) {
    // The tree's notifications go to its parent: expanding a node fills it.
    parentSubclass_.Attach(parent_, [this](UINT message, WPARAM wp, LPARAM lp) {
        return HandleParentMessage(message, wp, lp);
    });
}

TreeViewExplorer::~TreeViewExplorer() = default;

LRESULT TreeViewExplorer::HandleParentMessage(UINT message, WPARAM wp, LPARAM lp) {
    if (message == WM_NOTIFY) {
        auto* header = reinterpret_cast<NMHDR*>(lp);
        if (header->hwndFrom == tree_ && header->code == TVN_ITEMEXPANDINGA) {
            auto* info = reinterpret_cast<NMTREEVIEWA*>(lp);
            size_t index = static_cast<size_t>(info->itemNew.lParam);
            if ((info->action & TVE_EXPAND) && index >= 1 && index <= nodes_.size())
                Populate(index - 1);
        }
    }
    return parentSubclass_.CallNext(message, wp, lp);
}

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
    nodes_.clear();
    roots_.clear();
}

HTREEITEM TreeViewExplorer::Insert(size_t index, HTREEITEM parent) {
    Node& node = nodes_[index];
    TVINSERTSTRUCTA insert{};
    insert.hParent = parent ? parent : TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_CHILDREN;
    insert.item.pszText = const_cast<char*>(node.text.c_str());
    insert.item.lParam = static_cast<LPARAM>(index + 1);
    insert.item.cChildren = node.firstChild == kNone ? 0 : 1;
    node.item = reinterpret_cast<HTREEITEM>(SendMessageA(tree_, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
    return node.item;
}

ExplorerTree::NodeId TreeViewExplorer::AddNode(NodeId parent, const std::string& text, ExplorerNodeData data) {
    size_t index = nodes_.size();
    Node& added = nodes_.emplace_back();
    added.text = text;
    added.data = std::move(data);
    if (parent == kNoParent || parent > index) {
        roots_.push_back(index);
        Insert(index, nullptr);
    } else {
        Node& owner = nodes_[parent - 1];
        bool first = owner.firstChild == kNone;
        if (first) owner.firstChild = index;
        else nodes_[owner.lastChild].nextSibling = index;
        owner.lastChild = index;
        if (owner.populated && owner.item) {
            Insert(index, owner.item);
        } else if (owner.item && first) {
            TVITEMA item{};  // the owner gets its expand button
            item.mask = TVIF_CHILDREN;
            item.hItem = owner.item;
            item.cChildren = 1;
            TreeView_SetItem(tree_, &item);
        }
    }
    return index + 1;
}

void TreeViewExplorer::Populate(size_t index) {
    Node& node = nodes_[index];
    if (node.populated || !node.item) return;
    node.populated = true;
    BeginUpdate();
    for (size_t child = node.firstChild; child != kNone; child = nodes_[child].nextSibling)
        Insert(child, nodes_[index].item);
    EndUpdate();
}

void TreeViewExplorer::PopulateAll(size_t index) {
    Populate(index);
    for (size_t child = nodes_[index].firstChild; child != kNone; child = nodes_[child].nextSibling)
        PopulateAll(child);
    if (nodes_[index].firstChild != kNone) TreeView_Expand(tree_, nodes_[index].item, TVE_EXPAND);
}

void TreeViewExplorer::ExpandAll() {
    if (nodes_.size() > kExpandAllLimit) return;  // the roots stay closed; expanding fills them
    BeginUpdate();
    for (size_t root : roots_) PopulateAll(root);
    EndUpdate();
}

const ExplorerNodeData* TreeViewExplorer::NodeData(HTREEITEM item) const {
    TVITEMA query{};
    query.mask = TVIF_PARAM;
    query.hItem = item;
    if (!item || !TreeView_GetItem(tree_, &query)) return nullptr;
    size_t index = static_cast<size_t>(query.lParam);
    if (index == 0 || index > nodes_.size()) return nullptr;
    return &nodes_[index - 1].data;
}

size_t TreeViewExplorer::ItemCount() const {
    return static_cast<size_t>(SendMessageA(tree_, TVM_GETCOUNT, 0, 0));
}

}  // namespace tavrin
