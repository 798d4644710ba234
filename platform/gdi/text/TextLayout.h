#pragma once

#include <QString>

#include <functional>
#include <string_view>
#include <vector>

namespace gdi {

// One laid-out line: its visible characters, where each starts relative to the
// line's left edge, and which character (if any) carries the prefix underline.
struct TextLine {
    QString text;
    std::vector<int> offsets; // one per character
    std::vector<int> advances;
    int width = 0;
    int underlined = -1; // index into text, -1 for none
};

// Splits text into lines the way DrawTextExA draws it: explicit line breaks,
// "&" prefixes, word wrapping at wrapWidth. Measuring and drawing both use it,
// so a measured rectangle always fits the drawn text. Pure: glyph advances
// come from the caller.
class TextLayout {
public:
    using Advance = std::function<int(QChar)>;

    TextLayout(const QString& text, unsigned format, int wrapWidth, const Advance& advance);

    const std::vector<TextLine>& lines() const { return lines_; }
    int widestLine() const;

private:
    struct Char {
        QChar ch;
        int advance = 0;
        bool prefixed = false;
    };

    void addParagraph(const QString& paragraph, unsigned format, int wrapWidth,
                      const Advance& advance);
    void addLine(const std::vector<Char>& chars, std::size_t begin, std::size_t end);

    std::vector<TextLine> lines_;
};

// Windows-1252 bytes to text; the five undefined bytes map to the C1 characters
// of the same value.
QString decodeAnsi(std::string_view bytes);

} // namespace gdi
