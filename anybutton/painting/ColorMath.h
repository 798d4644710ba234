#pragma once

#include "anybutton/properties/ButtonState.h"
#include "platform/gdi/objects/Color.h"
#include "platform/gdi/objects/SystemColors.h"

#include <cstdint>

namespace anybutton {

// A colour split into whole-numbered parts; callers add to them and compose again.
struct ColorParts {
    double Red = 0;
    double Green = 0;
    double Blue = 0;
};

// An RGB value unchanged (0..0x00FFFFFF); anything else names the system colour at
// its low 24 bits.
gdi::COLORREF ResolveColor(OleColor value, const gdi::SystemColors& colors);

// Lightens (amount > 0) or darkens red and green by the amount and blue by
// blue * amount / 192, each clamped to 0..255. The value is not resolved first.
OleColor ShadeColor(OleColor value, std::int32_t amount);

ColorParts SplitColor(OleColor value);

// Composes parts again, each rounded to 16 bits and clamped to 0..255.
gdi::COLORREF ComposeColor(double red, double green, double blue);

// SplitColor, add d to each part, compose.
gdi::COLORREF LiftColor(OleColor value, std::int32_t d);

} // namespace anybutton
