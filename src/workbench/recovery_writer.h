// Writes the copies of pages into the recovery session on a thread of its
// own, so that the UI thread only takes a copy of a page's text: encoding
// and writing a large page never hold up typing. Jobs run in the order they
// are given; a write that still waits is replaced by a newer write of the
// same page, so a burst of changes costs one write.
#pragma once

#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "common/text_codec.h"
#include "workbench/recovery_store.h"

namespace tavrin {

class RecoveryWriter {
public:
    explicit RecoveryWriter(RecoverySession& session);
    // Stops the thread (see Stop).
    ~RecoveryWriter();
    RecoveryWriter(const RecoveryWriter&) = delete;
    RecoveryWriter& operator=(const RecoveryWriter&) = delete;

    // The page's text (as the editor holds it) in its format, written as the
    // page would save it.
    void Write(int id, RecoveryPageInfo info, std::string text, TextFormat format);
    void Remove(int id);
    // Waits until every job given so far has run.
    void Flush();
    // Ends the thread: jobs still waiting are dropped, a running one ends
    // first. Afterwards the session is the caller's alone. Jobs given later
    // are dropped.
    void Stop();
    // The pages whose last write failed since the previous call.
    std::vector<int> TakeFailures();

private:
    struct Job {
        bool remove = false;
        int id = 0;
        RecoveryPageInfo info;
        std::string text;
        TextFormat format;
    };
    void Run();

    RecoverySession& session_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Job> jobs_;
    std::vector<int> failures_;
    bool running_ = false;  // a job is being run
    bool stopping_ = false;
    std::thread thread_;
};

}  // namespace tavrin
