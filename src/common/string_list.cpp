#include "common/string_list.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <stdexcept>

#include "common/platform_files.h"
#include "common/text.h"

namespace tavrin {

FileReadStatus ReadWholeFile(const std::string& path, std::string& content) {
    content.clear();
    errno = 0;
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return errno == ENOENT ? FileReadStatus::Missing : FileReadStatus::Failed;
    // Sized by the file (reusing the caller's storage); a file that grows
    // while it is read is still read to its end. The size is only a hint: a
    // folder or a device may report anything.
    constexpr long kLargestHint = 256L * 1024 * 1024;
    size_t used = 0;
    if (std::fseek(file, 0, SEEK_END) == 0) {
        long size = std::ftell(file);
        if (size > 0 && size <= kLargestHint) content.resize(static_cast<size_t>(size));
        std::fseek(file, 0, SEEK_SET);
    }
    bool failed = false;
    char more[4096];
    while (true) {
        size_t got;
        if (used < content.size()) {
            got = std::fread(&content[used], 1, content.size() - used, file);
        } else {
            // Beyond the size the file gave (usually nothing is left): small
            // pieces, so that the end costs no larger text.
            got = std::fread(more, 1, sizeof(more), file);
            content.append(more, got);
        }
        used += got;
        if (got == 0) {
            failed = std::ferror(file) != 0;
            break;
        }
    }
    std::fclose(file);
    content.resize(failed ? 0 : used);
    return failed ? FileReadStatus::Failed : FileReadStatus::Ok;
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
