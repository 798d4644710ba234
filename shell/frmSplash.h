#pragma once

#include <QImage>
#include <QWidget>

#include <functional>

class QLabel;
class QTimer;

namespace shell {

// How long the splash stays up, counted from the program's start: the time
// it took to show the splash comes off both timers.
struct SplashTimings {
    int showDocumentMs = 1950; // Timer2: shows the document window
    int closeMs = 2000;        // Timer1: closes the splash
    std::function<qint64()> startedMsAgo = [] { return qint64(0); };
};

// The frameless start-up picture, centred on the screen.
//
// Invariant: the document window is shown exactly once before the splash
// closes, whichever timer event arrives first. Coarse timers on a loaded
// machine deliver the two ticks 50 ms apart in either order, so the order is
// kept by the slots, not by the intervals.
class frmSplash : public QWidget {
    Q_OBJECT
public:
    // `picture` is the splash picture already decoded (the launcher holds
    // one); without it the splash decodes its own.
    frmSplash(SplashTimings timings, std::function<void()> showDocument, QImage picture = {},
              QWidget* parent = nullptr);

    QTimer* Timer1() const { return timer1_; }
    QTimer* Timer2() const { return timer2_; }

    // The timers' slots, public so tests deliver the ticks in any order.
    void Timer1_Timer();
    void Timer2_Timer();

signals:
    // After the splash has closed; the application checks whether any window is left.
    void closed();
    // Once, when the splash's picture is first on the screen.
    void painted();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> showDocument_;
    QLabel* Image1_;
    QTimer* timer1_;
    QTimer* timer2_;
    SplashTimings timings_;
    bool documentShown_ = false;
    bool closed_ = false;
    bool painted_ = false;
};

// Ends the program when none of its windows is open any more. Qt quits on the
// last closed window only for ordinary windows; a splash does not count, so a
// program that lost its frame would otherwise linger invisibly.
void quitWhenNoWindowIsOpen();

} // namespace shell
