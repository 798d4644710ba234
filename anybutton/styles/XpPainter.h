#pragma once

#include "anybutton/painting/PaintContext.h"

namespace anybutton {

// XP style: the face tint of the hovered and pressed states (it sets the
// surface background colour, which repaints the whole image), and the
// one-pixel border in the text colour.
void PaintXPFaceTint(PaintContext& ctx);
void PaintXPBorder(PaintContext& ctx);

} // namespace anybutton
