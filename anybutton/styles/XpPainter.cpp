#include "anybutton/styles/XpPainter.h"

#include "anybutton/painting/PaintPrimitives.h"

namespace anybutton {

std::optional<OleColor> XPFaceTint(const PaintLook& look) {
    if (look.over && !look.pressed)
        return look.hoverFace;
    if (look.pressed)
        return look.pressedFace;
    return std::nullopt;
}

void PaintXPBorder(const PaintLook& look, gdi::DeviceContext& dc) {
    DrawRect(dc, 0, 0, look.clientW, look.clientH, static_cast<OleColor>(look.fore), 0);
}

} // namespace anybutton
