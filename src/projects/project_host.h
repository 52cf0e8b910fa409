// What a project needs of the workbench around it: the code pages that show
// its source and its units, and the node that shows it in the project window.
// The workbench implements the host over its code window; tests implement it
// with plain records. Pages are opaque handles here.
#pragma once

#include <string>
#include <vector>

namespace tavrin {

class LineDocument;

using PageRef = void*;

class ProjectHost {
public:
    virtual ~ProjectHost() = default;

    // The code window's pages, in page order.
    virtual std::vector<PageRef> Pages() = 0;
    // Opens a new page on the path (an empty page captioned with the path
    // when no file exists there); it becomes the active page.
    virtual PageRef OpenPage(const std::string& path) = 0;
    virtual std::string PageFile(PageRef page) = 0;
    virtual std::string PageCaption(PageRef page) = 0;
    virtual bool PageSaved(PageRef page) = 0;
    virtual void MarkPageSaved(PageRef page) = 0;
    // The dialog or project the page belongs to (the page's LinkedObject).
    virtual void* PageLink(PageRef page) = 0;
    virtual void SetPageLink(PageRef page, void* object) = 0;
    virtual LineDocument& PageLines(PageRef page) = 0;
    virtual PageRef ActivePage() = 0;
    virtual void ActivatePage(PageRef page) = 0;
    // Frees the page at once, without a question.
    virtual void DestroyPage(PageRef page) = 0;
    // The page's own close: a modified page asks whether to save it. False
    // when the page stays (Cancel, or a save that did not happen).
    virtual bool ClosePage(PageRef page) = 0;
    // The page's Save when its file exists, otherwise its Save As; false
    // when the save box was cancelled.
    virtual bool SavePage(PageRef page) = 0;
    // Writes the page's text to path in the page's own encoding. A page
    // whose file does not exist, or is path, then shows that file, saved.
    virtual void WritePage(PageRef page, const std::string& path) = 0;
    // Puts the path at the front of the recently used files.
    virtual void AddRecentFile(const std::string& path) = 0;
};

// A project's node in the project window; the project owns it, and
// destroying it takes the node and its unit nodes out of the tree.
class ProjectNode {
public:
    virtual ~ProjectNode() = default;
    virtual std::string Text() const = 0;
    virtual void SetText(const std::string& text) = 0;
    // The project's units changed: the unit nodes are made again from them.
    virtual void UnitsChanged() = 0;
};

}  // namespace tavrin
