#include "editor/elements/ElementInsertion.h"

#include "editor/editing/BlockSelection.h"
#include "editor/editing/SourceEditor.h"
#include "editor/elements/ElementTable.h"

namespace editor {

void insertElement(SourceEditor& coding, const QString& caption) {
    coding.setFocus();
    const Element* element = findElement(caption);
    if (!element)
        return;
    // A block: each piece the user sees is wrapped, or gets the template at
    // its caret when it is empty.
    if (selectionHasPieces(coding)) {
        replaceEachPiece(coding, [element](std::string_view piece) {
            return elementText(*element, piece.empty() ? std::nullopt
                                                       : std::optional<std::string_view>(piece));
        });
        return;
    }
    const std::string_view selected = coding.selectedBytes();
    // The selection is copied before the edit: its bytes live in the editor's buffer.
    const std::string text = elementText(
        *element, selected.empty() ? std::nullopt : std::optional<std::string_view>(selected));
    coding.replaceSelection(text);
}

} // namespace editor
