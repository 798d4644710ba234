#pragma once

#include <QColor>
#include <QPalette>

namespace gdi {

// Whether a palette shows light text on dark ground (a dark desktop theme).
bool isDarkPalette(const QPalette& palette);

// A light palette around `face`, shaded as Qt derives one from a button
// colour (lighter and darker edges, black text, white fields), with the
// desktop's own highlight colours.
QPalette lightPaletteAround(const QColor& face, const QPalette& desktop);

// The palette Qt takes from a dark GTK desktop (Adwaita dark): a dark
// desktop for tools and tests that have none.
QPalette adwaitaDarkPalette();

// The light face that stands for a dark one: the same hue, as far above the
// middle as it was below.
QColor lightCounterpart(const QColor& dark);

} // namespace gdi
