#include "editor/editing/LongLines.h"

#include "editor/editing/LineSegmenter.h"
#include "editor/editing/PlainStyles.h"

#include <Qsci/qsciscintilla.h>

#include <algorithm>
#include <string>
#include <string_view>

namespace editor {

using Sci = QsciScintillaBase;

namespace {

// Remembered run widths: the component's default, and room for every run of a
// line up to DocumentReader::kLongestLine cut by LineSegmenter.
constexpr unsigned long kPositionCache = 1024;
constexpr unsigned long kLongLinePositionCache = 1 << 18;
constexpr long kStylePiece = 1 << 20;

} // namespace

LongLines::LongLines(QsciScintilla& editor)
    : editor_(editor),
      blinkPeriod_(static_cast<unsigned long>(editor.SendScintilla(Sci::SCI_GETCARETPERIOD))) {}

void LongLines::prepare(std::size_t longestLine) {
    present_ = longestLine > kLongLine;
    editor_.SendScintilla(Sci::SCI_SETPOSITIONCACHE,
                          present_ ? kLongLinePositionCache : kPositionCache);
    if (!present_)
        return;
    // We choose: a page with long lines stays plain. A lexer's styles would
    // replace the short runs that keep such a line quick to lay out.
    detachLexerKeepingLook(editor_);
    const long lines = editor_.SendScintilla(Sci::SCI_GETLINECOUNT);
    for (long line = 0; line < lines; ++line) {
        const long length =
            editor_.SendScintilla(Sci::SCI_LINELENGTH, static_cast<unsigned long>(line));
        if (static_cast<std::size_t>(length) > kLongLine) {
            const long start =
                editor_.SendScintilla(Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
            segment(start, start + length);
        }
    }
}

void LongLines::segment(long from, long to) {
    // A lexer styles the text itself; a document without style bytes keeps none.
    if (editor_.lexer() ||
        (editor_.SendScintilla(Sci::SCI_GETDOCUMENTOPTIONS) & Sci::SC_DOCUMENTOPTION_STYLES_NONE))
        return;
    const auto* data =
        static_cast<const char*>(editor_.SendScintillaPtrResult(Sci::SCI_GETCHARACTERPOINTER));
    const std::string_view text(
        data, static_cast<std::size_t>(editor_.SendScintilla(Sci::SCI_GETLENGTH)));
    const auto before =
        from > 0 ? editor_.SendScintilla(Sci::SCI_GETSTYLEAT, static_cast<unsigned long>(from - 1))
                 : 1;
    LineSegmenter segmenter(static_cast<char>(before));
    std::string styles;
    for (long pos = from; pos < to; pos += kStylePiece) {
        const long length = std::min(kStylePiece, to - pos);
        styles.clear();
        segmenter.append(text.substr(static_cast<size_t>(pos), static_cast<size_t>(length)),
                         styles);
        editor_.SendScintilla(Sci::SCI_STARTSTYLING, static_cast<unsigned long>(pos));
        editor_.SendScintilla(Sci::SCI_SETSTYLINGEX, static_cast<unsigned long>(length),
                              styles.data());
    }
}

bool LongLines::lineIsLong(long position) const {
    const long line =
        editor_.SendScintilla(Sci::SCI_LINEFROMPOSITION, static_cast<unsigned long>(position));
    return static_cast<std::size_t>(editor_.SendScintilla(
               Sci::SCI_LINELENGTH, static_cast<unsigned long>(line))) > kLongLine;
}

void LongLines::followCaret() {
    // Each blink repaints the caret's line, and repainting a long line walks
    // all of it: a steady caret there keeps an idle editor idle.
    const bool wanted = !lineIsLong(editor_.SendScintilla(Sci::SCI_GETCURRENTPOS));
    if (wanted == blinking_)
        return;
    blinking_ = wanted;
    editor_.SendScintilla(Sci::SCI_SETCARETPERIOD, wanted ? blinkPeriod_ : 0UL);
}

} // namespace editor
