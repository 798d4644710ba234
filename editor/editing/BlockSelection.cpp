#include "editor/editing/BlockSelection.h"

#include "editor/editing/SourceEditor.h"

#include <algorithm>

namespace editor {

using Sci = QsciScintillaBase;

bool selectionHasPieces(const QsciScintillaBase& editor) {
    return editor.SendScintilla(Sci::SCI_GETSELECTIONS) > 1 ||
           editor.SendScintilla(Sci::SCI_SELECTIONISRECTANGLE) != 0;
}

std::vector<std::pair<long, long>> selectionPieces(const QsciScintillaBase& editor) {
    const long count = editor.SendScintilla(Sci::SCI_GETSELECTIONS);
    std::vector<std::pair<long, long>> pieces;
    pieces.reserve(static_cast<size_t>(count));
    for (long n = 0; n < count; ++n) {
        const auto index = static_cast<unsigned long>(n);
        pieces.emplace_back(editor.SendScintilla(Sci::SCI_GETSELECTIONNSTART, index),
                            editor.SendScintilla(Sci::SCI_GETSELECTIONNEND, index));
    }
    std::sort(pieces.begin(), pieces.end());
    return pieces;
}

void replaceEachPiece(SourceEditor& editor,
                      const std::function<std::string(std::string_view)>& replacement) {
    const auto main = static_cast<unsigned long>(editor.SendScintilla(Sci::SCI_GETMAINSELECTION));
    const long mainStart = editor.SendScintilla(Sci::SCI_GETSELECTIONNSTART, main);
    const std::vector<std::pair<long, long>> pieces = selectionPieces(editor);
    long caret = 0;
    long growthBefore = 0; // of the pieces before the main one
    editor.SendScintilla(Sci::SCI_BEGINUNDOACTION);
    // From the last piece up, so that the positions still to come stay valid.
    for (auto it = pieces.rbegin(); it != pieces.rend(); ++it) {
        const auto [start, end] = *it;
        // Made before the edit: the piece's bytes live in the editor's buffer.
        const std::string made = replacement(editor.textBytes().substr(
            static_cast<size_t>(start), static_cast<size_t>(end - start)));
        editor.replaceRange(start, end, made);
        if (start == mainStart)
            caret = start + static_cast<long>(made.size());
        else if (start < mainStart)
            growthBefore += static_cast<long>(made.size()) - (end - start);
    }
    editor.SendScintilla(Sci::SCI_ENDUNDOACTION);
    editor.SendScintilla(Sci::SCI_GOTOPOS, static_cast<unsigned long>(caret + growthBefore));
}

} // namespace editor
