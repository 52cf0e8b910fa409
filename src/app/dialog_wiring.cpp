#include "app/dialog_wiring.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "app/dialog_documents.h"
#include "app/pack_wiring.h"
#include "common/commands.h"
#include "common/text_codec.h"
#include "designer/auto_create.h"
#include "designer/design_model.h"
#include "designer/dialog_code.h"
#include "designer/dialog_events.h"
#include "designer/dialog_reader.h"
#include "designer/dialog_window.h"
#include "designer/live_design_builder.h"
#include "settings/launcher.h"
#include "workbench/code_page.h"
#include "workbench/code_window.h"
#include "workbench/file_commands.h"
#include "workbench/workbench.h"

namespace tavrin {

namespace {

// The dialogs of open pages. A dialog whose page was closed is hidden and
// can be reached no more: it is freed with its windows before the next
// dialog is made (not at once, since the close may run inside one of its
// own commands), so that reopening files does not pile up windows.
std::vector<std::unique_ptr<TDialog>> dialogs;
std::vector<TDialog*> closedDialogs;
int dialogCounter = 0;

std::string HostClass() { return App().Launcher ? App().Launcher->HostClass : std::string("QForm"); }

bool Closed(const TDialog* dialog) {
    return std::find(closedDialogs.begin(), closedDialogs.end(), dialog) != closedDialogs.end();
}

void FreeClosedDialogs() {
    std::vector<TDialog*> closing = std::move(closedDialogs);
    closedDialogs.clear();
    for (TDialog* dialog : closing) {
        for (DialogEvents* listener : std::vector<DialogEvents*>(DialogListeners())) listener->OnDialogClosing(*dialog);
        if (App().CurrentDialog == dialog) App().CurrentDialog = nullptr;
        std::erase_if(dialogs, [&](const auto& owned) { return owned.get() == dialog; });
    }
}

TDialog& NewDialog() {
    FreeClosedDialogs();
    auto dialog = std::make_unique<TDialog>(HostClass(), &WorkbenchPacks());
    dialog->Create();
    dialog->OnStatus = [](const std::string& text) {
        if (App().Code) App().Code->SetStatusText(2, text);
    };
    dialogs.push_back(std::move(dialog));
    return *dialogs.back();
}

// The editor's "AutoCreate Form" switch on a page, for the page's dialog (or none).
void WireAutoCreate(TCodePage& page, TDialog* dialog) {
    page.Editor().HasAutoCreate = [&page] { return HasAutoCreate(page.Editor().Lines()); };
    page.Editor().SetAutoCreate = [&page, dialog](bool on) {
        AutoCreateDialog linked{dialog ? dialog->Name() : std::string(), dialog};
        switch (SetAutoCreate(page.Editor().Lines(), on, dialog ? &linked : nullptr)) {
        case AutoCreateChange::Inserted: dialog->Show(); break;
        case AutoCreateChange::Removed:
            if (dialog) dialog->Hide();
            break;
        case AutoCreateChange::NoDialog: throw CommandError(std::string(kNoDialogAttached));
        case AutoCreateChange::Unchanged: break;
        }
    };
}

// The dialog writes its code into the page; closing the page hides it.
void LinkToPage(TDialog& dialog, TCodePage& page) {
    dialog.Code = &page.Editor().Lines();
    dialog.OnCodeModified = [&page] { page.SetSaved(false); };
    SetDialogPage(dialog, &page);
    auto previous = page.OnDestroy;
    page.OnDestroy = [&dialog, previous](TCodePage& closed) {
        if (previous) previous(closed);
        SetDialogPage(dialog, nullptr);
        UnlistDialog(dialog);
        dialog.Hide();
        dialog.Code = nullptr;
        dialog.OnCodeModified = nullptr;
        if (App().CurrentDialog == &dialog) App().CurrentDialog = nullptr;
        if (!Closed(&dialog)) closedDialogs.push_back(&dialog);
    };
}

TDialog* CreateDialogForPage(TCodePage& page) {
    TDialog& dialog = NewDialog();
    dialog.SetWindowBounds(NewDialogBounds(dialogCounter));
    dialog.SetName(NewDialogName(dialogCounter));
    ++dialogCounter;
    DialogCodeSettings settings;
    settings.hostClass = HostClass();
    settings.autocreateForms = App().Launcher ? App().Launcher->AutocreateForms : true;
    if (WriteDialogSkeleton(page.Editor().Lines(), dialog.Name(), settings)) {
        // The skeleton's lines end as the page's later lines will.
        LineDocument& lines = page.Editor().Lines();
        lines.SetText(WithLineEnds(lines.Text(), LineEndText(page.Format().lineEnd)));
    }
    page.SetCaption(dialog.Caption());
    if (App().Code) App().Code->UpdatePageCaption(&page);
    LinkToPage(dialog, page);
    ListDialog(dialog);
    WireAutoCreate(page, &dialog);
    dialog.Show();
    dialog.WriteOwnContainerLines();
    return &dialog;
}

void ParseDialogsOfPage(TCodePage& page) {
    LiveDesignBuilder builder([]() -> TDialog& { return NewDialog(); });
    DialogsRead read = ParseDialogs(page.Editor().Lines(), builder, HostClass());
    for (TDialog* dialog : builder.Built()) {
        LinkToPage(*dialog, page);
        ListDialog(*dialog);
    }
    TDialog* last = builder.DialogOf(read.lastDialog);
    if (last) page.LinkedObject = last;
    WireAutoCreate(page, last);
    if (read.error) throw CommandError(read.error->message);
}

// The dialog last activated is the workbench's current dialog.
class CurrentDialogTracker : public DialogEvents {
public:
    void OnDialogActivated(TDialog& dialog) override { App().CurrentDialog = &dialog; }
};
CurrentDialogTracker tracker;

}  // namespace

std::vector<TDialog*> DesignedDialogs() {
    std::vector<TDialog*> all;
    for (const auto& dialog : dialogs)
        if (!Closed(dialog.get())) all.push_back(dialog.get());
    return all;
}

void WireDialogs() {
    PageHooks().createDialog = CreateDialogForPage;
    PageHooks().parseDialogs = ParseDialogsOfPage;
    AddDialogEvents(tracker);
    WireDialogDocuments();
}

}  // namespace tavrin
