#include "editor/MenuWiring.h"

#include "editor/editing/DocumentMenus.h"
#include "editor/editing/SourceEditor.h"
#include "editor/frmMain.h"

#include <QAction>

namespace editor {

void connectDocumentMenus(frmMain& w) {
    const DocumentMenus& m = w.menus();
    // Registered on the window as well, so the shortcuts work wherever the menus are shown.
    w.addActions(m.shortcutActions());
    QList<QKeySequence> keys;
    for (const QAction* action : m.shortcutActions())
        keys.append(action->shortcuts());
    w.coding()->releaseKeys(keys);

    QObject::connect(m.mnuNew, &QAction::triggered, &w, &frmMain::mnuNew_Click);
    QObject::connect(m.mnuOpen, &QAction::triggered, &w, &frmMain::mnuOpen_Click);
    QObject::connect(m.mnuSave, &QAction::triggered, &w, &frmMain::mnuSave_Click);
    QObject::connect(m.mnuSaveAs, &QAction::triggered, &w, &frmMain::mnuSaveAs_Click);
    QObject::connect(m.mnuExit, &QAction::triggered, &w, &frmMain::mnuExit_Click);
    QObject::connect(m.mnuAbout, &QAction::triggered, &w, &frmMain::aboutRequested);
    QObject::connect(m.mnuViewPage, &QAction::triggered, &w, &frmMain::mnuViewPage_Click);

    QObject::connect(m.mnuCut, &QAction::triggered, &w, &frmMain::mnuCut_Click);
    QObject::connect(m.mnuCopy, &QAction::triggered, &w, &frmMain::mnuCopy_Click);
    QObject::connect(m.mnuPaste, &QAction::triggered, &w, &frmMain::mnuPaste_Click);
    QObject::connect(m.mnuSelectAll, &QAction::triggered, &w, &frmMain::mnuSelectAll_Click);
    // A checkable item has already flipped its mark when `triggered` arrives.
    QObject::connect(m.mnuTools, &QAction::triggered, &w,
                     [&w](bool checked) { w.toggleTools(!checked); });
    QObject::connect(m.mnuBottomBar, &QAction::triggered, &w,
                     [&w](bool checked) { w.toggleBottomBar(!checked); });

    // The context menu's items only forward to their main-menu twins.
    QObject::connect(m.mnu_cut, &QAction::triggered, &w, &frmMain::mnuCut_Click);
    QObject::connect(m.mnu_Copy, &QAction::triggered, &w, &frmMain::mnuCopy_Click);
    QObject::connect(m.mnu_Paste, &QAction::triggered, &w, &frmMain::mnuPaste_Click);
    QObject::connect(m.mnu_Tools, &QAction::triggered, &w,
                     [&w] { w.toggleTools(w.menus().mnuTools->isChecked()); });
    QObject::connect(m.mnu_BottomBar, &QAction::triggered, &w,
                     [&w] { w.toggleBottomBar(w.menus().mnuBottomBar->isChecked()); });
}

} // namespace editor
