// Reads the files of a search ahead of it on helper threads, so that waiting
// for the disk (and, under Wine, for its server) overlaps with the searching
// on the user-interface thread. The helpers only read bytes: every file comes
// back, in the order given, to the thread that takes it; nothing else is
// shared. Destroying the reader stops the helpers after the file each is
// reading.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "common/string_list.h"

namespace tavrin {

class FileReadAhead {
public:
    // At most window files are held ahead of the taker.
    explicit FileReadAhead(unsigned threads = 2, std::size_t window = 48);
    ~FileReadAhead();
    FileReadAhead(const FileReadAhead&) = delete;
    FileReadAhead& operator=(const FileReadAhead&) = delete;

    // Files to read after those added before.
    void Add(const std::vector<std::string>& files);
    // Files added and not taken yet.
    std::size_t Pending() const;
    // The next file in order (waits for it); false when none is pending.
    // bytes receives its content (its storage is reused).
    bool Next(std::string& path, std::string& bytes, FileReadStatus& status);

private:
    struct Slot {
        std::string bytes;
        FileReadStatus status = FileReadStatus::Failed;
        bool ready = false;
    };
    void Work();

    std::vector<std::string> files_;
    std::size_t window_;
    unsigned threads_;
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Slot> slots_;        // files first_ .. first_ + slots_.size() - 1
    std::size_t first_ = 0;         // the next file to hand out
    std::size_t claimed_ = 0;       // the next file a helper starts on
    std::vector<std::string> spare_;  // storage given back, for the helpers to reuse
    bool stopping_ = false;
    bool takerWaiting_ = false;
    unsigned helpersWaiting_ = 0;
    std::vector<std::thread> helpers_;
};

}  // namespace tavrin
