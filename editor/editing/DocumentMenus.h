#pragma once

#include <QList>

class QAction;
class QMenu;
class QWidget;

namespace editor {

// The document window's menu tree. Every menu and item carries its name as
// its objectName; the menus are owned by the window passed to the constructor.
class DocumentMenus {
public:
    explicit DocumentMenus(QWidget* owner);

    // Top-level menus in menu-bar order (the hidden Projects menu included).
    QList<QMenu*> barMenus() const;
    // Every item that has a shortcut, for registering with the window.
    QList<QAction*> shortcutActions() const;

    QMenu* mnuFile;
    QAction* mnuNew;
    QAction* mnuOpen;
    QAction* mnufileCut;
    QAction* mnuSave;
    QAction* mnuSaveAs;
    QAction* mnuCut2;
    QAction* mnuExit;

    QMenu* mnuEdit;
    QAction* mnuCut;
    QAction* mnuCopy;
    QAction* mnuPaste;
    QAction* mnuEditCut01;
    QAction* mnuSelectAll;

    QMenu* mnuInsert;
    QList<QAction*> mnuElements;

    QMenu* mnuProjects;
    QAction* mnuNewProject;
    QAction* mnuOpenProject;
    QAction* mnuCut3;
    QAction* mnuSaveProject;
    QAction* mnuSaveProjectAs;
    QAction* mnucut4;
    QAction* mnuCloseProject;

    QMenu* mnuLayout;
    QAction* mnuTools;
    QAction* mnuBottomBar;

    QMenu* mnuPage;
    QAction* mnuViewPage;
    QAction* mnuVisual;

    QMenu* mnuHelp;
    QAction* mnuAbout;

    QMenu* mnupopup;
    QAction* mnu_cut;
    QAction* mnu_Copy;
    QAction* mnu_Paste;
    QAction* mnu_Tools;
    QAction* mnu_BottomBar;
};

} // namespace editor
