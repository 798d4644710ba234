#pragma once

#include "platform/gdi/objects/Rect.h"
#include "platform/gdi/text/TextFormat.h"

#include <string_view>

namespace gdi {

class DeviceContext;

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
