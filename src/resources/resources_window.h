// TResources ("Resources"): the resource editor. A list view of the items
// (large icons, an image per type) with its pop-up menu, and along the bottom
// "Add...", "Remove", the kind list, "Save" and "Load..". Imports designed
// dialogs and shows the generated script in the code page "Resources".
#pragma once

#include <windows.h>
// The system's headers may name a function CreateDialog too.
#ifdef CreateDialog
#undef CreateDialog
#endif
#include <commctrl.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "resources/dialog_import.h"
#include "resources/resource_items.h"
#include "resources/resource_script.h"
#include "ui/form_window.h"

namespace tavrin {

// What the resource editor asks of the rest of the workbench.
struct ResourcesHost {
    std::function<bool()> guiResources;  // the setting "GUIResources"
    std::function<bool()> hasDialogs;    // the forms list has entries
    // The forms list shown modally: the dialogs chosen, none when cancelled.
    std::function<std::optional<std::vector<const void*>>()> chooseDialogs;
    std::function<DialogText(const void* dialog)> describeDialog;
    // The code page "Resources": shown with a text, taken out (its editor's
    // lines returned), and whether it is in the code window.
    std::function<void(const std::string& text)> showSourcePage;
    std::function<std::string()> takeSourcePage;
    std::function<bool()> sourcePageShown;
};

class TResources : public FormWindow {
public:
    enum ControlId {
        idList = 1100, idAdd, idRemove, idKind, idSave, idLoad,
        menuAdd = 1200, menuRemove, menuImport, menuClear, menuShowSource
    };

    explicit TResources(ResourcesHost host);

    // AddResource with its list view entry; an error is shown with its text.
    void Add(const std::string& fileName, const void* dialog, int defaultType);
    void AddFiles();
    void RemoveSelected();
    void Clear();
    void ImportDialogs();
    void ToggleSourceCode();
    // The pop-up menu as it opens (the caller destroys it).
    HMENU BuildPopupMenu();

    const ResourceItems& Items() const { return items_; }
    const std::vector<ScriptLine>& Script() const { return script_; }
    const TResourcesItem* Current() const { return current_; }
    HWND ListView() const { return list_; }
    HWND Control(int id) const { return GetDlgItem(Handle(), id); }
    // Selects the list view entry at index (-1: none).
    void SelectEntry(int index);

protected:
    DWORD Style() const override { return WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN; }
    SIZE InitialSize() const override { return SIZE{600, 400}; }
    void OnCreate() override;
    void OnSize(int width, int height) override;
    void OnCommand(int id, int code, HWND control) override;
    void OnGetMinMaxInfo(MINMAXINFO* info) override;
    LRESULT HandleMessage(UINT message, WPARAM wp, LPARAM lp) override;

private:
    void SelectionChanged();
    void AppendEntry(const TResourcesItem* item);
    int EntryOf(const TResourcesItem* item) const;

    ResourcesHost host_;
    ResourceItems items_;
    DialogImport import_;
    std::vector<ScriptLine> script_;
    const TResourcesItem* current_ = nullptr;
    HWND list_ = nullptr;
    HIMAGELIST images_ = nullptr;
};

}  // namespace tavrin
