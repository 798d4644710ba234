#pragma once

#include <QList>
#include <QRect>
#include <QSize>

class QWidget;

namespace shell {

// What placement memory reads and sets on a window, in pixels. Outer means
// with the window manager's frame: stored sizes are outer sizes.
class PlacementTarget {
public:
    virtual ~PlacementTarget() = default;
    virtual QRect outerGeometry() const = 0;
    virtual QSize innerSize() const = 0;
    virtual int windowState() const = 0; // 0 normal, 1 minimized, 2 maximized
    virtual void setWindowState(int state) = 0;
    // Moves and sizes the window in its normal state.
    virtual void setOuterGeometry(const QRect& outer) = 0;
    // The areas the window must show on.
    virtual QList<QRect> screens() const = 0;
    // A top-level window on a screen, or a child inside its parent's client area.
    virtual bool topLevel() const = 0;
    // Where the window placed at `outer` must lie: the available area of the
    // screen it is on, or its parent's client area.
    virtual QRect fitArea(const QRect& outer) const = 0;
};

// A top-level window, or an MDI sub-window inside its frame.
class WidgetPlacementTarget final : public PlacementTarget {
public:
    WidgetPlacementTarget(QWidget& window, const QWidget& inner) : window_(window), inner_(inner) {}

    QRect outerGeometry() const override;
    QSize innerSize() const override;
    int windowState() const override;
    void setWindowState(int state) override;
    void setOuterGeometry(const QRect& outer) override;
    QList<QRect> screens() const override;
    bool topLevel() const override;
    QRect fitArea(const QRect& outer) const override;

private:
    QWidget& window_;
    const QWidget& inner_;
};

} // namespace shell
