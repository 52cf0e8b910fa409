#include "search/file_read_ahead.h"

#include <algorithm>
#include <chrono>
#include <utility>

#include "common/file_search.h"

namespace tavrin {

namespace {

// A new portion is asked for while fewer listed files than this wait to be read.
constexpr std::size_t kListedAhead = 32;
constexpr std::size_t kSpareStorage = 8;

}  // namespace

FileReadAhead::FileReadAhead(Source source, int threads) : source_(std::move(source)) {
    for (int i = 0; i < std::max(1, threads); ++i) threads_.emplace_back([this] { Work(); });
}

FileReadAhead::~FileReadAhead() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    for (std::thread& thread : threads_) thread.join();
}

bool FileReadAhead::MayReadAhead(std::size_t index) const {
    if (index == taken_) return true;  // the file wanted next, however large
    const Slot& slot = slots_[index - taken_];
    return index - taken_ < kFilesAhead &&
           bytesAhead_ + static_cast<long long>(slot.item.file.stamp.size) <= static_cast<long long>(kBytesAhead);
}

void FileReadAhead::FetchPortion(std::unique_lock<std::mutex>& lock) {
    fetching_ = true;
    lock.unlock();
    AheadPortion portion;
    bool more = false;
    std::exception_ptr error;
    try {
        more = source_(portion);
    } catch (...) {
        error = std::current_exception();
    }
    lock.lock();
    fetching_ = false;
    if (error || !more) {
        sourceError_ = error;
        sourceEnded_ = true;
    } else {
        if (!portion.folder.empty()) {
            Slot start;
            start.item.folder = portion.folder;
            start.item.startsFolder = true;
            start.state = State::Ready;
            slots_.push_back(std::move(start));
        }
        for (AheadFile& file : portion.files) {
            Slot slot;
            slot.item.folder = portion.folder;
            slot.state = file.read ? State::Waiting : State::Ready;
            slot.item.file = std::move(file);
            slots_.push_back(std::move(slot));
        }
    }
    changed_.notify_all();
}

void FileReadAhead::Work() {
    std::unique_lock<std::mutex> lock(mutex_);
    while (!stopping_) {
        nextToRead_ = std::max(nextToRead_, taken_);
        const std::size_t end = taken_ + slots_.size();
        if (!sourceEnded_ && !fetching_ && end - nextToRead_ < kListedAhead) {
            FetchPortion(lock);
            continue;
        }
        if (nextToRead_ < end && slots_[nextToRead_ - taken_].state != State::Waiting) {
            ++nextToRead_;
            continue;
        }
        if (nextToRead_ < end && MayReadAhead(nextToRead_)) {
            const std::size_t index = nextToRead_++;
            Slot& slot = slots_[index - taken_];
            slot.state = State::Reading;
            const std::string path = slot.item.file.path;
            const long long listedSize = static_cast<long long>(slot.item.file.stamp.size);
            bytesAhead_ += listedSize;
            std::string bytes;
            if (!spare_.empty()) {
                bytes = std::move(spare_.back());
                spare_.pop_back();
            }
            lock.unlock();
            FileReadStatus status = FileReadStatus::Failed;
            try {
                status = ReadFileBytes(NativePath(path), bytes);
            } catch (...) {  // no memory for the file: it is passed over
                bytes = std::string();
            }
            lock.lock();
            // Not taken yet (it was not ready), so still in its place.
            Slot& read = slots_[index - taken_];
            bytesAhead_ += static_cast<long long>(bytes.size()) - listedSize;
            read.item.status = status;
            read.item.bytes = std::move(bytes);
            read.state = State::Ready;
            changed_.notify_all();
            continue;
        }
        if (nextToRead_ >= end && sourceEnded_) break;
        changed_.wait(lock);
    }
}

FileReadAhead::Taken FileReadAhead::Next(AheadItem& item, unsigned waitMs) {
    std::unique_lock<std::mutex> lock(mutex_);
    auto ready = [this] { return slots_.empty() ? sourceEnded_ : slots_.front().state == State::Ready; };
    if (!changed_.wait_for(lock, std::chrono::milliseconds(waitMs), ready)) return Taken::NotYet;
    if (slots_.empty()) {
        if (sourceError_) std::rethrow_exception(std::exchange(sourceError_, nullptr));
        return Taken::End;
    }
    item = std::move(slots_.front().item);
    slots_.pop_front();
    ++taken_;
    bytesAhead_ -= static_cast<long long>(item.bytes.size());
    changed_.notify_all();
    return Taken::Item;
}

void FileReadAhead::GiveBack(std::string bytes) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (spare_.size() < kSpareStorage && bytes.capacity() > 0) {
        bytes.clear();
        spare_.push_back(std::move(bytes));
    }
}

}  // namespace tavrin
