// Property editors opened by a grid row's ellipsis button, and the run-time
// registry that finds an editor class by its name (packs name the editor in
// the Editor field of a property's info record). Every box goes through the
// workbench's prompts.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "designer/design_font.h"

namespace tavrin {

class TELInspector;

class TELPropertyEditor {
public:
    // grid may be null: the editor then has no cell to read or write.
    explicit TELPropertyEditor(TELInspector* grid) : grid_(grid) {}
    virtual ~TELPropertyEditor() = default;

    virtual void SetValue(const std::string& value) { value_ = value; }
    // The grid's value cell of its current row; empty without a grid or row.
    virtual std::string GetValue() const;
    // Shows the editor; true when the user confirmed.
    virtual bool Execute() { return false; }

    const std::string& Value() const { return value_; }
    TELInspector* Grid() const { return grid_; }

protected:
    // Raises the grid's onExecute with the value text (which the handler may change).
    void Notify(std::string& value);

private:
    TELInspector* grid_;
    std::string value_;
};

// The colour box, starting from the cell's colour; a confirmed colour goes
// into the cell as a decimal integer (pure red is 255).
class TELColorEditor : public TELPropertyEditor {
public:
    using TELPropertyEditor::TELPropertyEditor;
    bool Execute() override;
};

// The font box, starting from the face name in the cell. A confirmed choice
// is kept as the editor's value "<face>,<size>" (see FontChoice).
class TELFontEditor : public TELPropertyEditor {
public:
    using TELPropertyEditor::TELPropertyEditor;
    bool Execute() override;
};

// The class-valued property dialog (an empty modal box).
class TELClassEditor : public TELPropertyEditor {
public:
    using TELPropertyEditor::TELPropertyEditor;
    bool Execute() override;
};

// Shows the class editor's dialog; true unless cancelled. Set by the Win32
// layer; while unset the class editor shows nothing and reports a cancel.
void SetPropertyEditDialog(std::function<bool()> show);

using EditorFactory = std::function<std::unique_ptr<TELPropertyEditor>(TELInspector* grid)>;

// The run-time class registry of property editors, by class name (compared
// without regard to case).
class EditorClasses {
public:
    void Register(const std::string& className, EditorFactory factory);
    bool Has(const std::string& className) const;
    // A new editor of the class attached to the grid, or null when none is registered.
    std::unique_ptr<TELPropertyEditor> Create(const std::string& className, TELInspector* grid) const;

private:
    std::vector<std::pair<std::string, EditorFactory>> classes_;
};

// The registry of the program, holding "TELPropertyEditor", "TELFontEditor",
// "TELColorEditor" and "TELClassEditor" from the first use on.
EditorClasses& PropertyEditorClasses();

}  // namespace tavrin
