#include "workbench/file_commands.h"

#include <memory>

#include <Scintilla.h>

#include "workbench/code_window.h"
#include "analysis/explorer_tree_view.h"
#include "common/commands.h"
#include "common/pe_exports.h"
#include "common/prompts.h"
#include "common/string_list.h"
#include "common/text.h"
#include "editor/editor_options.h"
#include "workbench/code_page.h"
#include "ui/file_system.h"
#include "settings/launcher.h"
#include "workbench/main_window.h"
#include "workbench/page_rules.h"
#include "workbench/save_box.h"
#include "workbench/source_export.h"
#include "workbench/workbench.h"

namespace tavrin {

namespace {

std::unique_ptr<TreeViewExplorer> explorer;

TCode& Code() {
    if (!App().Code) throw CommandError("internal error. $01");
    return *App().Code;
}

void UpdateToolbar() {
    if (App().Main) App().Main->UpdateToolbar();
}

TCodePage* CurrentCodePage() {
    TDocument* document = App().CurrentDocument;
    if (!document || document->Kind() != DocumentKind::CodePage) return nullptr;
    return dynamic_cast<TCodePage*>(document);
}

// The names a program or library exports, one result line each.
void ListExports(const std::string& path) {
    std::string bytes;
    if (ReadWholeFile(path, bytes) != FileReadStatus::Ok) throw CommandError("cannot read " + path);
    ExportNames exports = ReadExportNames(bytes);
    if (!exports.ok) throw CommandError(exports.error);
    Code().Results().AppendLines(exports.names);
}

void TreeClick(HTREEITEM item) {
    if (!explorer) return;
    const ExplorerNodeData* data = explorer->NodeData(item);
    if (!data) return;
    if (data->kind == ExplorerNodeData::Kind::Category && data->category) {
        UserPrompts().Information(CategoryNamesText(*data->category));
    } else if (data->kind == ExplorerNodeData::Kind::Symbol && data->symbol) {
        TCodePage* page = CurrentCodePage();
        if (!page) return;
        TELSuperEdit& edit = page->Editor().Edit();
        int line = std::max(0, data->symbol->Line - 1);
        edit.SetCaretLine(line);
        edit.Call(SCI_SCROLLCARET);
        SetFocus(edit.Handle());
    }
}

}  // namespace

CodePageHooks& PageHooks() {
    static CodePageHooks hooks;
    return hooks;
}

TreeViewExplorer* Explorer() { return explorer.get(); }

TCodePage* NewPage(bool dialog, const std::string& path, DecodedText* preloaded) {
    TCode& code = Code();
    auto owned = std::make_unique<TCodePage>(code.Handle(), explorer.get());
    TCodePage* page = owned.get();
    App().ActiveCodePage = page;
    App().CurrentDocument = page;
    page->SetFileName(path, preloaded);
    code.AddPage(std::move(owned));  // makes it the active page, which scans its text
    TDialog* created = nullptr;
    if (dialog && !FileExists(path) && PageHooks().createDialog) {
        created = PageHooks().createDialog(*page);
        page->LinkedObject = created;
        page->ScanText();  // the dialog's generated code
    }
    App().CurrentDialog = created;
    UpdateToolbar();
    if (PageHooks().refreshUnits) PageHooks().refreshUnits();
    return page;
}

void OpenFile(const std::string& path) {
    DecodedText file = ReadSourceFile(path);  // an unreadable file ends the command
    FileKind kind = DetectFileKindOfText(file.text);
    if (kind == FileKind::Project) {
        TCodePage* page = NewPage(false, path, &file);
        if (PageHooks().openProject) page->LinkedObject = PageHooks().openProject(*page, path);
    } else if (kind == FileKind::ComponentUnit) {
        NewPage(false, path, &file);
    } else {
        try {
            if (ListsExports(path)) ListExports(path);
            TCodePage* page = NewPage(false, path, &file);
            if (PageHooks().parseDialogs) PageHooks().parseDialogs(*page);
        } catch (const CommandAborted&) {
            throw;
        } catch (...) {
            Code().Results().AppendLine(OpenFailureLine(path));
        }
    }
    if (auto* page = dynamic_cast<TCodePage*>(App().ActiveCodePage)) page->SetSaved(true);
    if (App().Launcher) App().Launcher->AddToMRU(path);
}

void OpenFiles() {
    FileBoxRequest request;
    request.filter = kOpenFilesFilter;
    request.multiSelect = true;
    FileBoxResult result = UserPrompts().OpenFile(request);
    if (result.accepted) OpenFileList(result.files);
    UpdateToolbar();
}

void OpenFileList(const std::vector<std::string>& files) {
    try {
        for (const std::string& file : files) OpenFile(file);
    } catch (...) {
        UpdateToolbar();
        throw;  // the error box names the file; the rest are not opened
    }
    if (!files.empty() && App().Launcher) App().Launcher->BuildMRUMenu();
    UpdateToolbar();
}

namespace {

// A File command on the current document: its code page, or the hook of a
// dialog or project document.
void OnCurrentDocument(const std::function<void(TCodePage&)>& onPage,
                       const std::function<void()>& other) {
    if (!App().CurrentDocument) return;
    if (TCodePage* page = CurrentCodePage()) onPage(*page);
    else if (other) other();
    UpdateToolbar();
}

}  // namespace

void SaveCommand() {
    OnCurrentDocument([](TCodePage& page) { page.Save(); }, PageHooks().saveOther);
}

void SaveAsCommand() {
    OnCurrentDocument([](TCodePage& page) { page.SaveAs(); }, PageHooks().saveAsOther);
}

void SaveAllCommand() {
    TCode& code = Code();
    // A page that cannot be written does not stop the others; the failures
    // are reported together at the end.
    std::vector<std::string> failures;
    for (int i = 0; i < code.PageCount(); ++i) {
        auto* page = dynamic_cast<TCodePage*>(code.Page(i));
        if (!page) continue;
        try {
            if (FileExists(page->FileName())) page->Save();
            else page->SaveAs();
        } catch (const CommandError& error) {
            failures.push_back(error.what());
        }
    }
    UpdateToolbar();
    if (!failures.empty()) throw CommandError(Join(failures, "\n"));
}

void CloseCommand() {
    TDocument* document = App().CurrentDocument;
    if (!document) return;
    if (document->Kind() == DocumentKind::CodePage) Code().ClosePage();
    else if (PageHooks().closeOther) PageHooks().closeOther();
    UpdateToolbar();
}

void CloseAllCommand() {
    TCode& code = Code();
    for (int i = code.PageCount() - 1; i >= 0; --i) {
        TPageSheet* page = code.Page(i);
        if (!page) continue;
        if (!TCode::AskToClose(*page)) {
            UpdateToolbar();
            throw CommandAborted{};  // a Cancel, or a failed save already reported, ends the command
        }
        code.FreePage(page);
    }
    UpdateToolbar();
}

void ExportCommand(ExportFormat format) {
    auto* page = dynamic_cast<TCodePage*>(App().ActiveCodePage);
    if (!page) return;
    const bool rtf = format == ExportFormat::Rtf;
    const std::string extension = rtf ? ".rtf" : ".html";
    const std::string source = page->FileName().empty() ? CaptionWithoutMark(page->Caption()) : page->FileName();
    FileBoxRequest request;
    request.filter = rtf ? kExportRtfFilter : kExportHtmlFilter;
    request.confirmOverwrite = true;
    request.fileName = ChangeFileExt(source, extension);
    std::optional<std::string> path = AskNameToWrite(
        request, [&extension](const std::string& chosen, int filter) { return ExportTarget(chosen, filter, extension); });
    if (!path) return;
    ExportedText text{page->Editor().Edit().TextView(), page->Format().IsUnicode(), static_cast<int>(GetACP())};
    const EditorOptions& font = SharedEditorOptions();
    std::string document = rtf ? SourceAsRtf(text, font.fontName, font.fontSize)
                               : SourceAsHtml(text, ExtractFileName(source));
    if (!WriteFileReplacing(*path, document)) throw CommandError(CannotWriteMessage(*path));
}

void WireCodePages() {
    TCode& code = Code();
    explorer = std::make_unique<TreeViewExplorer>(code.TreeView());
    code.OnTreeClick = TreeClick;
    code.OnExplorerCleared = [] {
        if (explorer) explorer->Clear();
    };
    MainHooks& hooks = App().Main->Hooks;
    hooks.openFiles = OpenFiles;
    hooks.openDroppedFiles = OpenFileList;
    hooks.openFile = [](const std::string& path) {
        OpenFile(path);  // the MRU menu is rebuilt by the next OpenFiles
        UpdateToolbar();
    };
    hooks.exportRtf = [] { ExportCommand(ExportFormat::Rtf); };
    hooks.exportHtml = [] { ExportCommand(ExportFormat::Html); };
    hooks.save = SaveCommand;
    hooks.saveAs = SaveAsCommand;
    hooks.saveAll = SaveAllCommand;
    hooks.close = CloseCommand;
    hooks.closeAll = CloseAllCommand;
    hooks.newPage = [](bool dialog) { NewPage(dialog, ""); };
    hooks.openPage = [](const std::string& path) -> TPageSheet* { return NewPage(false, path); };
}

}  // namespace tavrin
