// The projects' view of the code window: its code pages as the pages that
// show project sources and units (ProjectHost over TCode and NewPage).
#pragma once

#include "projects/project_host.h"

namespace tavrin {

class TCodePage;

class CodeWindowPages : public ProjectHost {
public:
    static PageRef Ref(TCodePage* page);
    static TCodePage* Of(PageRef page);

    std::vector<PageRef> Pages() override;
    PageRef OpenPage(const std::string& path) override;
    std::string PageFile(PageRef page) override;
    std::string PageCaption(PageRef page) override;
    bool PageSaved(PageRef page) override;
    void MarkPageSaved(PageRef page) override;
    void* PageLink(PageRef page) override;
    void SetPageLink(PageRef page, void* object) override;
    LineDocument& PageLines(PageRef page) override;
    PageRef ActivePage() override;
    void ActivatePage(PageRef page) override;
    void DestroyPage(PageRef page) override;
    bool ClosePage(PageRef page) override;
    bool SavePage(PageRef page) override;
    void WritePage(PageRef page, const std::string& path) override;
    void AddRecentFile(const std::string& path) override;

private:
    // The page's position in the code window, or -1.
    static int IndexOf(PageRef page);
};

}  // namespace tavrin
