#include "anybutton/content/ContentPainters.h"

#include "anybutton/content/PicturePainters.h"
#include "platform/gdi/raster/Blit.h"

namespace anybutton {

namespace {

constexpr unsigned kDrawFlags = gdi::DT_WORDBREAK | gdi::DT_VCENTER | gdi::DT_CENTER;
constexpr unsigned kMeasureFlags = gdi::DT_CALCRECT | kDrawFlags;
constexpr int kGap = 4; // between picture and caption

void selectFont(const PaintLook& look, gdi::DeviceContext& dc) {
    if (dc.font() != look.font)
        gdi::SelectObject(dc, gdi::Font(look.font));
}

void drawText(const PaintLook& look, gdi::DeviceContext& dc, gdi::Rect rect) {
    gdi::DrawTextParams params = CaptionTextParams();
    gdi::DrawTextExA(dc, look.caption, rect, kDrawFlags, &params);
}

gdi::Rect sized(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
}

} // namespace

gdi::DrawTextParams CaptionTextParams() {
    gdi::DrawTextParams params;
    params.cbSize = 20;
    params.iTabLength = 1;
    params.iLeftMargin = 1;
    params.iRightMargin = 1;
    return params;
}

ContentRects LayoutContent(const PaintLook& look, gdi::DeviceContext& dc,
                           const ContentRects& previous) {
    ContentRects r = previous;
    const int w = look.clientW, h = look.clientH;
    r.client = {0, 0, w - 1, h - 1};
    r.content = {4, 4, r.client.right - 3, r.client.bottom - 3};
    const gdi::Rect& c = r.content;
    const int cL = c.left, cT = c.top, cW = c.width(), cH = c.height();
    const int pw = look.pictureW, ph = look.pictureH;

    if (look.picture.isNull()) {
        r.caption = MeasureCaption(look, dc, c);
        return r;
    }
    if (look.caption.empty()) {
        r.picture = sized(cL + (cW - pw) / 2, cT + (cH - ph) / 2, pw, ph);
        return r;
    }
    r.caption = MeasureCaption(look, dc, c);
    const int cw = r.caption.width(), ch = r.caption.height();
    gdi::Rect& pic = r.picture;
    gdi::Rect& cap = r.caption;
    switch (look.picturePosition) {
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
    return r;
}

gdi::Rect MeasureCaption(const PaintLook& look, gdi::DeviceContext& dc, const gdi::Rect& content) {
    gdi::DrawTextParams params = CaptionTextParams();
    selectFont(look, dc);
    gdi::Rect measured = content;
    gdi::DrawTextExA(dc, look.caption, measured, kMeasureFlags, &params);
    const int cw = measured.width(), ch = measured.height();
    const gdi::Rect& c = content;
    return sized(c.left + (c.width() - cw) / 2, c.top + (c.height() - ch) / 2, cw, ch);
}

void DrawPicture(const PaintLook& look, gdi::DeviceContext& dc, const gdi::Rect& place) {
    if (look.picture.isNull())
        return;
    const bool xpRising = look.over && !look.pressed && look.style == Style::XP;
    const int offset = xpRising ? -3 : (look.pressed && look.style != Style::XP) ? 1 : 0;
    const gdi::Rect drawn = place.offset(offset, offset);

    using Painter = void (*)(const PaintLook&, gdi::DeviceContext&, std::uint8_t, const gdi::Rect&,
                             std::uint8_t);
    Painter paint = nullptr;
    if (look.picture.type() == PictureRef::Type::Bitmap)
        paint = DrawBitmapPicture;
    else if (look.picture.type() == PictureRef::Type::Icon)
        paint = DrawIconPicture;
    if (!paint)
        return;
    if (!look.enabled) {
        paint(look, dc, 0, drawn, 0);
        return;
    }
    // The grey shadow stays at the resting place, below and right of the risen picture.
    if (xpRising)
        paint(look, dc, 0, place, 1);
    paint(look, dc, 1, drawn, 0);
}

void DrawCaption(const PaintLook& look, gdi::DeviceContext& dc, const gdi::Rect& place) {
    if (look.caption.empty())
        return;
    gdi::SetTextColor(dc, look.fore);
    const gdi::Rect at = look.pressed && look.style != Style::XP ? place.offset(1, 1) : place;
    selectFont(look, dc);
    if (look.enabled) {
        drawText(look, dc, at);
    } else {
        gdi::SetTextColor(dc, look.buttonHighlight);
        drawText(look, dc, at.offset(1, 1));
        gdi::SetTextColor(dc, look.shadow);
        drawText(look, dc, at);
        gdi::SetTextColor(dc, look.surfaceFore);
    }
}

void CopyParentBackground(const PaintLook& look, gdi::DeviceContext& dc) {
    if (!look.parent)
        return;
    gdi::DeviceContext source = gdi::CreateCompatibleDC(dc);
    gdi::SelectObject(source, look.parent->picture.drawable().bitmap());
    gdi::BitBlt(dc, 0, 0, look.clientW, look.clientH, source, look.parent->x, look.parent->y,
                gdi::SRCCOPY);
}

} // namespace anybutton
