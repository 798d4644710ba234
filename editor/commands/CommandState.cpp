#include "editor/commands/CommandState.h"

namespace editor {

CommandState computeCommandState(const CommandInputs& in) {
    CommandState s;
    s.barChecked = in.barVisible;
    core::DocumentType option = in.option;
    if (!in.currentFile.isEmpty()) {
        s.caption = in.currentFile;
        option = core::documentTypeForPath(in.currentFile);
        s.option = option;
    }
    s.previewEnabled = option != core::DocumentType::CSS;
    s.selectionEnabled = !in.selectionEmpty;
    s.undoEnabled = in.canUndo;
    s.redoEnabled = in.canRedo;
    return s;
}

} // namespace editor
