#include "editor/recovery/RecoveryWriter.h"

#include "editor/recovery/RecoveryStore.h"

namespace editor {

RecoveryWriter::RecoveryWriter(const RecoveryStore& store)
    : store_(store), thread_([this] { run(); }) {}

RecoveryWriter::~RecoveryWriter() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

void RecoveryWriter::write(RecoveryCopy copy) {
    {
        std::lock_guard lock(mutex_);
        pendingWrite_ = std::move(copy);
    }
    wake_.notify_one();
}

void RecoveryWriter::remove() {
    {
        std::lock_guard lock(mutex_);
        pendingWrite_.reset();
        pendingRemove_ = true;
    }
    wake_.notify_one();
}

void RecoveryWriter::flush() {
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return !busy_ && !pendingWrite_ && !pendingRemove_; });
}

void RecoveryWriter::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || pendingWrite_ || pendingRemove_; });
        if (!pendingWrite_ && !pendingRemove_)
            return; // stopping, nothing left to do
        // A removal asked after a write drops that write (see remove()), so a
        // removal still pending here comes after any write taken below.
        const bool removeFirst = pendingRemove_;
        std::optional<RecoveryCopy> copy = std::move(pendingWrite_);
        pendingWrite_.reset();
        pendingRemove_ = false;
        busy_ = true;
        lock.unlock();
        if (removeFirst)
            store_.remove();
        if (copy)
            store_.write(*copy);
        lock.lock();
        busy_ = false;
        idle_.notify_all();
    }
}

} // namespace editor
