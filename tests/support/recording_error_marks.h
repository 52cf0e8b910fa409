// An ErrorMarkTarget for tests: pages are plain records with a file name;
// every mark, gutter mark, activation and jump is recorded. File existence is
// asked of the real file system unless a test overrides it.
#pragma once

#include "compiler/error_marks.h"
#include "common/file_checks.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace tavrin::test {

struct RecordedPage {
    std::string fileName;
    std::vector<ErrorMark> marks;
    std::vector<long long> gutterMarks;
    long long jumpedTo = -1;
};

class RecordingErrorMarks : public ErrorMarkTarget {
public:
    std::deque<RecordedPage> pages;  // deque: page addresses stay valid as pages open
    bool multipleFileInstances = false;
    RecordedPage* active = nullptr;
    RecordedPage* currentDocument = nullptr;
    std::vector<int> resultGutterMarks;
    std::vector<std::string> opened;  // files given to OpenPage, in order
    int activations = 0;
    int clears = 0;
    std::function<bool(const std::string&)> fileExists = [](const std::string& path) {
        return tavrin::FileExists(path);
    };

    RecordedPage& AddPage(const std::string& fileName) {
        pages.push_back(RecordedPage{fileName, {}, {}, -1});
        return pages.back();
    }

    int PageCount() override { return static_cast<int>(pages.size()); }
    PageHandle PageAt(int index) override { return &pages[static_cast<size_t>(index)]; }
    std::string PageFileName(PageHandle page) override { return Page(page).fileName; }
    void ActivatePage(PageHandle page) override {
        active = &Page(page);
        ++activations;
    }
    PageHandle OpenPage(const std::string& fileName) override {
        opened.push_back(fileName);
        return &AddPage(fileName);
    }
    void SetCurrentDocument(PageHandle page) override { currentDocument = &Page(page); }
    bool MultipleFileInstances() override { return multipleFileInstances; }
    void AddErrorMark(PageHandle page, const ErrorMark& mark) override {
        Page(page).marks.push_back(mark);
    }
    void AddEditorGutterMark(PageHandle page, long long line) override {
        Page(page).gutterMarks.push_back(line);
    }
    void AddResultGutterMark(int resultLine) override { resultGutterMarks.push_back(resultLine); }
    void ClearActivePageMarks() override {
        ++clears;
        if (!active) return;
        active->marks.clear();
        active->gutterMarks.clear();
    }
    void JumpToLine(PageHandle page, long long line) override {
        Page(page).jumpedTo = line;
        active = &Page(page);
    }
    bool FileExists(const std::string& path) override { return fileExists(path); }

    static RecordedPage& Page(PageHandle page) { return *static_cast<RecordedPage*>(page); }
};

}  // namespace tavrin::test
