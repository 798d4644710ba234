#include "anybutton/content/ContentPainters.h"

#include "anybutton/content/PicturePainters.h"
#include "anybutton/painting/ColorMath.h"
#include "anybutton/painting/PaintPrimitives.h"
#include "core/text/AnsiText.h"
#include "platform/gdi/DrawText.h"
#include "platform/gdi/raster/Blit.h"

#include <cmath>

namespace anybutton {

namespace {

constexpr unsigned kDrawFlags = gdi::DT_WORDBREAK | gdi::DT_VCENTER | gdi::DT_CENTER;
constexpr unsigned kMeasureFlags = gdi::DT_CALCRECT | kDrawFlags;
constexpr int kGap = 4; // between picture and caption

void selectSurfaceFont(PaintContext& ctx) {
    gdi::Font font = ctx.state.surfaceFont.toGdiFont();
    if (ctx.dc.font() != font)
        gdi::SelectObject(ctx.dc, std::move(font));
}

void drawText(PaintContext& ctx, const std::string& text, gdi::Rect rect) {
    gdi::DrawTextExA(ctx.dc, text, rect, kDrawFlags, &ctx.state.g_TextParams);
}

gdi::Rect sized(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
}

} // namespace

void LayoutContent(PaintContext& ctx) {
    ButtonState& s = ctx.state;
    const int w = ClientW(s), h = ClientH(s);
    s.g_ClientRect = {0, 0, w - 1, h - 1};
    s.g_ContentRect = {4, 4, s.g_ClientRect.right - 3, s.g_ClientRect.bottom - 3};
    const gdi::Rect& c = s.g_ContentRect;
    const int cL = c.left, cT = c.top, cW = c.width(), cH = c.height();
    const int pw = s.g_PictureWidth, ph = s.g_PictureHeight;

    if (s.g_CurrentPicture.isNull()) {
        s.g_CaptionRect = c;
        MeasureCaption(ctx);
        return;
    }
    if (s.g_Caption.isEmpty()) {
        s.g_PictureRect = sized(cL + (cW - pw) / 2, cT + (cH - ph) / 2, pw, ph);
        return;
    }
    s.g_CaptionRect = c;
    MeasureCaption(ctx);
    const int cw = s.g_CaptionRect.width(), ch = s.g_CaptionRect.height();
    gdi::Rect& pic = s.g_PictureRect;
    gdi::Rect& cap = s.g_CaptionRect;
    switch (s.g_PicturePosition) {
    case PicturePositionTop:
        pic = sized(cL + (cW - pw) / 2, cT + (cH - (ph + kGap + ch)) / 2, pw, ph);
        cap = sized(cL + (cW - cw) / 2, pic.bottom + kGap, cw, ch);
        break;
    case PicturePositionLeft:
        pic = sized(cL + (cW - (pw + kGap + cw)) / 2, cT + (cH - ph) / 2, pw, ph);
        cap = sized(pic.right + kGap, cT + (cH - ch) / 2, cw, ch);
        break;
    case PicturePositionRight:
        cap = sized(cL + (cW - (pw + kGap + cw)) / 2, cT + (cH - ch) / 2, cw, ch);
        pic = sized(cap.right + kGap, cT + (cH - ph) / 2, pw, ph);
        break;
    case PicturePositionBottom:
        cap = sized(cL + (cW - cw) / 2, cT + (cH - (ph + kGap + ch)) / 2, cw, ch);
        pic = sized(cL + (cW - pw) / 2, cap.bottom + kGap, pw, ph);
        break;
    default:
        // Out of range: the picture keeps its previous place.
        break;
    }
}

void MeasureCaption(PaintContext& ctx) {
    ButtonState& s = ctx.state;
    s.g_TextParams = gdi::DrawTextParams{};
    s.g_TextParams.cbSize = 20;
    s.g_TextParams.iTabLength = 1;
    s.g_TextParams.iLeftMargin = 1;
    s.g_TextParams.iRightMargin = 1;
    selectSurfaceFont(ctx);
    gdi::DrawTextExA(ctx.dc, core::toAnsi(s.g_Caption), s.g_CaptionRect, kMeasureFlags,
                     &s.g_TextParams);
    const int cw = s.g_CaptionRect.width(), ch = s.g_CaptionRect.height();
    const gdi::Rect& c = s.g_ContentRect;
    s.g_CaptionRect = sized(c.left + (c.width() - cw) / 2, c.top + (c.height() - ch) / 2, cw, ch);
}

void DrawPicture(PaintContext& ctx) {
    ButtonState& s = ctx.state;
    if (s.g_CurrentPicture.isNull())
        return;
    s.g_SavedRect = s.g_PictureRect;
    const bool xpRising = s.g_IsOver == 1 && s.g_IsPressed == 0 && s.g_ButtonStyle == ButtonStyleXP;
    const int offset = xpRising                                                   ? -3
                       : (s.g_IsPressed == 1 && s.g_ButtonStyle != ButtonStyleXP) ? 1
                                                                                  : 0;
    s.g_PictureRect = s.g_PictureRect.offset(offset, offset);

    using Painter = void (*)(PaintContext&, std::uint8_t, const gdi::Rect&, std::uint8_t);
    Painter paint = nullptr;
    if (s.g_CurrentPicture.type() == PictureRef::Type::Bitmap)
        paint = DrawBitmapPicture;
    else if (s.g_CurrentPicture.type() == PictureRef::Type::Icon)
        paint = DrawIconPicture;
    if (paint) {
        if (!s.surfaceEnabled) {
            paint(ctx, 0, s.g_PictureRect, 0);
        } else {
            if (xpRising)
                paint(ctx, 0, s.g_SavedRect, 1);
            paint(ctx, 1, s.g_PictureRect, 0);
        }
    }
    s.g_PictureRect = s.g_SavedRect;
}

void DrawCaption(PaintContext& ctx) {
    ButtonState& s = ctx.state;
    if (s.g_Caption.isEmpty())
        return;
    const gdi::SystemColors& colors = ctx.dc.systemColors();
    gdi::SetTextColor(ctx.dc, ResolveColor(s.g_ForeColor, colors));
    s.g_SavedRect = s.g_CaptionRect;
    if (s.g_IsPressed == 1 && s.g_ButtonStyle != ButtonStyleXP)
        s.g_CaptionRect = s.g_CaptionRect.offset(1, 1);
    selectSurfaceFont(ctx);
    const std::string text = core::toAnsi(s.g_Caption);
    if (s.surfaceEnabled) {
        drawText(ctx, text, s.g_CaptionRect);
    } else {
        gdi::SetTextColor(ctx.dc, ResolveColor(sysColorRef(gdi::COLOR_BTNHIGHLIGHT), colors));
        drawText(ctx, text, s.g_CaptionRect.offset(1, 1));
        gdi::SetTextColor(ctx.dc, ResolveColor(sysColorRef(gdi::COLOR_BTNSHADOW), colors));
        drawText(ctx, text, s.g_CaptionRect);
        gdi::SetTextColor(ctx.dc, ResolveColor(s.surfaceForeColor, colors));
    }
    // Undone in both branches, so the layout a refresh leaves is the resting one.
    s.g_CaptionRect = s.g_SavedRect;
}

void CopyParentBackground(PaintContext& ctx) {
    const ButtonState& s = ctx.state;
    const PictureRef picture = ctx.container.containerPicture();
    const std::shared_ptr<gdi::Bitmap>& bitmap = picture.drawable().bitmap();
    if (!bitmap)
        return;
    const double perPixel = ctx.container.containerUnitsPerPixel();
    const double scale = perPixel > 0 ? perPixel : 1.0;
    const double x = std::nearbyint(ctx.container.extenderLeft() / scale);
    const double y = std::nearbyint(ctx.container.extenderTop() / scale);
    // A position beyond the 32-bit range (or not a number) lies on no picture.
    if (!(std::abs(x) <= 2e9) || !(std::abs(y) <= 2e9))
        return;
    gdi::DeviceContext source = gdi::CreateCompatibleDC(ctx.dc);
    gdi::SelectObject(source, bitmap);
    gdi::BitBlt(ctx.dc, 0, 0, ClientW(s), ClientH(s), source, static_cast<int>(x),
                static_cast<int>(y), gdi::SRCCOPY);
}

} // namespace anybutton
