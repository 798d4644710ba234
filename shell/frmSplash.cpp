#include "shell/frmSplash.h"

#include "shell/ProgramIcon.h"
#include "shell/SplashSize.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <algorithm>

namespace shell {

frmSplash::frmSplash(SplashTimings timings, std::function<void()> showDocument, QImage picture,
                     QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      showDocument_(std::move(showDocument)), Image1_(new QLabel(this)), timer1_(new QTimer(this)),
      timer2_(new QTimer(this)), timings_(std::move(timings)) {
    setObjectName(QStringLiteral("frmSplash"));
    initShellResources();
    // The application's icon, set before: decoding it again costs the start 10 ms.
    setAttribute(Qt::WA_DeleteOnClose, false);
    Image1_->setObjectName(QStringLiteral("Image1"));
    // Not through the pixmap cache, which would keep the picture for the
    // whole run; the decoder's plugin is loaded only when no picture is given.
    if (picture.isNull())
        picture = QImage(QStringLiteral(":/shell/splash.jpg"), "JPG");
    Image1_->setPixmap(QPixmap::fromImage(picture));
    Image1_->setGeometry(0, 0, kSplashWidth, kSplashHeight);
    setFixedSize(kSplashWidth, kSplashHeight);

    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer2_->setObjectName(QStringLiteral("Timer2"));
    connect(timer2_, &QTimer::timeout, this, &frmSplash::Timer2_Timer);
    connect(timer1_, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
}

void frmSplash::Timer2_Timer() {
    // A tick queued before the close was handled must not reopen anything.
    if (closed_)
        return;
    documentShown_ = true;
    showDocument_();
}

void frmSplash::Timer1_Timer() {
    if (closed_)
        return;
    // We choose: a close tick that overtook the show tick shows the document
    // first, so the window appears 50 ms late rather than never.
    if (!documentShown_)
        Timer2_Timer();
    closed_ = true;
    timer1_->stop();
    timer2_->stop();
    close();
    // The picture is not shown again.
    Image1_->clear();
    emit closed();
}

void frmSplash::showEvent(QShowEvent* event) {
    if (windowHandle() && !painted_)
        windowHandle()->installEventFilter(this);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    if (!closed_ && !timer1_->isActive() && !timer2_->isActive()) {
        // Both keep their order: the same time comes off each.
        const int spent = static_cast<int>(
            std::clamp<qint64>(timings_.startedMsAgo(), 0, timings_.showDocumentMs));
        timer2_->start(timings_.showDocumentMs - spent);
        timer1_->start(timings_.closeMs - spent);
    }
    QWidget::showEvent(event);
}

bool frmSplash::eventFilter(QObject* watched, QEvent* event) {
    // Painted before the window manager has mapped the window, the picture
    // is not on the screen yet; it is once the window is exposed, and the
    // expose's own paint has gone out by the next turn of the event loop.
    if (!painted_ && watched == windowHandle() && event->type() == QEvent::Expose &&
        windowHandle()->isExposed()) {
        painted_ = true;
        windowHandle()->removeEventFilter(this);
        QTimer::singleShot(0, this, &frmSplash::painted);
    }
    return QWidget::eventFilter(watched, event);
}

void quitWhenNoWindowIsOpen() {
    for (const QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible())
            return;
    }
    QCoreApplication::quit();
}

} // namespace shell
