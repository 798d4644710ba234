#include "platform/gdi/DeviceContext.h"

#include "platform/gdi/GlyphCache.h"

#include <utility>

namespace gdi {

DeviceContext::DeviceContext(SystemColors colors) : colors_(colors) {}

std::shared_ptr<Bitmap> DeviceContext::selectBitmap(std::shared_ptr<Bitmap> bitmap) {
    return std::exchange(bitmap_, std::move(bitmap));
}

Pen DeviceContext::selectPen(Pen pen) {
    return std::exchange(pen_, pen);
}
Brush DeviceContext::selectBrush(Brush brush) {
    return std::exchange(brush_, brush);
}
Font DeviceContext::selectFont(Font font) {
    return std::exchange(font_, std::move(font));
}
COLORREF DeviceContext::setBkColor(COLORREF c) {
    return std::exchange(bkColor_, c);
}
COLORREF DeviceContext::setTextColor(COLORREF c) {
    return std::exchange(textColor_, c);
}

COLORREF DeviceContext::nativeColor(COLORREF c) const {
    const COLORREF rgb = colors_.resolve(c);
    return bitmap_ ? bitmap_->toNative(rgb) : (rgb & kColorBits);
}

GlyphCache& DeviceContext::glyphCache() {
    if (!glyphs_)
        glyphs_ = std::make_shared<GlyphCache>();
    return *glyphs_;
}

DeviceContext CreateCompatibleDC(const DeviceContext& ref) {
    DeviceContext dc(ref.systemColors());
    dc.setTextRendering(ref.textRendering());
    dc.glyphs_ = ref.glyphs_;
    return dc;
}

// We choose: a context without a bitmap counts as colour, so scratch bitmaps
// made from a fresh memory context are colour bitmaps.
std::shared_ptr<Bitmap> CreateCompatibleBitmap(const DeviceContext& ref, int width, int height) {
    const bool mono = ref.bitmap() && ref.bitmap()->isMono();
    return std::make_shared<Bitmap>(width, height, mono ? BitmapFormat::Mono : BitmapFormat::Color);
}

std::shared_ptr<Bitmap> CreateBitmap(int width, int height, int planes, int bitsPerPixel) {
    const bool mono = planes * bitsPerPixel == 1;
    return std::make_shared<Bitmap>(width, height, mono ? BitmapFormat::Mono : BitmapFormat::Color);
}

} // namespace gdi
