#include "inspector/object_inspector.h"

#include <utility>

#include "common/prompts.h"
#include "common/text.h"
#include "designer/design_font.h"
#include "designer/property_lines.h"

namespace tavrin {

ObjectInspector::ObjectInspector(PackSource currentPack, ContainerSource containerOf)
    : currentPack_(std::move(currentPack)), containerOf_(std::move(containerOf)) {
    statusPanel[0] = TabTitle(grid_.Mode());
    grid_.onExecute = [this](TELPropertyEditor&, std::string& value) { Execute(value); };
}

bool ObjectInspector::InspectObjects(const std::vector<PackObject>& objects) {
    current_.reset();
    statusPanel[1].clear();  // no row is selected in the refilled grid
    if (objects.empty()) {
        grid_.Clear();
        return true;
    }
    PackApi* pack = Pack();
    if (!pack || !pack->Has(PackEntry::GetPropList)) return false;
    grid_.Clear();
    for (PackObject object : objects) grid_.AddObject(object);
    std::vector<InspectorRow> rows = BuildRows(*pack, objects, grid_.Mode(), BeforeEach);
    grid_.SetRows(std::move(rows));
    return true;
}

void ObjectInspector::TabControlChange(InspectorTab tab) {
    grid_.SetMode(tab);
    grid_.Clear();
    current_.reset();
    if (SelectedObjects) {
        if (std::optional<std::vector<PackObject>> selected = SelectedObjects()) InspectObjects(*selected);
    }
    statusPanel[0] = TabTitle(tab);
}

void ObjectInspector::FormShow() {
    current_.reset();
    statusPanel[0] = TabTitle(grid_.Mode());
}

void ObjectInspector::SelectCell(int row) {
    grid_.SelectCell(row);
    TProperty property;
    property.Name = grid_.CurrentName();
    property.Value = grid_.CellValue(row);
    property.Obj = grid_.Object(0);
    PackApi* pack = Pack();
    if (pack && pack->Has(PackEntry::GetPropInfo) && property.Obj)
        property.Info = pack->PropertyInfoOf(property.Obj, property.Name);
    if (property.Info)
        statusPanel[1] = property.Name + "=" + property.Value + " [" + std::to_string(property.Info->rawKind) + "]";
    else
        statusPanel[1] = "Property not found in base class.";
    current_ = std::move(property);
}

std::vector<std::string> ObjectInspector::PickList(const std::string& name) {
    try {
        PackApi* pack = Pack();
        if (!pack || !pack->Has(PackEntry::GetPropInfo) || !grid_.Object(0)) return {};
        std::optional<PropertyInfo> info = pack->PropertyInfoOf(grid_.Object(0), name);
        if (!info || (KindOf(*info) != pkBoolean && KindOf(*info) != pkEnumeration) || !info->items) return {};
        return Split(*info->items, ',');
    } catch (...) {
        return {};  // a drop-down that cannot be built stays empty
    }
}

std::vector<InspectedObject*> ObjectInspector::Containers() const {
    std::vector<InspectedObject*> containers;
    if (!containerOf_) return containers;
    for (PackObject object : grid_.Objects()) {
        if (InspectedObject* container = containerOf_(object)) containers.push_back(container);
    }
    return containers;
}

bool ObjectInspector::ApplyEdit(InspectedObject& container, const std::string& name, const std::string& value) {
    const DesignProperty* property = container.Properties().Find(name);
    if (!property) return false;
    std::optional<std::string> canonical = DesignValue(*property, value);
    if (!canonical) return false;
    container.Properties().Set(property->name, *canonical);
    WritePropertyLine(container, name, *canonical);
    return true;
}

// A text that is no value of the property's kind (a word or nothing for a
// number, a number out of range, an unknown enumeration name) would leave a
// line the compiler refuses and a window that does not show it: the edit
// changes nothing, says why, and the cell shows the value again.
bool ObjectInspector::RefuseInvalidValue(const std::vector<InspectedObject*>& containers, const std::string& name,
                                         const std::string& value) {
    for (InspectedObject* container : containers) {
        const DesignProperty* property = container->Properties().Find(name);
        if (!property || DesignValue(*property, value)) continue;
        UserPrompts().Error("\"" + value + "\" is not a valid value of " + property->name + ".");
        int row = grid_.RowOf(name);
        if (row >= 0) grid_.SetCellValue(row, container->Properties().Get(name).value_or(""));
        return true;
    }
    return false;
}

void ObjectInspector::Validate(const std::string& name, const std::string& value) {
    std::vector<InspectedObject*> containers = Containers();
    if (RefuseInvalidValue(containers, name, value)) return;
    bool edited = false;
    for (InspectedObject* container : containers) {
        std::string before = container->Properties().Get(name).value_or("");
        if (!ApplyEdit(*container, name, value)) continue;
        edited = true;
        if (OnPropertyEdited) OnPropertyEdited({container, name, before, value});
    }
    if (edited && OnEditDone) OnEditDone();
    int row = grid_.RowOf(name);
    if (row >= 0) grid_.SetCellValue(row, value);
}

void ObjectInspector::EditButtonClick() {
    if (!current_ || !current_->Info || !current_->Info->editor) return;
    const std::string& editorClass = *current_->Info->editor;
    if (!PropertyEditorClasses().Has(editorClass)) {
        UserPrompts().Information("The editor class not found.");
        return;
    }
    if (grid_.CurrentRow() < 0) grid_.SelectCell(grid_.RowOf(current_->Name));
    std::unique_ptr<TELPropertyEditor> editor = PropertyEditorClasses().Create(editorClass, &grid_);
    if (!editor->Execute()) return;
    // An editor that keeps its result as its value (the font editor) hands it to the cell.
    if (!editor->Value().empty() && grid_.CurrentRow() >= 0) grid_.SetCellValue(grid_.CurrentRow(), editor->Value());
    PackApi* pack = Pack();
    if (!pack || !pack->Has(PackEntry::GetPropValue)) return;
    const TELEditorClass* entry = grid_.FindEditorClass(current_->Name);
    bool colour = entry && entry->typeName == "TColor";
    ApplyEditorResult(current_->Name, grid_.CellValue(grid_.CurrentRow()), colour);
}

void ObjectInspector::ApplyEditorResult(const std::string& name, const std::string& cellText, bool colour) {
    bool edited = false;
    for (InspectedObject* container : Containers()) {
        const DesignProperties& target = container->EditorProperties();
        const DesignProperty* property = target.Find(name);
        if (!property) continue;
        std::string before = target.Get(name).value_or("");
        if (colour) {
            long long number = 0;
            ParseInt(cellText, number);
            target.Set(property->name, std::to_string(number));
        } else {
            container->Properties().Set(name, cellText);
        }
        WritePropertyLine(*container, name, cellText);
        edited = true;
        if (OnPropertyEdited) OnPropertyEdited({container, name, before, cellText});
    }
    if (edited && OnEditDone) OnEditDone();
}

// A font is stated by its face and size, each on a line of its own; a text
// that names no font writes nothing.
bool ObjectInspector::WriteFontLines(LineDocument& code, const CodeObject& target, const std::string& value,
                                     bool packKnowsFont) {
    FontChoice font;
    if (!ReadFontChoice(value, font)) return false;
    if (!packKnowsFont && FindPropertyLine(code, target.tag, kFontFaceMember) < 0) return false;
    bool written = tavrin::WritePropertyLine(code, target, kFontFaceMember, font.face, true) !=
                   PropertyLineWrite::NotWritten;
    return tavrin::WritePropertyLine(code, target, kFontSizeMember, std::to_string(font.size), false) !=
               PropertyLineWrite::NotWritten ||
           written;
}

bool ObjectInspector::WritePropertyLine(InspectedObject& container, const std::string& name,
                                        const std::string& value) {
    LineDocument* code = container.Code();
    if (!code) return false;
    CodeObject target = container.CodeTarget();
    std::optional<PropertyInfo> info;
    PackApi* pack = Pack();
    if (pack && pack->Has(PackEntry::GetPropInfo)) info = pack->PropertyInfoOf(container.Object(), name);
    if (EqualsNoCase(name, "Font")) return WriteFontLines(*code, target, value, info.has_value());
    // Without the pack's record only an existing line is replaced: nothing new is invented.
    if (!info && FindPropertyLine(*code, target.tag, name) < 0) return false;
    bool textKind = info && KindOf(*info) == pkString;
    return tavrin::WritePropertyLine(*code, target, name, value, textKind) != PropertyLineWrite::NotWritten;
}

}  // namespace tavrin
