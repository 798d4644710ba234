#pragma once

#include "anybutton/painting/PaintContext.h"

namespace anybutton {

// Rebuilds the whole back image in layers: clear, background, border or face,
// content, focus rectangle, caption. ctx.dc must hold a client-sized bitmap.
void Refresh(PaintContext& ctx);

void PaintBackground(PaintContext& ctx);
void PaintBorder(PaintContext& ctx);

// Steps of the resize handler that only compute: g_Width, g_Height and
// g_FocusRect from the client size, rounded halves to even.
void ComputeMetrics(ButtonState& s);

} // namespace anybutton
