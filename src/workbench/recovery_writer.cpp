#include "workbench/recovery_writer.h"

#include <algorithm>
#include <utility>

namespace tavrin {

RecoveryWriter::RecoveryWriter(RecoverySession& session) : session_(session), thread_([this] { Run(); }) {}

RecoveryWriter::~RecoveryWriter() { Stop(); }

void RecoveryWriter::Write(int id, RecoveryPageInfo info, std::string text, TextFormat format) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (stopping_) return;
    auto waiting = std::find_if(jobs_.begin(), jobs_.end(), [id](const Job& job) { return job.id == id && !job.remove; });
    Job& job = waiting != jobs_.end() ? *waiting : jobs_.emplace_back();
    job.id = id;
    job.info = std::move(info);
    job.text = std::move(text);
    job.format = std::move(format);
    changed_.notify_all();
}

void RecoveryWriter::Remove(int id) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (stopping_) return;
    // A write that waits would only make the files the removal takes away.
    jobs_.erase(std::remove_if(jobs_.begin(), jobs_.end(), [id](const Job& job) { return job.id == id; }), jobs_.end());
    Job& job = jobs_.emplace_back();
    job.remove = true;
    job.id = id;
    changed_.notify_all();
}

void RecoveryWriter::Flush() {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [this] { return (jobs_.empty() && !running_) || stopping_; });
}

void RecoveryWriter::Stop() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
        jobs_.clear();
        changed_.notify_all();
    }
    if (thread_.joinable()) thread_.join();
}

std::vector<int> RecoveryWriter::TakeFailures() {
    std::lock_guard<std::mutex> lock(mutex_);
    return std::exchange(failures_, {});
}

void RecoveryWriter::Run() {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return !jobs_.empty() || stopping_; });
        if (stopping_) return;
        Job job = std::move(jobs_.front());
        jobs_.pop_front();
        running_ = true;
        lock.unlock();
        bool written = true;
        if (job.remove) session_.RemovePage(job.id);
        else written = session_.WritePage(job.id, job.info, EncodeSourceText(job.text, job.format));
        lock.lock();
        running_ = false;
        if (!written) failures_.push_back(job.id);
        changed_.notify_all();
    }
}

}  // namespace tavrin
