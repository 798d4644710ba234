#include "shell/frmSplash.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

// Resources of a static library must be registered by name, outside any namespace.
static void initShellResources() {
    Q_INIT_RESOURCE(shell);
}

namespace shell {

frmSplash::frmSplash(SplashTimings timings, std::function<void()> showDocument, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      showDocument_(std::move(showDocument)), Image1_(new QLabel(this)), timer1_(new QTimer(this)),
      timer2_(new QTimer(this)) {
    initShellResources();
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    Image1_->setObjectName(QStringLiteral("Image1"));
    Image1_->setPixmap(QPixmap(QStringLiteral(":/shell/splash.jpg")));
    Image1_->setGeometry(0, 0, 450, 290);
    setFixedSize(450, 290);

    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer2_->setObjectName(QStringLiteral("Timer2"));
    timer1_->setInterval(timings.closeMs);
    timer2_->setInterval(timings.showDocumentMs);
    connect(timer2_, &QTimer::timeout, this, [this] { showDocument_(); });
    connect(timer1_, &QTimer::timeout, this, [this] {
        timer1_->stop();
        timer2_->stop();
        close();
    });
}

void frmSplash::showEvent(QShowEvent* event) {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    if (!timer1_->isActive() && !timer2_->isActive()) {
        timer2_->start();
        timer1_->start();
    }
    QWidget::showEvent(event);
}

} // namespace shell
