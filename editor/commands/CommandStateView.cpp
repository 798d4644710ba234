#include "editor/commands/CommandStateView.h"

#include "anybutton/AnyButton.h"
#include "editor/editing/DocumentMenus.h"

#include <QAction>
#include <QRadioButton>
#include <QWidget>

namespace editor {

CommandInputs readCommandInputs(CommandInputs in, const DocumentMenus& m) {
    in.toolsChecked = m.mnuTools->isChecked();
    in.pasteEnabled = m.mnuPaste->isEnabled();
    in.toolsEnabled = m.mnuTools->isEnabled();
    in.barEnabled = m.mnuBottomBar->isEnabled();
    return in;
}

void applyCommandState(const CommandState& s, const DocumentMenus& m, QWidget& window,
                       const std::array<QRadioButton*, 4>& options,
                       anybutton::AnyButton* Command1) {
    m.mnuBottomBar->setChecked(s.barChecked);
    if (s.caption)
        window.setWindowTitle(*s.caption);
    if (s.option)
        options[static_cast<size_t>(*s.option)]->setChecked(true);
    // Each set of Enabled repaints the button: set it only when it changes.
    if (Command1 && Command1->control().Enabled() != s.previewEnabled)
        Command1->setEnabled(s.previewEnabled);
    m.mnuViewPage->setEnabled(s.previewEnabled);
    m.mnuCut->setEnabled(s.cutEnabled);
    m.mnuCopy->setEnabled(s.copyEnabled);
    m.mnu_cut->setEnabled(s.cutEnabled);
    m.mnu_Copy->setEnabled(s.copyEnabled);
    m.mnu_Paste->setEnabled(s.pasteTwinEnabled);
    m.mnu_Tools->setEnabled(s.toolsTwinEnabled);
    m.mnu_BottomBar->setEnabled(s.barTwinEnabled);
    m.mnu_Tools->setChecked(s.toolsTwinChecked);
    m.mnu_BottomBar->setChecked(s.barTwinChecked);
}

} // namespace editor
