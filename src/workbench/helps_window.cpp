#include "workbench/helps_window.h"

#include <vector>

#include "common/file_search.h"
#include "settings/launcher.h"
#include "settings/help_file.h"
#include "workbench/workbench.h"

namespace tavrin {

namespace {
enum { kList = 300, kPrint, kAbort };
}

THelps::THelps() : FormWindow("THelps", "Helps", "Helps") {}

void THelps::OnCreate() {
    list_ = AddControl("LISTBOX", "", WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                       8, 8, 300, 200, kList, WS_EX_CLIENTEDGE);
    ok_ = AddButton("OK", 0, 0, 80, 26, IDOK, true);
    cancel_ = AddButton("Cancel", 0, 0, 80, 26, IDCANCEL);
}

void THelps::OnSize(int width, int height) {
    MoveWindow(list_, Scale(8), Scale(8), width - Scale(16), height - Scale(52), TRUE);
    MoveWindow(ok_, width - Scale(176), height - Scale(36), Scale(80), Scale(26), TRUE);
    MoveWindow(cancel_, width - Scale(88), height - Scale(36), Scale(80), Scale(26), TRUE);
}

void THelps::OnShow() {
    // Every showing appends what the help folder holds; the list is not cleared.
    std::vector<std::string> files;
    FileSearch(App().ApplicationDirectory + "\\help", "*.*", true, files);
    for (const auto& file : files) SendMessageA(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(file.c_str()));
}

void THelps::PressOk() {
    LRESULT selected = SendMessageA(list_, LB_GETCURSEL, 0, 0);
    if (selected != LB_ERR) {
        LRESULT length = SendMessageA(list_, LB_GETTEXTLEN, selected, 0);
        std::vector<char> text(static_cast<size_t>(length) + 1, '\0');
        SendMessageA(list_, LB_GETTEXT, selected, reinterpret_cast<LPARAM>(text.data()));
        ApplicationHelpFile() = text.data();
    }
    if (App().Launcher) App().Launcher->HelpFile = ApplicationHelpFile();
    if (InModalLoop()) EndModal(IDOK);
    else Hide();
}

void THelps::OnCommand(int id, int code, HWND) {
    if (id == IDOK) PressOk();
    else if (id == IDCANCEL) InModalLoop() ? EndModal(IDCANCEL) : Hide();
    else if (id == kList && code == LBN_DBLCLK) PressOk();
}

TPrintDialog::TPrintDialog() : FormWindow("TPrintDialog", "PrintDialog", "Print") {}

void TPrintDialog::OnCreate() {
    AddControl("LISTBOX", "", WS_VSCROLL | LBS_NOINTEGRALHEIGHT, 8, 8, 240, 200, kList, WS_EX_CLIENTEDGE);
    AddButton("Print", 260, 8, 80, 26, kPrint);
    AddButton("Abort", 260, 40, 80, 26, kAbort);
    AddButton("Close", 260, 72, 80, 26, IDCANCEL, true);
}

void TPrintDialog::OnCommand(int id, int, HWND) {
    // The print window has no function of its own yet; Close ends it.
    if (id == IDCANCEL) InModalLoop() ? EndModal(IDCANCEL) : Hide();
}

}  // namespace tavrin
