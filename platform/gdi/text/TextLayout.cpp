#include "platform/gdi/text/TextLayout.h"

#include "core/text/Windows1252.h"
#include "platform/gdi/text/TextFormat.h"

#include <algorithm>
#include <array>

namespace gdi {

QString decodeAnsi(std::string_view bytes) {
    QString out;
    out.reserve(static_cast<qsizetype>(bytes.size()));
    for (char c : bytes) {
        out.append(
            QChar(static_cast<char16_t>(core::windows1252ToUnicode(static_cast<std::uint8_t>(c)))));
    }
    return out;
}

TextLayout::TextLayout(const QString& text, unsigned format, int wrapWidth,
                       const Advance& advance) {
    if (text.isEmpty())
        return; // We choose: empty text has no lines (zero height).
    if (format & DT_SINGLELINE) {
        // We choose: line breaks in single-line text are dropped.
        QString joined = text;
        joined.remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
        addParagraph(joined, format, wrapWidth, advance);
        return;
    }
    // CR, LF and CR LF each end a paragraph; a break at the very end starts an
    // empty last line.
    int start = 0;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        addParagraph(text.mid(start, i - start), format, wrapWidth, advance);
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    addParagraph(text.mid(start), format, wrapWidth, advance);
}

int TextLayout::widestLine() const {
    int widest = 0;
    for (const TextLine& l : lines_)
        widest = std::max(widest, l.width);
    return widest;
}

void TextLayout::addParagraph(const QString& paragraph, unsigned format, int wrapWidth,
                              const Advance& advance) {
    std::vector<Char> chars;
    chars.reserve(static_cast<std::size_t>(paragraph.size()));
    for (int i = 0; i < paragraph.size(); ++i) {
        QChar c = paragraph.at(i);
        bool prefixed = false;
        // "&x" marks x, "&&" is one "&", a lone "&" at the end is itself.
        if (c == QLatin1Char('&') && i + 1 < paragraph.size()) {
            c = paragraph.at(++i);
            prefixed = c != QLatin1Char('&');
        }
        chars.push_back({c, advance(c), prefixed});
    }

    const std::size_t n = chars.size();
    if (!(format & DT_WORDBREAK) || (format & DT_SINGLELINE)) {
        addLine(chars, 0, n);
        return;
    }
    const bool centred = (format & DT_CENTER) != 0;
    const auto isSpace = [&](std::size_t k) { return chars[k].ch == QLatin1Char(' '); };
    std::size_t p = 0;
    if (n == 0)
        addLine(chars, 0, 0);
    while (p < n) {
        int w = 0;
        std::size_t q = p;
        while (q < n && w + chars[q].advance <= wrapWidth)
            w += chars[q++].advance;
        if (q == n) {
            addLine(chars, p, n);
            break;
        }
        // Break at the last space up to the first character that does not fit;
        // we choose: that character itself counts when it is a space.
        std::size_t s = q;
        while (s > p && !isSpace(s))
            --s;
        if (s == p) {
            // No break point: the word stays whole and overflows.
            s = q;
            while (s < n && !isSpace(s))
                ++s;
            if (s == n) {
                addLine(chars, p, n);
                break;
            }
        }
        // The line keeps its break space unless centred, or the space itself
        // did not fit (we choose: a line never ends in a space beyond the wrap width).
        const bool keepSpace = !centred && s < q;
        addLine(chars, p, keepSpace ? s + 1 : s);
        p = s + 1;
        if (p < n && isSpace(p))
            ++p; // one space after a break is skipped
    }
}

void TextLayout::addLine(const std::vector<Char>& chars, std::size_t begin, std::size_t end) {
    TextLine line;
    for (std::size_t k = begin; k < end; ++k) {
        if (chars[k].prefixed && line.underlined < 0)
            line.underlined = line.text.size();
        line.text.append(chars[k].ch);
        line.offsets.push_back(line.width);
        line.advances.push_back(chars[k].advance);
        line.width += chars[k].advance;
    }
    lines_.push_back(std::move(line));
}

} // namespace gdi
