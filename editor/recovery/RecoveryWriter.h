#pragma once

#include "editor/recovery/RecoveryCopy.h"

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

namespace editor {

class RecoveryStore;

// Writes and removes this program's recovery copy on a thread of its own, so
// a large document never stalls the interface. Requests are carried out in
// order; a newer copy replaces one still waiting, and a removal drops it, so
// a removed copy never comes back from a write that was already queued.
class RecoveryWriter {
public:
    explicit RecoveryWriter(const RecoveryStore& store);
    // Finishes what was asked, then stops.
    ~RecoveryWriter();
    RecoveryWriter(const RecoveryWriter&) = delete;
    RecoveryWriter& operator=(const RecoveryWriter&) = delete;

    void write(RecoveryCopy copy);
    void remove();
    // Waits until everything asked so far is done.
    void flush();

private:
    void run();

    const RecoveryStore& store_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::optional<RecoveryCopy> pendingWrite_;
    bool pendingRemove_ = false;
    bool busy_ = false;
    bool stopping_ = false;
    std::thread thread_; // last: starts once everything above exists
};

} // namespace editor
