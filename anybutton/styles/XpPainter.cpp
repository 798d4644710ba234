#include "anybutton/styles/XpPainter.h"

#include "anybutton/painting/ColorMath.h"
#include "anybutton/painting/PaintPrimitives.h"

namespace anybutton {

void PaintXPFaceTint(PaintContext& ctx) {
    ButtonState& s = ctx.state;
    const ColorParts h = SplitColor(static_cast<OleColor>(
        ResolveColor(sysColorRef(gdi::COLOR_HIGHLIGHT), ctx.dc.systemColors())));
    if (s.g_IsOver == 1 && s.g_IsPressed == 0) {
        SetSurfaceBackColor(
            ctx, s.g_XPDefaultColors
                     ? static_cast<OleColor>(ComposeColor(h.Red + 171, h.Green + 154, h.Blue + 108))
                     : s.g_XPColor_Hover);
    } else if (s.g_IsPressed == 1) {
        SetSurfaceBackColor(
            ctx, s.g_XPDefaultColors
                     ? static_cast<OleColor>(ComposeColor(h.Red + 156, h.Green + 139, h.Blue + 108))
                     : s.g_XPColor_Pressed);
    }
}

void PaintXPBorder(PaintContext& ctx) {
    const ButtonState& s = ctx.state;
    DrawRect(ctx.dc, 0, 0, ClientW(s), ClientH(s), s.g_ForeColor, 0);
}

} // namespace anybutton
