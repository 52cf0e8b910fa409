#include "resources/resources_window.h"

#include <commctrl.h>
#include <windowsx.h>

#include <exception>

#include "common/commands.h"
#include "common/prompts.h"
#include "common/text.h"
#include "resources/resource_types.h"
#include "ui/component_names.h"

namespace tavrin {
namespace {

constexpr int kMinimumWidth = 590;
constexpr int kButtonRow = 34;

// The list view's images by ResourceImage: pictures, data, dialogs, others.
HIMAGELIST MakeImages() {
    HIMAGELIST images = ImageList_Create(32, 32, ILC_COLOR32 | ILC_MASK, 4, 0);
    for (LPCSTR icon : {IDI_WINLOGO, IDI_INFORMATION, IDI_APPLICATION, IDI_QUESTION})
        ImageList_AddIcon(images, LoadIconA(nullptr, icon));
    return images;
}

}  // namespace

TResources::TResources(ResourcesHost host)
    : FormWindow("TResources", "Resources", "Resources"), host_(std::move(host)) {}

void TResources::OnCreate() {
    list_ = NameComponent(AddControl(WC_LISTVIEWA, "", WS_TABSTOP | LVS_ICON | LVS_SINGLESEL | LVS_SHOWSELALWAYS |
                                                           LVS_AUTOARRANGE,
                                     0, 0, 100, 100, idList, WS_EX_CLIENTEDGE),
                          "ListView");
    images_ = MakeImages();
    ListView_SetImageList(list_, images_, LVSIL_NORMAL);
    NameComponent(AddButton("Add...", 0, 0, 75, 25, idAdd), "btnAdd");
    HWND remove = NameComponent(AddButton("Remove", 0, 0, 75, 25, idRemove), "btnRemove");
    EnableWindow(remove, FALSE);
    HWND kind = NameComponent(AddControl("COMBOBOX", "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0, 0, 150, 300,
                                         idKind),
                              "cbxKind");
    for (const std::string& name : ResourceKindNames()) SendMessageA(kind, CB_ADDSTRING, 0, LPARAM(name.c_str()));
    NameComponent(AddButton("Save", 0, 0, 75, 25, idSave, true), "btnSave");
    NameComponent(AddButton("Load..", 0, 0, 75, 25, idLoad), "btnLoad");
    RECT client{};
    GetClientRect(Handle(), &client);
    OnSize(client.right, client.bottom);
}

void TResources::OnSize(int width, int height) {
    const int buttonRow = Scale(kButtonRow), buttonWidth = Scale(75), buttonHeight = Scale(25);
    const int wideButton = Scale(85);  // "Add..." and "Remove" take longer texts in other languages
    MoveWindow(list_, 0, 0, width, std::max(0, height - buttonRow), TRUE);
    int top = height - buttonRow + Scale(5);
    MoveWindow(Control(idAdd), Scale(6), top, wideButton, buttonHeight, TRUE);
    MoveWindow(Control(idRemove), Scale(97), top, wideButton, buttonHeight, TRUE);
    MoveWindow(Control(idKind), Scale(188), top + Scale(1), Scale(170), Scale(300), TRUE);
    MoveWindow(Control(idSave), width - Scale(168), top, buttonWidth, buttonHeight, TRUE);
    MoveWindow(Control(idLoad), width - Scale(87), top, buttonWidth, buttonHeight, TRUE);
}

void TResources::OnGetMinMaxInfo(MINMAXINFO* info) { info->ptMinTrackSize.x = Scale(kMinimumWidth); }

void TResources::AppendEntry(const TResourcesItem* item) {
    LVITEMA entry{};
    entry.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
    entry.iItem = ListView_GetItemCount(list_);
    entry.pszText = const_cast<char*>(item->Name.c_str());
    entry.iImage = ResourceImageOf(item->ResType);
    entry.lParam = reinterpret_cast<LPARAM>(item);
    SendMessageA(list_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&entry));
}

void TResources::Add(const std::string& fileName, const void* dialog, int defaultType) {
    try {
        ResourceItems::Added added = items_.AddResource(fileName, dialog, defaultType);
        if (!added.isNew) return;
        AppendEntry(added.item);
    } catch (const std::exception& error) {
        UserPrompts().Error(error.what());
    }
}

void TResources::AddFiles() {
    FileBoxRequest request;
    request.filter = "All files (*.*)|*.*";
    request.multiSelect = true;
    FileBoxResult chosen = UserPrompts().OpenFile(request);
    if (!chosen.accepted) return;
    for (const std::string& file : chosen.files) Add(file, nullptr, rtRCData);
}

int TResources::EntryOf(const TResourcesItem* item) const {
    LVFINDINFOA find{};
    find.flags = LVFI_PARAM;
    find.lParam = reinterpret_cast<LPARAM>(item);
    return static_cast<int>(SendMessageA(list_, LVM_FINDITEMA, WPARAM(-1), reinterpret_cast<LPARAM>(&find)));
}

void TResources::SelectEntry(int index) {
    ListView_SetItemState(list_, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    if (index >= 0) ListView_SetItemState(list_, index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    SelectionChanged();
}

void TResources::SelectionChanged() {
    int selected = ListView_GetNextItem(list_, -1, LVNI_SELECTED);
    current_ = nullptr;
    if (selected >= 0) {
        LVITEMA entry{};
        entry.mask = LVIF_PARAM;
        entry.iItem = selected;
        SendMessageA(list_, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&entry));
        current_ = reinterpret_cast<const TResourcesItem*>(entry.lParam);
    }
    EnableWindow(Control(idRemove), current_ != nullptr);
    if (current_) {
        std::string name = ResourceTypeName(current_->ResType);
        SendMessageA(Control(idKind), CB_SELECTSTRING, WPARAM(-1), LPARAM(name.c_str()));
    }
}

void TResources::RemoveSelected() {
    if (!current_) return;
    const TResourcesItem* item = current_;
    int entry = EntryOf(item);
    current_ = nullptr;
    if (entry >= 0) ListView_DeleteItem(list_, entry);
    // Lines linked to the item lose their link; the item goes.
    for (ScriptLine& line : script_)
        if (line.item == item) line.item = nullptr;
    items_.Remove(item);
    SelectionChanged();
}

void TResources::Clear() {
    ListView_DeleteAllItems(list_);
    for (ScriptLine& line : script_) line.item = nullptr;
    items_.Clear();
    current_ = nullptr;
    SelectionChanged();
}

void TResources::ImportDialogs() {
    if (!host_.chooseDialogs || !host_.describeDialog) return;
    std::optional<std::vector<const void*>> chosen = host_.chooseDialogs();
    if (!chosen) return;
    // The import renews the text of dialogs imported before; their items stay.
    size_t before = items_.Items().size();
    try {
        import_.Import(*chosen, items_, host_.describeDialog);
    } catch (const std::exception& error) {
        UserPrompts().Error(error.what());
    }
    const auto& all = items_.Items();
    for (size_t i = before; i < all.size(); ++i) AppendEntry(all[i].get());
}

void TResources::ToggleSourceCode() {
    bool shown = host_.sourcePageShown && host_.sourcePageShown();
    if (shown) {
        if (!host_.takeSourcePage) return;
        script_.clear();
        for (std::string& line : SplitLines(host_.takeSourcePage())) script_.push_back({std::move(line), nullptr});
        return;
    }
    // The script is generated anew from the items each time it is shown.
    script_ = GenerateScript(items_);
    if (host_.showSourcePage) host_.showSourcePage(ScriptText(script_));
}

HMENU TResources::BuildPopupMenu() {
    HMENU menu = CreatePopupMenu();
    auto flags = [](bool enabled) { return MF_STRING | (enabled ? MF_ENABLED : MF_GRAYED); };
    AppendMenuA(menu, MF_STRING, menuAdd, "Add...");
    AppendMenuA(menu, flags(current_ != nullptr), menuRemove, "Remove");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    if (host_.guiResources && host_.guiResources()) {
        AppendMenuA(menu, flags(host_.hasDialogs && host_.hasDialogs()), menuImport, "Import Dialogs...");
        AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    }
    AppendMenuA(menu, flags(ListView_GetItemCount(list_) > 0), menuClear, "Clear");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    bool shown = host_.sourcePageShown && host_.sourcePageShown();
    AppendMenuA(menu, MF_STRING | (shown ? MF_CHECKED : MF_UNCHECKED), menuShowSource, "Show Source Code");
    return menu;
}

void TResources::OnCommand(int id, int code, HWND) {
    RunCommand([&] {
        switch (id) {
        case idAdd:
        case menuAdd: AddFiles(); break;
        case idRemove:
        case menuRemove: RemoveSelected(); break;
        case menuImport: ImportDialogs(); break;
        case menuClear: Clear(); break;
        case menuShowSource: ToggleSourceCode(); break;
        default: break;  // "Save", "Load.." and the kind list have no command
        }
    });
}

LRESULT TResources::HandleMessage(UINT message, WPARAM wp, LPARAM lp) {
    if (message == WM_NOTIFY) {
        auto* header = reinterpret_cast<NMHDR*>(lp);
        if (header->hwndFrom == list_ && header->code == LVN_ITEMCHANGED) {
            auto* change = reinterpret_cast<NMLISTVIEW*>(lp);
            if ((change->uChanged & LVIF_STATE) && ((change->uNewState ^ change->uOldState) & LVIS_SELECTED))
                SelectionChanged();
        }
    }
    if (message == WM_CONTEXTMENU && reinterpret_cast<HWND>(wp) == list_) {
        POINT at{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        if (at.x == -1 && at.y == -1) GetCursorPos(&at);
        HMENU menu = BuildPopupMenu();
        TrackPopupMenu(menu, TPM_RIGHTBUTTON, at.x, at.y, 0, Handle(), nullptr);
        DestroyMenu(menu);
        return 0;
    }
    if (message == WM_DESTROY && images_) {
        ImageList_Destroy(images_);
        images_ = nullptr;
    }
    return FormWindow::HandleMessage(message, wp, lp);
}

}  // namespace tavrin
