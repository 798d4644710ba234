#pragma once

#include "platform/gdi/objects/LightPalette.h"

#include <QApplication>

// A dark desktop theme while it lives, as Qt announces one: every widget is
// told of the new palette (through posted events, delivered here). The light
// one comes back afterwards.
class DarkDesktop {
public:
    DarkDesktop() : before_(QApplication::palette()) { become(gdi::adwaitaDarkPalette()); }
    ~DarkDesktop() { become(before_); }
    DarkDesktop(const DarkDesktop&) = delete;
    DarkDesktop& operator=(const DarkDesktop&) = delete;

private:
    static void become(const QPalette& palette) {
        QApplication::setPalette(palette);
        QCoreApplication::sendPostedEvents();
    }

    QPalette before_;
};
