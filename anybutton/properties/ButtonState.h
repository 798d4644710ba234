#pragma once

#include "anybutton/properties/ButtonFont.h"
#include "anybutton/properties/FontDesc.h"
#include "anybutton/properties/PictureRef.h"
#include "platform/gdi/DrawText.h"
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

// Everything a button is: its member fields, the values its drawing surface
// holds for it, and the painters' metrics. Painters read (and, where the
// platform did so, change) this record; it has no behaviour of its own.
struct ButtonState {
    // Member fields; zero/empty/null until the new-instance or load step runs.
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

    // Interaction flags (0 or 1) and the last mouse press.
    std::uint8_t g_HasFocus = 0;
    std::uint8_t g_IsPressed = 0;
    std::uint8_t g_IsOver = 0;
    std::uint8_t g_KeyHeld = 0;
    std::int16_t g_LastButton = 0;
    std::int16_t g_LastShift = 0;
    float g_LastX = 0;
    float g_LastY = 0;

    // Held by the drawing surface.
    bool surfaceEnabled = true;
    OleColor surfaceBackColor = 0;
    OleColor surfaceForeColor = 0;
    FontDesc surfaceFont;
    std::int16_t surfaceMousePointer = 0;
    PictureRef surfaceMouseIcon;
    QString surfaceTag;
    QChar surfaceAccessKey; // null when there is none
    double clientWidth = 0;
    double clientHeight = 0;

    // Painting metrics, recomputed before use.
    std::int32_t g_Width = 0;
    std::int32_t g_Height = 0;
    gdi::Rect g_FocusRect;
    gdi::Rect g_ClientRect;
    gdi::Rect g_ContentRect;
    gdi::Rect g_PictureRect;
    gdi::Rect g_CaptionRect;
    gdi::Rect g_SavedRect;
    // Text parameters of the caption: size 20, tab length 1, one-pixel margins.
    gdi::DrawTextParams g_TextParams;
};

} // namespace anybutton
