#pragma once

#include "editor/commands/CommandState.h"

#include <array>

class QRadioButton;
class QWidget;

namespace anybutton {
class AnyButton;
}

namespace editor {

class DocumentMenus;

// Shows a computed command state on the window, its options, its preview
// button and its menus: each item by its row's rule, each context-menu twin
// as its main item, in row order.
void applyCommandState(const CommandState& s, const DocumentMenus& menus, QWidget& window,
                       const std::array<QRadioButton*, 4>& options, anybutton::AnyButton* Command1);

} // namespace editor
