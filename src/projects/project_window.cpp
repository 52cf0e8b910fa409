#include "projects/project_window.h"

#include <algorithm>
#include <string>

#include "common/commands.h"
#include "common/paths.h"

namespace tavrin {

namespace {

LPARAM ItemData(HWND tree, HTREEITEM item) {
    TVITEMA data{};
    data.mask = TVIF_PARAM;
    data.hItem = item;
    SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data));
    return data.lParam;
}

HTREEITEM Next(HWND tree, HTREEITEM item, UINT relation) {
    return reinterpret_cast<HTREEITEM>(
        SendMessageA(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

HTREEITEM InsertItem(HWND tree, HTREEITEM parent, const std::string& text, LPARAM data) {
    TVINSERTSTRUCTA insert{};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM;
    std::string copy = text;
    insert.item.pszText = copy.data();
    insert.item.lParam = data;
    return reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

// A project's root node: its data is the project, its children's data the
// positions of the units.
class TreeNode : public ProjectNode {
public:
    TreeNode(HWND tree, TProject& project)
        : tree_(tree), project_(project),
          item_(InsertItem(tree, TVI_ROOT, project.ProjectName, reinterpret_cast<LPARAM>(&project))) {}
    ~TreeNode() override {
        if (IsWindow(tree_)) SendMessageA(tree_, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(item_));
    }
    std::string Text() const override {
        char text[512] = {};
        TVITEMA data{};
        data.mask = TVIF_TEXT;
        data.hItem = item_;
        data.pszText = text;
        data.cchTextMax = sizeof text;
        SendMessageA(tree_, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data));
        return text;
    }
    void SetText(const std::string& text) override {
        std::string copy = text;
        TVITEMA data{};
        data.mask = TVIF_TEXT;
        data.hItem = item_;
        data.pszText = copy.data();
        SendMessageA(tree_, TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&data));
    }
    void UnitsChanged() override {
        while (HTREEITEM child = Next(tree_, item_, TVGN_CHILD))
            SendMessageA(tree_, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(child));
        for (size_t i = 0; i < project_.UnitFiles.Count(); ++i)
            InsertItem(tree_, item_, ExtractFileName(project_.UnitFiles[i]), static_cast<LPARAM>(i));
        SendMessageA(tree_, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item_));
    }

private:
    HWND tree_;
    TProject& project_;
    HTREEITEM item_;
};

bool ControlDown() { return (GetKeyState(VK_CONTROL) & 0x8000) != 0; }

struct ButtonCaption {
    int command;
    const char* toolbar;
    const char* menu;
};

constexpr ButtonCaption kCommands[] = {
    {TProjects::tbNew, "New", "New..."},       {TProjects::tbDestroy, "Destroy", "Destroy"},
    {TProjects::tbAdd, "Add", "Add..."},       {TProjects::tbRemove, "Remove", "Remove"},
    {TProjects::tbUp, "Up", "Up"},             {TProjects::tbDown, "Down", "Down"},
    {TProjects::tbCompile, "Compile", "Compile"}, {TProjects::tbSource, "Source", "View Suorce"},
};

}  // namespace

TProjects::TProjects() : ToolWindow("TProjects", "Projects", "Projects", {260, 360}) {}

TProjects::~TProjects() {
    if (popup_) DestroyMenu(popup_);
}

void TProjects::OnCreate() {
    toolBar_ = AddControl(TOOLBARCLASSNAMEA, "",
                          TBSTYLE_FLAT | TBSTYLE_LIST | TBSTYLE_WRAPABLE | TBSTYLE_TOOLTIPS | CCS_TOP |
                              CCS_NODIVIDER,
                          0, 0, 0, 0);
    SendMessageA(toolBar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(toolBar_, TB_SETIMAGELIST, 0, 0);
    // Text buttons in rows that wrap with the window's width.
    std::vector<TBBUTTON> buttons;
    for (int command : {tbNew, tbAdd, tbDestroy, tbRemove, tbUp, tbDown, tbCompile, tbSource}) {
        auto caption = std::find_if(std::begin(kCommands), std::end(kCommands),
                                    [command](const ButtonCaption& c) { return c.command == command; });
        TBBUTTON button{};
        button.iBitmap = I_IMAGENONE;
        button.idCommand = command;
        button.fsState = TBSTATE_ENABLED;
        button.fsStyle = BTNS_BUTTON | BTNS_AUTOSIZE | BTNS_SHOWTEXT;
        button.iString = reinterpret_cast<INT_PTR>(caption->toolbar);
        buttons.push_back(button);
    }
    SendMessageA(toolBar_, TB_ADDBUTTONSA, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
    SendMessageA(toolBar_, TB_AUTOSIZE, 0, 0);
    tree_ = AddControl(WC_TREEVIEWA, "",
                       WS_TABSTOP | TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_SHOWSELALWAYS, 0,
                       0, 0, 0, kTreeId, WS_EX_CLIENTEDGE);
    popup_ = CreatePopupMenu();
    for (const ButtonCaption& entry : kCommands)
        AppendMenuA(popup_, MF_STRING, static_cast<UINT_PTR>(entry.command), entry.menu);
}

void TProjects::OnSize(int width, int height) {
    SendMessageA(toolBar_, TB_AUTOSIZE, 0, 0);
    RECT bar{};
    GetWindowRect(toolBar_, &bar);
    int top = bar.bottom - bar.top;
    MoveWindow(tree_, 0, top, width, std::max(0, height - top), TRUE);
}

std::unique_ptr<ProjectNode> TProjects::AddProjectNode(TProject& project) {
    return std::make_unique<TreeNode>(tree_, project);
}

ProjectTreeItem TProjects::ItemOf(HTREEITEM item) const {
    if (!item) return {};
    LPARAM data = ItemData(tree_, item);
    HTREEITEM parent = Next(tree_, item, TVGN_PARENT);
    if (!parent) return {reinterpret_cast<TProject*>(data), -1};
    return {reinterpret_cast<TProject*>(ItemData(tree_, parent)), static_cast<int>(data)};
}

std::vector<ProjectTreeItem> TProjects::Selection() const {
    std::vector<ProjectTreeItem> items;
    for (HTREEITEM item : selected_) items.push_back(ItemOf(item));
    return items;
}

void TProjects::MarkSelected(HTREEITEM item, bool selected) {
    TVITEMA data{};
    data.mask = TVIF_STATE;
    data.hItem = item;
    data.stateMask = TVIS_SELECTED;
    data.state = selected ? TVIS_SELECTED : 0;
    SendMessageA(tree_, TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&data));
}

void TProjects::ToggleSelected(HTREEITEM item) {
    if (!item) return;
    auto at = std::find(selected_.begin(), selected_.end(), item);
    bool selecting = at == selected_.end();
    if (selecting) selected_.push_back(item);
    else selected_.erase(at);
    MarkSelected(item, selecting);
}

void TProjects::SelectOnly(HTREEITEM item) {
    for (HTREEITEM other : selected_)
        if (other != item) MarkSelected(other, false);
    selected_.clear();
    if (item) selected_.push_back(item);
}

HTREEITEM TProjects::ItemAt(POINT screen) const {
    TVHITTESTINFO hit{};
    hit.pt = screen;
    ScreenToClient(tree_, &hit.pt);
    auto item = reinterpret_cast<HTREEITEM>(SendMessageA(tree_, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    return (hit.flags & TVHT_ONITEM) ? item : nullptr;
}

HTREEITEM TProjects::FindItem(const ProjectTreeItem& wanted) const {
    for (HTREEITEM root = Next(tree_, nullptr, TVGN_ROOT); root; root = Next(tree_, root, TVGN_NEXT)) {
        if (ItemOf(root) == wanted) return root;
        for (HTREEITEM unit = Next(tree_, root, TVGN_CHILD); unit; unit = Next(tree_, unit, TVGN_NEXT))
            if (ItemOf(unit) == wanted) return unit;
    }
    return nullptr;
}

void TProjects::RunWindowCommand(int command) {
    if (!commands_) return;
    RunCommand([&] {
        switch (command) {
        case tbNew: commands_->New(); break;
        case tbAdd: commands_->Add(Selection()); break;
        case tbDestroy: commands_->Destroy(Selection()); break;
        case tbRemove: commands_->Remove(Selection()); break;
        case tbUp:
        case tbDown: {
            std::vector<ProjectTreeItem> moved = commands_->Move(Selection(), command == tbUp ? -1 : 1);
            SelectOnly(nullptr);
            for (const ProjectTreeItem& item : moved) {
                HTREEITEM node = FindItem(item);
                if (!node) continue;
                if (selected_.empty()) SendMessageA(tree_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(node));
                else ToggleSelected(node);
            }
            break;
        }
        case tbCompile: commands_->Compile(Selection()); break;
        case tbSource: commands_->ViewSource(Selection()); break;
        default: break;
        }
    });
}

void TProjects::OnCommand(int id, int, HWND) { RunWindowCommand(id); }

LRESULT TProjects::OnTreeNotify(NMHDR* header) {
    auto* change = reinterpret_cast<NMTREEVIEWA*>(header);
    switch (header->code) {
    case TVN_SELCHANGINGA:
    case TVN_SELCHANGINGW:
        // Ctrl+click adds a node to the selection (or takes it out) instead
        // of moving the selection there.
        if (change->action == TVC_BYMOUSE && ControlDown()) {
            ToggleSelected(change->itemNew.hItem);
            return TRUE;
        }
        return FALSE;
    case TVN_SELCHANGEDA:
    case TVN_SELCHANGEDW:
        SelectOnly(change->itemNew.hItem);
        if (commands_ && change->itemNew.hItem)
            RunCommand([&] { commands_->Select(ItemOf(change->itemNew.hItem)); });
        return 0;
    case TVN_DELETEITEMA:
    case TVN_DELETEITEMW:
        selected_.erase(std::remove(selected_.begin(), selected_.end(), change->itemOld.hItem), selected_.end());
        return 0;
    case NM_CLICK: {
        if (ControlDown() || !commands_) return 0;
        POINT at{};
        GetCursorPos(&at);
        if (HTREEITEM item = ItemAt(at)) RunCommand([&] { commands_->Click(ItemOf(item)); });
        return 0;
    }
    case NM_RCLICK: {
        POINT at{};
        GetCursorPos(&at);
        TrackPopupMenu(popup_, TPM_LEFTALIGN | TPM_TOPALIGN, at.x, at.y, 0, Handle(), nullptr);
        return TRUE;
    }
    }
    return 0;
}

LRESULT TProjects::HandleMessage(UINT message, WPARAM wp, LPARAM lp) {
    if (message == WM_NOTIFY) {
        auto* header = reinterpret_cast<NMHDR*>(lp);
        if (header->hwndFrom == tree_) return OnTreeNotify(header);
        if (header->code == TTN_GETDISPINFOA) {
            // The toolbar's hints name the command of the button.
            auto* tip = reinterpret_cast<NMTTDISPINFOA*>(lp);
            for (const ButtonCaption& entry : kCommands)
                if (static_cast<UINT_PTR>(entry.command) == header->idFrom) tip->lpszText = const_cast<char*>(entry.menu);
            return 0;
        }
    }
    return ToolWindow::HandleMessage(message, wp, lp);
}

}  // namespace tavrin
