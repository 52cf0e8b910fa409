#include "workbench/code_page.h"

#include <Scintilla.h>

#include "workbench/code_window.h"
#include "analysis/include_chain.h"
#include "analysis/include_database.h"
#include "analysis/page_types.h"
#include "common/commands.h"
#include "common/file_replace.h"
#include "common/prompts.h"
#include "common/string_list.h"
#include "ui/file_system.h"
#include "settings/launcher.h"
#include "workbench/page_rules.h"
#include "workbench/save_box.h"
#include "workbench/workbench.h"

namespace tavrin {

TCodePage::TCodePage(HWND parent, ExplorerTree* explorer) {
    editor_.Create(parent);
    if (explorer) scanner_.SetTreeView(explorer);
    editor_.OnChanged = [this] { SetSaved(false); };
    editor_.OnStatus = [](int panel, const std::string& text) {
        if (App().Code) App().Code->SetStatusText(panel, text);
    };
    editor_.OnRescan = [this] { ScanText(); };
    editor_.CompletionAllowed = [] { return App().Launcher && App().Launcher->AllowCompletion; };
    editor_.Lookups = [this] {
        CompletionLookups lookups;
        lookups.findSymbol = [this](std::string_view name) { return scanner_.FindSymbol(name); };
        TDataBase* database = App().DataBase;
        if (database) {
            lookups.findEntry = [database](std::string_view name) { return database->FindEntry(name); };
            lookups.resolveFields = [database](TField& entry) { return database->ResolveFields(entry); };
        }
        std::vector<std::string> includeDirectories;
        std::string compiler;
        if (TLauncher* settings = App().Launcher) {
            for (const auto& entry : settings->Directories) includeDirectories.push_back(entry.text);
            compiler = settings->Compiler;
        }
        lookups.findType = PageTypeLookup(editor_.Edit().TextView(), fileName_, scanner_, database,
                                          IncludeSearchFolders(includeDirectories, compiler), SharedIncludeChains());
        lookups.rescanPage = [this] { ScanText(); };
        lookups.showMembers = [](const std::string& text) { UserPrompts().Information(text); };
        return lookups;
    };
}

TCodePage::~TCodePage() {
    if (OnDestroy) OnDestroy(*this);
    if (App().CurrentDocument == this) App().CurrentDocument = nullptr;
    if (App().ActiveCodePage == this) App().ActiveCodePage = nullptr;
    // The explorer shows records of this page's scanner: leave it to the next scan.
    scanner_.SetTreeView(nullptr);
}

void TCodePage::Rename(const std::string& caption) {
    SetCaption(caption);
    if (App().Code) App().Code->UpdatePageCaption(this);
}

void TCodePage::SetSaved(bool saved) {
    saved_ = saved;
    std::string caption = CaptionWithSavedMark(Caption(), saved);
    if (caption != Caption()) Rename(caption);
}

void TCodePage::ApplyText(const std::string& text, const TextFormat& format) {
    format_ = format;
    editor_.LoadText(text, format.IsUnicode(), LineEndText(format.lineEnd));
}

void TCodePage::SetFileName(const std::string& path, DecodedText* preloaded) {
    fileName_ = path;
    if (!path.empty() && FileExists(path)) {
        DecodedText decoded;
        if (preloaded) {
            decoded = std::move(*preloaded);
        } else {
            std::string bytes;
            if (ReadWholeFile(path, bytes) != FileReadStatus::Ok)
                throw CommandError("Cannot open file \"" + path + "\". Access denied.");
            decoded = DecodeSourceFile(std::move(bytes));
        }
        ApplyText(decoded.text, decoded.format);
        Rename(ExtractFileName(path));
    } else if (!path.empty()) {
        if (Caption().empty()) Rename(path);
        else ApplyText(path, TextFormat{});
    } else {
        Rename(NextUnnamedCaption());
    }
    SetSaved(true);
    if (App().Code) {
        for (int i = 0; i < App().Code->PageCount(); ++i)
            if (App().Code->Page(i) == this) App().Code->SetActivePage(i);
    }
}

void TCodePage::WriteTo(const std::string& path) {
    std::string bytes = EncodeSourceText(editor_.Edit().TextView(), format_);
    ReplaceResult result = ReplaceFileContent(path, bytes);
    if (result == ReplaceResult::ReadOnly) throw CommandError(ReadOnlyMessage(path));
    if (result != ReplaceResult::Written) throw CommandError(CannotWriteMessage(path));
    editor_.Edit().Call(SCI_SETSAVEPOINT);
}

bool TCodePage::Save() {
    if (fileName_.empty() || !FileExists(fileName_)) return false;
    if (IsReadOnlyFile(fileName_)) {
        UserPrompts().Information(ReadOnlyMessage(fileName_));
        return SaveAs();
    }
    WriteTo(fileName_);
    SetSaved(true);
    return true;
}

bool TCodePage::SaveAs() {
    FileBoxRequest request;
    request.filter = kSaveAsFilter;
    request.confirmOverwrite = true;
    request.filterIndex = 1;
    if (!fileName_.empty()) request.fileName = fileName_;
    else request.fileName = CaptionWithoutMark(Caption());
    std::optional<std::string> path = AskNameToWrite(request, SaveAsTarget);
    if (!path) return false;
    WriteTo(*path);
    fileName_ = *path;
    Rename(ExtractFileName(*path));
    SetSaved(true);
    if (App().Code) App().Code->SetStatusText(2, *path);
    return true;
}

bool TCodePage::Close() {
    CloseCancelled() = false;
    if (saved_) return true;
    std::string name = !fileName_.empty() && FileExists(fileName_) ? ExtractFileName(fileName_)
                                                                     : CaptionWithoutMark(Caption());
    Answer answer = UserPrompts().ConfirmYesNoCancel(CloseQuestion(name));
    if (answer == Answer::No) return true;
    // Cancel keeps the page; so does Yes until the text is in a file: a
    // cancelled save box returns here with the page kept, a failed write
    // raises its error with the page kept.
    CloseCancelled() = true;
    if (answer == Answer::Cancel) return false;
    bool saved = !fileName_.empty() && FileExists(fileName_) ? Save() : SaveAs();
    if (!saved) return false;
    CloseCancelled() = false;
    // The dialog linked to the page is hidden by its own destroy hook.
    return true;
}

void TCodePage::ScanText() {
    scanner_.ScanText(editor_.Edit().TextView(), fileName_.empty() ? Caption() : fileName_);
}

void TCodePage::Rescan() { ScanText(); }

void TCodePage::ShowLine(int line) {
    TELSuperEdit& edit = editor_.Edit();
    int zeroBased = std::max(0, line - 1);
    edit.SetTopLine(zeroBased);
    edit.SetCaretLine(zeroBased);
    edit.SetTopLine(zeroBased);
}

}  // namespace tavrin
