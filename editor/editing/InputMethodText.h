#pragma once

#include <QString>

class QsciScintillaBase;

namespace editor {

// What the editor tells an input method of its text: only the text near the
// caret, at most kInputContext bytes on each side, cut between characters.
// The component's own answers hold the whole paragraph or selection.
constexpr long kInputContext = 4096;

struct CaretText {
    QString text;   // the caret's line, or the part of it around the caret
    int cursor = 0; // the caret's offset in text, in UTF-16 units
};

CaretText textNearCaret(const QsciScintillaBase& editor);
// The selection, or its first kInputContext bytes.
QString selectionStart(const QsciScintillaBase& editor);

} // namespace editor
