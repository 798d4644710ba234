#pragma once

#include "editor/commands/MenuRow.h"

#include <QHash>
#include <QList>
#include <QString>

#include <vector>

class QAction;
class QKeySequence;
class QMenu;
class QWidget;

namespace editor {

// The document window's menus, built from its rows: every menu and item
// carries its row's name as its objectName, and is found by it. The menus
// are owned by the window passed to the constructor.
class DocumentMenus {
public:
    template <class Rows> DocumentMenus(QWidget* owner, const Rows& rows) : owner_(owner) {
        for (const auto& row : rows)
            add(row.menu);
    }

    QAction* action(const QString& name) const { return actions_.value(name); }
    QMenu* menu(const QString& name) const { return menus_.value(name); }
    // Top-level menus in menu-bar order (hidden ones included).
    const QList<QMenu*>& barMenus() const { return bar_; }
    // The editor's context menu.
    QMenu* popup() const { return popup_; }
    // Every key of every item, for the window's shortcuts and the editor.
    QList<QKeySequence> keys() const;
    // The items that have keys, to register with the window.
    QList<QAction*> keyedActions() const;
    const std::vector<MenuRow>& rows() const { return rows_; }

private:
    void add(const MenuRow& row);

    QWidget* owner_;
    std::vector<MenuRow> rows_;
    QHash<QString, QAction*> actions_;
    QHash<QString, QMenu*> menus_;
    QList<QMenu*> bar_;
    QMenu* popup_ = nullptr;
    QMenu* current_ = nullptr;
};

} // namespace editor
