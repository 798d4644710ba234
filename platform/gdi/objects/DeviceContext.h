#pragma once

#include "platform/gdi/objects/Bitmap.h"
#include "platform/gdi/objects/Brush.h"
#include "platform/gdi/objects/Color.h"
#include "platform/gdi/objects/Font.h"
#include "platform/gdi/objects/Pen.h"
#include "platform/gdi/objects/Rect.h"
#include "platform/gdi/objects/SystemColors.h"

#include <memory>

namespace gdi {

class GlyphCache;

// Antialiased glyphs on screen; Aliased gives exact, reproducible text pixels.
enum class TextRendering { Antialiased, Aliased };

// A drawing target: the selected bitmap and the drawing state. Move-only; the
// bitmap is shared so a context can draw into a bitmap another object keeps
// (a picture's, the container's background) and a bitmap can be taken out and
// outlive its context. Pens, brushes and fonts are plain values.
// A new context: no bitmap, black pen, white brush, text colour black,
// background colour white, current position (0, 0).
class DeviceContext {
public:
    explicit DeviceContext(SystemColors colors = SystemColors::pinned());
    DeviceContext(DeviceContext&&) noexcept = default;
    DeviceContext& operator=(DeviceContext&&) noexcept = default;
    DeviceContext(const DeviceContext&) = delete;
    DeviceContext& operator=(const DeviceContext&) = delete;

    // Null when none is selected; every drawing call then does nothing.
    Bitmap* bitmap() { return bitmap_.get(); }
    const Bitmap* bitmap() const { return bitmap_.get(); }
    int width() const { return bitmap_ ? bitmap_->width() : 0; }
    int height() const { return bitmap_ ? bitmap_->height() : 0; }

    // Each select returns what it displaced.
    std::shared_ptr<Bitmap> selectBitmap(std::shared_ptr<Bitmap> bitmap);
    std::shared_ptr<Bitmap> takeBitmap() { return selectBitmap(nullptr); }
    Pen selectPen(Pen pen);
    Brush selectBrush(Brush brush);
    Font selectFont(Font font);

    const Pen& pen() const { return pen_; }
    const Brush& brush() const { return brush_; }
    const Font& font() const { return font_; }

    COLORREF bkColor() const { return bkColor_; }
    COLORREF setBkColor(COLORREF c);
    COLORREF textColor() const { return textColor_; }
    COLORREF setTextColor(COLORREF c);

    Point currentPosition() const { return position_; }
    void setCurrentPosition(Point p) { position_ = p; }

    const SystemColors& systemColors() const { return colors_; }
    void setSystemColors(const SystemColors& colors) { colors_ = colors; }
    TextRendering textRendering() const { return textRendering_; }
    void setTextRendering(TextRendering r) { textRendering_ = r; }

    // Glyphs rendered for this context's text; shared with compatible contexts.
    GlyphCache& glyphCache();

    // The pixel value a colour writes into the selected bitmap: references are
    // resolved through this context's system colours, then converted to the
    // bitmap's format.
    COLORREF nativeColor(COLORREF c) const;

private:
    friend DeviceContext CreateCompatibleDC(const DeviceContext& ref);

    std::shared_ptr<Bitmap> bitmap_;
    Pen pen_;
    Brush brush_;
    Font font_;
    COLORREF bkColor_ = kWhite;
    COLORREF textColor_ = kBlack;
    Point position_;
    SystemColors colors_;
    TextRendering textRendering_ = TextRendering::Antialiased;
    std::shared_ptr<GlyphCache> glyphs_; // made on first use
};

// A memory context sharing ref's system colours and text rendering, no bitmap.
DeviceContext CreateCompatibleDC(const DeviceContext& ref);

// One-bit when ref holds a one-bit bitmap, colour otherwise (also for a context
// with no bitmap). Starts black. Null when the size is beyond what the layer makes.
// The most pixels a bitmap may have (64 Mi, 256 MB); the factories return null above it.
inline constexpr std::int64_t kMaxBitmapPixels = std::int64_t{1} << 26;

std::shared_ptr<Bitmap> CreateCompatibleBitmap(const DeviceContext& ref, int width, int height);

// planes x bitsPerPixel == 1 gives a one-bit bitmap (all 0), anything else colour
// (black). Null when the size is beyond what the layer makes.
std::shared_ptr<Bitmap> CreateBitmap(int width, int height, int planes, int bitsPerPixel);

inline std::shared_ptr<Bitmap> SelectObject(DeviceContext& dc, std::shared_ptr<Bitmap> b) {
    return dc.selectBitmap(std::move(b));
}
inline Pen SelectObject(DeviceContext& dc, Pen p) {
    return dc.selectPen(p);
}
inline Brush SelectObject(DeviceContext& dc, Brush b) {
    return dc.selectBrush(b);
}
inline Font SelectObject(DeviceContext& dc, Font f) {
    return dc.selectFont(std::move(f));
}

inline COLORREF SetBkColor(DeviceContext& dc, COLORREF c) {
    return dc.setBkColor(c);
}
inline COLORREF SetTextColor(DeviceContext& dc, COLORREF c) {
    return dc.setTextColor(c);
}
inline COLORREF GetBkColor(const DeviceContext& dc) {
    return dc.bkColor();
}
inline COLORREF GetTextColor(const DeviceContext& dc) {
    return dc.textColor();
}

} // namespace gdi
