#include "app/dialog_documents.h"

#include <map>
#include <memory>

#include "designer/dialog_events.h"
#include "designer/dialog_window.h"
#include "designer/forms_list.h"
#include "workbench/code_page.h"
#include "workbench/code_window.h"
#include "workbench/document.h"
#include "workbench/file_commands.h"
#include "workbench/main_window.h"
#include "workbench/workbench.h"

namespace tavrin {

namespace {

class DialogDocument : public TDocument {
public:
    explicit DialogDocument(TDialog& dialog) : dialog_(dialog) {}
    DocumentKind Kind() const override { return DocumentKind::Dialog; }
    std::string DocumentFile() const override { return page ? page->FileName() : std::string(); }
    TDialog& Dialog() const { return dialog_; }

    TCodePage* page = nullptr;

private:
    TDialog& dialog_;
};

// One document per dialog, until the dialog is freed.
std::map<const TDialog*, std::unique_ptr<DialogDocument>> documents;

DialogDocument& DocumentOf(TDialog& dialog) {
    auto& document = documents[&dialog];
    if (!document) document = std::make_unique<DialogDocument>(dialog);
    return *document;
}

DialogDocument* CurrentDialogDocument() {
    TDocument* current = App().CurrentDocument;
    if (!current || current->Kind() != DocumentKind::Dialog) return nullptr;
    return dynamic_cast<DialogDocument*>(current);
}

// A File command on a dialog document; any other document goes on to the
// hook that was there before.
void OnDialogDocument(std::function<void()>& hook, std::function<void(DialogDocument&)> onDialog) {
    hook = [previous = hook, onDialog] {
        if (DialogDocument* document = CurrentDialogDocument()) onDialog(*document);
        else if (previous) previous();
    };
}

class ActiveDialogDocument : public DialogEvents {
public:
    void OnDialogActivated(TDialog& dialog) override {
        App().CurrentDocument = &DocumentOf(dialog);
        if (App().Main) App().Main->UpdateToolbar();
    }
    void OnDialogClosing(TDialog& dialog) override {
        auto document = documents.find(&dialog);
        if (document == documents.end()) return;
        if (App().CurrentDocument == document->second.get()) App().CurrentDocument = nullptr;
        documents.erase(document);
    }
};
ActiveDialogDocument activeDocument;

void ClosePageOf(TDialog& dialog) {
    TCodePage* page = DocumentOf(dialog).page;
    if (!page || !App().Code) return;
    if (TCode::AskToClose(*page)) App().Code->FreePage(page);
}

}  // namespace

TFormsList* FormsList() { return dynamic_cast<TFormsList*>(App().FindWindowByName("FormsList")); }

void SetDialogPage(TDialog& dialog, TCodePage* page) { DocumentOf(dialog).page = page; }

TCodePage* DialogPage(TDialog& dialog) { return DocumentOf(dialog).page; }

void ListDialog(TDialog& dialog) {
    if (TFormsList* list = FormsList()) list->AddDialog(dialog);
}

void UnlistDialog(TDialog& dialog) {
    if (TFormsList* list = FormsList()) list->RemoveDialog(dialog);
}

void WireDialogDocuments() {
    AddDialogEvents(activeDocument);
    CodePageHooks& hooks = PageHooks();
    OnDialogDocument(hooks.saveOther, [](DialogDocument& document) {
        if (document.page) document.page->Save();
    });
    OnDialogDocument(hooks.saveAsOther, [](DialogDocument& document) {
        if (document.page) document.page->SaveAs();
    });
    // Closing a dialog only hides it.
    OnDialogDocument(hooks.closeOther, [](DialogDocument& document) { document.Dialog().Hide(); });
    if (TFormsList* list = FormsList()) list->OnCloseDialogPage = ClosePageOf;
    if (App().Main) {
        App().Main->Hooks.forms = [] {
            if (TFormsList* list = FormsList()) list->ShowAsView();
        };
    }
}

}  // namespace tavrin
