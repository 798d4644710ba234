#pragma once

class QColor;
class QsciScintilla;

namespace editor {

// Takes the editor's lexer away. The component then resets every style to
// its own font and to black on white: the plain text keeps the font, the
// colours and the line numbers' margin it had.
void detachLexerKeepingLook(QsciScintilla& editor);

// Without a lexer: every style draws like the default one, in these colours
// (a page with long lines is cut into runs of two styles).
void colourPlainStyles(QsciScintilla& editor, const QColor& text, const QColor& paper);

} // namespace editor
