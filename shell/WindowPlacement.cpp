#include "shell/WindowPlacement.h"

#include "editor/AppTitle.h"
#include "shell/Placement.h"

#include <QWidget>

#include <cmath>

namespace shell {

namespace {

float toTwips(int pixels) {
    return static_cast<float>(pixels * editor::kTwipsPerPixel);
}
int toPixels(float twips) {
    return static_cast<int>(std::lround(twips / editor::kTwipsPerPixel));
}

int stateCode(Qt::WindowStates states) {
    if (states & Qt::WindowMinimized)
        return 1;
    if (states & Qt::WindowMaximized)
        return 2;
    return 0;
}

} // namespace

WindowPlacement::WindowPlacement(platform::SettingsStore& store, QString section)
    : store_(store), section_(std::move(section)) {}

void WindowPlacement::SavePlacement(const QWidget& window) const {
    // Outer values, as the window reports them in its current state.
    const QRect outer = window.isWindow() ? window.frameGeometry() : window.geometry();
    Placement p;
    p.width = toTwips(outer.width());
    p.height = toTwips(outer.height());
    p.x = toTwips(outer.x());
    p.y = toTwips(outer.y());
    p.windowState = stateCode(window.windowState());
    writePlacement(store_, section_, p);
}

void WindowPlacement::RestorePlacement(QWidget& window, const QWidget& inner) const {
    const Placement p =
        readPlacement(store_, section_, toTwips(inner.width()), toTwips(inner.height()));
    const Qt::WindowStates others =
        window.windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized);
    switch (p.windowState) {
    case 1:
        window.setWindowState(others | Qt::WindowMinimized);
        return;
    case 2:
        window.setWindowState(others | Qt::WindowMaximized);
        return;
    default:
        window.setWindowState(others);
        break;
    }
    // Sizes are outer sizes: take off what the window manager's frame adds.
    const QRect outer = window.isWindow() ? window.frameGeometry() : window.geometry();
    const int extraW = outer.width() - window.width();
    const int extraH = outer.height() - window.height();
    window.move(toPixels(p.x), toPixels(p.y));
    window.resize(std::max(0, toPixels(p.width) - extraW),
                  std::max(0, toPixels(p.height) - extraH));
}

} // namespace shell
