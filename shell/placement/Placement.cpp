#include "shell/placement/Placement.h"

#include "core/AppIdentity.h"
#include "core/Twips.h"
#include "platform/settings/SettingsStore.h"

#include <algorithm>
#include <cmath>

namespace shell {

namespace {

// The smallest window that still shows a title bar with its buttons, and the
// part of that bar that must lie on a screen to be grabbed, in pixels.
constexpr double kMinWidth = 64;
constexpr double kMinHeight = 32;
constexpr double kGripWidth = 32;
constexpr double kGripHeight = 8;

float readNumber(const platform::SettingsStore& store, const QString& section, const char* key,
                 float fallback, bool& stored) {
    const QString text = store.read(core::kAppTitle, section, QLatin1String(key), QString());
    bool ok = false;
    const float value = text.trimmed().toFloat(&ok);
    stored = ok && std::isfinite(value);
    return stored ? value : fallback;
}

double px(float twips) {
    return static_cast<double>(twips) / core::kTwipsPerPixel;
}

QRect extent(const QList<QRect>& screens) {
    QRect all;
    for (const QRect& s : screens)
        all |= s;
    return all;
}

// A size fits when it shows a title bar and stays within twice the extent of
// all screens together (a 32767-pixel window costs gigabytes to paint).
bool widthFits(float width, const QList<QRect>& screens) {
    return px(width) >= kMinWidth && px(width) <= 2.0 * extent(screens).width();
}
bool heightFits(float height, const QList<QRect>& screens) {
    return px(height) >= kMinHeight && px(height) <= 2.0 * extent(screens).height();
}

// The title bar can be grabbed when enough of it lies on one screen.
bool leftFits(const Placement& p, const QRect& s) {
    const double left = px(p.x);
    const double right = left + px(p.width);
    return std::min<double>(right, s.x() + s.width()) - std::max<double>(left, s.x()) >= kGripWidth;
}
bool topFits(const Placement& p, const QRect& s) {
    const double top = px(p.y);
    return top >= s.y() && s.y() + s.height() - top >= kGripHeight;
}
bool positionFits(const Placement& p, const QList<QRect>& screens) {
    return std::any_of(screens.begin(), screens.end(),
                       [&](const QRect& s) { return leftFits(p, s) && topFits(p, s); });
}

} // namespace

QString placementText(float twips) {
    return QString::number(static_cast<double>(twips), 'g', 7);
}

Placement readPlacement(const platform::SettingsStore& store, const QString& section,
                        float innerWidth, float innerHeight, const QList<QRect>& screens) {
    Placement p;
    p.width = readNumber(store, section, "Width", 10620, p.stored.width);
    p.height = readNumber(store, section, "Height", 6030, p.stored.height);
    p.x = readNumber(store, section, "X", innerWidth / 2, p.stored.x);
    p.y = readNumber(store, section, "Y", innerHeight / 2, p.stored.y);
    bool stateStored = false;
    const float state = readNumber(store, section, "WindowState", 0, stateStored);
    p.windowState = state == 1 || state == 2 ? static_cast<int>(state) : 0;
    if (screens.isEmpty())
        return p;
    // Each unusable value is replaced by its default, as a missing one would be.
    if (!widthFits(p.width, screens)) {
        p.width = 10620;
        p.stored.width = false;
    }
    if (!heightFits(p.height, screens)) {
        p.height = 6030;
        p.stored.height = false;
    }
    const auto any = [&](auto fits) {
        return std::any_of(screens.begin(), screens.end(),
                           [&](const QRect& s) { return fits(p, s); });
    };
    if (!any(leftFits)) {
        p.x = innerWidth / 2;
        p.stored.x = false;
    }
    if (!any(topFits)) {
        p.y = innerHeight / 2;
        p.stored.y = false;
    }
    if (!positionFits(p, screens)) {
        p.x = innerWidth / 2;
        p.y = innerHeight / 2;
        p.stored.x = p.stored.y = false;
    }
    return p;
}

void writePlacement(platform::SettingsStore& store, const QString& section,
                    const Placement& placement) {
    store.write(core::kAppTitle, section, QStringLiteral("Width"), placementText(placement.width));
    store.write(core::kAppTitle, section, QStringLiteral("Height"),
                placementText(placement.height));
    store.write(core::kAppTitle, section, QStringLiteral("Y"), placementText(placement.y));
    store.write(core::kAppTitle, section, QStringLiteral("X"), placementText(placement.x));
    store.write(core::kAppTitle, section, QStringLiteral("WindowState"),
                QString::number(placement.windowState));
}

namespace {

// The start of a span of `length` moved just enough to lie within [lo, hi);
// a longer span starts at lo.
int clampStart(int start, int length, int lo, int hi) {
    return std::max(lo, std::min(start, hi - length));
}

} // namespace

QRect fitOnScreen(const QRect& outer, const QRect& area) {
    const QSize size = outer.size().boundedTo(area.size());
    return {clampStart(outer.x(), size.width(), area.left(), area.left() + area.width()),
            clampStart(outer.y(), size.height(), area.top(), area.top() + area.height()),
            size.width(), size.height()};
}

QRect fitInParent(const QRect& outer, const QRect& area) {
    return {clampStart(outer.x(), outer.width(), area.left(), area.left() + area.width()),
            clampStart(outer.y(), outer.height(), area.top(), area.top() + area.height()),
            outer.width(), outer.height()};
}

} // namespace shell
