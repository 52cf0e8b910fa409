#include "search/confirm_replace_window.h"

#include "ui/component_names.h"

namespace tavrin {

TConfirmReplaceDialog::TConfirmReplaceDialog()
    : FormWindow("TConfirmReplaceDialog", "ConfirmReplaceDialog", "Confirm replace") {}

void TConfirmReplaceDialog::OnCreate() {
    HWND icon = NameComponent(AddControl("STATIC", "", SS_ICON, 12, 12, 32, 32), "imgQuestion");
    SendMessageA(icon, STM_SETICON, reinterpret_cast<WPARAM>(LoadIcon(nullptr, IDI_QUESTION)), 0);
    question_ = NameComponent(AddLabel("", 56, 14, 300, 36), "lblQuestion");
    NameComponent(AddButton("&Yes", 12, 62, 80, 26, resultYes, true), "btnYes");
    NameComponent(AddButton("&No", 100, 62, 80, 26, resultNo), "btnNo");
    NameComponent(AddButton("Cancel", 188, 62, 80, 26, resultCancel), "btnCancel");
    NameComponent(AddButton("Yes to &all", 276, 62, 80, 26, resultYesToAll), "btnYesToAll");
}

std::string TConfirmReplaceDialog::Question() const { return question_ ? WindowText(question_) : std::string(); }

ReplaceAnswer TConfirmReplaceDialog::AnswerOf(int result) {
    switch (result) {
    case resultYes: return ReplaceAnswer::Yes;
    case resultNo: return ReplaceAnswer::No;
    case resultYesToAll: return ReplaceAnswer::YesToAll;
    default: return ReplaceAnswer::Cancel;
    }
}

ReplaceAnswer TConfirmReplaceDialog::Ask(const std::string& found) {
    if (!Handle()) Create();
    SetWindowTextA(question_, ("Replace this occurrence of \"" + found + "\"?").c_str());
    return AnswerOf(ShowModal());
}

void TConfirmReplaceDialog::OnCommand(int id, int, HWND) {
    switch (id) {
    case resultYes: case resultNo: case resultCancel: case resultYesToAll: EndModal(id); break;
    }
}

}  // namespace tavrin
