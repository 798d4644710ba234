#pragma once

#include "anybutton/painting/PaintLook.h"
#include "platform/gdi/objects/DeviceContext.h"
#include "platform/gdi/objects/Region.h"

#include <cstdint>

namespace anybutton {

enum class RoundedState : std::uint8_t { Idle = 0, Pressed = 2 };
enum class HoverRing : std::uint8_t { Off = 0, On = 1 };

// The rounded style's face: gradient, dark frame with inner corner pixels, and
// the edges or the focus and hover rings. A disabled surface gets a flat face.
// `state` is the raw 8-bit selector: 0 idle or hovered, 2 pressed, any other
// value only fills the face.
void PaintRoundedFace(const PaintLook& look, gdi::DeviceContext& dc, std::uint8_t state,
                      std::uint8_t hoverRing);

inline void PaintRoundedFace(const PaintLook& look, gdi::DeviceContext& dc, RoundedState state,
                             HoverRing ring) {
    PaintRoundedFace(look, dc, static_cast<std::uint8_t>(state), static_cast<std::uint8_t>(ring));
}

// The client rectangle of g_Width x g_Height without three pixels at each corner.
gdi::Region BuildRoundedRegion(const ButtonState& s);

} // namespace anybutton
