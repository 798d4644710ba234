#include "editor/elements/ElementButtons.h"

#include "anybutton/AnyButton.h"
#include "anybutton/SavedDesign.h"
#include "editor/elements/ElementTable.h"

#include <QAction>
#include <QMenu>

// Resources of a static library must be registered by name, outside any namespace.
static void initEditorResources() {
    Q_INIT_RESOURCE(editor);
}

namespace editor {

ElementButtons::ElementButtons(QWidget& toolsPanel)
    : QObject(&toolsPanel), command2_(kCount, nullptr) {
    initEditorResources();
    for (const anybutton::DesignedButton& d :
         anybutton::readSavedDesignFile(QStringLiteral(":/editor/frmMain.design"))) {
        const bool element = d.arrayName == QLatin1String("Command2") && d.index && *d.index >= 0 &&
                             *d.index < kCount;
        if (!element && d.name != QLatin1String("Command1"))
            continue;
        anybutton::AnyButton* button = nullptr;
        try {
            button = anybutton::loadDesignedButton(d, &toolsPanel);
        } catch (const std::exception&) {
            continue;
        }
        // Buttons below the panel's edge are part of the array, never seen:
        // no focus lands where nobody can see it.
        if (!toolsPanel.rect().intersects(button->geometry()))
            button->setFocusPolicy(Qt::NoFocus);
        if (element) {
            const QString description = elementDescription(button->Caption());
            button->setToolTip(description);
            button->setAccessibleDescription(description);
            command2_[static_cast<size_t>(*d.index)] = button;
            connect(button, &anybutton::AnyButton::Click, this,
                    [this, i = *d.index] { emit Command2_Click(i); });
        } else {
            command1_ = button;
            connect(button, &anybutton::AnyButton::Click, this, &ElementButtons::Command1_Click);
        }
    }
    // The tab order follows the index.
    QWidget* previous = nullptr;
    for (anybutton::AnyButton* button : command2_) {
        if (!button)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, button);
        previous = button;
    }
}

std::vector<QWidget*> ElementButtons::reachable() const {
    std::vector<QWidget*> buttons;
    for (anybutton::AnyButton* button : command2_) {
        if (button && button->focusPolicy() != Qt::NoFocus)
            buttons.push_back(button);
    }
    if (command1_)
        buttons.push_back(command1_);
    return buttons;
}

void ElementButtons::buildElementsMenu(QMenu& mnuInsert, QList<QAction*>& mnuElements) const {
    for (int i = 0; i < kCount; ++i) {
        const anybutton::AnyButton* button = command2_[static_cast<size_t>(i)];
        if (i >= mnuElements.size()) {
            QAction* item = mnuInsert.addAction(QString());
            item->setObjectName(QStringLiteral("mnuElements_%1").arg(i));
            mnuElements.append(item);
        }
        if (!button)
            continue; // this step fails; the next one still runs
        QAction* item = mnuElements[i];
        item->setText(button->Caption());
        item->setVisible(button->control().Enabled());
    }
}

} // namespace editor
