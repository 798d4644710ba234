#include "editor/editing/EditorKeys.h"

#include <Qsci/qscicommand.h>
#include <Qsci/qscicommandset.h>
#include <Qsci/qsciscintilla.h>

#include <QKeyEvent>

namespace editor {

using Sci = QsciScintillaBase;

void releaseKeys(QsciScintilla& editor, const QList<QKeySequence>& keys) {
    for (const QKeySequence& sequence : keys) {
        if (sequence.isEmpty())
            continue;
        const int key = sequence[0].toCombined();
        // The editor only knows keys it can bind; others cannot clash.
        if (!QsciCommand::validKey(key))
            continue;
        while (QsciCommand* command = editor.standardCommands()->boundTo(key)) {
            if (command->key() == key)
                command->setKey(0);
            else
                command->setAlternateKey(0);
        }
    }
}

bool typesNothing(QsciScintilla& editor, const QKeyEvent& event) {
    // AltGr characters come without either modifier.
    if (!(event.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) || event.text().isEmpty() ||
        !event.text().at(0).isPrint())
        return false;
    const int key = event.keyCombination().toCombined() & ~Qt::KeypadModifier;
    return !QsciCommand::validKey(key) || !editor.standardCommands()->boundTo(key);
}

std::string indentationBefore(const QsciScintillaBase& editor, long caret) {
    const long line =
        editor.SendScintilla(Sci::SCI_LINEFROMPOSITION, static_cast<unsigned long>(caret));
    const long lineStart =
        editor.SendScintilla(Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    std::string indent;
    for (long pos = lineStart; pos < caret; ++pos) {
        const auto c = static_cast<char>(
            editor.SendScintilla(Sci::SCI_GETCHARAT, static_cast<unsigned long>(pos)));
        if (c != ' ' && c != '\t')
            break;
        indent += c;
    }
    return indent;
}

} // namespace editor
