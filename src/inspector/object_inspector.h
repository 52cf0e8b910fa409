// The rules of the object inspector (TInspector) apart from its window: it
// refills the property grid from the pack for the inspected objects, keeps
// the current property and the status texts, offers pick lists, and applies
// an edit to the containers of the inspected objects and to their property
// lines in the dialog's code. Every inspected object receives the edit.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "inspector/inspected_object.h"
#include "inspector/property_grid.h"

namespace tavrin {

// The selected row as it was when selected.
struct TProperty {
    PackObject Obj = nullptr;
    std::optional<PropertyInfo> Info;
    std::string Name;
    std::string Value;
};

// An edit the inspector applied to one object: the property's design value
// before and after (the undo of the surface's commands listens to it).
struct PropertyEdit {
    InspectedObject* object = nullptr;
    std::string name;
    std::string oldValue;
    std::string newValue;
};

class ObjectInspector {
public:
    using PackSource = std::function<PackApi*()>;
    using ContainerSource = std::function<InspectedObject*(PackObject)>;

    // currentPack: the palette's current pack (null when none is loaded);
    // containerOf: the design object whose live window belongs to a pack object.
    ObjectInspector(PackSource currentPack, ContainerSource containerOf);

    TELInspector& Grid() { return grid_; }
    const std::optional<TProperty>& CurrentProperty() const { return current_; }
    // Panel 0: the tab's title; panel 1: information on the selected row.
    std::string statusPanel[2];

    // The pack objects of the active dialog's selection, or none without an active dialog.
    std::function<std::optional<std::vector<PackObject>>()> SelectedObjects;
    // Runs before each object and each row while filling (pending window messages).
    std::function<void()> BeforeEach;
    // A line for the code window's result list.
    std::function<void(const std::string&)> ReportLine;
    // Raised once per object after an edit reached it (its design property and its code line).
    std::function<void(const PropertyEdit&)> OnPropertyEdited;
    // Raised once after an edit reached every object it applies to (one step for an undo history).
    std::function<void()> OnEditDone;

    // Refills the grid; an empty list clears it; without a pack that lists
    // properties the grid stays as it is. False when the grid was left alone.
    bool InspectObjects(const std::vector<PackObject>& objects);
    void TabControlChange(InspectorTab tab);
    void FormShow();
    void SelectCell(int row);
    std::vector<std::string> PickList(const std::string& name);
    // A committed edit of a row: applied to every inspected object's container
    // that publishes the property, and written as its property line. A text
    // that is no value of the property's kind is refused with a message.
    void Validate(const std::string& name, const std::string& value);
    void EditButtonClick();
    void Execute(const std::string& text) { statusPanel[1] = text; }

    // Replaces the object's line for the property, or adds it after the
    // object's last line when the pack knows the property. False when nothing was written.
    bool WritePropertyLine(InspectedObject& container, const std::string& name, const std::string& value);
    // Sets the object's design property and writes its line (the value in
    // its plain form: " 025" as 25), raising no edit notice (an undo puts a
    // value back this way). False, changing nothing, when the object does not
    // publish the property or the text is no value of its kind.
    bool ApplyEdit(InspectedObject& container, const std::string& name, const std::string& value);

private:
    bool RefuseInvalidValue(const std::vector<InspectedObject*>& containers, const std::string& name,
                            const std::string& value);
    PackApi* Pack() const { return currentPack_ ? currentPack_() : nullptr; }
    std::vector<InspectedObject*> Containers() const;
    void ApplyEditorResult(const std::string& name, const std::string& cellText, bool colour);
    bool WriteFontLines(LineDocument& code, const CodeObject& target, const std::string& value, bool packKnowsFont);

    PackSource currentPack_;
    ContainerSource containerOf_;
    TELInspector grid_;
    std::optional<TProperty> current_;
};

}  // namespace tavrin
