// The list of texts used throughout the workbench: ordered text entries, each
// optionally carrying an object pointer (not owned). It loads from and saves to
// text files one entry per line, splits text at line breaks and finds entries
// without regard to letter case or by their object.
//
// Also here: whole-file reading; the safe replacing write that every file
// write uses comes with this header (common/file_replace.h).
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "common/file_replace.h"
#include "common/platform_files.h"

namespace tavrin {

// Reads a whole file as bytes. Missing means the file does not exist; Failed
// means it exists (or may exist) but could not be read.
FileReadStatus ReadWholeFile(const std::string& path, std::string& content);

class StringList {
public:
    struct Entry {
        std::string text;
        void* object = nullptr;
    };

    StringList() = default;
    StringList(std::initializer_list<std::string> texts);

    size_t Count() const { return entries_.size(); }
    bool Empty() const { return entries_.empty(); }

    // Access by position; positions outside the list throw std::out_of_range.
    const std::string& operator[](size_t index) const { return entries_.at(index).text; }
    void SetText(size_t index, std::string text) { entries_.at(index).text = std::move(text); }
    void* Object(size_t index) const { return entries_.at(index).object; }
    void SetObject(size_t index, void* object) { entries_.at(index).object = object; }

    void Add(std::string text, void* object = nullptr);
    // Inserts before the entry at index; index Count() appends.
    void Insert(size_t index, std::string text, void* object = nullptr);
    void Delete(size_t index);
    void Clear() { entries_.clear(); }

    // Position of the first entry equal to text without regard to ASCII case, or -1.
    int IndexOf(std::string_view text) const;
    // Position of the first entry carrying object, or -1.
    int IndexOfObject(const void* object) const;

    // Replaces the entries by the lines of text (CR LF, LF or CR breaks); objects are dropped.
    void SetFromText(std::string_view text);
    // Every entry followed by CR LF.
    std::string Text() const;
    std::vector<std::string> Texts() const;
    void Assign(const std::vector<std::string>& texts);

    // A missing or unreadable file leaves the list unchanged and returns false.
    bool LoadFromFile(const std::string& path);
    bool SaveToFile(const std::string& path) const;

    std::vector<Entry>::const_iterator begin() const { return entries_.begin(); }
    std::vector<Entry>::const_iterator end() const { return entries_.end(); }

private:
    std::vector<Entry> entries_;
};

}  // namespace tavrin
