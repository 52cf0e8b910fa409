#include "search/file_text_cache.h"

namespace tavrin {

const std::string* FileTextCache::Find(const std::string& path, const FileStamp& stamp) const {
    auto found = entries_.find(path);
    return found != entries_.end() && found->second.stamp == stamp ? &found->second.text : nullptr;
}

void FileTextCache::Forget(const std::string& path) {
    auto found = entries_.find(path);
    if (found == entries_.end()) return;
    bytes_ -= found->second.text.size();
    entries_.erase(found);
}

const std::string* FileTextCache::Keep(const std::string& path, const FileStamp& stamp, std::string text) {
    Forget(path);
    if (text.size() > budget_ / 4) return nullptr;
    while (bytes_ + text.size() > budget_ && !order_.empty()) {
        Forget(order_.front());
        order_.pop_front();
    }
    bytes_ += text.size();
    order_.push_back(path);
    // A path kept again stands twice; the stale places are dropped now and then.
    if (order_.size() > 4 * entries_.size() + 1024) {
        std::unordered_map<std::string, bool> seen;
        std::deque<std::string> fresh;
        for (auto place = order_.rbegin(); place != order_.rend(); ++place)
            if (entries_.count(*place) && !seen[*place]) {
                seen[*place] = true;
                fresh.push_front(*place);
            }
        order_.swap(fresh);
    }
    Entry& entry = entries_[path];
    entry.stamp = stamp;
    entry.text = std::move(text);
    return &entry.text;
}

}  // namespace tavrin
