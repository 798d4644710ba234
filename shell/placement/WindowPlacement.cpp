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
    window.setOuterGeometry(
        QRect(toPixels(p.x), toPixels(p.y), toPixels(p.width), toPixels(p.height)));
}

void WindowPlacement::SavePlacement(QWidget& window) {
    SavePlacement(WidgetPlacementTarget(window, window));
}

void WindowPlacement::RestorePlacement(QWidget& window, const QWidget& inner) {
    WidgetPlacementTarget target(window, inner);
    RestorePlacement(target);
}

} // namespace shell
