#pragma once

#include "anybutton/properties/ButtonState.h"

namespace anybutton {

// Records the picture's natural size in pixels at the given resolution as the
// original size; 32 x 32 when there is no picture.
void recordNaturalPictureSize(ButtonState& s, const PictureRef& picture, int dpiX, int dpiY);

// Sets the picture width and height the PictureSize value stands for; other
// values leave them as they are.
void applyPictureSize(ButtonState& s);

} // namespace anybutton
