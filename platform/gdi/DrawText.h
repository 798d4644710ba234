#pragma once

#include "platform/gdi/objects/Rect.h"

#include <string_view>

namespace gdi {

class DeviceContext;

inline constexpr unsigned DT_LEFT = 0x0000;
inline constexpr unsigned DT_CENTER = 0x0001;
inline constexpr unsigned DT_VCENTER = 0x0004;
inline constexpr unsigned DT_WORDBREAK = 0x0010;
inline constexpr unsigned DT_SINGLELINE = 0x0020;
inline constexpr unsigned DT_CALCRECT = 0x0400;

struct DrawTextParams {
    unsigned cbSize = sizeof(DrawTextParams);
    int iTabLength = 0;
    int iLeftMargin = 0;
    int iRightMargin = 0;
    unsigned uiLengthDrawn = 0; // set by DrawTextExA
};

// text is in the ANSI code page (Windows-1252). Draws (or with DT_CALCRECT
// measures into rect) in the context's font and text colour, without filling
// the background. "&x" underlines x, "&&" draws "&". Returns the height of the
// text in pixels. params may be null (no margins). Glyphs come from Qt's font
// engine, so a QGuiApplication must exist.
int DrawTextExA(DeviceContext& dc, std::string_view text, Rect& rect, unsigned format,
                DrawTextParams* params);

} // namespace gdi
