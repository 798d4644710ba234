#include "editor/commands/DocumentMenus.h"

#include <QAction>
#include <QMenu>

namespace editor {

void DocumentMenus::add(const MenuRow& row) {
    rows_.push_back(row);
    const QString name = QLatin1String(row.name);
    if (row.kind == RowKind::Menu || row.kind == RowKind::Popup) {
        current_ = new QMenu(QString::fromUtf8(row.caption), owner_);
        current_->setObjectName(name);
        current_->menuAction()->setObjectName(name);
        current_->menuAction()->setVisible(!row.hidden && row.kind == RowKind::Menu);
        menus_.insert(name, current_);
        if (row.kind == RowKind::Menu)
            bar_.append(current_);
        else
            popup_ = current_;
        return;
    }
    // A hidden item belongs to its menu but is not one of its items: a menu
    // lists its items to assistive technology, hidden ones too.
    QAction* action = row.kind == RowKind::Separator ? current_->addSeparator()
                      : row.hidden ? new QAction(QString::fromUtf8(row.caption), current_)
                                   : current_->addAction(QString::fromUtf8(row.caption));
    action->setObjectName(name);
    QList<QKeySequence> keys;
    for (std::size_t i = 0; i < row.keyCount; ++i)
        keys.append(QKeySequence(row.keys[i]));
    action->setShortcuts(keys);
    const MenuRow* main = nullptr;
    if (row.twinOf) {
        for (const MenuRow& r : rows_)
            main = QLatin1String(r.name) == QLatin1String(row.twinOf) ? &r : main;
    }
    const MenuRow& checks = main ? *main : row;
    if (checks.checked != CheckRule::None) {
        action->setCheckable(true);
        action->setChecked(checks.checkedAtStart);
    }
    if (row.hidden)
        action->setVisible(false);
    if (row.enabled == EnabledRule::Never)
        action->setEnabled(false);
    actions_.insert(name, action);
}

QList<QKeySequence> DocumentMenus::keys() const {
    QList<QKeySequence> keys;
    for (const QAction* action : keyedActions())
        keys.append(action->shortcuts());
    return keys;
}

QList<QAction*> DocumentMenus::keyedActions() const {
    QList<QAction*> keyed;
    for (const MenuRow& row : rows_) {
        if (row.keyCount > 0)
            keyed.append(actions_.value(QLatin1String(row.name)));
    }
    return keyed;
}

} // namespace editor
