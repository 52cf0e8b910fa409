// Reads the files of a search ahead of the thread that searches them, on two
// threads of its own: opening, reading and closing a file costs far more than
// searching its text (under Wine each open and each close is a call to the
// Wine server), and files read side by side, while the searching thread
// searches those already read, take a fraction of the time. The files come
// from a source in portions (a folder's files at a time), which the reading
// threads ask for in turn when they run short; the searching thread takes
// the files in the source's order. The reading stays a bounded distance
// ahead (files and bytes), so a search that is stopped read little for
// nothing and a large tree never sits in memory at once.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <exception>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "common/platform_files.h"

namespace tavrin {

struct AheadFile {
    std::string path;
    FileStamp stamp;
    bool read = true;  // false: the searching thread has the text another way (only the place is wanted)
};

// One portion of the source: a folder (may be "") and its files.
struct AheadPortion {
    std::string folder;
    std::vector<AheadFile> files;
};

// What the searching thread takes: the start of a portion's folder (file.path
// empty), or a file with its bytes when it was to be read.
struct AheadItem {
    std::string folder;  // the folder of the portion
    AheadFile file;
    bool startsFolder = false;
    FileReadStatus status = FileReadStatus::Failed;
    std::string bytes;
};

class FileReadAhead {
public:
    // Fills the portion and returns true, or returns false when there is no
    // more. Called on the reading threads, never two calls at once.
    using Source = std::function<bool(AheadPortion& portion)>;

    static constexpr std::size_t kFilesAhead = 64;
    static constexpr std::size_t kBytesAhead = 16u << 20;

    explicit FileReadAhead(Source source, int threads = 2);
    // Stops the reading and waits for the threads.
    ~FileReadAhead();
    FileReadAhead(const FileReadAhead&) = delete;
    FileReadAhead& operator=(const FileReadAhead&) = delete;

    enum class Taken { Item, NotYet, End };
    // The next item in order; NotYet when it is not read within waitMs (the
    // caller may let window messages run and ask again); End after the last.
    // An exception the source threw comes out here, after the items before it.
    Taken Next(AheadItem& item, unsigned waitMs);
    // Storage of a taken item's bytes, for a later file.
    void GiveBack(std::string bytes);

private:
    enum class State { Waiting, Reading, Ready };
    struct Slot {
        AheadItem item;
        State state = State::Waiting;
    };

    void Work();
    // With the lock held: asks the source for a portion (the lock is let go meanwhile).
    void FetchPortion(std::unique_lock<std::mutex>& lock);
    // With the lock held: whether a file may be read now without running too far ahead.
    bool MayReadAhead(std::size_t index) const;

    Source source_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Slot> slots_;        // from the next item to take on
    std::size_t taken_ = 0;         // items taken (the index of slots_.front())
    std::size_t nextToRead_ = 0;    // index of the first slot no thread has looked at
    long long bytesAhead_ = 0;      // bytes read or being read (by the listed size) and not yet taken
    bool fetching_ = false, sourceEnded_ = false, stopping_ = false;
    std::exception_ptr sourceError_;
    std::vector<std::string> spare_;  // storage given back
    std::vector<std::thread> threads_;
};

}  // namespace tavrin
