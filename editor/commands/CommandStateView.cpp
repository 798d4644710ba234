#include "editor/commands/CommandStateView.h"

#include "anybutton/AnyButton.h"
#include "editor/commands/DocumentMenus.h"

#include <QAction>
#include <QRadioButton>
#include <QWidget>

namespace editor {

namespace {

void applyRow(const MenuRow& row, const CommandState& s, const DocumentMenus& m) {
    QAction* action = m.action(QLatin1String(row.name));
    if (row.kind == RowKind::Twin) {
        const QAction* main = m.action(QLatin1String(row.twinOf));
        action->setEnabled(main->isEnabled());
        if (action->isCheckable())
            action->setChecked(main->isChecked());
        return;
    }
    switch (row.enabled) {
    case EnabledRule::WithSelection:
        action->setEnabled(s.selectionEnabled);
        break;
    case EnabledRule::WithPreview:
        action->setEnabled(s.previewEnabled);
        break;
    case EnabledRule::WithUndo:
        action->setEnabled(s.undoEnabled);
        break;
    case EnabledRule::WithRedo:
        action->setEnabled(s.redoEnabled);
        break;
    case EnabledRule::Always:
    case EnabledRule::Never:
        break;
    }
    if (row.checked == CheckRule::BarShown)
        action->setChecked(s.barChecked);
}

} // namespace

void applyCommandState(const CommandState& s, const DocumentMenus& m, QWidget& window,
                       const std::array<QRadioButton*, 4>& options,
                       anybutton::AnyButton* Command1) {
    if (s.caption)
        window.setWindowTitle(*s.caption);
    if (s.option)
        options[static_cast<size_t>(*s.option)]->setChecked(true);
    // Each set of Enabled repaints the button: set it only when it changes.
    if (Command1 && Command1->control().Enabled() != s.previewEnabled)
        Command1->setEnabled(s.previewEnabled);
    for (const MenuRow& row : m.rows()) {
        if (row.kind == RowKind::Item || row.kind == RowKind::Twin)
            applyRow(row, s, m);
    }
}

} // namespace editor
