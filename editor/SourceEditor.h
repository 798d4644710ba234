#pragma once

#include "editor/TextEncoding.h"

#include <Qsci/qsciscintilla.h>

#include <string_view>

namespace editor {

class DocumentReader;

// The source editor `coding`: a plain-text QScintilla editor that keeps every
// byte and line end of the text it is given.
class SourceEditor : public QsciScintilla {
    Q_OBJECT
public:
    explicit SourceEditor(QWidget* parent = nullptr);

    // Replaces the whole text with what the reader yields, without undo history.
    // On a read failure the text stays as it was.
    bool loadFrom(DocumentReader& reader);
    void replaceText(std::string_view utf8);
    // The whole text as the editor holds it (UTF-8); valid until the next edit.
    std::string_view textBytes();

    void setLineEnd(LineEnd lineEnd);
    // Caret to the start of the text, scrolled into view.
    void moveCaretToStart();
    // Removes the editor's own key bindings for keys the window's menus use.
    void releaseKeys(const QList<QKeySequence>& keys);
};

} // namespace editor
