#pragma once

#include <cstddef>
#include <optional>

class QEvent;
class QsciScintillaBase;

namespace editor {

// Whether the memory the editor component may need to take `bytes` more is
// there: its buffers grow by up to a third through a second copy, and a
// growth that fails leaves them broken (the component cannot undo it).
bool roomFor(QsciScintillaBase& editor, std::size_t bytes);

// The bytes an event may insert into the text; nothing for events that do
// not edit (keys that move the caret or run a shortcut among them).
std::optional<std::size_t> insertionOf(const QEvent* e);

} // namespace editor
