#include "inspector/property_editors.h"

#include <utility>

#include "common/prompts.h"
#include "common/text.h"
#include "inspector/property_grid.h"

namespace tavrin {

namespace {

std::function<bool()>& EditDialog() {
    static std::function<bool()> show;
    return show;
}

template <class Editor>
EditorFactory FactoryOf() {
    return [](TELInspector* grid) -> std::unique_ptr<TELPropertyEditor> { return std::make_unique<Editor>(grid); };
}

}  // namespace

std::string TELPropertyEditor::GetValue() const {
    if (!grid_ || grid_->CurrentRow() < 0) return "";
    return grid_->CellValue(grid_->CurrentRow());
}

void TELPropertyEditor::Notify(std::string& value) {
    if (grid_ && grid_->onExecute) grid_->onExecute(*this, value);
}

bool TELColorEditor::Execute() {
    long long initial = 0;
    ParseInt(GetValue(), initial);
    unsigned color = static_cast<unsigned>(initial);
    if (!UserPrompts().PickColor(color)) return false;
    try {
        if (Grid() && Grid()->CurrentRow() >= 0)
            Grid()->SetCellValue(Grid()->CurrentRow(), std::to_string(static_cast<long long>(color)));
        std::string value = GetValue();
        Notify(value);
    } catch (...) {
        // The box has closed with a colour; a failing handler does not undo the choice.
    }
    return true;
}

bool TELFontEditor::Execute() {
    std::string value = GetValue();
    FontChoice font;
    if (!ReadFontChoice(value, font)) font.face = value;
    bool confirmed = UserPrompts().PickFont(font.face, font.size);
    if (confirmed) value = FontChoiceText(font);
    Notify(value);
    SetValue(value);
    return confirmed;
}

bool TELClassEditor::Execute() {
    bool confirmed = EditDialog() && EditDialog()();
    std::string value = GetValue();
    Notify(value);
    return confirmed;
}

void SetPropertyEditDialog(std::function<bool()> show) { EditDialog() = std::move(show); }

void EditorClasses::Register(const std::string& className, EditorFactory factory) {
    for (auto& entry : classes_) {
        if (EqualsNoCase(entry.first, className)) {
            entry.second = std::move(factory);
            return;
        }
    }
    classes_.emplace_back(className, std::move(factory));
}

bool EditorClasses::Has(const std::string& className) const {
    for (const auto& entry : classes_)
        if (EqualsNoCase(entry.first, className)) return true;
    return false;
}

std::unique_ptr<TELPropertyEditor> EditorClasses::Create(const std::string& className, TELInspector* grid) const {
    for (const auto& entry : classes_)
        if (EqualsNoCase(entry.first, className)) return entry.second(grid);
    return nullptr;
}

EditorClasses& PropertyEditorClasses() {
    static EditorClasses classes = [] {
        EditorClasses registered;
        registered.Register("TELPropertyEditor", FactoryOf<TELPropertyEditor>());
        registered.Register("TELFontEditor", FactoryOf<TELFontEditor>());
        registered.Register("TELColorEditor", FactoryOf<TELColorEditor>());
        registered.Register("TELClassEditor", FactoryOf<TELClassEditor>());
        return registered;
    }();
    return classes;
}

}  // namespace tavrin
