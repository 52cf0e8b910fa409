// The project window "Projects": a toolbar (New, Add, Destroy, Remove, Up,
// Down, Compile, Source) over a tree of the projects and their units, in
// which several nodes can be selected (Ctrl+click adds or removes one). The
// tree's right-click menu offers the same commands. The window is the tree
// of the project commands; the commands themselves are ProjectCommands.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <vector>

#include "projects/project_commands.h"
#include "ui/tool_window.h"

namespace tavrin {

class TProjects : public ToolWindow, public ProjectTree {
public:
    enum Command : int { tbNew = 300, tbAdd, tbDestroy, tbRemove, tbUp, tbDown, tbCompile, tbSource };
    static constexpr int kTreeId = 310;

    TProjects();
    ~TProjects() override;

    void SetCommands(ProjectCommands* commands) { commands_ = commands; }

    // ProjectTree
    std::unique_ptr<ProjectNode> AddProjectNode(TProject& project) override;

    HWND Tree() const { return tree_; }
    HWND ToolBar() const { return toolBar_; }
    // The tree's right-click menu.
    HMENU PopupMenu() const { return popup_; }
    // The selected nodes, in the order they were selected.
    std::vector<ProjectTreeItem> Selection() const;
    const std::vector<HTREEITEM>& SelectedItems() const { return selected_; }
    // What a node shows (a project, or a unit of one).
    ProjectTreeItem ItemOf(HTREEITEM item) const;
    // Adds the node to the selection, or takes it out (Ctrl+click).
    void ToggleSelected(HTREEITEM item);
    // Runs one of the window's commands.
    void RunWindowCommand(int command);

protected:
    void OnCreate() override;
    void OnSize(int width, int height) override;
    void OnCommand(int id, int code, HWND control) override;
    LRESULT HandleMessage(UINT message, WPARAM wp, LPARAM lp) override;

private:
    LRESULT OnTreeNotify(NMHDR* header);
    void SelectOnly(HTREEITEM item);
    void MarkSelected(HTREEITEM item, bool selected);
    HTREEITEM ItemAt(POINT screen) const;
    HTREEITEM FindItem(const ProjectTreeItem& wanted) const;

    ProjectCommands* commands_ = nullptr;
    HWND toolBar_ = nullptr;
    HWND tree_ = nullptr;
    HMENU popup_ = nullptr;
    std::vector<HTREEITEM> selected_;
};

}  // namespace tavrin
