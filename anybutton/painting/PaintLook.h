#pragma once

#include "anybutton/properties/ButtonState.h"
#include "anybutton/properties/ContainerServices.h"
#include "platform/gdi/objects/Color.h"
#include "platform/gdi/objects/Font.h"
#include "platform/gdi/objects/Rect.h"
#include "platform/gdi/objects/SystemColors.h"

#include <cstdint>
#include <optional>
#include <string>

namespace anybutton {

// ButtonStyle as the painters read it. The property takes any 32-bit value
// and keeps it here: a value outside the five takes each painter's default branch.
enum class Style : std::int32_t { Standard = 0, Flat = 1, XP = 2, Rounded = 3, NoBorder = 4 };

// Where the button lies on its container's picture, in pixels, for the
// transparent background.
struct ParentPicture {
    PictureRef picture;
    int x = 0;
    int y = 0;
};

// Everything one refresh paints from, computed once before it starts, as a
// style option is: the painters take it by const reference and write nothing
// back. Colours are resolved against the system colours of that refresh,
// except the values the XP face gives the surface, which the surface keeps
// as they are.
struct PaintLook {
    Style style = Style::Standard;

    // The interaction flags and the surface's enabled state in effect.
    bool pressed = false;
    bool over = false;
    bool focused = false;
    bool enabled = true;
    // The container: running or designing, and whether this is its default button.
    bool userMode = true;
    bool isDefault = false;

    bool showFocusRect = false;
    bool transparentBG = false;
    bool xpBorderAlways = false;
    bool xpDefaultColors = false;
    std::int16_t bevel = 0;
    std::int16_t bevelDepth = 0;

    // The client size rounded to whole pixels, as the frame painters and the
    // layout measure it; the resize handler's g_Width, g_Height and focus rectangle.
    int clientW = 0;
    int clientH = 0;
    int width = 0;
    int height = 0;
    gdi::Rect focusRect;

    // BackColor and ForeColor, the surface's foreground colour, the system
    // colours the painters draw in, and the rounded style's two rings.
    gdi::COLORREF back = 0;
    gdi::COLORREF fore = 0;
    gdi::COLORREF surfaceFore = 0;
    gdi::COLORREF highlight = 0;
    gdi::COLORREF shadow = 0;
    gdi::COLORREF buttonHighlight = 0;
    gdi::COLORREF darkShadow = 0;
    gdi::COLORREF focusRing = 0;
    gdi::COLORREF hoverRing = 0;

    // Surface values: the background colour as the refresh starts, BackColor
    // as stored (the XP face sets the surface to it), and the XP face's
    // colours while hovered and pressed.
    OleColor surfaceBack = 0;
    OleColor backValue = 0;
    OleColor hoverFace = 0;
    OleColor pressedFace = 0;
    // Compared with picture pixels as it is: a system-colour reference matches none.
    OleColor maskColor = 0;

    // The caption in the ANSI code page, and the surface font it is drawn in.
    std::string caption;
    gdi::Font font;
    // The current picture, its drawing size and its natural size.
    PictureRef picture;
    std::int32_t picturePosition = 0;
    int pictureW = 0;
    int pictureH = 0;
    int naturalW = 0;
    int naturalH = 0;
    // The container's picture under the button; none when there is nothing to copy.
    std::optional<ParentPicture> parent;

    // The look of the button's state, its container and the system colours.
    static PaintLook of(const ButtonState& s, const ContainerServices& container,
                        const gdi::SystemColors& colors);
};

// Where the layout puts picture and caption: it returns them as a value, and
// the control keeps them for the next layout.
struct ContentRects {
    gdi::Rect client;
    gdi::Rect content;
    gdi::Rect picture;
    gdi::Rect caption;
};

} // namespace anybutton
