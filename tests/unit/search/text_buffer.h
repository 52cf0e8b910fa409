// A SearchTarget over a plain string for the search tests: a selection with
// its caret, replacements counted, change groups counted.
#pragma once

#include <algorithm>
#include <string>

#include "search/search_target.h"

namespace tavrin::test {

class TextBuffer : public SearchTarget {
public:
    explicit TextBuffer(std::string text = {}) : text_(std::move(text)) {}

    std::string_view Text() const override { return text_; }
    std::size_t SelectionStart() const override { return std::min(anchor_, caret_); }
    std::size_t SelectionEnd() const override { return std::max(anchor_, caret_); }
    std::size_t Caret() const override { return caret_; }
    void Select(std::size_t anchor, std::size_t caret) override {
        anchor_ = std::min(anchor, text_.size());
        caret_ = std::min(caret, text_.size());
    }
    void Replace(std::size_t start, std::size_t end, std::string_view with) override {
        text_.replace(start, end - start, with);
        ++replacements;
    }
    void BeginChanges() override { ++openGroups; }
    void EndChanges() override {
        --openGroups;
        ++closedGroups;
    }

    std::string Selected() const { return text_.substr(SelectionStart(), SelectionEnd() - SelectionStart()); }
    const std::string& Content() const { return text_; }

    int replacements = 0;
    int openGroups = 0;
    int closedGroups = 0;

private:
    std::string text_;
    std::size_t anchor_ = 0, caret_ = 0;
};

}  // namespace tavrin::test
