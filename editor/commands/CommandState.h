#pragma once

#include "core/DocumentType.h"

#include <QString>

#include <optional>

namespace editor {

// What the command state is computed from.
struct CommandInputs {
    QString currentFile;
    bool barVisible = true;
    core::DocumentType option = core::DocumentType::HTML; // the selected option
    bool selectionEmpty = true;
    bool toolsChecked = true;
    bool pasteEnabled = true;
    bool toolsEnabled = true;
    bool barEnabled = true;
};

// Captions, the document type, enabled states and check marks of the
// document window's commands. Nothing carries over from one computation to
// the next.
struct CommandState {
    bool barChecked = true;
    std::optional<QString> caption;           // set only for a titled document
    std::optional<core::DocumentType> option; // forced only for a titled document
    bool previewEnabled = true;               // Command1 and mnuViewPage
    bool cutEnabled = false;
    bool copyEnabled = false;
    bool pasteTwinEnabled = true;
    bool toolsTwinEnabled = true;
    bool barTwinEnabled = true;
    bool toolsTwinChecked = true;
    bool barTwinChecked = true;
};

CommandState computeCommandState(const CommandInputs& in);

} // namespace editor
