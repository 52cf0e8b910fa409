// The commands a dialog under design adds to its surface: the undo and redo
// history of its design and code, the clipboard and alignment entries of its
// pop-up menu, Ctrl+Z and Ctrl+Y, and the code lines of pasted components.
// A command begins (Begin) with a key, a mouse press or a menu entry; the
// changes it makes reach Changed() and form one step together.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <windows.h>

#include "designer/code_snapshot.h"
#include "designer/undo_history.h"

namespace tavrin {

class TDialog;
class TContainer;

// Pop-up menu entries the commands add (beside the dialog's own).
enum DialogCommandItem { menuUndo = 240, menuRedo, menuTabOrder, menuAlignmentDialog, menuBringToFront, menuSendToBack };

class DialogCommands {
public:
    explicit DialogCommands(TDialog& dialog);

    // A command is about to change the dialog (an inspector edit calls it too).
    void Begin();
    // The dialog changed (its design or its code): part of the step of the
    // command begun last.
    void Changed();
    // An edit made outside the dialog's commands (the inspector's property
    // edits and renames) just changed the dialog: it becomes a step of its own.
    void EditedOutside();
    // The dialog itself was renamed: older steps hold code with the old name
    // the dialog no longer answers to, so the history starts anew from here.
    void StartAfresh();
    bool CanUndo() const { return history_.CanUndo(); }
    bool CanRedo() const { return history_.CanRedo(); }
    void Undo();
    void Redo();

    // Adds the entries and enables the clipboard entries of the pop-up menu.
    void AddPopupItems(HMENU popup);
    // Runs a pop-up menu entry; false when it is not one of these commands.
    bool RunPopupItem(int item);
    // Puts the components and their code lines in the order of the names
    // (names not found are passed over).
    void SetTabOrder(const std::vector<std::string>& names);
    // Makes the selected components the first (on top) or the last created,
    // their code lines with them.
    void MoveSelectionToFrontOrBack(bool toFront);

    struct ComponentState {
        std::string name;
        std::string className;
        std::string parent;  // the component it stands in, empty for the window
        std::vector<std::pair<std::string, std::string>> properties;
        bool operator==(const ComponentState&) const = default;
    };
    struct State {
        std::vector<ComponentState> components;  // in creation order
        std::vector<std::pair<std::string, std::string>> ownValues;  // the own container's and the window's
        CodeSnapshot code;
        bool operator==(const State&) const = default;
    };

private:
    State Capture() const;
    void Restore(const State& state);
    std::vector<LineTag> Objects() const;
    void Pasted(TContainer& component);
    void RunTabOrderDialog();

    TDialog& dialog_;
    UndoHistory<State> history_;
    std::optional<State> known_;  // the state now, as far as the history knows
    bool stepOpen_ = false;       // the command begun last has recorded its step
    bool restoring_ = false;
};

}  // namespace tavrin
