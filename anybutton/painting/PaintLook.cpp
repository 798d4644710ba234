#include "anybutton/painting/PaintLook.h"

#include "anybutton/painting/ColorMath.h"
#include "core/text/AnsiText.h"

#include <cmath>

namespace anybutton {

namespace {

int roundHalfEven(double v) {
    return static_cast<int>(std::nearbyint(v));
}

// The part of the container's picture to copy, or none: no bitmap, or a
// position beyond the 32-bit range (or not a number), lies on no picture.
std::optional<ParentPicture> parentPicture(const ContainerServices& container) {
    const PictureRef picture = container.containerPicture();
    if (!picture.drawable().bitmap())
        return std::nullopt;
    const double perPixel = container.containerUnitsPerPixel();
    const double scale = perPixel > 0 ? perPixel : 1.0;
    const double x = std::nearbyint(container.extenderLeft() / scale);
    const double y = std::nearbyint(container.extenderTop() / scale);
    if (!(std::abs(x) <= 2e9) || !(std::abs(y) <= 2e9))
        return std::nullopt;
    return ParentPicture{picture, static_cast<int>(x), static_cast<int>(y)};
}

} // namespace

PaintLook PaintLook::of(const ButtonState& s, const ContainerServices& container,
                        const gdi::SystemColors& colors) {
    auto resolve = [&colors](OleColor c) { return ResolveColor(c, colors); };
    PaintLook look;
    look.style = static_cast<Style>(s.g_ButtonStyle);
    look.pressed = s.g_IsPressed == 1;
    look.over = s.g_IsOver == 1;
    look.focused = s.g_HasFocus == 1;
    look.enabled = s.surfaceEnabled;
    look.userMode = container.userMode();
    look.isDefault = container.extenderDefault();
    look.showFocusRect = s.g_ShowFocusRect;
    look.transparentBG = s.g_TransparentBG;
    look.xpBorderAlways = s.g_XPShowBorderAlways;
    look.xpDefaultColors = s.g_XPDefaultColors;
    look.bevel = s.g_Bevel;
    look.bevelDepth = s.g_BevelDepth;

    look.clientW = roundHalfEven(s.clientWidth);
    look.clientH = roundHalfEven(s.clientHeight);
    look.width = s.g_Width;
    look.height = s.g_Height;
    look.focusRect = s.g_FocusRect;

    look.back = resolve(s.g_BackColor);
    look.fore = resolve(s.g_ForeColor);
    look.surfaceFore = resolve(s.surfaceForeColor);
    look.highlight = resolve(sysColorRef(gdi::COLOR_HIGHLIGHT));
    look.shadow = resolve(sysColorRef(gdi::COLOR_BTNSHADOW));
    look.buttonHighlight = resolve(sysColorRef(gdi::COLOR_BTNHIGHLIGHT));
    look.darkShadow = resolve(sysColorRef(gdi::COLOR_3DDKSHADOW));
    look.focusRing = resolve(s.g_XPDefaultColors ? static_cast<OleColor>(gdi::RGB(140, 170, 230))
                                                 : s.g_XPColor_Pressed);
    look.hoverRing = resolve(s.g_XPDefaultColors ? static_cast<OleColor>(gdi::RGB(225, 153, 71))
                                                 : s.g_XPColor_Hover);

    look.surfaceBack = s.surfaceBackColor;
    look.backValue = s.g_BackColor;
    // The XP tints lift the system highlight colour.
    const ColorParts h = SplitColor(static_cast<OleColor>(look.highlight));
    look.hoverFace =
        s.g_XPDefaultColors
            ? static_cast<OleColor>(ComposeColor(h.Red + 171, h.Green + 154, h.Blue + 108))
            : s.g_XPColor_Hover;
    look.pressedFace =
        s.g_XPDefaultColors
            ? static_cast<OleColor>(ComposeColor(h.Red + 156, h.Green + 139, h.Blue + 108))
            : s.g_XPColor_Pressed;
    look.maskColor = s.g_MaskColor;

    look.caption = core::toAnsi(s.g_Caption);
    look.font = s.surfaceFont.toGdiFont();
    look.picture = s.g_CurrentPicture;
    look.picturePosition = s.g_PicturePosition;
    look.pictureW = s.g_PictureWidth;
    look.pictureH = s.g_PictureHeight;
    look.naturalW = s.g_OriginalPicSizeW;
    look.naturalH = s.g_OriginalPicSizeH;
    if (s.g_TransparentBG)
        look.parent = parentPicture(container);
    return look;
}

} // namespace anybutton
