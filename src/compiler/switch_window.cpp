#include "compiler/switch_window.h"

#include <algorithm>
#include <vector>

namespace tavrin {

namespace {

enum { kMemo = 400, kSaveSwitch };

constexpr int kMargin = 8;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 26;
constexpr int kBoxHeight = 20;

std::string WindowText(HWND window) {
    int length = GetWindowTextLengthA(window);
    std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
    GetWindowTextA(window, buffer.data(), length + 1);
    return std::string(buffer.data());
}

// Each line break (CR LF, CR or LF) becomes one blank.
std::string JoinLines(const std::string& text) {
    std::string joined;
    joined.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
            joined += ' ';
        } else if (c == '\n') {
            joined += ' ';
        } else {
            joined += c;
        }
    }
    return joined;
}

}  // namespace

TSwitch::TSwitch(std::string& predefinedSwitches, std::string caption)
    : FormWindow("TSwitch", "Switch", std::move(caption)), predefinedSwitches_(predefinedSwitches) {}

void TSwitch::OnCreate() {
    memo_ = AddControl("EDIT", "",
                       WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN,
                       kMargin, kMargin, 300, 80, kMemo, WS_EX_CLIENTEDGE);
    saveSwitch_ = AddControl("BUTTON", kSaveSwitchText, WS_TABSTOP | BS_AUTOCHECKBOX, kMargin, 96,
                             220, kBoxHeight, kSaveSwitch);
    ok_ = AddButton("OK", 0, 0, kButtonWidth, kButtonHeight, IDOK);
    cancel_ = AddButton("Cancel", 0, 0, kButtonWidth, kButtonHeight, IDCANCEL, true);
    RECT client{};
    GetClientRect(Handle(), &client);
    OnSize(client.right, client.bottom);
}

void TSwitch::OnSize(int width, int height) {
    if (!memo_) return;
    const int margin = Scale(kMargin), buttonWidth = Scale(kButtonWidth);
    const int buttonHeight = Scale(kButtonHeight), boxHeight = Scale(kBoxHeight);
    int buttonsTop = height - margin - buttonHeight;
    int memoHeight = std::max(Scale(20), buttonsTop - 2 * margin);
    MoveWindow(memo_, margin, margin, std::max(Scale(20), width - 2 * margin), memoHeight, TRUE);
    int boxWidth = std::max(Scale(60), width - 3 * margin - 2 * (buttonWidth + margin) + margin);
    MoveWindow(saveSwitch_, margin, buttonsTop + (buttonHeight - boxHeight) / 2, boxWidth,
               boxHeight, TRUE);
    MoveWindow(ok_, width - 2 * (buttonWidth + margin), buttonsTop, buttonWidth, buttonHeight,
               TRUE);
    MoveWindow(cancel_, width - buttonWidth - margin, buttonsTop, buttonWidth, buttonHeight,
               TRUE);
}

void TSwitch::OnGetMinMaxInfo(MINMAXINFO* info) {
    info->ptMinTrackSize.x = Scale(360);
    info->ptMinTrackSize.y = Scale(130);
}

void TSwitch::OnShow() {
    SetMemoText(predefinedSwitches_);
    SetSaveSwitchChecked(!predefinedSwitches_.empty());
}

std::string TSwitch::MemoText() const { return memo_ ? JoinLines(WindowText(memo_)) : std::string(); }

void TSwitch::SetMemoText(const std::string& text) {
    if (memo_) SetWindowTextA(memo_, text.c_str());
}

bool TSwitch::SaveSwitchChecked() const {
    return saveSwitch_ && SendMessageA(saveSwitch_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TSwitch::SetSaveSwitchChecked(bool checked) {
    if (saveSwitch_) SendMessageA(saveSwitch_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TSwitch::PressOk() {
    if (SaveSwitchChecked()) predefinedSwitches_ = MemoText();
    if (InModalLoop())
        EndModal(IDOK);
    else
        Hide();
}

void TSwitch::PressCancel() {
    if (InModalLoop())
        EndModal(IDCANCEL);
    else
        Hide();
}

void TSwitch::OnCommand(int id, int code, HWND) {
    if (code != BN_CLICKED) return;
    if (id == IDOK) PressOk();
    else if (id == IDCANCEL) PressCancel();
}

LRESULT TSwitch::HandleMessage(UINT message, WPARAM wp, LPARAM lp) {
    // Enter outside the memo presses the default button, which is "Cancel".
    if (message == DM_GETDEFID) return MAKELRESULT(IDCANCEL, DC_HASDEFID);
    return FormWindow::HandleMessage(message, wp, lp);
}

bool AskSwitches(std::string& predefinedSwitches, const std::string& caption, std::string& text,
                 HWND owner) {
    TSwitch question(predefinedSwitches, caption);
    question.Create(owner);
    question.SetMemoText(text);
    bool accepted = question.ShowModal() == IDOK;
    text = question.MemoText();
    return accepted;
}

}  // namespace tavrin
