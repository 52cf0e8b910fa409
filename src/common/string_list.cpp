#include "common/string_list.h"

#include <algorithm>
#include <stdexcept>

#include "common/platform_files.h"
#include "common/text.h"

namespace tavrin {

FileReadStatus ReadWholeFile(const std::string& path, std::string& content) {
    return ReadFileBytes(path, content);
}

StringList::StringList(std::initializer_list<std::string> texts) {
    for (const std::string& text : texts)
        Add(text);
}

void StringList::Add(std::string text, void* object) {
    entries_.push_back(Entry{std::move(text), object});
}

void StringList::Insert(size_t index, std::string text, void* object) {
    if (index > entries_.size()) throw std::out_of_range("list index out of bounds");
    entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(index),
                    Entry{std::move(text), object});
}

void StringList::Delete(size_t index) {
    if (index >= entries_.size()) throw std::out_of_range("list index out of bounds");
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
}

int StringList::IndexOf(std::string_view text) const {
    for (size_t i = 0; i < entries_.size(); ++i)
        if (EqualsNoCase(entries_[i].text, text)) return static_cast<int>(i);
    return -1;
}

int StringList::IndexOfObject(const void* object) const {
    for (size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i].object == object) return static_cast<int>(i);
    return -1;
}

void StringList::SetFromText(std::string_view text) {
    Assign(SplitLines(text));
}

std::string StringList::Text() const {
    std::string text;
    for (const Entry& entry : entries_) {
        text += entry.text;
        text += "\r\n";
    }
    return text;
}

std::vector<std::string> StringList::Texts() const {
    std::vector<std::string> texts;
    texts.reserve(entries_.size());
    for (const Entry& entry : entries_)
        texts.push_back(entry.text);
    return texts;
}

void StringList::Assign(const std::vector<std::string>& texts) {
    entries_.clear();
    entries_.reserve(texts.size());
    for (const std::string& text : texts)
        entries_.push_back(Entry{text, nullptr});
}

bool StringList::LoadFromFile(const std::string& path) {
    std::string content;
    if (ReadWholeFile(path, content) != FileReadStatus::Ok) return false;
    SetFromText(content);
    return true;
}

bool StringList::SaveToFile(const std::string& path) const {
    return WriteFileReplacing(path, Text());
}

}  // namespace tavrin
