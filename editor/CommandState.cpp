#include "editor/CommandState.h"

namespace editor {

int optionForPath(const QString& path) {
    const QString ending = path.right(4).toLower();
    if (ending == QLatin1String(".xml"))
        return 1;
    if (ending == QLatin1String(".asp"))
        return 2;
    if (ending == QLatin1String(".css"))
        return 3;
    return 0;
}

CommandState computeCommandState(const CommandInputs& in) {
    CommandState s;
    s.barChecked = in.barVisible;
    int option = in.option;
    if (!in.currentFile.isEmpty()) {
        s.caption = in.currentFile;
        option = optionForPath(in.currentFile);
        s.option = option;
    }
    s.previewEnabled = option != 3;
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
