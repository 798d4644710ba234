#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace editor {

// Runs the recovery copies' file work on a thread of its own, in the order it
// was asked, so that syncing to disk never stalls the interface.
class RecoveryWriter {
public:
    RecoveryWriter();
    // Finishes what was asked, then stops.
    ~RecoveryWriter();
    RecoveryWriter(const RecoveryWriter&) = delete;
    RecoveryWriter& operator=(const RecoveryWriter&) = delete;

    void post(std::function<void()> job);
    // Waits until everything asked so far is done.
    void flush();

private:
    void run();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::deque<std::function<void()>> jobs_;
    bool busy_ = false;
    bool stopping_ = false;
    std::thread thread_; // last: starts once everything above exists
};

} // namespace editor
