#pragma once

#include "editor/commands/CommandState.h"

#include <array>

class QRadioButton;

namespace anybutton {
class AnyButton;
}
class QWidget;

namespace editor {

class DocumentMenus;

// Completes the inputs with what the menus hold (enabled states, check marks).
CommandInputs readCommandInputs(CommandInputs in, const DocumentMenus& menus);

// Shows a computed command state on the window, its options and its menus.
void applyCommandState(const CommandState& s, const DocumentMenus& menus, QWidget& window,
                       const std::array<QRadioButton*, 4>& options, anybutton::AnyButton* Command1);

} // namespace editor
