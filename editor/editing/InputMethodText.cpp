#include "editor/editing/InputMethodText.h"

#include <Qsci/qsciscintillabase.h>

namespace editor {

namespace {

// [from, to) as UTF-16; both are character boundaries.
QString textOf(const QsciScintillaBase& editor, long from, long to) {
    const auto* data = static_cast<const char*>(reinterpret_cast<void*>(editor.SendScintilla(
        QsciScintillaBase::SCI_GETRANGEPOINTER, static_cast<unsigned long>(from), to - from)));
    return QString::fromUtf8(data, static_cast<qsizetype>(to - from));
}

// The character boundary at or after (forward) or before (backward) pos.
long boundaryForward(const QsciScintillaBase& editor, long pos) {
    using Sci = QsciScintillaBase;
    return editor.SendScintilla(
        Sci::SCI_POSITIONAFTER,
        static_cast<unsigned long>(editor.SendScintilla(Sci::SCI_POSITIONBEFORE, pos)));
}

long boundaryBackward(const QsciScintillaBase& editor, long pos) {
    using Sci = QsciScintillaBase;
    return editor.SendScintilla(
        Sci::SCI_POSITIONBEFORE,
        static_cast<unsigned long>(editor.SendScintilla(Sci::SCI_POSITIONAFTER, pos)));
}

} // namespace

CaretText textNearCaret(const QsciScintillaBase& editor) {
    using Sci = QsciScintillaBase;
    const long caret = editor.SendScintilla(Sci::SCI_GETCURRENTPOS);
    const auto line =
        static_cast<unsigned long>(editor.SendScintilla(Sci::SCI_LINEFROMPOSITION, caret));
    const long lineStart = editor.SendScintilla(Sci::SCI_POSITIONFROMLINE, line);
    const long lineEnd = editor.SendScintilla(Sci::SCI_GETLINEENDPOSITION, line);
    const long from = caret - lineStart > kInputContext
                          ? boundaryForward(editor, caret - kInputContext)
                          : lineStart;
    const long to =
        lineEnd - caret > kInputContext ? boundaryBackward(editor, caret + kInputContext) : lineEnd;
    const QString before = textOf(editor, from, caret);
    return {before + textOf(editor, caret, to), static_cast<int>(before.size())};
}

QString selectionStart(const QsciScintillaBase& editor) {
    using Sci = QsciScintillaBase;
    const long start = editor.SendScintilla(Sci::SCI_GETSELECTIONSTART);
    const long end = editor.SendScintilla(Sci::SCI_GETSELECTIONEND);
    return textOf(editor, start,
                  end - start > kInputContext ? boundaryBackward(editor, start + kInputContext)
                                              : end);
}

} // namespace editor
