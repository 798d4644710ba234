#pragma once

#include <QList>
#include <QRect>
#include <QString>

namespace platform {
class SettingsStore;
}

namespace shell {

// Size, position (twips) and state (0 normal, 1 minimized, 2 maximized) of a
// window as kept in the settings store.
struct Placement {
    float width = 0;
    float height = 0;
    float x = 0;
    float y = 0;
    int windowState = 0;
    // Which values came from the store; the others are defaults, standing
    // for a missing or unusable key.
    struct Stored {
        bool width = false;
        bool height = false;
        bool x = false;
        bool y = false;
    } stored;
};

// Text of a single-precision number: whole numbers have no decimal point.
QString placementText(float twips);

// Reads the five keys of section; a missing key, or one that does not hold a
// number, gives its default. X and Y default to half the window's inner size.
//
// `screens` are the pixel areas the window must show on. A stored size or
// position that cannot give a window whose title bar lies on one of them
// counts as missing too; usable values are kept exactly. No screens, no check.
Placement readPlacement(const platform::SettingsStore& store, const QString& section,
                        float innerWidth, float innerHeight, const QList<QRect>& screens = {});
// Writes Width, Height, Y, X and WindowState, in that order.
void writePlacement(platform::SettingsStore& store, const QString& section,
                    const Placement& placement);

// A top-level window fitted to a screen's available area: moved inside it,
// then shrunk where it is still larger.
QRect fitOnScreen(const QRect& outer, const QRect& area);
// A child window moved just enough to lie inside its parent's client area;
// where it is larger, its top-left corner goes to the area's corner.
QRect fitInParent(const QRect& outer, const QRect& area);

} // namespace shell
