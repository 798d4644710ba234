#include "anybutton/content/PicturePainters.h"

#include "anybutton/painting/PaintPrimitives.h"
#include "platform/gdi/DrawState.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/raster/Blit.h"

#include <algorithm>

namespace anybutton {

namespace {

constexpr gdi::COLORREF kShadowGrey = gdi::RGB(146, 146, 146);

// A scratch context compatible with ref holding a new bitmap of the given size.
gdi::DeviceContext scratch(const gdi::DeviceContext& ref, int width, int height) {
    gdi::DeviceContext dc = gdi::CreateCompatibleDC(ref);
    gdi::SelectObject(dc, gdi::CreateCompatibleBitmap(ref, width, height));
    return dc;
}

// The region (0, 0, width, height) of the icon; what lies beyond the icon's
// own extent is transparent.
gdi::Icon iconRegion(const gdi::Icon& icon, int width, int height) {
    gdi::Icon region(width, height);
    for (int y = 0; y < std::min(height, icon.height()); ++y)
        for (int x = 0; x < std::min(width, icon.width()); ++x)
            region.setPixel(x, y, icon.pixel(x, y));
    return region;
}

} // namespace

void TransparentBlit(gdi::DeviceContext& dst, const gdi::DeviceContext& ref,
                     gdi::DeviceContext& src, int x1, int y1, int x2, int y2, int dx, int dy,
                     OleColor key) {
    const auto w = static_cast<std::int16_t>(x2 - x1);
    const auto h = static_cast<std::int16_t>(y2 - y1);
    if (w <= 0 || h <= 0)
        return;

    gdi::DeviceContext mask = gdi::CreateCompatibleDC(ref);
    gdi::SelectObject(mask, gdi::CreateBitmap(w, h, 1, 1));
    gdi::DeviceContext inverse = gdi::CreateCompatibleDC(ref);
    gdi::SelectObject(inverse, gdi::CreateBitmap(w, h, 1, 1));
    gdi::DeviceContext result = scratch(ref, w, h);
    gdi::DeviceContext sprite = scratch(ref, w, h);

    // Converting to one bit sets exactly the pixels equal to the key.
    const gdi::COLORREF oldBk = gdi::SetBkColor(src, static_cast<gdi::COLORREF>(key));
    gdi::BitBlt(mask, 0, 0, w, h, src, x1, y1, gdi::SRCCOPY);
    gdi::SetBkColor(src, oldBk);
    gdi::BitBlt(inverse, 0, 0, w, h, mask, 0, 0, gdi::NOTSRCCOPY);

    // Destination where the key was, black elsewhere ...
    gdi::BitBlt(result, 0, 0, w, h, dst, dx, dy, gdi::SRCCOPY);
    gdi::BitBlt(result, 0, 0, w, h, mask, 0, 0, gdi::SRCAND);
    // ... source where it was not, black elsewhere; together the composite.
    gdi::BitBlt(sprite, 0, 0, w, h, src, x1, y1, gdi::SRCCOPY);
    gdi::BitBlt(sprite, 0, 0, w, h, inverse, 0, 0, gdi::SRCAND);
    gdi::BitBlt(result, 0, 0, w, h, sprite, 0, 0, gdi::SRCINVERT);
    gdi::BitBlt(dst, dx, dy, w, h, result, 0, 0, gdi::SRCCOPY);
}

void DrawBitmapPicture(const PaintLook& look, gdi::DeviceContext& dc, std::uint8_t color,
                       const gdi::Rect& where, std::uint8_t shadow) {
    const gdi::Picture& picture = look.picture.drawable();
    if (!picture.bitmap())
        return;
    const int nw = look.naturalW, nh = look.naturalH;
    const int pw = look.pictureW, ph = look.pictureH;
    gdi::DeviceContext natural = scratch(dc, nw, nh);
    gdi::DeviceContext drawn = scratch(dc, pw, ph);

    if (color != 0) {
        gdi::DrawStateA(natural, std::nullopt, *picture.bitmap(), 0, 0,
                        gdi::DST_BITMAP | gdi::DSS_NORMAL);
        gdi::StretchBlt(drawn, 0, 0, pw, ph, natural, 0, 0, nw, nh, gdi::SRCCOPY);
        TransparentBlit(dc, dc, drawn, 0, 0, pw, ph, where.left, where.top, look.maskColor);
        return;
    }

    // The state image works on a copy whose mask-coloured pixels are white,
    // the colour the state drawing leaves alone.
    gdi::DeviceContext own = gdi::CreateCompatibleDC(dc);
    gdi::SelectObject(own, picture.bitmap());
    gdi::SetBkColor(natural, gdi::kWhite);
    DrawRect(natural, 0, 0, nw, nh, static_cast<OleColor>(gdi::kWhite), 1);
    TransparentBlit(natural, natural, own, 0, 0, nw, nh, 0, 0, look.maskColor);
    gdi::StretchBlt(drawn, 0, 0, pw, ph, natural, 0, 0, nw, nh, gdi::SRCCOPY);
    const std::shared_ptr<gdi::Bitmap> image = drawn.takeBitmap();
    if (!image)
        return;
    if (shadow == 1)
        gdi::DrawStateA(dc, gdi::CreateSolidBrush(kShadowGrey), *image, where.left, where.top,
                        gdi::DST_BITMAP | gdi::DSS_MONO);
    else
        gdi::DrawStateA(dc, std::nullopt, *image, where.left, where.top,
                        gdi::DST_BITMAP | gdi::DSS_DISABLED);
}

void DrawIconPicture(const PaintLook& look, gdi::DeviceContext& dc, std::uint8_t color,
                     const gdi::Rect& where, std::uint8_t shadow) {
    const gdi::Picture& picture = look.picture.drawable();
    if (!picture.icon())
        return;
    const gdi::Icon& icon = *picture.icon();
    const int pw = look.pictureW, ph = look.pictureH;
    const int nw = look.naturalW, nh = look.naturalH;
    if (color != 0) {
        // The natural-size region is what scales to the drawing size, as for
        // bitmaps; it differs from the whole icon when the stored natural size
        // is not the icon's own.
        if (nw <= 0 || nh <= 0)
            return;
        if (nw == icon.width() && nh == icon.height())
            gdi::DrawIconEx(dc, where.left, where.top, icon, pw, ph);
        else
            gdi::DrawIconEx(dc, where.left, where.top, iconRegion(icon, nw, nh), pw, ph);
        return;
    }
    // Both start black; the black left untouched is keyed out at the end.
    gdi::DeviceContext natural = scratch(dc, nw, nh);
    gdi::DeviceContext drawn = scratch(dc, pw, ph);
    if (shadow == 1)
        gdi::DrawStateA(natural, gdi::CreateSolidBrush(kShadowGrey), icon, 0, 0,
                        gdi::DST_ICON | gdi::DSS_MONO);
    else
        gdi::DrawStateA(natural, std::nullopt, icon, 0, 0, gdi::DST_ICON | gdi::DSS_DISABLED);
    gdi::StretchBlt(drawn, 0, 0, pw, ph, natural, 0, 0, nw, nh, gdi::SRCCOPY);
    TransparentBlit(dc, dc, drawn, 0, 0, pw, ph, where.left, where.top, 0);
}

} // namespace anybutton
