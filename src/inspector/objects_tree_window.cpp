#include "inspector/objects_tree_window.h"

#include <windowsx.h>

namespace tavrin {

namespace {

constexpr int kTreeId = 300;
constexpr int kToolBarId = 301;
constexpr int kDeleteSelectionId = 310;
constexpr int kToolBarHeight = 26;

// Renames a tree node when its container is renamed.
class TreeNodeText : public ContainerNode {
public:
    TreeNodeText(HWND tree, HTREEITEM item) : tree_(tree), item_(item) {}
    void SetText(const std::string& text) override {
        // The tree control measures all its items again on every text set, so
        // a text that is already shown is left alone: a dialog of a thousand
        // components gives each its node once, after filling the tree.
        if (Shows(text)) return;
        TVITEMA item{};
        item.mask = TVIF_TEXT;
        item.hItem = item_;
        item.pszText = const_cast<char*>(text.c_str());
        TreeView_SetItem(tree_, &item);
    }

private:
    bool Shows(const std::string& text) const {
        std::string shown(text.size() + 2, '\0');
        TVITEMA item{};
        item.mask = TVIF_TEXT;
        item.hItem = item_;
        item.pszText = shown.data();
        item.cchTextMax = static_cast<int>(shown.size());
        if (!TreeView_GetItem(tree_, &item)) return false;
        return std::string(shown.c_str()) == text;
    }

    HWND tree_;
    HTREEITEM item_;
};

}  // namespace

TObjectsTree::TObjectsTree() : ToolWindow("TObjectsTree", "ObjectsTree", "ObjectsTree", {220, 300}) {}

void TObjectsTree::OnCreate() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TREEVIEW_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    toolBar_ = AddControl(TOOLBARCLASSNAMEA, "",
                          WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_LIST | CCS_NORESIZE | CCS_NODIVIDER, 0, 0, 200,
                          kToolBarHeight, kToolBarId);
    SendMessageA(toolBar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(toolBar_, TB_SETBUTTONSIZE, 0, MAKELPARAM(Scale(20), Scale(20)));
    const char* captions[] = {"+", "-", "Up", "Down"};  // tbAdd, tbRemove, tbUP, tbDown
    for (int i = 0; i < 4; ++i) {
        TBBUTTON button{};
        button.iBitmap = I_IMAGENONE;
        button.idCommand = 320 + i;
        button.fsState = TBSTATE_ENABLED;
        button.fsStyle = BTNS_BUTTON | BTNS_AUTOSIZE;
        button.iString = reinterpret_cast<INT_PTR>(captions[i]);
        SendMessageA(toolBar_, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&button));
    }
    EnableWindow(toolBar_, FALSE);
    tree_ = AddControl(WC_TREEVIEWA, "",
                       WS_VISIBLE | WS_BORDER | WS_TABSTOP | TVS_HASLINES | TVS_LINESATROOT | TVS_HASBUTTONS |
                           TVS_EDITLABELS | TVS_SHOWSELALWAYS,
                       0, kToolBarHeight, 200, 200, kTreeId);
}

void TObjectsTree::OnSize(int width, int height) {
    const int toolBarHeight = Scale(kToolBarHeight);
    MoveWindow(toolBar_, 0, 0, width, toolBarHeight, TRUE);
    MoveWindow(tree_, 0, toolBarHeight, width, height - toolBarHeight, TRUE);
}

HTREEITEM TObjectsTree::ItemOf(int node) const {
    return node >= 0 && node < static_cast<int>(items_.size()) ? items_[node] : nullptr;
}

int TObjectsTree::NodeOfItem(HTREEITEM item) const {
    for (int i = 0; i < static_cast<int>(items_.size()); ++i)
        if (items_[i] == item) return i;
    return -1;
}

HTREEITEM TObjectsTree::InsertItem(int node) {
    const TreeNode& shown = model_.Nodes()[node];
    TVINSERTSTRUCTA insert{};
    insert.hParent = shown.parent >= 0 ? ItemOf(shown.parent) : TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM;
    insert.item.pszText = const_cast<char*>(shown.text.c_str());
    insert.item.lParam = node;
    HTREEITEM item = TreeView_InsertItem(tree_, &insert);
    items_.push_back(item);
    if (insert.hParent != TVI_ROOT) TreeView_Expand(tree_, insert.hParent, TVE_EXPAND);
    return item;
}

void TObjectsTree::ShowDialog(const std::string& dialogName, void* dialog, const TreeMenuBar* menuBar,
                              const std::vector<TreeControl>& controls) {
    // Filled without drawing, then drawn once: a dialog may have a thousand nodes.
    SendMessageA(tree_, WM_SETREDRAW, FALSE, 0);
    TreeView_DeleteAllItems(tree_);
    items_.clear();
    model_.Clear();
    model_.AddNode(dialogName, dialog, TreeObjectKind::Dialog);
    model_.FillTree(menuBar, controls);
    for (int i = 0; i < static_cast<int>(model_.Nodes().size()); ++i) InsertItem(i);
    SendMessageA(tree_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(tree_, nullptr, TRUE);
}

void TObjectsTree::Clear() {
    TreeView_DeleteAllItems(tree_);
    items_.clear();
    model_.Clear();
}

int TObjectsTree::AddComponent(const std::string& name, void* object, void* parent) {
    int parentNode = parent ? model_.NodeOf(parent) : -1;
    if (parentNode < 0 && !model_.Nodes().empty()) parentNode = 0;
    int node = model_.AddNode(name, object, TreeObjectKind::Container, parentNode);
    InsertItem(node);
    return node;
}

std::unique_ptr<ContainerNode> TObjectsTree::NodeFor(int node) {
    HTREEITEM item = ItemOf(node);
    return item ? std::make_unique<TreeNodeText>(tree_, item) : nullptr;
}

int TObjectsTree::SelectedNode() const { return NodeOfItem(TreeView_GetSelection(tree_)); }

bool TObjectsTree::DeleteSelectionEnabled() const { return model_.CanDelete(SelectedNode()); }

void TObjectsTree::DeleteSelection() {
    int node = SelectedNode();
    if (node >= 0) model_.DeleteSelection({node});
}

LRESULT TObjectsTree::HandleMessage(UINT message, WPARAM wp, LPARAM lp) {
    if (message == WM_NOTIFY && tree_ && reinterpret_cast<NMHDR*>(lp)->hwndFrom == tree_) {
        NMHDR& header = *reinterpret_cast<NMHDR*>(lp);
        if (header.code == TVN_SELCHANGEDA) {
            model_.Click(NodeOfItem(reinterpret_cast<NMTREEVIEWA&>(header).itemNew.hItem));
            return 0;
        }
        if (header.code == TVN_ENDLABELEDITA) {
            const TVITEMA& item = reinterpret_cast<NMTVDISPINFOA&>(header).item;
            if (!item.pszText) return FALSE;  // the edit was cancelled
            return model_.NodeEdited(NodeOfItem(item.hItem), item.pszText) ? TRUE : FALSE;
        }
        if (header.code == NM_RCLICK) {
            POINT at{};
            GetCursorPos(&at);
            HMENU menu = CreatePopupMenu();
            AppendMenuA(menu, MF_STRING | (DeleteSelectionEnabled() ? 0 : MF_GRAYED), kDeleteSelectionId,
                        "Delete Selection");
            int chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, Handle(), nullptr);
            DestroyMenu(menu);
            if (chosen == kDeleteSelectionId) DeleteSelection();
            return 0;
        }
    }
    return ToolWindow::HandleMessage(message, wp, lp);
}

}  // namespace tavrin
