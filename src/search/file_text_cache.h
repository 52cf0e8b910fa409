// The texts of files a directory search read, kept for the next searches
// while each file's stamp (size and last change, from the folder listing)
// stays the same: searching the compiler's include tree again then opens no
// file. The kept texts stay within a budget; the oldest go first.
#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <unordered_map>

#include "common/platform_files.h"

namespace tavrin {

class FileTextCache {
public:
    explicit FileTextCache(std::size_t budgetBytes = 64u << 20) : budget_(budgetBytes) {}

    // The kept text of the file while its stamp is the one given, else null.
    const std::string* Find(const std::string& path, const FileStamp& stamp) const;
    // Keeps the text under the stamp and returns it; null (nothing kept) for
    // a text larger than a quarter of the budget.
    const std::string* Keep(const std::string& path, const FileStamp& stamp, std::string text);
    // The largest text Keep keeps.
    std::size_t LargestText() const { return budget_ / 4; }
    std::size_t Bytes() const { return bytes_; }
    std::size_t Files() const { return entries_.size(); }

private:
    struct Entry {
        FileStamp stamp;
        std::string text;
    };
    void Forget(const std::string& path);

    std::size_t budget_;
    std::size_t bytes_ = 0;
    std::unordered_map<std::string, Entry> entries_;
    std::deque<std::string> order_;  // paths, oldest first (a path may stand more than once)
};

}  // namespace tavrin
