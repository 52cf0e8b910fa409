#include "inspector/property_grid.h"

#include "common/text.h"

namespace tavrin {

TELInspector::TELInspector() {
    RegisterEditor("Font", "TFont", "TELFontEditor");
    RegisterEditor("Color", "TColor", "TELColorEditor");
    RegisterEditor("PopupMenu", "TPopupMenu", "TELClassEditor");
}

void TELInspector::Clear() {
    rows_.clear();
    objects_.clear();
    currentRow_ = -1;
    currentName_.clear();
    currentEditor_.reset();
}

int TELInspector::RowOf(const std::string& name) const {
    for (int i = 0; i < RowCount(); ++i)
        if (EqualsNoCase(rows_[i].name, name)) return i;
    return -1;
}

std::string TELInspector::CellValue(int row) const {
    return row >= 0 && row < RowCount() ? rows_[row].value : std::string();
}

void TELInspector::SetCellValue(int row, const std::string& value) {
    if (row >= 0 && row < RowCount()) rows_[row].value = value;
}

PackObject TELInspector::Object(int index) const {
    if (index < 0 || index >= static_cast<int>(objects_.size())) return nullptr;
    return objects_[index];
}

void TELInspector::RegisterEditor(const std::string& name, const std::string& typeName,
                                  const std::string& editorClass) {
    editors_.push_back({{name}, typeName, editorClass});
}

const TELEditorClass* TELInspector::FindEditorClass(const std::string& name) const {
    for (const TELEditorClass& entry : editors_)
        for (const std::string& served : entry.names)
            if (EqualsNoCase(served, name)) return &entry;
    return nullptr;
}

void TELInspector::SelectCell(int row) {
    currentRow_ = row;
    currentName_ = row >= 0 && row < RowCount() ? rows_[row].name : std::string();
    const TELEditorClass* entry = FindEditorClass(currentName_);
    currentEditor_ = entry ? PropertyEditorClasses().Create(entry->editorClass, this) : nullptr;
}

}  // namespace tavrin
