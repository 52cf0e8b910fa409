#include "inspector/inspector_window.h"

#include <commctrl.h>

#include "common/message_pump.h"
#include "ui/component_names.h"

namespace tavrin {

namespace {

constexpr int kObjectBoxId = 200;
constexpr int kTabsId = 201;
constexpr int kStatusId = 202;
constexpr int kGridId = 210;
constexpr int kObjectBoxHeight = 22;
constexpr int kTabHeight = 24;

}  // namespace

TInspector::TInspector(ObjectInspector::PackSource currentPack, ObjectInspector::ContainerSource containerOf)
    : ToolWindow("TInspector", "Inspector", "Inspector", {240, 460}),
      rules_(std::move(currentPack), std::move(containerOf)) {
    rules_.BeforeEach = [] { PumpMessages(); };
}

TInspector::~TInspector() = default;

void TInspector::OnCreate() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    objects_ = AddControl("COMBOBOX", "", WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST | WS_VSCROLL, 0, 0, 200, 200,
                          kObjectBoxId);
    tabs_ = AddControl(WC_TABCONTROLA, "", WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 200, kTabHeight, kTabsId);
    for (InspectorTab tab : {InspectorTab::Properties, InspectorTab::Events, InspectorTab::All}) {
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(TabCaption(tab));
        TabCtrl_InsertItem(tabs_, static_cast<int>(tab), &item);
    }
    status_ = AddControl(STATUSCLASSNAMEA, "", WS_VISIBLE, 0, 0, 0, 0, kStatusId);
    DeclareStatusTexts(status_, {TabTitle(InspectorTab::Properties), TabTitle(InspectorTab::Events),
                                 TabTitle(InspectorTab::All), "Property not found in base class."});
    int parts[] = {Scale(150), -1};  // the row's information needs more than a narrow panel
    SendMessageA(status_, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
    grid_ = std::make_unique<ValueListView>(Handle(), kGridId);
    grid_->OnSelect = [this](int row) {
        rules_.SelectCell(row);
        ShowStatus();
    };
    grid_->OnCommit = [this](int row, const std::string& value) { CommitRow(row, value); };
    grid_->OnEllipsis = [this](int row) { EditRow(row); };
    grid_->PickList = [this](const std::string& name) { return rules_.PickList(name); };
    ShowStatus();
}

void TInspector::OnShow() {
    rules_.FormShow();
    ShowStatus();
}

void TInspector::OnSize(int width, int height) {
    if (!grid_) return;
    SendMessageA(status_, WM_SIZE, 0, 0);
    RECT bar{};
    GetWindowRect(status_, &bar);
    int statusHeight = bar.bottom - bar.top;
    MoveWindow(objects_, 0, 0, width, Scale(200), TRUE);
    MoveWindow(tabs_, 0, Scale(kObjectBoxHeight + 2), width, Scale(kTabHeight), TRUE);
    int top = Scale(kObjectBoxHeight + 2 + kTabHeight);
    grid_->SetBounds(0, top, width, height - top - statusHeight);
}

void TInspector::OnCommand(int id, int code, HWND control) {
    if (grid_ && grid_->HandleCommand(id, code)) return;
    if (id == kObjectBoxId && code == CBN_SELCHANGE) {
        int chosen = static_cast<int>(SendMessageA(objects_, CB_GETCURSEL, 0, 0));
        if (chosen >= 0 && chosen < static_cast<int>(entries_.size()) && entries_[chosen].object && ObjectChosen)
            ObjectChosen(entries_[chosen].object);
    }
}

LRESULT TInspector::HandleMessage(UINT message, WPARAM wp, LPARAM lp) {
    if (message == WM_NOTIFY) {
        const NMHDR& header = *reinterpret_cast<const NMHDR*>(lp);
        if (grid_ && grid_->HandleNotify(header)) return 0;
        if (header.hwndFrom == tabs_ && header.code == TCN_SELCHANGE) {
            SelectTab(static_cast<InspectorTab>(TabCtrl_GetCurSel(tabs_)));
            return 0;
        }
    }
    return ToolWindow::HandleMessage(message, wp, lp);
}

void TInspector::InspectObjects(const std::vector<PackObject>& objects) {
    if (!rules_.InspectObjects(objects)) return;
    Refresh();
    if (RowsFilled) RowsFilled();
}

void TInspector::SetObjectEntries(const std::vector<ObjectEntry>& entries, int selected) {
    entries_ = entries;
    SendMessageA(objects_, CB_RESETCONTENT, 0, 0);
    for (const ObjectEntry& entry : entries)
        SendMessageA(objects_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.text.c_str()));
    SendMessageA(objects_, CB_SETCURSEL, selected, 0);
}

void TInspector::SelectTab(InspectorTab tab) {
    if (TabCtrl_GetCurSel(tabs_) != static_cast<int>(tab)) TabCtrl_SetCurSel(tabs_, static_cast<int>(tab));
    rules_.TabControlChange(tab);
    Refresh();
    if (RowsFilled) RowsFilled();
}

void TInspector::Refresh() {
    grid_->ShowRows(rules_.Grid().Rows());
    ShowStatus();
}

void TInspector::ShowRowValue(const std::string& name, const std::string& value) {
    int row = rules_.Grid().RowOf(name);
    if (row < 0 || rules_.Grid().CellValue(row) == value) return;
    rules_.Grid().SetCellValue(row, value);
    if (grid_) grid_->SetValue(row, value);
}

void TInspector::ShowStatus() {
    SendMessageA(status_, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(rules_.statusPanel[0].c_str()));
    std::string centred = "\t" + rules_.statusPanel[1];  // a tab centres a status text
    SendMessageA(status_, SB_SETTEXTA, 1, reinterpret_cast<LPARAM>(centred.c_str()));
}

void TInspector::CommitRow(int row, const std::string& value) {
    if (row < 0 || row >= rules_.Grid().RowCount()) return;
    rules_.Grid().SetCellValue(row, value);
    rules_.Validate(rules_.Grid().Rows()[row].name, value);
}

void TInspector::EditRow(int row) {
    if (rules_.Grid().CurrentRow() != row) rules_.SelectCell(row);
    rules_.EditButtonClick();
    grid_->SetValue(row, rules_.Grid().CellValue(row));
    ShowStatus();
}

}  // namespace tavrin
