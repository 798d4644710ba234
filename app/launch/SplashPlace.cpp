#include "app/launch/SplashPlace.h"

#include <algorithm>

namespace launch {

namespace {

Rect meet(const Rect& a, const Rect& b) {
    const int left = std::max(a.x, b.x);
    const int top = std::max(a.y, b.y);
    const int right = std::min(a.x + a.width, b.x + b.width);
    const int bottom = std::min(a.y + a.height, b.y + b.height);
    return Rect{left, top, std::max(0, right - left), std::max(0, bottom - top)};
}

// A rectangle's centre as Qt's QRect::center() gives it.
int middle(int start, int length) {
    return start + (length - 1) / 2;
}

} // namespace

Point splashPlace(const Screen& screen, int width, int height) {
    Rect monitor = screen.whole;
    if (!screen.monitors.empty()) {
        monitor = screen.monitors.front().rect;
        for (const Monitor& m : screen.monitors) {
            if (m.primary) {
                monitor = m.rect;
                break;
            }
        }
    }
    Rect area = monitor;
    if (screen.monitors.size() <= 1 || screen.relyOnWorkArea)
        area = meet(monitor, screen.workArea.value_or(screen.whole));
    return Point{middle(area.x, area.width) - (width - 1) / 2,
                 middle(area.y, area.height) - (height - 1) / 2};
}

} // namespace launch
