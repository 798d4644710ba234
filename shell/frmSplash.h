#pragma once

#include <QWidget>

#include <functional>

class QLabel;
class QTimer;

namespace shell {

// How long the splash stays up. Tests shorten both from here.
struct SplashTimings {
    int showDocumentMs = 1950; // Timer2: shows the document window
    int closeMs = 2000;        // Timer1: closes the splash
};

// The frameless start-up picture, centred on the screen.
class frmSplash : public QWidget {
    Q_OBJECT
public:
    frmSplash(SplashTimings timings, std::function<void()> showDocument, QWidget* parent = nullptr);

    QTimer* Timer1() const { return timer1_; }
    QTimer* Timer2() const { return timer2_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::function<void()> showDocument_;
    QLabel* Image1_;
    QTimer* timer1_;
    QTimer* timer2_;
};

} // namespace shell
