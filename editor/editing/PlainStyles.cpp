#include "editor/editing/PlainStyles.h"

#include <Qsci/qsciscintilla.h>

#include <QColor>

#include <iterator>

namespace editor {

using Sci = QsciScintillaBase;

namespace {

constexpr auto kDefault = static_cast<unsigned long>(Sci::STYLE_DEFAULT);
constexpr auto kNumbers = static_cast<unsigned long>(Sci::STYLE_LINENUMBER);

// The style settings a detach loses, in get and set pairs.
constexpr unsigned int kKept[][2] = {
    {Sci::SCI_STYLEGETSIZEFRACTIONAL, Sci::SCI_STYLESETSIZEFRACTIONAL},
    {Sci::SCI_STYLEGETWEIGHT, Sci::SCI_STYLESETWEIGHT},
    {Sci::SCI_STYLEGETITALIC, Sci::SCI_STYLESETITALIC},
    {Sci::SCI_STYLEGETFORE, Sci::SCI_STYLESETFORE},
    {Sci::SCI_STYLEGETBACK, Sci::SCI_STYLESETBACK},
};

// Every style like the default one; the line numbers' margin keeps its colours.
void clearStylesKeepingMargin(QsciScintilla& editor) {
    const long fore = editor.SendScintilla(Sci::SCI_STYLEGETFORE, kNumbers);
    const long back = editor.SendScintilla(Sci::SCI_STYLEGETBACK, kNumbers);
    editor.SendScintilla(Sci::SCI_STYLECLEARALL);
    editor.SendScintilla(Sci::SCI_STYLESETFORE, kNumbers, fore);
    editor.SendScintilla(Sci::SCI_STYLESETBACK, kNumbers, back);
}

} // namespace

void detachLexerKeepingLook(QsciScintilla& editor) {
    if (!editor.lexer())
        return;
    char font[128] = {};
    editor.SendScintilla(Sci::SCI_STYLEGETFONT, kDefault, static_cast<void*>(font));
    long kept[std::size(kKept)];
    for (std::size_t i = 0; i < std::size(kKept); ++i)
        kept[i] = editor.SendScintilla(kKept[i][0], kDefault);
    const long numbersFore = editor.SendScintilla(Sci::SCI_STYLEGETFORE, kNumbers);
    const long numbersBack = editor.SendScintilla(Sci::SCI_STYLEGETBACK, kNumbers);
    editor.setLexer(nullptr);

    editor.SendScintilla(Sci::SCI_STYLESETFONT, kDefault, static_cast<void*>(font));
    for (std::size_t i = 0; i < std::size(kKept); ++i)
        editor.SendScintilla(kKept[i][1], kDefault, kept[i]);
    editor.SendScintilla(Sci::SCI_STYLESETFORE, kNumbers, numbersFore);
    editor.SendScintilla(Sci::SCI_STYLESETBACK, kNumbers, numbersBack);
    clearStylesKeepingMargin(editor);
}

void colourPlainStyles(QsciScintilla& editor, const QColor& text, const QColor& paper) {
    // Remembered by the component for its own use without a lexer.
    editor.setColor(text);
    editor.setPaper(paper);
    editor.SendScintilla(Sci::SCI_STYLESETFORE, kDefault, text);
    editor.SendScintilla(Sci::SCI_STYLESETBACK, kDefault, paper);
    clearStylesKeepingMargin(editor);
}

} // namespace editor
