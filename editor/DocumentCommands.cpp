#include "editor/DocumentCommands.h"

#include "editor/EditorAids.h"
#include "editor/commands/DocumentMenus.h"
#include "editor/document/DocumentFiles.h"
#include "editor/editing/EditingCommands.h"
#include "editor/editing/EditorKeys.h"
#include "editor/editing/EditorView.h"
#include "editor/editing/SourceEditor.h"
#include "editor/frmMain.h"
#include "editor/markup/MarkupAssist.h"
#include "editor/markup/MarkupCheck.h"
#include "editor/search/SearchCommands.h"

#include <QAction>
#include <QMenu>

#include <array>

namespace editor {

namespace {

using Row = CommandRow<frmMain>;
using Rule = EnabledRule;

// Menu-bar order, each menu followed by its items; the context menu last.
const std::array kRows{
    Row{menuRow("mnuFile", "&File")},
    Row{itemRow("mnuNew", "&New", Qt::CTRL | Qt::Key_N), [](frmMain& w) { w.mnuNew_Click(); }},
    Row{itemRow("mnuOpen", "&Open", Qt::CTRL | Qt::Key_O), [](frmMain& w) { w.mnuOpen_Click(); }},
    Row{separatorRow("mnufileCut")},
    Row{itemRow("mnuSave", "&Save", Qt::CTRL | Qt::Key_S), [](frmMain& w) { w.files().save(); }},
    Row{itemRow("mnuSaveAs", "Save &As"), [](frmMain& w) { w.files().saveAs(); }},
    Row{separatorRow("mnuCut2")},
    Row{itemRow("mnuExit", "&Exit"), [](frmMain& w) { w.mnuExit_Click(); }},

    // The traditional second keys of Cut, Copy and Paste go through the same commands.
    Row{menuRow("mnuEdit", "&Edit")},
    Row{itemRow("mnuCut", "C&ut", Qt::CTRL | Qt::Key_X, Qt::SHIFT | Qt::Key_Delete)
            .enabledWhen(Rule::WithSelection),
        [](frmMain& w) { w.editing().cut(); }},
    Row{itemRow("mnuCopy", "&Copy", Qt::CTRL | Qt::Key_C, Qt::CTRL | Qt::Key_Insert)
            .enabledWhen(Rule::WithSelection),
        [](frmMain& w) { w.editing().copy(); }},
    Row{itemRow("mnuPaste", "&Paste", Qt::CTRL | Qt::Key_V, Qt::SHIFT | Qt::Key_Insert),
        [](frmMain& w) { w.mnuPaste_Click(); }},
    Row{separatorRow("mnuEditCut01")},
    Row{itemRow("mnuSelectAll", "Select &All", Qt::CTRL | Qt::Key_A),
        [](frmMain& w) { w.editing().selectAll(); }},
    // Added after the window's own items, which keep their places.
    Row{separatorRow("mnuEditCut02")},
    Row{itemRow("mnuUndo", "&Undo", Qt::CTRL | Qt::Key_Z).enabledWhen(Rule::WithUndo),
        [](frmMain& w) { w.coding()->undo(); }},
    Row{itemRow("mnuRedo", "&Redo", Qt::CTRL | Qt::Key_Y, Qt::CTRL | Qt::SHIFT | Qt::Key_Z)
            .enabledWhen(Rule::WithRedo),
        [](frmMain& w) { w.coding()->redo(); }},

    Row{menuRow("mnuSearch", "&Search")},
    Row{itemRow("mnuFind", "&Find...", Qt::CTRL | Qt::Key_F),
        [](frmMain& w) { w.search().openFind(); }},
    Row{itemRow("mnuFindNext", "Find &Next", Qt::Key_F3),
        [](frmMain& w) { w.search().findAgain(false); }},
    Row{itemRow("mnuFindPrevious", "Find &Previous", Qt::SHIFT | Qt::Key_F3),
        [](frmMain& w) { w.search().findAgain(true); }},
    Row{itemRow("mnuReplace", "&Replace...", Qt::CTRL | Qt::Key_H),
        [](frmMain& w) { w.search().openReplace(); }},
    Row{separatorRow("mnuSearchCut1")},
    Row{itemRow("mnuGoToLine", "&Go to Line...", Qt::CTRL | Qt::Key_G),
        [](frmMain& w) { w.search().goToLine(); }},
    Row{itemRow("mnuMatchingTag", "Go to &Matching Tag", Qt::CTRL | Qt::Key_M),
        [](frmMain& w) { w.aids().markup().goToMatchingTag(); }},
    Row{separatorRow("mnuSearchCut2")},
    Row{itemRow("mnuNextProblem", "Next Pro&blem", Qt::Key_F8),
        [](frmMain& w) { w.aids().check().goToProblem(false); }},
    Row{itemRow("mnuPreviousProblem", "Previous Probl&em", Qt::SHIFT | Qt::Key_F8),
        [](frmMain& w) { w.aids().check().goToProblem(true); }},

    // Item 0 is the design-time placeholder; the element buttons add the rest.
    Row{menuRow("mnuInsert", "Insert")},
    Row{itemRow("mnuElements_0", "&Elements")},

    // Dormant: hidden, and its items do nothing.
    Row{menuRow("mnuProjects", "&Projects").hide()},
    Row{itemRow("mnuNewProject", "&New Project")},
    Row{itemRow("mnuOpenProject", "&Open Project")},
    Row{separatorRow("mnuCut3")},
    Row{itemRow("mnuSaveProject", "&Save Project")},
    Row{itemRow("mnuSaveProjectAs", "Save Project &As")},
    Row{separatorRow("mnucut4")},
    Row{itemRow("mnuCloseProject", "&Close Project")},

    Row{menuRow("mnuLayout", "&View")},
    Row{itemRow("mnuTools", "&Tools", Qt::CTRL | Qt::Key_T).checkedBy(CheckRule::Toggle),
        [](frmMain& w) { w.toggleTools(); }},
    Row{itemRow("mnuBottomBar", "&Bottom Bar", Qt::CTRL | Qt::Key_B).checkedBy(CheckRule::BarShown),
        [](frmMain& w) { w.toggleBottomBar(); }},
    Row{separatorRow("mnuLayoutCut1")},
    Row{itemRow("mnuLineNumbers", "Line &Numbers").checkedBy(CheckRule::Toggle),
        [](frmMain& w) { w.view().setLineNumbers(w.flipCheck("mnuLineNumbers")); }},
    Row{itemRow("mnuWordWrap", "&Word Wrap").checkedBy(CheckRule::Toggle, false),
        [](frmMain& w) { w.view().setWordWrap(w.flipCheck("mnuWordWrap")); }},
    Row{itemRow("mnuCloseTags", "Close &Tags Automatically").checkedBy(CheckRule::Toggle),
        [](frmMain& w) { w.aids().markup().setClosingTags(w.flipCheck("mnuCloseTags")); }},
    Row{itemRow("mnuCheckMarkup", "&Mark Mistakes").checkedBy(CheckRule::Toggle),
        [](frmMain& w) { w.aids().check().setEnabled(w.flipCheck("mnuCheckMarkup")); }},
    Row{separatorRow("mnuLayoutCut2")},
    // Ctrl++ is Ctrl+Shift+= on most keyboards; Ctrl+= is the same key unshifted.
    Row{itemRow("mnuZoomIn", "Zoom &In", Qt::CTRL | Qt::Key_Plus, Qt::CTRL | Qt::Key_Equal,
                Qt::CTRL | Qt::SHIFT | Qt::Key_Plus),
        [](frmMain& w) { w.view().zoomIn(); }},
    Row{itemRow("mnuZoomOut", "Zoom &Out", Qt::CTRL | Qt::Key_Minus),
        [](frmMain& w) { w.view().zoomOut(); }},
    Row{itemRow("mnuZoomReset", "Nor&mal Size", Qt::CTRL | Qt::Key_0),
        [](frmMain& w) { w.view().zoomReset(); }},

    Row{menuRow("mnuPage", "&Page")},
    Row{itemRow("mnuViewPage", "&View Page", Qt::Key_F5).enabledWhen(Rule::WithPreview),
        [](frmMain& w) { w.Command1_Click(); }},
    Row{itemRow("mnuVisual", "&Visual").hide().enabledWhen(Rule::Never)},

    Row{menuRow("mnuHelp", "&Help")},
    Row{itemRow("mnuAbout", "&About Ostra..."), [](frmMain& w) { emit w.aboutRequested(); }},

    Row{popupRow("mnupopup", "Popupmenu")},
    Row{twinRow("mnu_cut", "C&ut", "mnuCut")},
    Row{twinRow("mnu_Copy", "&Copy", "mnuCopy")},
    Row{twinRow("mnu_Paste", "&Paste", "mnuPaste")},
    Row{twinRow("mnu_Tools", "&Tools", "mnuTools")},
    Row{twinRow("mnu_BottomBar", "&Bottom Bar", "mnuBottomBar")},
};

void (*runnerOf(const char* name))(frmMain&) {
    for (const Row& row : kRows) {
        if (QLatin1String(row.menu.name) == QLatin1String(name))
            return row.run;
    }
    return nullptr;
}

} // namespace

std::unique_ptr<DocumentMenus> buildDocumentMenus(QWidget* owner) {
    return std::make_unique<DocumentMenus>(owner, kRows);
}

void connectDocumentMenus(frmMain& w) {
    const DocumentMenus& m = w.menus();
    w.addActions(m.keyedActions());
    releaseKeys(*w.coding(), m.keys());
    for (const Row& row : kRows) {
        const auto run = row.menu.twinOf ? runnerOf(row.menu.twinOf) : row.run;
        if (!run)
            continue;
        QAction* action = m.action(QLatin1String(row.menu.name));
        QObject::connect(action, &QAction::triggered, &w, [&w, action, run] {
            // A check mark is the command's to set (or the refresh's, for a
            // twin), not the click's: Qt has flipped it already.
            if (action->isCheckable())
                action->setChecked(!action->isChecked());
            run(w);
            // A command may change what the next one can do (Undo, Cut...).
            w.refreshCommandState();
        });
    }
}

} // namespace editor
