#include "platform/gdi/objects/DeviceContext.h"

#include "platform/gdi/objects/GlyphCache.h"

#include <cstdint>
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

namespace {

// We choose: a bitmap above 64 Mi pixels (256 MB) is not made; the factories
// return null like a failed creation, and drawing into a context without a
// bitmap does nothing.
std::shared_ptr<Bitmap> makeBitmap(int width, int height, BitmapFormat format) {
    if (std::int64_t{width} * height > kMaxBitmapPixels && width > 0 && height > 0)
        return nullptr;
    return std::make_shared<Bitmap>(width, height, format);
}

} // namespace

// We choose: a context without a bitmap counts as colour, so scratch bitmaps
// made from a fresh memory context are colour bitmaps.
std::shared_ptr<Bitmap> CreateCompatibleBitmap(const DeviceContext& ref, int width, int height) {
    const bool mono = ref.bitmap() && ref.bitmap()->isMono();
    return makeBitmap(width, height, mono ? BitmapFormat::Mono : BitmapFormat::Color);
}

std::shared_ptr<Bitmap> CreateBitmap(int width, int height, int planes, int bitsPerPixel) {
    const bool mono = planes * bitsPerPixel == 1;
    return makeBitmap(width, height, mono ? BitmapFormat::Mono : BitmapFormat::Color);
}

} // namespace gdi
