#pragma once

#include <QObject>

class QSocketNotifier;
class QTimer;

namespace platform {

// Wakes when the wall clock's minute turns, and only then: a timer on the
// real-time clock, so it keeps to the minute across a suspend, and a change
// of the clock wakes it at once. Where no such timer can be made it ticks
// every second instead.
class MinuteClock : public QObject {
    Q_OBJECT
public:
    explicit MinuteClock(QObject* parent = nullptr);
    ~MinuteClock() override;

signals:
    void turned();

private:
    void arm();
    void fire();

    int fd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
    QTimer* fallback_ = nullptr;
};

} // namespace platform
