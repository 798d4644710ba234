#pragma once

#include <memory>

class QWidget;

namespace editor {

class DocumentMenus;
class frmMain;

// The document window's menus and what each item runs, declared as one table.
std::unique_ptr<DocumentMenus> buildDocumentMenus(QWidget* owner);

// Connects every item to what its row runs and every context-menu twin to its
// main item, registers the keys on the window (so they work wherever the
// menus are shown) and takes them from the editor's own bindings.
void connectDocumentMenus(frmMain& window);

} // namespace editor
