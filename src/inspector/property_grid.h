// TELInspector, the property grid's model: rows of name and value with an
// edit style each, the inspected pack objects, the inspector's tab, the
// current row and the editor table that names, per property name, the editor
// class its ellipsis button opens. The Win32 value list shows it.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "inspector/inspector_rows.h"
#include "inspector/property_editors.h"
#include "packhost/pack_api.h"

namespace tavrin {

// An editor table entry: the property names it serves, their type name and the editor class.
struct TELEditorClass {
    std::vector<std::string> names;
    std::string typeName;
    std::string editorClass;
};

class TELInspector {
public:
    // Registers "Font" (TELFontEditor), "Color" (TELColorEditor) and "PopupMenu" (TELClassEditor).
    TELInspector();

    // Removes every row and inspected object.
    void Clear();
    void SetRows(std::vector<InspectorRow> rows) { rows_ = std::move(rows); }
    const std::vector<InspectorRow>& Rows() const { return rows_; }
    int RowCount() const { return static_cast<int>(rows_.size()); }
    // The row of the name (without regard to case), or -1.
    int RowOf(const std::string& name) const;
    std::string CellValue(int row) const;
    void SetCellValue(int row, const std::string& value);

    void AddObject(PackObject object) { objects_.push_back(object); }
    const std::vector<PackObject>& Objects() const { return objects_; }
    // The inspected object at index, or null outside the list.
    PackObject Object(int index) const;

    InspectorTab Mode() const { return mode_; }
    void SetMode(InspectorTab mode) { mode_ = mode; }

    void RegisterEditor(const std::string& name, const std::string& typeName, const std::string& editorClass);
    // The entry serving the property name, or null.
    const TELEditorClass* FindEditorClass(const std::string& name) const;

    // Remembers the row and its name; makes the current editor when the
    // editor table serves the name.
    void SelectCell(int row);
    int CurrentRow() const { return currentRow_; }
    const std::string& CurrentName() const { return currentName_; }
    TELPropertyEditor* CurrentEditor() const { return currentEditor_.get(); }

    // Raised by an editor after it ran, with the value text it may change.
    std::function<void(TELPropertyEditor& editor, std::string& value)> onExecute;

private:
    std::vector<InspectorRow> rows_;
    std::vector<PackObject> objects_;
    InspectorTab mode_ = InspectorTab::Properties;
    std::vector<TELEditorClass> editors_;
    int currentRow_ = -1;
    std::string currentName_;
    std::unique_ptr<TELPropertyEditor> currentEditor_;
};

}  // namespace tavrin
