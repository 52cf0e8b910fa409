#include "ui/input_box.h"

#include <vector>

namespace tavrin {

namespace {
constexpr int kClientWidth = 360, kClientHeight = 120;
}  // namespace

TInputBox::TInputBox(const std::string& caption, std::string prompt)
    : FormWindow(kClassName, "InputBox", caption), prompt_(std::move(prompt)) {}

SIZE TInputBox::InitialSize() const {
    RECT area{0, 0, kClientWidth, kClientHeight};
    AdjustWindowRectEx(&area, Style(), FALSE, ExStyle());
    return SIZE{area.right - area.left, area.bottom - area.top};
}

void TInputBox::OnCreate() {
    AddControl("STATIC", prompt_.c_str(), SS_LEFT, 12, 10, 336, 18, kPromptId);
    edit_ = AddControl("EDIT", "", WS_TABSTOP | ES_AUTOHSCROLL, 12, 32, 336, 22, kEditId,
                       WS_EX_CLIENTEDGE);
    AddButton("OK", 188, 80, 75, 25, IDOK, true);
    AddButton("Cancel", 273, 80, 75, 25, IDCANCEL);
}

void TInputBox::OnShow() {
    SetWindowTextA(edit_, text_.c_str());
    SendMessageA(edit_, EM_SETSEL, 0, -1);
    focus_ = edit_;
}

void TInputBox::OnCommand(int id, int, HWND) {
    if (id == IDOK) {
        int length = GetWindowTextLengthA(edit_);
        std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
        GetWindowTextA(edit_, buffer.data(), length + 1);
        text_ = buffer.data();
        EndModal(IDOK);
    } else if (id == IDCANCEL) {
        EndModal(IDCANCEL);
    }
}

LRESULT TInputBox::HandleMessage(UINT message, WPARAM wp, LPARAM lp) {
    if (message == WM_ACTIVATE) {
        // Like a dialog: the focus goes back to the control that had it.
        if (LOWORD(wp) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(Handle(), focus)) focus_ = focus;
        } else {
            SetFocus(focus_ ? focus_ : edit_);
        }
        return 0;
    }
    return FormWindow::HandleMessage(message, wp, lp);
}

bool TInputBox::Ask(HWND owner, std::string& value) {
    text_ = value;
    Create(owner);
    bool accepted = ShowModal() == IDOK;
    if (accepted) value = text_;
    if (owner) SetActiveWindow(owner);
    return accepted;
}

bool ShowInputBox(HWND owner, const std::string& caption, const std::string& prompt,
                  std::string& value) {
    TInputBox box(caption, prompt);
    return box.Ask(owner, value);
}

}  // namespace tavrin
