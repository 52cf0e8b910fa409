// What a dialog under design tells the tools that follow it (the inspector,
// the objects tree): which dialog became active, which items are selected,
// which components came and went. The tools implement DialogEvents and
// register it once; every dialog reports to it.
#pragma once

#include <vector>

namespace tavrin {

class TDialog;
class TContainer;

class DialogEvents {
public:
    virtual ~DialogEvents() = default;
    virtual void OnDialogActivated(TDialog& dialog) {}
    // selection: the selected components in order; null stands for the dialog itself.
    virtual void OnSelectionChanged(TDialog& dialog, const std::vector<TContainer*>& selection) {}
    virtual void OnComponentInserted(TDialog& dialog, TContainer& component) {}
    virtual void OnComponentRemoved(TDialog& dialog, TContainer& component) {}
    // The dialog window was moved or resized (its own bounds changed).
    virtual void OnDialogMoved(TDialog& dialog) {}
    // The dialog is about to be freed (its page was closed): forget it and
    // everything in it.
    virtual void OnDialogClosing(TDialog& dialog) {}
};

// The listeners every dialog reports to (in registration order).
void AddDialogEvents(DialogEvents& listener);
void RemoveDialogEvents(DialogEvents& listener);
std::vector<DialogEvents*>& DialogListeners();

}  // namespace tavrin
