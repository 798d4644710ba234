#pragma once

namespace editor {

class frmMain;

// Connects the document window's menu items, shortcuts and context-menu twins
// to its commands.
void connectDocumentMenus(frmMain& window);

} // namespace editor
