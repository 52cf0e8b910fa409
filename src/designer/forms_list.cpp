#include "designer/forms_list.h"

#include <algorithm>

#include "common/commands.h"
#include "designer/dialog_window.h"
#include "ui/component_names.h"

namespace tavrin {

namespace {

constexpr int kButtonWidth = 75, kButtonHeight = 25, kMargin = 6;
// The first button's caption by the selected dialog's visibility.
constexpr const char* kShowCaptions[2] = {"Show", "Hide"};

TFormsList* workbenchList = nullptr;

}  // namespace

TFormsList::TFormsList() : ToolWindow("TFormsList", "FormsList", "FormsList", {260, 240, false, false, 0, 186}) {
    if (!workbenchList) workbenchList = this;
}

TFormsList::~TFormsList() {
    if (workbenchList == this) workbenchList = nullptr;
}

void TFormsList::OnCreate() {
    list_ = NameComponent(AddControl("LISTBOX", "", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_EXTENDEDSEL |
                                     LBS_NOINTEGRALHEIGHT, 0, 0, 0, 0, idListBox, WS_EX_CLIENTEDGE),
                          "ListBox");
    HWND show = NameComponent(AddButton("Show", 0, 0, kButtonWidth, kButtonHeight, idShow), "btnShow");
    DeclareRunTimeTexts(show, {kShowCaptions[0], kShowCaptions[1]});  // the caption follows the dialog
    NameComponent(AddButton("Destroy", 0, 0, kButtonWidth, kButtonHeight, idDestroy), "btnDestroy");
    NameComponent(AddButton("OK", 0, 0, kButtonWidth, kButtonHeight, idOK, true), "btnOK");
    NameComponent(AddButton("Cancel", 0, 0, kButtonWidth, kButtonHeight, idCancel), "btnCancel");
}

void TFormsList::OnSize(int width, int height) {
    const int margin = Scale(kMargin), buttonWidth = Scale(kButtonWidth), buttonHeight = Scale(kButtonHeight);
    int buttonsLeft = width - buttonWidth - margin;
    MoveWindow(list_, margin, margin, std::max(0, buttonsLeft - 2 * margin), std::max(0, height - 2 * margin),
               TRUE);
    int top = margin;
    for (int id : {idShow, idDestroy, idOK, idCancel}) {
        MoveWindow(Control(static_cast<ControlId>(id)), buttonsLeft, top, buttonWidth, buttonHeight, TRUE);
        top += buttonHeight + margin;
    }
}

void TFormsList::Enable(ControlId id, bool enabled) const { EnableWindow(Control(id), enabled ? TRUE : FALSE); }

void TFormsList::AddDialog(TDialog& dialog) {
    Handle();
    int at = static_cast<int>(SendMessageA(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(dialog.Name().c_str())));
    if (at >= 0) SendMessageA(list_, LB_SETITEMDATA, at, reinterpret_cast<LPARAM>(&dialog));
}

void TFormsList::RemoveDialog(const TDialog& dialog) {
    if (!list_) return;
    for (int i = Count() - 1; i >= 0; --i)
        if (Entry(i) == &dialog) SendMessageA(list_, LB_DELETESTRING, i, 0);
}

void TFormsList::Forget(const TDialog& dialog) {
    if (workbenchList) workbenchList->RemoveDialog(dialog);
}

int TFormsList::Count() const { return list_ ? static_cast<int>(SendMessageA(list_, LB_GETCOUNT, 0, 0)) : 0; }

TDialog* TFormsList::Entry(int index) const {
    LRESULT data = SendMessageA(list_, LB_GETITEMDATA, index, 0);
    return data == LB_ERR ? nullptr : reinterpret_cast<TDialog*>(data);
}

void TFormsList::Select(int index, bool selected) {
    SendMessageA(list_, LB_SETSEL, selected ? TRUE : FALSE, index);
    SendMessageA(list_, LB_SETCARETINDEX, index, FALSE);
}

TDialog* TFormsList::SelectedDialog() const {
    if (!list_) return nullptr;
    int caret = static_cast<int>(SendMessageA(list_, LB_GETCARETINDEX, 0, 0));
    if (caret >= 0 && SendMessageA(list_, LB_GETSEL, caret, 0) > 0) return Entry(caret);
    int first = -1;
    if (SendMessageA(list_, LB_GETSELITEMS, 1, reinterpret_cast<LPARAM>(&first)) == 1) return Entry(first);
    return nullptr;
}

void TFormsList::ShowChoiceButtons(bool shown) const {
    ShowWindow(Control(idOK), shown ? SW_SHOW : SW_HIDE);
    ShowWindow(Control(idCancel), shown ? SW_SHOW : SW_HIDE);
}

void TFormsList::ShowAsView() {
    Handle();
    ShowChoiceButtons(false);
    Show();
}

std::optional<std::vector<TDialog*>> TFormsList::ChooseModally() {
    Handle();
    ShowChoiceButtons(true);
    if (ShowModal() != IDOK) return std::nullopt;
    std::vector<TDialog*> chosen;
    for (int i = 0; i < Count(); ++i)
        if (SendMessageA(list_, LB_GETSEL, i, 0) > 0) chosen.push_back(Entry(i));
    return chosen;
}

void TFormsList::DialogRenamed(const TDialog& dialog) {
    for (int i = 0; i < Count(); ++i) {
        if (Entry(i) != &dialog) continue;
        bool selected = SendMessageA(list_, LB_GETSEL, i, 0) > 0;
        SendMessageA(list_, LB_DELETESTRING, i, 0);
        // The list is not sorted: the entry comes back at its place.
        SendMessageA(list_, LB_INSERTSTRING, i, reinterpret_cast<LPARAM>(dialog.Name().c_str()));
        SendMessageA(list_, LB_SETITEMDATA, i, reinterpret_cast<LPARAM>(&dialog));
        if (selected) SendMessageA(list_, LB_SETSEL, TRUE, i);
    }
}

void TFormsList::OnShow() {
    bool selected = SelectedDialog() != nullptr;
    Enable(idShow, selected);
    Enable(idDestroy, selected);
}

void TFormsList::ListClicked() {
    TDialog* dialog = SelectedDialog();
    Enable(idShow, dialog != nullptr);
    if (dialog) {
        SetWindowTextA(Control(idShow), kShowCaptions[dialog->Visible() ? 1 : 0]);
        BringWindowToTop(dialog->Handle());
    }
    Enable(idDestroy, dialog && dialog->Visible());
}

void TFormsList::ShowClicked() {
    TDialog* dialog = SelectedDialog();
    Enable(idDestroy, dialog && dialog->Visible());
    if (!dialog) return;
    // The caption follows at the next click in the list.
    if (dialog->Visible()) dialog->Hide();
    else dialog->Show();
}

void TFormsList::DestroyClicked() {
    if (TDialog* dialog = SelectedDialog(); dialog && OnCloseDialogPage) OnCloseDialogPage(*dialog);
    TDialog* left = SelectedDialog();
    Enable(idShow, left != nullptr);
    Enable(idDestroy, left && left->Visible());
}

void TFormsList::OnCommand(int id, int code, HWND) {
    switch (id) {
    case idListBox:
        if (code == LBN_SELCHANGE) RunCommand([this] { ListClicked(); });
        break;
    case idShow: RunCommand([this] { ShowClicked(); }); break;
    case idDestroy: RunCommand([this] { DestroyClicked(); }); break;
    case idOK: case IDOK: case idCancel: case IDCANCEL:
        if (InModalLoop()) EndModal(id == idOK || id == IDOK ? IDOK : IDCANCEL);
        else Hide();
        break;
    }
}

}  // namespace tavrin
