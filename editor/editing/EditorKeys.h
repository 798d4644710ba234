#pragma once

#include <QKeySequence>
#include <QList>

#include <string>

class QKeyEvent;
class QsciScintilla;
class QsciScintillaBase;

namespace editor {

// The keys of the source editor, beside those of the window's menus.

// Removes the editor's own bindings of keys the window's menus use.
void releaseKeys(QsciScintilla& editor, const QList<QKeySequence>& keys);
// A key held with Ctrl or Alt that no command of the editor takes: the
// component would type its character (Alt+I would type "i").
bool typesNothing(QsciScintilla& editor, const QKeyEvent& event);
// The spaces and tabs that begin the caret's line, up to the caret: what
// Return carries to the new line.
std::string indentationBefore(const QsciScintillaBase& editor, long caret);

} // namespace editor
