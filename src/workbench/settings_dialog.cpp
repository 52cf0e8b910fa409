#include "workbench/settings_dialog.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "common/file_search.h"
#include "common/prompts.h"
#include "common/string_list.h"
#include "common/text.h"
#include "designer/global_designer.h"
#include "settings/launcher.h"
#include "ui/window_class.h"

namespace tavrin {

namespace {

constexpr const char* kPageClass = "TSettingsPage";
constexpr int kMargin = 6;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 26;
constexpr int kRow = 22;
// Where the preview stands on the "Designer" tab.
constexpr int kPreviewLeft = 22;
constexpr int kPreviewTop = 78;

// A tab page hands the commands and notifications of its controls to the dialog.
LRESULT CALLBACK PageProc(HWND window, UINT message, WPARAM wp, LPARAM lp) {
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_VSCROLL:
        return SendMessageA(GetAncestor(window, GA_ROOT), message, wp, lp);
    }
    return DefWindowProcA(window, message, wp, lp);
}

std::string WindowText(HWND window) {
    int length = GetWindowTextLengthA(window);
    std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
    GetWindowTextA(window, buffer.data(), length + 1);
    return std::string(buffer.data());
}

std::vector<std::string> ListEntries(HWND list, UINT count, UINT text) {
    std::vector<std::string> entries;
    int n = static_cast<int>(SendMessageA(list, count, 0, 0));
    for (int i = 0; i < n; ++i) {
        int length = static_cast<int>(SendMessageA(list, text == LB_GETTEXT ? LB_GETTEXTLEN : CB_GETLBTEXTLEN, i, 0));
        std::vector<char> buffer(static_cast<size_t>(std::max(length, 0)) + 1, '\0');
        SendMessageA(list, text, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(buffer.data()));
        entries.emplace_back(buffer.data());
    }
    return entries;
}

std::vector<std::string> ListBoxEntries(HWND list) { return ListEntries(list, LB_GETCOUNT, LB_GETTEXT); }
std::vector<std::string> ComboEntries(HWND box) { return ListEntries(box, CB_GETCOUNT, CB_GETLBTEXT); }

// Appends text to a list box unless it is listed already (without regard to case).
void AppendUnlisted(HWND list, const std::string& text) {
    if (SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str())) !=
        LB_ERR)
        return;
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void FillListBox(HWND list, const StringList& entries) {
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (size_t i = 0; i < entries.Count(); ++i)
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entries[i].c_str()));
}

void SetEntries(StringList& target, const std::vector<std::string>& entries) {
    target.Clear();
    for (const std::string& entry : entries) target.Add(entry);
}

}  // namespace

TSettings::TSettings(TLauncher& settings, bool& verbose, std::string applicationDirectory, TGlobalDesigner* preview)
    : FormWindow("TSettings", "Settings", "Settings"),
      settings_(settings),
      verbose_(verbose),
      applicationDirectory_(std::move(applicationDirectory)),
      preview_(preview) {}

TSettings::~TSettings() {
    // The preview outlives the dialog: it must not go with the tab it stands on.
    if (preview_) preview_->TakeBack();
}

int TSettings::PageOf(int id) {
    if (id <= cbxCompletionProposal) return 0;
    if (id <= btnDelFile) return 1;
    if (id <= btnEdit) return 2;
    if (id <= edOutFile) return 3;
    return 4;
}

HWND TSettings::Add(int tab, const char* windowClass, const char* text, DWORD style, int x, int y, int width,
                    int height, int id, DWORD exStyle) {
    HWND control = CreateWindowExA(exStyle, windowClass, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                                   pages_[tab], reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   GetModuleHandleA(nullptr), nullptr);
    if (control) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GuiFont()), FALSE);
    return control;
}

void TSettings::AddHint(HWND control, const char* text) {
    if (!tooltip_)
        tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                   0, 0, 0, 0, Handle(), nullptr, GetModuleHandleA(nullptr), nullptr);
    TOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = GetParent(control);
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<char*>(text);
    SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void TSettings::OnCreate() {
    tabs_ = AddControl(WC_TABCONTROLA, "", WS_CLIPSIBLINGS | WS_TABSTOP, 0, 0, 100, 100, idTabs);
    RegisterWindowClassOnce(kPageClass, PageProc, 0, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    for (int tab = 0; tab < 5; ++tab) {
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(kTabs[tab]);
        SendMessageA(tabs_, TCM_INSERTITEMA, static_cast<WPARAM>(tab), reinterpret_cast<LPARAM>(&item));
        pages_[tab] = CreateWindowExA(WS_EX_CONTROLPARENT, kPageClass, kTabs[tab], WS_CHILD | WS_CLIPCHILDREN, 0, 0,
                                      100, 100, Handle(), nullptr, GetModuleHandleA(nullptr), nullptr);
        SetWindowPos(pages_[tab], HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    }
    CreateGeneralTab();
    CreateConditionalsTab();
    CreateDialectsTab();
    CreateCompilerTab();
    CreateDesignerTab();
    AddButton("OK", 0, 0, kButtonWidth, kButtonHeight, IDOK);
    AddButton("Cancel", 0, 0, kButtonWidth, kButtonHeight, IDCANCEL, true);
    ShowTab(0);
    RECT client{};
    GetClientRect(Handle(), &client);
    OnSize(client.right, client.bottom);
}

void TSettings::CreateGeneralTab() {
    const DWORD check = WS_TABSTOP | BS_AUTOCHECKBOX;
    Add(0, "STATIC", "Compiler:", 0, 8, 8, 200, 16);
    Add(0, "COMBOBOX", "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, 8, 26, 330, 200, cbxCompilers);
    Add(0, "BUTTON", "...", WS_TABSTOP, 344, 25, 26, 23, btnCompiler);
    Add(0, "STATIC", "Help File:", 0, 8, 54, 200, 16);
    Add(0, "COMBOBOX", "", WS_TABSTOP | CBS_DROPDOWN | CBS_AUTOHSCROLL, 8, 72, 330, 100, cbxHelps);
    Add(0, "BUTTON", "...", WS_TABSTOP, 344, 71, 26, 23, btnHelp);
    int y = 102;
    for (auto [id, text] : {std::pair{cbxPredefCtrls, "Use predefined controls in resource file"},
                            {cbxMultiInstances, "Allow multiple Instances"}, {cbxMinimizeonrun, "Minimize on Run"},
                            {cbxDisableonrun, "Dsiable on Run"}, {cbxGUIResources, "GUI resources mode"},
                            {cbxLink, "Link dialog with code"}}) {
        Add(0, "BUTTON", text, check, 8, y, 360, 18, id);
        y += kRow;
    }
    HWND clear = Add(0, "BUTTON", "Clear MRU List", WS_TABSTOP, 8, y + 4, 110, 25, btnClearMRU);
    AddHint(clear, kClearMRUHint);
    Add(0, "STATIC", "MRU's Count n DropMemu", 0, 130, y + 9, 150, 16);
    HWND count = Add(0, "EDIT", "20", WS_TABSTOP | ES_NUMBER, 284, y + 6, 46, 21, edMRUCount, WS_EX_CLIENTEDGE);
    HWND upDown = Add(0, UPDOWN_CLASSA, "", UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS, 0, 0, 0, 0, udMRUCount);
    SendMessageA(upDown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(count), 0);
    SendMessageA(upDown, UDM_SETRANGE32, 0, 100);
    SendMessageA(upDown, UDM_SETPOS32, 0, 20);
    Add(0, "BUTTON", "Allow Completion Proposal", check, 8, y + 36, 260, 18, cbxCompletionProposal);
}

void TSettings::CreateConditionalsTab() {
    // A list with multiple selection, its "..." button and its delete button (disabled at first).
    auto group = [this](const char* label, Control list, Control add, Control del, const char* delText, int y) {
        Add(1, "STATIC", label, 0, 8, y, 200, 16);
        Add(1, "LISTBOX", "", WS_TABSTOP | WS_VSCROLL | LBS_EXTENDEDSEL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 8,
            y + 18, 300, 90, list, WS_EX_CLIENTEDGE);
        Add(1, "BUTTON", "...", WS_TABSTOP, 314, y + 18, 26, 23, add);
        EnableWindow(Add(1, "BUTTON", delText, WS_TABSTOP, 314, y + 46, 80, 25, del), FALSE);
    };
    group("Dir(s):", lbxDirectories, btnDirs, btnDelDir, "Delete Dir", 8);
    group("File(s):", lbxFiles, btnFiles, btnDelFile, "Delete File", 124);
}

void TSettings::CreateDialectsTab() {
    Add(2, "STATIC", "Available:", 0, 8, 8, 200, 16);
    Add(2, "LISTBOX", "", WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 8, 26, 300, 200,
        lbxDialects, WS_EX_CLIENTEDGE);
    Add(2, "BUTTON", "Add...", WS_TABSTOP, 314, 26, 80, 25, btnAddDialect);
    HWND edit = Add(2, "BUTTON", "Edit...", WS_TABSTOP, 314, 56, 80, 25, btnEdit);
    EnableWindow(edit, FALSE);
}

void TSettings::CreateCompilerTab() {
    Add(3, "STATIC", "Target:", 0, 8, 8, 200, 16);
    Add(3, "COMBOBOX", "", WS_TABSTOP | CBS_DROPDOWNLIST, 8, 26, 200, 100, cbxTarget);
    Add(3, "BUTTON", "Verbose", WS_TABSTOP | BS_AUTOCHECKBOX, 8, 58, 200, 18, cbxVerbose);
    Add(3, "BUTTON", "Enable Custom OutFile", WS_TABSTOP | BS_AUTOCHECKBOX, 8, 84, 200, 18, cbEnableOut);
    HWND label = Add(3, "STATIC", "Out File", 0, 8, 110, 200, 16, lblOutFile);
    HWND outFile = Add(3, "EDIT", ".$", WS_TABSTOP | ES_AUTOHSCROLL, 8, 128, 200, 21, edOutFile, WS_EX_CLIENTEDGE);
    AddHint(outFile, kOutFileHint);
    EnableWindow(label, FALSE);
    EnableWindow(outFile, FALSE);
}

void TSettings::CreateDesignerTab() {
    const DWORD check = WS_TABSTOP | BS_AUTOCHECKBOX;
    Add(4, "BUTTON", "Autocreate Forms", check, 8, 8, 200, 18, cbxAutocreateForms);
    Add(4, "BUTTON", "General", BS_GROUPBOX, 226, 32, 180, 200, grpGeneral);
    auto number = [this](const char* label, Control edit, Control upDown, int y) {
        Add(4, "STATIC", label, 0, 236, y + 3, 50, 16);
        HWND field = Add(4, "EDIT", "0", WS_TABSTOP | ES_NUMBER, 290, y, 50, 21, edit, WS_EX_CLIENTEDGE);
        HWND arrows = Add(4, UPDOWN_CLASSA, "", UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS, 0, 0, 0, 0, upDown);
        SendMessageA(arrows, UDM_SETBUDDY, reinterpret_cast<WPARAM>(field), 0);
        SendMessageA(arrows, UDM_SETRANGE32, 0, 32);
        SendMessageA(arrows, UDM_SETPOS32, 0, 0);
    };
    number("X step:", edX, udX, 52);
    number("Y step:", edY, udY, 78);
    Add(4, "BUTTON", "Show Hints", check, 236, 108, 160, 18, cbxShowHints);
    int y = 130;
    for (auto [id, text] : {std::pair{cbxControl, "Control"}, {cbxInsert, "Insert"}, {cbxMove, "Move"},
                            {cbxSize, "Size"}}) {
        HWND box = Add(4, "BUTTON", text, check, 252, y, 140, 18, id);
        EnableWindow(box, FALSE);
        y += kRow;
    }
}

void TSettings::ShowTab(int tab) {
    SendMessageA(tabs_, TCM_SETCURSEL, static_cast<WPARAM>(tab), 0);
    for (int i = 0; i < 5; ++i) ShowWindow(pages_[i], i == tab ? SW_SHOW : SW_HIDE);
}

void TSettings::OnSize(int width, int height) {
    if (!tabs_) return;
    int buttonTop = height - kMargin - kButtonHeight;
    MoveWindow(tabs_, kMargin, kMargin, width - 2 * kMargin, buttonTop - 2 * kMargin, TRUE);
    RECT area{0, 0, width - 2 * kMargin, buttonTop - 2 * kMargin};
    SendMessageA(tabs_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    for (HWND page : pages_)
        MoveWindow(page, kMargin + area.left, kMargin + area.top, area.right - area.left, area.bottom - area.top, TRUE);
    MoveWindow(GetDlgItem(Handle(), IDOK), width - 2 * (kButtonWidth + kMargin), buttonTop, kButtonWidth,
               kButtonHeight, TRUE);
    MoveWindow(GetDlgItem(Handle(), IDCANCEL), width - kButtonWidth - kMargin, buttonTop, kButtonWidth,
               kButtonHeight, TRUE);
}

void TSettings::OnGetMinMaxInfo(MINMAXINFO* info) {
    info->ptMinTrackSize.x = 440;
    info->ptMinTrackSize.y = 360;
}

bool TSettings::Checked(Control id) const { return SendMessageA(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void TSettings::SetChecked(Control id, bool checked) {
    SendMessageA(Item(id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TSettings::OnShow() { CopyIn(); }

void TSettings::CopyIn() {
    EnableWindow(Item(btnClearMRU), !settings_.MRU.Empty());
    SetChecked(cbxCompletionProposal, settings_.AllowCompletion);
    SetChecked(cbxVerbose, verbose_);
    HWND compilers = Item(cbxCompilers);
    SendMessageA(compilers, CB_RESETCONTENT, 0, 0);
    for (size_t i = 0; i < settings_.Compilers.Count(); ++i)
        SendMessageA(compilers, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(settings_.Compilers[i].c_str()));
    FillListBox(Item(lbxDirectories), settings_.Directories);
    FillListBox(Item(lbxFiles), settings_.Files);
    SetWindowTextA(compilers, settings_.Compiler.c_str());
    SetWindowTextA(Item(cbxHelps), settings_.HelpFile.c_str());
    SetChecked(cbxPredefCtrls, settings_.PredefinedControls);
    SetChecked(cbxMultiInstances, settings_.MultipleFileInstances);
    SetChecked(cbxMinimizeonrun, settings_.Minimizeonrun);
    SetChecked(cbxDisableonrun, settings_.DisableOnRun);
    SetChecked(cbxGUIResources, settings_.GUIResources);
    SetChecked(cbxAutocreateForms, settings_.AutocreateForms);
    std::string dialects = JoinPath(applicationDirectory_, "highlighters");
    if (IsExistingFolder(dialects)) {
        std::vector<std::string> found;
        FileSearch(dialects, "*.ini", false, found);
        for (const std::string& file : found)
            SendMessageA(Item(lbxDialects), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(file.c_str()));
    }
    if (preview_) preview_->PlaceOn(pages_[4], kPreviewLeft, kPreviewTop);
}

void TSettings::CopyBack() {
    SetEntries(settings_.Compilers, ComboEntries(Item(cbxCompilers)));
    SetEntries(settings_.Directories, ListBoxEntries(Item(lbxDirectories)));
    SetEntries(settings_.Files, ListBoxEntries(Item(lbxFiles)));
    settings_.Compiler = WindowText(Item(cbxCompilers));
    settings_.HelpFile = WindowText(Item(cbxHelps));
    settings_.PredefinedControls = Checked(cbxPredefCtrls);
    settings_.MultipleFileInstances = Checked(cbxMultiInstances);
    settings_.Minimizeonrun = Checked(cbxMinimizeonrun);
    settings_.DisableOnRun = Checked(cbxDisableonrun);
    settings_.GUIResources = Checked(cbxGUIResources);
    settings_.AutocreateForms = Checked(cbxAutocreateForms);
    settings_.AllowCompletion = Checked(cbxCompletionProposal);
    verbose_ = Checked(cbxVerbose);
}

// A compiler chosen with "..." goes into the compiler box, listed and shown
// there: "OK" takes it like every other value, "Cancel" leaves the
// settings' compiler as it was.
void TSettings::ChooseCompiler() {
    FileBoxRequest request;
    request.filter = "Executable (*.exe)|*.exe";
    FileBoxResult chosen = UserPrompts().OpenFile(request);
    if (!chosen.accepted || chosen.files.empty()) return;
    const std::string& path = chosen.files.front();
    HWND box = Item(cbxCompilers);
    bool listed = false;
    for (const std::string& entry : ComboEntries(box)) listed = listed || EqualsNoCase(entry, path);
    if (!listed) SendMessageA(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(path.c_str()));
    SetWindowTextA(box, path.c_str());
}

void TSettings::ClearMRU() {
    settings_.MRU.Clear();
    settings_.SettingsFile().EraseSection("mru");
    if (settings_.MRUMenu) settings_.MRUMenu->RemoveAllItems();
    EnableWindow(Item(btnClearMRU), FALSE);
}

void TSettings::AddDirectory() {
    std::string folder;
    if (UserPrompts().ChooseFolder("Select Directory", folder) && !folder.empty())
        AppendUnlisted(Item(lbxDirectories), folder);
}

void TSettings::AddFiles(Control list, const char* filter) {
    FileBoxRequest request;
    request.filter = filter;
    request.multiSelect = true;
    FileBoxResult chosen = UserPrompts().OpenFile(request);
    if (!chosen.accepted) return;
    for (const std::string& file : chosen.files) AppendUnlisted(Item(list), file);
}

void TSettings::DeleteSelected(Control list, Control button) {
    HWND box = Item(list);
    for (int i = static_cast<int>(SendMessageA(box, LB_GETCOUNT, 0, 0)) - 1; i >= 0; --i)
        if (SendMessageA(box, LB_GETSEL, static_cast<WPARAM>(i), 0) > 0) SendMessageA(box, LB_DELETESTRING, i, 0);
    EnableWindow(Item(button), SendMessageA(box, LB_GETCOUNT, 0, 0) > 0);
}

void TSettings::DialectClicked() {
    HWND box = Item(lbxDialects);
    int selected = static_cast<int>(SendMessageA(box, LB_GETCURSEL, 0, 0));
    EnableWindow(Item(btnEdit), selected >= 0);
    if (selected < 0) return;
    std::vector<std::string> entries = ListBoxEntries(box);
    std::string content;
    if (ReadWholeFile(entries[static_cast<size_t>(selected)], content) == FileReadStatus::Ok)
        previewDialect_ = content;
}

// The hint set goes to the designer at once: none while "Show Hints" is
// off, else the bits of the checked boxes.
void TSettings::SendHints() {
    bool show = Checked(cbxShowHints);
    for (Control box : {cbxControl, cbxInsert, cbxMove, cbxSize}) EnableWindow(Item(box), show);
    int hints = 0;
    if (show) {
        if (Checked(cbxControl)) hints |= TELDesigner::htControl;
        if (Checked(cbxSize)) hints |= TELDesigner::htSize;
        if (Checked(cbxMove)) hints |= TELDesigner::htMove;
        if (Checked(cbxInsert)) hints |= TELDesigner::htInsert;
    }
    if (preview_) preview_->ELDesigner.ShowingHints = hints;
    if (OnHints) OnHints(hints);
}

void TSettings::Click(Control id) {
    HWND control = Item(id);
    if (control && SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON) {
        LRESULT style = GetWindowLongPtrA(control, GWL_STYLE) & BS_TYPEMASK;
        if (style == BS_AUTOCHECKBOX) SetChecked(id, !Checked(id));
    }
    bool list = id == lbxDirectories || id == lbxFiles || id == lbxDialects;
    OnCommand(id, list ? LBN_SELCHANGE : BN_CLICKED, control);
}

void TSettings::OnCommand(int id, int code, HWND) {
    switch (id) {
    case IDOK:
        CopyBack();
        if (InModalLoop()) EndModal(IDOK);
        else Hide();
        return;
    case IDCANCEL:
        if (InModalLoop()) EndModal(IDCANCEL);
        else Hide();
        return;
    case lbxDirectories:
    case lbxFiles:
        if (code == LBN_SELCHANGE)
            EnableWindow(Item(id == lbxDirectories ? btnDelDir : btnDelFile),
                         SendMessageA(Item(static_cast<Control>(id)), LB_GETSELCOUNT, 0, 0) > 0);
        return;
    case lbxDialects:
        if (code == LBN_SELCHANGE) DialectClicked();
        return;
    }
    if (code != BN_CLICKED) return;
    switch (id) {
    case btnCompiler: ChooseCompiler(); break;
    case btnClearMRU: ClearMRU(); break;
    case btnDirs: AddDirectory(); break;
    case btnFiles:
        AddFiles(lbxFiles, "Basic files (*.bas,*.bi,*.inc)|*.bas;*bi;*.inc|All files (*.*)|*.*");
        break;
    case btnAddDialect: AddFiles(lbxDialects, "Dialect files (*.ini)|*.ini"); break;
    case btnDelDir: DeleteSelected(lbxDirectories, btnDelDir); break;
    case btnDelFile: DeleteSelected(lbxFiles, btnDelFile); break;
    case cbEnableOut:
        EnableWindow(Item(lblOutFile), Checked(cbEnableOut));
        EnableWindow(Item(edOutFile), Checked(cbEnableOut));
        break;
    case cbxShowHints:
    case cbxControl:
    case cbxInsert:
    case cbxMove:
    case cbxSize: SendHints(); break;
    default: break;
    }
}

LRESULT TSettings::HandleMessage(UINT message, WPARAM wp, LPARAM lp) {
    if (message == DM_GETDEFID) return MAKELRESULT(IDCANCEL, DC_HASDEFID);
    if (message == WM_NOTIFY) {
        auto* header = reinterpret_cast<NMHDR*>(lp);
        if (header->hwndFrom == tabs_ && header->code == TCN_SELCHANGE)
            ShowTab(static_cast<int>(SendMessageA(tabs_, TCM_GETCURSEL, 0, 0)));
    }
    return FormWindow::HandleMessage(message, wp, lp);
}

}  // namespace tavrin
