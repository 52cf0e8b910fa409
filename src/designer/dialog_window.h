// TDialog: a dialog under design. A top-level window of its own carrying the
// design surface, its own hidden container "this" that hosts the pack's form
// object, and the link to the lines of its code page: placing, moving,
// sizing and deleting components writes their code there.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "designer/container.h"
#include "designer/design_bounds.h"
#include "designer/design_properties.h"
#include "designer/design_surface.h"
#include "designer/dialog_commands.h"
#include "designer/dialog_menus.h"
#include "editor/line_document.h"
#include "ui/form_window.h"

namespace tavrin {

class PackRegistry;

class TDialog : public FormWindow {
public:
    // hostClass: the pack class of the form object ("QForm"); packs: the
    // palette's selection (may be null: nothing is ever inserted).
    TDialog(std::string hostClass, PackRegistry* packs);
    ~TDialog() override;

    // Creates the window (hidden) and its own container hosting the form class.
    void Create();

    TELDesigner ELDesigner;
    TContainer& OwnContainer() { return *ownContainer_; }

    std::string Name() const override { return dialogName_; }
    // A caption equal to the old name follows the new name.
    void SetName(const std::string& name);
    const std::string& HostClass() const { return hostClass_; }

    ::tavrin::Bounds WindowBounds() const;
    void SetWindowBounds(const ::tavrin::Bounds& bounds);

    // The lines of the dialog's code page, or null; the page learns of every
    // change through OnCodeModified.
    LineDocument* Code = nullptr;
    std::function<void()> OnCodeModified;
    // Writes the parent and bounds lines of the dialog's own container.
    void WriteOwnContainerLines();

    // The window's design properties (Caption, Left, Top, Width, Height, ...).
    const DesignProperties& Properties() const { return properties_; }
    // A component made by the code reader (no code written). With windowsLater
    // its windows wait for the reader's end (TContainer::CreateWindows), so
    // that they are made once, at their place, with their text.
    TContainer* AddComponentFromCode(const std::string& name, const std::string& packClass,
                                     bool windowsLater = false);

    // The menu editor of this dialog's window menu.
    DialogMenus& Menus() { return *menus_; }
    // Undo and redo, the clipboard and the alignment dialog; Changed() takes
    // every change made from outside the dialog (inspector edits).
    DialogCommands& Commands() { return *commands_; }
    // "Active Menu:" texts for the status bar.
    std::function<void(const std::string&)> OnStatus;

    // The right-click menu, items enabled as when it opens (the caller destroys it).
    enum PopupItem {
        menuAddMenu = 200, menuAddItem, menuDeleteMenu, menuClearMenu, menuAligntogrid,
        menuCut, menuCopy, menuPaste, menuDelete, menuSelectAll, menuAlignment
    };
    HMENU BuildPopupMenu();
    void RunPopupCommand(int item);
    // "Alignment...": the alignment dialog, when one is wired.
    std::function<void()> OnAlignment;
    // Fills the "Position" submenu; its entries' commands come back through OnPositionCommand.
    std::function<void(HMENU)> OnBuildPositionMenu;
    std::function<void(int)> OnPositionCommand;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wp, LPARAM lp) override;
    SIZE InitialSize() const override { return SIZE{814, 328}; }

private:
    void WireSurface();
    void Inserted(TContainer& container);
    void Removed(TContainer& container);
    void ComponentBoundsChanged(TContainer& container);
    void SelectionChanged();
    void WindowMoved();
    void CodeChanged();
    void DeclareProperties();

    std::string hostClass_;
    PackRegistry* packs_;
    std::string dialogName_ = "Dialog";
    void AlignSelectionToGrid();
    void SelectAllComponents();
    // Runs a menu editor command; the menus' lines in the code are written anew when it changed them.
    void EditMenus(void (DialogMenus::*command)());

    std::unique_ptr<TContainer> ownContainer_;
    std::unique_ptr<DialogMenus> menus_;
    ::tavrin::Bounds codeBounds_{};  // the window bounds the code states
    DesignProperties properties_;
    std::unique_ptr<DialogCommands> commands_;
};

}  // namespace tavrin
