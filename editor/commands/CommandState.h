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
    bool canUndo = false;
    bool canRedo = false;
};

// Captions, the document type, enabled states and check marks of the
// document window's commands. Nothing carries over from one computation to
// the next; the context menu's twins copy their main items.
struct CommandState {
    bool barChecked = true;
    std::optional<QString> caption;           // set only for a titled document
    std::optional<core::DocumentType> option; // forced only for a titled document
    bool previewEnabled = true;               // Command1 and the WithPreview items
    bool selectionEnabled = false;            // the WithSelection items: Cut, Copy
    bool undoEnabled = false;
    bool redoEnabled = false;
};

CommandState computeCommandState(const CommandInputs& in);

} // namespace editor
