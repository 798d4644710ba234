#include "platform/system/MinuteClock.h"

#include <QSocketNotifier>
#include <QTimer>

#include <cstdint>
#include <ctime>
#include <sys/timerfd.h>
#include <unistd.h>

namespace platform {

MinuteClock::MinuteClock(QObject* parent) : QObject(parent) {
    fd_ = ::timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (fd_ < 0) {
        fallback_ = new QTimer(this);
        connect(fallback_, &QTimer::timeout, this, &MinuteClock::turned);
        fallback_->start(1000);
        return;
    }
    notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &MinuteClock::fire);
    arm();
}

MinuteClock::~MinuteClock() {
    if (fd_ >= 0)
        ::close(fd_);
}

void MinuteClock::arm() {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    // Every zone's offset is whole minutes, so the minute turns together in
    // all of them.
    itimerspec next{};
    next.it_value.tv_sec = (now.tv_sec / 60 + 1) * 60;
    ::timerfd_settime(fd_, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &next, nullptr);
}

void MinuteClock::fire() {
    // Either the minute turned or the clock was set (the read fails with
    // ECANCELED): the time shown is stale in both cases.
    std::uint64_t expirations = 0;
    [[maybe_unused]] const auto read = ::read(fd_, &expirations, sizeof expirations);
    arm();
    emit turned();
}

} // namespace platform
