#pragma once

#include "platform/gdi/objects/Font.h"

#include <QFont>
#include <QFontMetrics>
#include <QRect>

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

namespace gdi {

enum class TextRendering;

// Glyph coverage and advances from Qt's font engine, rendered once per font and
// character. Owned by device contexts (shared with the contexts made
// compatible with them), so repeated captions cost no font-engine work.
class GlyphCache {
public:
    // Coverage of one character drawn with its pen at (0, baseline 0).
    struct Glyph {
        int left = 0; // of the coverage box, relative to the pen position
        int top = 0;  // relative to the baseline
        int width = 0;
        int height = 0;
        std::vector<std::uint8_t> coverage; // 0 none .. 255 full ink
    };

    class Face {
    public:
        Face(const Font& font, TextRendering rendering);
        int ascent() const { return ascent_; }
        int lineHeight() const { return lineHeight_; }
        int advance(QChar c);
        const Glyph& glyph(QChar c);
        // Where the glyph may ink, relative to its pen on the baseline: from
        // the font's metrics, without drawing it.
        const QRect& inkBounds(QChar c);
        bool hasGlyph(QChar c) const { return glyphs_.count(c.unicode()) != 0; }
        // Pixels of the scratch images drawn so far: the work glyphs cost.
        std::uint64_t rasterisedPixels() const { return rasterised_; }

    private:
        QFont font_;
        QFontMetrics metrics_;
        bool antialiased_;
        int ascent_;
        int lineHeight_;
        std::unordered_map<char16_t, int> advances_;
        std::unordered_map<char16_t, Glyph> glyphs_;
        std::unordered_map<char16_t, QRect> inks_;
        std::uint64_t rasterised_ = 0;
    };

    Face& face(const Font& font, TextRendering rendering);

private:
    struct Entry {
        Font font;
        TextRendering rendering;
        std::unique_ptr<Face> face;
    };
    std::vector<Entry> entries_;
};

} // namespace gdi
