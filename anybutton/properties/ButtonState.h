#pragma once

#include "anybutton/properties/ButtonFont.h"
#include "anybutton/properties/FontDesc.h"
#include "anybutton/properties/PictureRef.h"
#include "platform/gdi/objects/Rect.h"
#include "platform/gdi/objects/SystemColors.h"

#include <QString>

#include <cstdint>

namespace anybutton {

// Colour values: RGB with red in the low byte, or a system-colour reference when
// the high bit is set (0x8000000F is the button face).
using OleColor = std::int32_t;

constexpr OleColor sysColorRef(int index) {
    return static_cast<OleColor>(0x80000000u | static_cast<std::uint32_t>(index));
}

// The face and text colours a button starts with.
constexpr OleColor kButtonFace = sysColorRef(gdi::COLOR_BTNFACE);
constexpr OleColor kButtonText = sysColorRef(gdi::COLOR_BTNTEXT);

// MousePointer value that shows the MouseIcon picture instead of a stock pointer.
constexpr std::int16_t MousePointerCustom = 99;

// ButtonStyle values.
constexpr std::int32_t ButtonStyleStandard = 0;
constexpr std::int32_t ButtonStyleFlat = 1;
constexpr std::int32_t ButtonStyleXP = 2;
constexpr std::int32_t ButtonStyleRounded = 3;
constexpr std::int32_t ButtonStyleNoBorder = 4;

// PicturePosition values.
constexpr std::int32_t PicturePositionTop = 0;
constexpr std::int32_t PicturePositionLeft = 1;
constexpr std::int32_t PicturePositionRight = 2;
constexpr std::int32_t PicturePositionBottom = 3;

// PictureSize values.
constexpr std::int32_t PictureSize16 = 0;
constexpr std::int32_t PictureSize32 = 1;
constexpr std::int32_t PictureSizeNatural = 2;

// The button's member fields behind its properties; zero, empty or null until
// the new-instance or load step runs.
struct ButtonProperties {
    QString g_Caption;
    std::int32_t g_PicturePosition = 0;
    std::int32_t g_ButtonStyle = 0;
    PictureRef g_Picture;
    PictureRef g_PictureHover;
    PictureRef g_CurrentPicture;
    std::int32_t g_PictureWidth = 0;
    std::int32_t g_PictureHeight = 0;
    std::int32_t g_PictureSize = 0;
    std::int32_t g_OriginalPicSizeW = 0;
    std::int32_t g_OriginalPicSizeH = 0;
    QString g_URL;
    bool g_ShowFocusRect = false;
    std::int16_t g_Bevel = 0;
    std::int16_t g_BevelDepth = 0;
    bool g_TransparentBG = false;
    OleColor g_MaskColor = 0;
    bool g_XPShowBorderAlways = false;
    bool g_DefCurHand = false;
    QString g_SoundOver;
    QString g_SoundClick;
    OleColor g_ForeColor = 0;
    OleColor g_BackColor = 0;
    bool g_XPDefaultColors = false;
    OleColor g_XPColor_Pressed = 0;
    OleColor g_XPColor_Hover = 0;
    ButtonFont g_Font;
};

// The interaction flags, each 0 or 1, and the last mouse press.
struct InteractionFlags {
    std::uint8_t g_HasFocus = 0;
    std::uint8_t g_IsPressed = 0;
    std::uint8_t g_IsOver = 0;
    std::uint8_t g_KeyHeld = 0;
    std::int16_t g_LastButton = 0;
    std::int16_t g_LastShift = 0;
    float g_LastX = 0;
    float g_LastY = 0;
};

// What the drawing surface holds for the button.
struct SurfaceValues {
    bool surfaceEnabled = true;
    // Set by the XP face while it paints; the next refresh clears to it.
    OleColor surfaceBackColor = 0;
    OleColor surfaceForeColor = 0;
    FontDesc surfaceFont;
    std::int16_t surfaceMousePointer = 0;
    PictureRef surfaceMouseIcon;
    QString surfaceTag;
    QChar surfaceAccessKey; // null when there is none
    double clientWidth = 0;
    double clientHeight = 0;
};

// The metrics of the resize handler and the layout the last refresh made. A
// refresh keeps the picture rectangle of the layout before it when the
// picture position is out of range, so the layout is kept here.
struct PaintMetrics {
    std::int32_t g_Width = 0;
    std::int32_t g_Height = 0;
    gdi::Rect g_FocusRect;
    gdi::Rect g_ClientRect;
    gdi::Rect g_ContentRect;
    gdi::Rect g_PictureRect;
    gdi::Rect g_CaptionRect;
};

// Everything the control keeps, in its four parts. Painters never see it:
// each refresh paints from a PaintLook computed from it.
struct ButtonState : ButtonProperties, InteractionFlags, SurfaceValues, PaintMetrics {};

} // namespace anybutton
