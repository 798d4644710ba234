#pragma once

#include "platform/gdi/objects/Bitmap.h"
#include "platform/gdi/objects/Brush.h"
#include "platform/gdi/objects/Icon.h"
#include "platform/gdi/objects/Rect.h"

#include <optional>

namespace gdi {

class DeviceContext;

inline constexpr unsigned DST_ICON = 0x0003;
inline constexpr unsigned DST_BITMAP = 0x0004;
inline constexpr unsigned DSS_NORMAL = 0x0000;
inline constexpr unsigned DSS_DISABLED = 0x0020;
inline constexpr unsigned DSS_MONO = 0x0080;

// Draws an image at (x, y) at its natural size in one of three states:
// DSS_NORMAL (unchanged), DSS_MONO (every pixel that is not white becomes the
// brush colour; without a brush the context's selected brush), DSS_DISABLED
// (embossed: button highlight one pixel right and down, then button shadow).
// White pixels leave the destination alone in the last two. Returns false and
// draws nothing when the DST_ type does not match the image or the state is unknown.
bool DrawStateA(DeviceContext& dc, std::optional<Brush> brush, const Bitmap& image, int x, int y,
                unsigned flags);
// Icons: DSS_NORMAL blends the icon over the destination by its alpha; the
// other states work on the icon blended over white.
bool DrawStateA(DeviceContext& dc, std::optional<Brush> brush, const Icon& icon, int x, int y,
                unsigned flags);

// Draws the icon scaled into (x, y, width, height), blended by its alpha
// (the picture drawing of a coloured icon).
void DrawIconEx(DeviceContext& dc, int x, int y, const Icon& icon, int width, int height);

} // namespace gdi
