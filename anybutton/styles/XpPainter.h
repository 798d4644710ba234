#pragma once

#include "anybutton/painting/PaintLook.h"
#include "platform/gdi/objects/DeviceContext.h"

#include <optional>

namespace anybutton {

// XP style: the colour the face takes while hovered or pressed (the surface's
// background colour from then on, which repaints the whole image), none in
// the other states; and the one-pixel border in the text colour.
std::optional<OleColor> XPFaceTint(const PaintLook& look);
void PaintXPBorder(const PaintLook& look, gdi::DeviceContext& dc);

} // namespace anybutton
