#include "editor/line_document.h"

#include <algorithm>

#include "common/text.h"

namespace tavrin {

int LineDocument::FindTag(LineTag tag, int from) const {
    if (!tag) return -1;
    for (int i = std::max(0, from), count = LineCount(); i < count; ++i)
        if (Tag(i) == tag) return i;
    return -1;
}

int LineDocument::RemoveLinesOf(LineTag tag) {
    int removed = 0;
    for (int i = LineCount() - 1; i >= 0; --i) {
        if (tag && Tag(i) == tag) {
            DeleteLine(i);
            ++removed;
        }
    }
    return removed;
}

std::string VectorLineDocument::Line(int index) const {
    return Valid(index) ? lines_[static_cast<size_t>(index)].text : std::string();
}

LineTag VectorLineDocument::Tag(int index) const {
    return Valid(index) ? lines_[static_cast<size_t>(index)].tag : nullptr;
}

void VectorLineDocument::SetTag(int index, LineTag tag) {
    if (Valid(index)) lines_[static_cast<size_t>(index)].tag = tag;
}

std::string VectorLineDocument::Text() const {
    std::string text;
    for (const Entry& line : lines_) {
        text += line.text;
        text += "\r\n";
    }
    return text;
}

void VectorLineDocument::SetText(std::string_view text) {
    lines_.clear();
    for (std::string& line : SplitLines(text)) lines_.push_back({std::move(line), nullptr});
}

void VectorLineDocument::InsertLine(int index, std::string_view text, LineTag tag) {
    if (index < 0 || index > LineCount()) return;
    lines_.insert(lines_.begin() + index, Entry{std::string(text), tag});
}

void VectorLineDocument::DeleteLine(int index) {
    if (Valid(index)) lines_.erase(lines_.begin() + index);
}

void VectorLineDocument::SetLine(int index, std::string_view text) {
    if (Valid(index)) lines_[static_cast<size_t>(index)].text = std::string(text);
}

}  // namespace tavrin
