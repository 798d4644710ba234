#include "editor/editing/DocumentMenus.h"

#include <QAction>
#include <QMenu>

namespace editor {

namespace {

QMenu* menu(QWidget* owner, const char* name, const QString& caption) {
    auto* m = new QMenu(caption, owner);
    m->setObjectName(QLatin1String(name));
    m->menuAction()->setObjectName(QLatin1String(name));
    return m;
}

QAction* item(QMenu* parent, const char* name, const QString& caption,
              const QKeySequence& shortcut = {}) {
    QAction* a = parent->addAction(caption);
    a->setObjectName(QLatin1String(name));
    a->setShortcut(shortcut);
    return a;
}

QAction* separator(QMenu* parent, const char* name) {
    QAction* a = parent->addSeparator();
    a->setObjectName(QLatin1String(name));
    return a;
}

} // namespace

DocumentMenus::DocumentMenus(QWidget* owner) {
    mnuFile = menu(owner, "mnuFile", QStringLiteral("&File"));
    mnuNew = item(mnuFile, "mnuNew", QStringLiteral("&New"), QKeySequence(Qt::CTRL | Qt::Key_N));
    mnuOpen = item(mnuFile, "mnuOpen", QStringLiteral("&Open"), QKeySequence(Qt::CTRL | Qt::Key_O));
    mnufileCut = separator(mnuFile, "mnufileCut");
    mnuSave = item(mnuFile, "mnuSave", QStringLiteral("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuSaveAs = item(mnuFile, "mnuSaveAs", QStringLiteral("Save &As"));
    mnuCut2 = separator(mnuFile, "mnuCut2");
    mnuExit = item(mnuFile, "mnuExit", QStringLiteral("&Exit"));

    mnuEdit = menu(owner, "mnuEdit", QStringLiteral("&Edit"));
    mnuCut = item(mnuEdit, "mnuCut", QStringLiteral("C&ut"), QKeySequence(Qt::CTRL | Qt::Key_X));
    mnuCopy = item(mnuEdit, "mnuCopy", QStringLiteral("&Copy"), QKeySequence(Qt::CTRL | Qt::Key_C));
    mnuPaste =
        item(mnuEdit, "mnuPaste", QStringLiteral("&Paste"), QKeySequence(Qt::CTRL | Qt::Key_V));
    mnuEditCut01 = separator(mnuEdit, "mnuEditCut01");
    // The traditional second keys go through the same commands.
    mnuCut->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::SHIFT | Qt::Key_Delete)});
    mnuCopy->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)});
    mnuPaste->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)});
    mnuSelectAll = item(mnuEdit, "mnuSelectAll", QStringLiteral("Select &All"),
                        QKeySequence(Qt::CTRL | Qt::Key_A));

    // Item 0 is the design-time placeholder; the element buttons add the rest.
    mnuInsert = menu(owner, "mnuInsert", QStringLiteral("Insert"));
    mnuElements.append(item(mnuInsert, "mnuElements_0", QStringLiteral("&Elements")));

    mnuProjects = menu(owner, "mnuProjects", QStringLiteral("&Projects"));
    mnuProjects->menuAction()->setVisible(false);
    mnuNewProject = item(mnuProjects, "mnuNewProject", QStringLiteral("&New Project"));
    mnuOpenProject = item(mnuProjects, "mnuOpenProject", QStringLiteral("&Open Project"));
    mnuCut3 = separator(mnuProjects, "mnuCut3");
    mnuSaveProject = item(mnuProjects, "mnuSaveProject", QStringLiteral("&Save Project"));
    mnuSaveProjectAs = item(mnuProjects, "mnuSaveProjectAs", QStringLiteral("Save Project &As"));
    mnucut4 = separator(mnuProjects, "mnucut4");
    mnuCloseProject = item(mnuProjects, "mnuCloseProject", QStringLiteral("&Close Project"));

    mnuLayout = menu(owner, "mnuLayout", QStringLiteral("&View"));
    mnuTools =
        item(mnuLayout, "mnuTools", QStringLiteral("&Tools"), QKeySequence(Qt::CTRL | Qt::Key_T));
    mnuBottomBar = item(mnuLayout, "mnuBottomBar", QStringLiteral("&Bottom Bar"),
                        QKeySequence(Qt::CTRL | Qt::Key_B));
    for (QAction* toggle : {mnuTools, mnuBottomBar}) {
        toggle->setCheckable(true);
        toggle->setChecked(true);
    }

    mnuPage = menu(owner, "mnuPage", QStringLiteral("&Page"));
    mnuViewPage =
        item(mnuPage, "mnuViewPage", QStringLiteral("&View Page"), QKeySequence(Qt::Key_F5));
    mnuVisual = item(mnuPage, "mnuVisual", QStringLiteral("&Visual"));
    mnuVisual->setVisible(false);
    mnuVisual->setEnabled(false);

    mnuHelp = menu(owner, "mnuHelp", QStringLiteral("&Help"));
    mnuAbout = item(mnuHelp, "mnuAbout", QStringLiteral("&About Ostra..."));

    mnupopup = menu(owner, "mnupopup", QStringLiteral("Popupmenu"));
    mnupopup->menuAction()->setVisible(false);
    mnu_cut = item(mnupopup, "mnu_cut", QStringLiteral("C&ut"));
    mnu_Copy = item(mnupopup, "mnu_Copy", QStringLiteral("&Copy"));
    mnu_Paste = item(mnupopup, "mnu_Paste", QStringLiteral("&Paste"));
    mnu_Tools = item(mnupopup, "mnu_Tools", QStringLiteral("&Tools"));
    mnu_BottomBar = item(mnupopup, "mnu_BottomBar", QStringLiteral("&Bottom Bar"));
    for (QAction* twin : {mnu_Tools, mnu_BottomBar}) {
        twin->setCheckable(true);
        twin->setChecked(true);
    }
}

QList<QMenu*> DocumentMenus::barMenus() const {
    return {mnuFile, mnuEdit, mnuInsert, mnuProjects, mnuLayout, mnuPage, mnuHelp};
}

QList<QAction*> DocumentMenus::shortcutActions() const {
    return {mnuNew,   mnuOpen,      mnuSave,  mnuCut,       mnuCopy,
            mnuPaste, mnuSelectAll, mnuTools, mnuBottomBar, mnuViewPage};
}

} // namespace editor
