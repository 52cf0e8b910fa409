// Records standing in for the workbench around projects: pages with tagged
// lines that know when they were changed, a tree whose nodes remember their
// text and unit names, and a log of what the project asked for.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "../../support/scripted_prompts.h"
#include "../../support/temp_folder.h"
#include "common/file_checks.h"
#include "common/paths.h"
#include "editor/line_document.h"
#include "projects/project_commands.h"

namespace tavrin::test {

struct FakePage;

// Lines whose every change marks their page unsaved, as an editor does.
class TrackedLines : public VectorLineDocument {
public:
    explicit TrackedLines(FakePage& page) : page_(page) {}
    void SetText(std::string_view text) override;
    void InsertLine(int index, std::string_view text, LineTag tag = nullptr) override;
    void DeleteLine(int index) override;
    void SetLine(int index, std::string_view text) override;

private:
    FakePage& page_;
};

struct FakePage {
    FakePage() : lines(*this) {}
    std::string file, caption;
    bool saved = true;
    void* link = nullptr;
    TrackedLines lines;
    bool closeKeepsIt = false;  // its own close question is answered with Cancel
};

inline void TrackedLines::SetText(std::string_view text) {
    page_.saved = false;
    VectorLineDocument::SetText(text);
}
inline void TrackedLines::InsertLine(int index, std::string_view text, LineTag tag) {
    page_.saved = false;
    VectorLineDocument::InsertLine(index, text, tag);
}
inline void TrackedLines::DeleteLine(int index) {
    page_.saved = false;
    VectorLineDocument::DeleteLine(index);
}
inline void TrackedLines::SetLine(int index, std::string_view text) {
    page_.saved = false;
    VectorLineDocument::SetLine(index, text);
}

inline std::string ReadFileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class FakeProjectHost : public ProjectHost {
public:
    std::vector<std::unique_ptr<FakePage>> all;
    std::vector<FakePage*> shown;  // the code window's pages, in order
    FakePage* active = nullptr;
    std::vector<std::string> recent;
    std::vector<std::string> destroyed;  // captions, in order
    std::string saveAsPath;               // what a page's Save As box answers ("" cancels)
    ProjectList* list = nullptr;          // told when a page is destroyed
    int unnamed = 0;

    static FakePage* Of(PageRef page) { return static_cast<FakePage*>(page); }

    std::vector<PageRef> Pages() override { return {shown.begin(), shown.end()}; }
    PageRef OpenPage(const std::string& path) override {
        auto page = std::make_unique<FakePage>();
        page->file = path;
        if (!path.empty() && FileExists(path)) {
            page->lines.VectorLineDocument::SetText(ReadFileText(path));
            page->caption = ExtractFileName(path);
        } else {
            page->caption = path.empty() ? "noname" + std::to_string(++unnamed) : path;
        }
        active = page.get();
        shown.push_back(page.get());
        all.push_back(std::move(page));
        return active;
    }
    std::string PageFile(PageRef page) override { return Of(page)->file; }
    std::string PageCaption(PageRef page) override {
        return (Of(page)->saved ? "" : "*") + Of(page)->caption;
    }
    bool PageSaved(PageRef page) override { return Of(page)->saved; }
    void MarkPageSaved(PageRef page) override { Of(page)->saved = true; }
    void* PageLink(PageRef page) override { return Of(page)->link; }
    void SetPageLink(PageRef page, void* object) override { Of(page)->link = object; }
    LineDocument& PageLines(PageRef page) override { return Of(page)->lines; }
    PageRef ActivePage() override { return active; }
    void ActivatePage(PageRef page) override { active = Of(page); }
    void DestroyPage(PageRef page) override {
        auto at = std::find(shown.begin(), shown.end(), Of(page));
        if (at == shown.end()) return;
        destroyed.push_back(Of(page)->caption);
        if (list) list->PageDestroyed(page);
        shown.erase(at);
        if (active == page) active = shown.empty() ? nullptr : shown.back();
    }
    bool ClosePage(PageRef page) override { return !Of(page)->closeKeepsIt; }
    bool SavePage(PageRef page) override {
        FakePage& fake = *Of(page);
        if (fake.file.empty() || !FileExists(fake.file)) {
            if (saveAsPath.empty()) return false;
            fake.file = saveAsPath;
        }
        std::ofstream(fake.file, std::ios::binary | std::ios::trunc) << fake.lines.Text();
        fake.saved = true;
        return true;
    }
    void WritePage(PageRef page, const std::string& path) override {
        FakePage& fake = *Of(page);
        bool takesPath = fake.file == path || !FileExists(fake.file);
        std::ofstream(path, std::ios::binary | std::ios::trunc) << fake.lines.Text();
        if (takesPath) {
            fake.file = path;
            fake.caption = ExtractFileName(path);
            fake.saved = true;
        }
    }
    void AddRecentFile(const std::string& path) override { recent.push_back(path); }

    FakePage* ShownWithFile(const std::string& path) {
        for (FakePage* page : shown)
            if (page->file == path) return page;
        return nullptr;
    }
};

// A node that remembers its text and the names of its units; it notes in
// a shared record when it leaves the tree.
class FakeNode : public ProjectNode {
public:
    FakeNode(TProject& project, std::vector<std::string>& gone) : project_(project), gone_(gone) {
        text_ = project.ProjectName;
    }
    ~FakeNode() override { gone_.push_back(text_); }
    std::string Text() const override { return text_; }
    void SetText(const std::string& text) override { text_ = text; }
    void UnitsChanged() override {
        units.clear();
        for (const auto& entry : project_.UnitFiles) units.push_back(ExtractFileName(entry.text));
    }
    std::vector<std::string> units;

private:
    TProject& project_;
    std::vector<std::string>& gone_;
    std::string text_;
};

class FakeTree : public ProjectTree {
public:
    std::unique_ptr<ProjectNode> AddProjectNode(TProject& project) override {
        return std::make_unique<FakeNode>(project, goneNodes);
    }
    std::vector<std::string> goneNodes;  // texts of nodes taken out of the tree
};

// The projects of a test over the records above, with scripted prompts and a
// fresh folder; the commands' open box has the filter "*.bas".
class ProjectFixture : public testing::Test {
protected:
    ProjectFixture() { host.list = &projects; }

    static FileBoxResult Chosen(std::vector<std::string> files, int filterIndex = 1) {
        FileBoxResult result;
        result.accepted = true;
        result.files = std::move(files);
        result.filterIndex = filterIndex;
        return result;
    }

    ScriptedPrompts prompts;
    TempFolder folder;
    FakeProjectHost host;
    FakeTree tree;
    TProject* current = nullptr;
    ProjectList projects{host, current};
    ProjectCommands commands{projects, tree, "*.bas"};
};

inline FakeNode* NodeOf(const TProject& project) { return dynamic_cast<FakeNode*>(project.Node.get()); }

}  // namespace tavrin::test
