#include "platform/gdi/objects/SystemColors.h"

#include "platform/gdi/objects/LightPalette.h"

#include <QPalette>

namespace gdi {

namespace {

COLORREF fromQColor(const QColor& c) {
    return RGB(c.red(), c.green(), c.blue());
}

} // namespace

SystemColors SystemColors::pinned() {
    SystemColors t;
    t.setColor(COLOR_APPWORKSPACE, RGB(128, 128, 128));
    t.setColor(COLOR_HIGHLIGHT, RGB(49, 106, 197));
    t.setColor(COLOR_BTNFACE, RGB(236, 233, 216));
    t.setColor(COLOR_BTNSHADOW, RGB(172, 168, 153));
    t.setColor(COLOR_BTNTEXT, RGB(0, 0, 0));
    t.setColor(COLOR_BTNHIGHLIGHT, RGB(255, 255, 255));
    t.setColor(COLOR_3DDKSHADOW, RGB(113, 111, 100));
    t.setColor(COLOR_3DLIGHT, RGB(241, 239, 226));
    return t;
}

SystemColors SystemColors::pinnedDark() {
    return fromPalette(adwaitaDarkPalette());
}

SystemColors SystemColors::fromPalette(const QPalette& desktop) {
    // We choose: on a dark desktop the buttons keep light faces, the light
    // counterpart of the desktop's button colour with its own shades and
    // black text, and the desktop's highlight. The painters' arithmetic was
    // made for light faces: the rounded face shaded up by 48 with its blue
    // scaled turns a dark grey khaki, and the XP tints lifted from the
    // highlight stay pale under the desktop's light text.
    const QPalette p =
        isDarkPalette(desktop)
            ? lightPaletteAround(
                  lightCounterpart(desktop.color(QPalette::Active, QPalette::Button)), desktop)
            : desktop;
    const auto g = QPalette::Active;
    SystemColors t;
    // The MDI area paints its background with the Dark role.
    t.setColor(COLOR_APPWORKSPACE, fromQColor(p.color(g, QPalette::Dark)));
    t.setColor(COLOR_HIGHLIGHT, fromQColor(p.color(g, QPalette::Highlight)));
    t.setColor(COLOR_BTNFACE, fromQColor(p.color(g, QPalette::Button)));
    t.setColor(COLOR_BTNSHADOW, fromQColor(p.color(g, QPalette::Dark)));
    t.setColor(COLOR_BTNTEXT, fromQColor(p.color(g, QPalette::ButtonText)));
    t.setColor(COLOR_BTNHIGHLIGHT, fromQColor(p.color(g, QPalette::Light)));
    t.setColor(COLOR_3DDKSHADOW, fromQColor(p.color(g, QPalette::Shadow)));
    t.setColor(COLOR_3DLIGHT, fromQColor(p.color(g, QPalette::Midlight)));
    return t;
}

COLORREF SystemColors::GetSysColor(int index) const {
    if (index < 0 || index >= kCount)
        return kBlack;
    return colors_[static_cast<std::size_t>(index)];
}

void SystemColors::setColor(int index, COLORREF rgb) {
    if (index >= 0 && index < kCount)
        colors_[static_cast<std::size_t>(index)] = rgb & kColorBits;
}

} // namespace gdi
