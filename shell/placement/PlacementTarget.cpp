#include "shell/placement/PlacementTarget.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace shell {

namespace {

// A window placed before it is shown has no frame yet, so its outer size
// cannot be split into frame and client. Once the window manager has framed
// it, this takes the frame off the client size, unless the window has been
// resized meanwhile.
class FrameFitter final : public QObject {
public:
    FrameFitter(QWidget& window, QSize outer) : QObject(&window), window_(window) {
        setObjectName(QStringLiteral("FrameFitter"));
        window.installEventFilter(this);
        aim(outer);
    }
    void aim(QSize outer) {
        outer_ = outer;
        client_ = window_.size();
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        const QEvent::Type t = event->type();
        if (t == QEvent::Move || t == QEvent::Resize || t == QEvent::Show)
            fit();
        return false;
    }

private:
    void fit() {
        // Hidden also while the window is being destroyed.
        if (!window_.isVisible())
            return;
        const QSize frame = window_.frameGeometry().size() - window_.size();
        if (frame.isNull())
            return;
        if (window_.size() == client_ && window_.windowState() == Qt::WindowNoState)
            window_.resize(outer_ - frame);
        window_.removeEventFilter(this);
        deleteLater();
    }

    QWidget& window_;
    QSize outer_;
    QSize client_;
};

} // namespace

QRect WidgetPlacementTarget::outerGeometry() const {
    return window_.isWindow() ? window_.frameGeometry() : window_.geometry();
}

QSize WidgetPlacementTarget::innerSize() const {
    return inner_.size();
}

int WidgetPlacementTarget::windowState() const {
    const Qt::WindowStates states = window_.windowState();
    if (states & Qt::WindowMinimized)
        return 1;
    if (states & Qt::WindowMaximized)
        return 2;
    return 0;
}

void WidgetPlacementTarget::setWindowState(int state) {
    const Qt::WindowStates others =
        window_.windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized);
    const Qt::WindowStates wanted = state == 1   ? Qt::WindowMinimized
                                    : state == 2 ? Qt::WindowMaximized
                                                 : Qt::WindowNoState;
    window_.setWindowState(others | wanted);
}

void WidgetPlacementTarget::setOuterGeometry(const QRect& outer) {
    const QSize frame = outerGeometry().size() - window_.size();
    // move() places a top-level window's frame, not its client area.
    window_.move(outer.topLeft());
    window_.resize((outer.size() - frame).expandedTo(QSize(0, 0)));
    if (window_.isWindow() && frame.isNull() && !window_.isVisible()) {
        // FrameFitter has no meta-object of its own, so look it up by name.
        auto* fitter = dynamic_cast<FrameFitter*>(
            window_.findChild<QObject*>(QStringLiteral("FrameFitter"), Qt::FindDirectChildrenOnly));
        if (fitter)
            fitter->aim(outer.size());
        else
            new FrameFitter(window_, outer.size());
    }
}

QList<QRect> WidgetPlacementTarget::screens() const {
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens())
        areas << screen->availableGeometry();
    if (window_.isWindow() || areas.isEmpty())
        return areas;
    // A sub-window lies in its frame's scrolling area: any place within the
    // extent of the screens can be scrolled to.
    QRect all;
    for (const QRect& a : areas)
        all |= a;
    return {QRect(QPoint(0, 0), all.size())};
}

bool WidgetPlacementTarget::topLevel() const {
    return window_.isWindow();
}

QRect WidgetPlacementTarget::fitArea(const QRect& outer) const {
    if (!window_.isWindow())
        return window_.parentWidget() ? window_.parentWidget()->rect() : outer;
    const QScreen* screen = QGuiApplication::screenAt(outer.center());
    if (!screen)
        screen = window_.screen();
    return screen ? screen->availableGeometry() : outer;
}

} // namespace shell
