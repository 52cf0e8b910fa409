#include "workbench/project_pages.h"

#include "common/commands.h"
#include "common/file_replace.h"
#include "common/text.h"
#include "settings/launcher.h"
#include "ui/file_system.h"
#include "workbench/code_page.h"
#include "workbench/code_window.h"
#include "workbench/file_commands.h"
#include "workbench/page_rules.h"
#include "workbench/workbench.h"

namespace tavrin {

PageRef CodeWindowPages::Ref(TCodePage* page) { return page; }

TCodePage* CodeWindowPages::Of(PageRef page) { return static_cast<TCodePage*>(page); }

int CodeWindowPages::IndexOf(PageRef page) {
    TCode* code = App().Code;
    for (int i = 0; code && page && i < code->PageCount(); ++i)
        if (dynamic_cast<TCodePage*>(code->Page(i)) == Of(page)) return i;
    return -1;
}

std::vector<PageRef> CodeWindowPages::Pages() {
    std::vector<PageRef> pages;
    TCode* code = App().Code;
    for (int i = 0; code && i < code->PageCount(); ++i)
        if (auto* page = dynamic_cast<TCodePage*>(code->Page(i))) pages.push_back(Ref(page));
    return pages;
}

PageRef CodeWindowPages::OpenPage(const std::string& path) { return Ref(NewPage(false, path)); }

std::string CodeWindowPages::PageFile(PageRef page) { return Of(page)->FileName(); }

std::string CodeWindowPages::PageCaption(PageRef page) { return Of(page)->Caption(); }

bool CodeWindowPages::PageSaved(PageRef page) { return Of(page)->Saved(); }

void CodeWindowPages::MarkPageSaved(PageRef page) { Of(page)->SetSaved(true); }

void* CodeWindowPages::PageLink(PageRef page) { return Of(page)->LinkedObject; }

void CodeWindowPages::SetPageLink(PageRef page, void* object) { Of(page)->LinkedObject = object; }

LineDocument& CodeWindowPages::PageLines(PageRef page) { return Of(page)->Editor().Lines(); }

PageRef CodeWindowPages::ActivePage() { return Ref(dynamic_cast<TCodePage*>(App().ActiveCodePage)); }

void CodeWindowPages::ActivatePage(PageRef page) {
    int index = IndexOf(page);
    if (index >= 0) App().Code->SetActivePage(index);
}

void CodeWindowPages::DestroyPage(PageRef page) {
    if (IndexOf(page) >= 0) App().Code->FreePage(Of(page));
}

bool CodeWindowPages::ClosePage(PageRef page) { return TCode::AskToClose(*Of(page)); }

bool CodeWindowPages::SavePage(PageRef page) {
    TCodePage& codePage = *Of(page);
    return FileExists(codePage.FileName()) ? codePage.Save() : codePage.SaveAs();
}

void CodeWindowPages::WritePage(PageRef page, const std::string& path) {
    TCodePage& codePage = *Of(page);
    bool takesPath = EqualsNoCase(codePage.FileName(), path) || !FileExists(codePage.FileName());
    std::string bytes = EncodeSourceText(codePage.Editor().Edit().TextView(), codePage.Format());
    ReplaceResult result = ReplaceFileContent(path, bytes);
    if (result == ReplaceResult::ReadOnly) throw CommandError(ReadOnlyMessage(path));
    if (result != ReplaceResult::Written) throw CommandError(CannotWriteMessage(path));
    if (!takesPath) return;
    // The page shows the file now: read back what was just written (the
    // same text), which names the page after the file and marks it saved.
    TPageSheet* active = App().Code ? App().Code->ActivePage() : nullptr;
    codePage.SetFileName(path);
    int previous = -1;
    for (int i = 0; App().Code && i < App().Code->PageCount(); ++i)
        if (App().Code->Page(i) == active) previous = i;
    if (previous >= 0 && active != &codePage) App().Code->SetActivePage(previous);
}

void CodeWindowPages::AddRecentFile(const std::string& path) {
    if (App().Launcher && App().Launcher->AddToMRU(path)) App().Launcher->BuildMRUMenu();
}

}  // namespace tavrin
