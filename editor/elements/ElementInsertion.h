#pragma once

#include <QString>

namespace editor {

class SourceEditor;

// What an element button or its Insert-menu twin does: gives the editor the
// focus and, when the caption is a key of the element table, replaces the
// selection with the wrapped selection or the template, as one edit. The
// caret then stands after the inserted text with nothing selected.
void insertElement(SourceEditor& coding, const QString& caption);

} // namespace editor
