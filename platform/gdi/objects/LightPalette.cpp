#include "platform/gdi/objects/LightPalette.h"

namespace gdi {

bool isDarkPalette(const QPalette& palette) {
    return palette.color(QPalette::Active, QPalette::WindowText).lightness() >
           palette.color(QPalette::Active, QPalette::Window).lightness();
}

QPalette lightPaletteAround(const QColor& face, const QPalette& desktop) {
    QPalette light(face);
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (const auto role : {QPalette::Highlight, QPalette::HighlightedText})
            light.setColor(group, role, desktop.color(group, role));
    }
    return light;
}

QPalette adwaitaDarkPalette() {
    QPalette dark(QColor(50, 50, 50));
    dark.setColor(QPalette::Window, QColor(50, 50, 50));
    dark.setColor(QPalette::WindowText, QColor(240, 240, 240));
    dark.setColor(QPalette::ButtonText, QColor(240, 240, 240));
    dark.setColor(QPalette::Text, QColor(240, 240, 240));
    dark.setColor(QPalette::Base, QColor(36, 36, 36));
    dark.setColor(QPalette::Light, QColor(75, 75, 75));
    dark.setColor(QPalette::Midlight, QColor(42, 42, 42));
    dark.setColor(QPalette::Dark, QColor(33, 33, 33));
    dark.setColor(QPalette::Shadow, QColor(25, 25, 25));
    dark.setColor(QPalette::Highlight, QColor(48, 140, 198));
    return dark;
}

QColor lightCounterpart(const QColor& dark) {
    const int lightness = dark.lightness();
    return lightness >= 128 ? dark
                            : QColor::fromHsl(dark.hslHue(), dark.hslSaturation(), 255 - lightness);
}

} // namespace gdi
