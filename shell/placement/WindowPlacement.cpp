#include "shell/placement/WindowPlacement.h"

#include "core/Twips.h"
#include "shell/placement/Placement.h"
#include "shell/placement/PlacementTarget.h"

#include <QWidget>

#include <cmath>

namespace shell {

namespace {

float toTwips(int pixels) {
    return static_cast<float>(pixels * core::kTwipsPerPixel);
}
int toPixels(float twips) {
    return static_cast<int>(std::lround(twips / core::kTwipsPerPixel));
}

} // namespace

WindowPlacement::WindowPlacement(platform::SettingsStore& store, QString section)
    : store_(store), section_(std::move(section)) {}

void WindowPlacement::SavePlacement(const PlacementTarget& window) const {
    // Outer values, as the window reports them in its current state.
    const QRect outer = window.outerGeometry();
    Placement p;
    p.width = toTwips(outer.width());
    p.height = toTwips(outer.height());
    p.x = toTwips(outer.x());
    p.y = toTwips(outer.y());
    p.windowState = window.windowState();
    writePlacement(store_, section_, p);
}

void WindowPlacement::RestorePlacement(PlacementTarget& window) const {
    const QSize inner = window.innerSize();
    const Placement p = readPlacement(store_, section_, toTwips(inner.width()),
                                      toTwips(inner.height()), window.screens());
    window.setWindowState(p.windowState);
    if (p.windowState != 0)
        return;
    QRect outer(toPixels(p.x), toPixels(p.y), toPixels(p.width), toPixels(p.height));
    if (window.topLevel()) {
        // We choose: a frame without a stored size keeps the one it has (its
        // set-up size) and, without a stored place, is centred on its screen.
        // The table's defaults would shrink it below its document window.
        const QRect current = window.outerGeometry();
        if (!p.stored.width)
            outer.setWidth(current.width());
        if (!p.stored.height)
            outer.setHeight(current.height());
        const QRect area = window.fitArea(outer.isValid() ? outer : current);
        const QSize size = outer.size().boundedTo(area.size());
        if (!p.stored.x)
            outer.moveLeft(area.x() + (area.width() - size.width()) / 2);
        if (!p.stored.y)
            outer.moveTop(area.y() + (area.height() - size.height()) / 2);
        outer = fitOnScreen(outer, area);
    } else {
        outer = fitInParent(outer, window.fitArea(outer));
    }
    window.setOuterGeometry(outer);
}

void WindowPlacement::keepInside(PlacementTarget& window) const {
    if (window.windowState() != 0)
        return;
    const QRect outer = window.outerGeometry();
    const QRect fitted = window.topLevel() ? fitOnScreen(outer, window.fitArea(outer))
                                           : fitInParent(outer, window.fitArea(outer));
    if (fitted != outer)
        window.setOuterGeometry(fitted);
}

void WindowPlacement::SavePlacement(QWidget& window) {
    SavePlacement(WidgetPlacementTarget(window, window));
}

void WindowPlacement::RestorePlacement(QWidget& window, const QWidget& inner) {
    WidgetPlacementTarget target(window, inner);
    RestorePlacement(target);
}

void WindowPlacement::keepInside(QWidget& window) {
    WidgetPlacementTarget target(window, window);
    keepInside(target);
}

} // namespace shell
