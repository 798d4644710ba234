#pragma once

#include <optional>
#include <vector>

namespace launch {

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct Monitor {
    Rect rect;
    bool primary = false;
};

// What the X server and the window manager say of the screen.
struct Screen {
    Rect whole;                    // the X screen
    std::vector<Monitor> monitors; // none: the X screen is the one monitor
    std::optional<Rect> workArea;  // _NET_WORKAREA, the screen less the panels
    bool relyOnWorkArea = false;   // QT_RELY_ON_NET_WORKAREA_ATOM is set
};

struct Point {
    int x = 0;
    int y = 0;
};

// Where Qt puts a splash of that size: centred on its primary screen's
// available area, which is the monitor less the work area's panels when
// there is one monitor, and the whole monitor when there are more (unless
// told to rely on the work area), both centres rounding as Qt's do.
Point splashPlace(const Screen& screen, int width, int height);

} // namespace launch
