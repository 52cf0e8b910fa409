#include "search/file_read_ahead.h"

#include <algorithm>

#include "common/file_search.h"

namespace tavrin {

namespace {
// Files a helper reads in one go: waking threads costs more than reading a
// small file (under Wine each wake goes through its server).
constexpr std::size_t kBatch = 8;
}  // namespace

FileReadAhead::FileReadAhead(unsigned threads, std::size_t window)
    : window_(std::max(window, kBatch)), threads_(std::max(1u, threads)) {}

FileReadAhead::~FileReadAhead() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    for (std::thread& helper : helpers_) helper.join();
}

void FileReadAhead::Add(const std::vector<std::string>& files) {
    if (files.empty()) return;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        files_.insert(files_.end(), files.begin(), files.end());
    }
    // The helpers start with the first files.
    while (helpers_.size() < threads_) helpers_.emplace_back([this] { Work(); });
    changed_.notify_all();
}

std::size_t FileReadAhead::Pending() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return files_.size() - first_;
}

void FileReadAhead::Work() {
    std::unique_lock<std::mutex> lock(mutex_);
    std::vector<std::string> paths, contents;
    std::vector<FileReadStatus> statuses;
    while (true) {
        // Files to read once they fit into the window ahead of the taker.
        ++helpersWaiting_;
        changed_.wait(lock, [this] { return stopping_ || (claimed_ < files_.size() && claimed_ < first_ + window_); });
        --helpersWaiting_;
        if (stopping_) return;
        const std::size_t start = claimed_;
        const std::size_t count = std::min({kBatch, files_.size() - start, first_ + window_ - start});
        claimed_ += count;
        slots_.resize(std::max(slots_.size(), claimed_ - first_));
        paths.assign(files_.begin() + static_cast<std::ptrdiff_t>(start),
                     files_.begin() + static_cast<std::ptrdiff_t>(start + count));
        contents.resize(count);
        statuses.assign(count, FileReadStatus::Failed);
        for (std::string& content : contents)
            if (!spare_.empty()) {
                content = std::move(spare_.back());
                spare_.pop_back();
            }
        lock.unlock();
        for (std::size_t i = 0; i < count; ++i) {
            try {
                statuses[i] = ReadWholeFile(NativePath(paths[i]), contents[i]);
            } catch (...) {
                contents[i].clear();  // no memory for this file: it counts as unreadable
            }
        }
        lock.lock();
        for (std::size_t i = 0; i < count; ++i) {
            Slot& slot = slots_[start + i - first_];
            slot.bytes = std::move(contents[i]);
            slot.status = statuses[i];
            slot.ready = true;
        }
        if (takerWaiting_) changed_.notify_all();
    }
}

bool FileReadAhead::Next(std::string& path, std::string& bytes, FileReadStatus& status) {
    std::unique_lock<std::mutex> lock(mutex_);
    if (first_ >= files_.size()) return false;
    slots_.resize(std::max<std::size_t>(slots_.size(), 1));
    if (!slots_.front().ready) {
        takerWaiting_ = true;
        changed_.wait(lock, [this] { return slots_.front().ready; });
        takerWaiting_ = false;
    }
    Slot& slot = slots_.front();
    // The taker's old storage goes to the helpers, the file's to the taker.
    spare_.push_back(std::move(bytes));
    bytes = std::move(slot.bytes);
    status = slot.status;
    path = files_[first_];
    slots_.pop_front();
    ++first_;
    // Helpers waiting for room hear of it once a batch fits.
    if (helpersWaiting_ && claimed_ < files_.size() && claimed_ + kBatch <= first_ + window_) changed_.notify_all();
    return true;
}

}  // namespace tavrin
