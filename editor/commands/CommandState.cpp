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
    s.cutEnabled = !in.selectionEmpty;
    s.copyEnabled = !in.selectionEmpty;
    s.pasteTwinEnabled = in.pasteEnabled;
    s.toolsTwinEnabled = in.toolsEnabled;
    s.barTwinEnabled = in.barEnabled;
    s.toolsTwinChecked = in.toolsChecked;
    s.barTwinChecked = s.barChecked;
    return s;
}

} // namespace editor
