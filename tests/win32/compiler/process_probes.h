// What the build tests look at from outside the driver: the ids of the fake
// compiler's processes (its "pid" directive), whether they ended, the test
// program's committed memory, and how fast a window answers while it is busy.
#pragma once

#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "test_files.h"

namespace tavrin::test {

// The process ids written to the file, one per line.
inline std::vector<DWORD> ReadProcessIds(const std::string& path) {
    std::istringstream lines(ReadAll(path));
    std::vector<DWORD> ids;
    for (DWORD id = 0; lines >> id;) ids.push_back(id);
    return ids;
}

// True when the process has ended (or is gone) within the time.
inline bool ProcessEnded(DWORD id, DWORD milliseconds) {
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, id);
    if (!process) return true;
    bool ended = WaitForSingleObject(process, milliseconds) == WAIT_OBJECT_0;
    CloseHandle(process);
    return ended;
}

// Ends the processes (a test's safety net when a stop did not work).
inline void TerminateProcesses(const std::vector<DWORD>& ids) {
    for (DWORD id : ids)
        if (HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, id)) {
            TerminateProcess(process, 9);
            CloseHandle(process);
        }
}

// The memory the process has committed (Wine leaves PrivateUsage at 0 but
// keeps this count).
inline size_t CommittedBytes() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.PagefileUsage;
}

// Sends WM_NULL to a window every 50 ms from a thread of its own and keeps
// how long the window took to answer each time: a user-interface thread that
// blocks shows up as long answers (or the 5 s time-out).
class ResponsivenessProbe {
public:
    explicit ResponsivenessProbe(HWND window) : window_(window), thread_([this] { Run(); }) {}
    ~ResponsivenessProbe() { Stop(nullptr); }

    // Ends the probing; pump runs the window's messages meanwhile, since the
    // last probe may wait for them.
    void Stop(const std::function<void()>& pump) {
        stop_ = true;
        while (!finished_)
            if (pump) pump();
            else Sleep(10);
        if (thread_.joinable()) thread_.join();
    }
    // The answer times in milliseconds (read them after Stop).
    const std::vector<long>& Answers() const { return answers_; }
    long Longest() const {
        return answers_.empty() ? 0 : *std::max_element(answers_.begin(), answers_.end());
    }
    double Mean() const {
        double sum = 0;
        for (long answer : answers_) sum += answer;
        return answers_.empty() ? 0.0 : sum / answers_.size();
    }
    size_t SlowerThan(long milliseconds) const {
        return std::count_if(answers_.begin(), answers_.end(),
                             [&](long answer) { return answer >= milliseconds; });
    }

private:
    void Run() {
        while (!stop_) {
            auto start = std::chrono::steady_clock::now();
            DWORD_PTR result = 0;
            SendMessageTimeoutA(window_, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result);
            answers_.push_back(static_cast<long>(
                std::chrono::duration_cast<std::chrono::milliseconds>(
                    std::chrono::steady_clock::now() - start)
                    .count()));
            Sleep(50);
        }
        finished_ = true;
    }

    HWND window_;
    std::atomic<bool> stop_{false}, finished_{false};
    std::vector<long> answers_;  // written by the probing thread only, until it ends
    std::thread thread_;
};

}  // namespace tavrin::test
