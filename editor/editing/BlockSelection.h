#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class QsciScintillaBase;

namespace editor {

class SourceEditor;

// A block (rectangular) selection, or several ranges: commands act on each
// piece the user sees selected, never on the span from the first to the last.

bool selectionHasPieces(const QsciScintillaBase& editor);
// The selected ranges as byte positions [start, end), in document order.
std::vector<std::pair<long, long>> selectionPieces(const QsciScintillaBase& editor);
// Replaces each piece with what `replacement` makes of its bytes, as one
// edit; the caret ends after the main piece's replacement, nothing selected.
void replaceEachPiece(SourceEditor& editor,
                      const std::function<std::string(std::string_view)>& replacement);

} // namespace editor
