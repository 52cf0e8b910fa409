// The property grid's window: a two-column list (name, value) that is always
// in edit mode. The selected row's value cell carries its editor: a plain
// edit, a drop-down list of the row's items, or an edit with an ellipsis
// button. The editors are siblings of the list inside the parent window,
// which hands their commands and the list's notifications to this object.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "inspector/inspector_rows.h"
#include "ui/window_subclass.h"

namespace tavrin {

class ValueListView {
public:
    // Creates the list and its editors as children of parent; ids from firstId on (four).
    ValueListView(HWND parent, int firstId);
    ValueListView(const ValueListView&) = delete;
    ValueListView& operator=(const ValueListView&) = delete;

    HWND List() const { return list_; }
    void SetBounds(int x, int y, int width, int height);
    // Shows the rows (the selection and the editor go).
    void ShowRows(const std::vector<InspectorRow>& rows);
    // Shows a changed value in a row (the editor of the selected row too).
    void SetValue(int row, const std::string& value);
    int SelectedRow() const;
    void SelectRow(int row);
    // The editor of the selected row: its window, when shown.
    HWND ValueEditor() const;
    HWND EllipsisButton() const { return button_; }

    // The parent's WM_NOTIFY and WM_COMMAND; true when they were the grid's.
    bool HandleNotify(const NMHDR& header);
    bool HandleCommand(int id, int code);
    // Commits the editor's text when it differs from the cell's value.
    void CommitEdit();

    std::function<void(int row)> OnSelect;
    std::function<void(int row, const std::string& value)> OnCommit;
    std::function<void(int row)> OnEllipsis;
    std::function<std::vector<std::string>(const std::string& name)> PickList;

private:
    void PlaceEditor();
    void HideEditors();
    std::string EditorText() const;

    HWND parent_;
    int firstId_;
    HWND list_ = nullptr;
    HWND edit_ = nullptr;
    HWND combo_ = nullptr;
    HWND button_ = nullptr;
    WindowSubclass editKeys_;
    WindowSubclass listScroll_;
    std::vector<InspectorRow> rows_;
    int editedRow_ = -1;
    bool filling_ = false;
};

}  // namespace tavrin
