#include "editor/elements/ElementButtons.h"

#include "anybutton/AnyButton.h"
#include "anybutton/SavedDesign.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QRegularExpression>

#include <stdexcept>

// Resources of a static library must be registered by name, outside any namespace.
static void initEditorResources() {
    Q_INIT_RESOURCE(editor);
}

namespace editor {

namespace {

QString savedDesignText() {
    initEditorResources();
    QFile file(QStringLiteral(":/editor/frmMain.design"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The index of "Command2(7)", or nothing for another name.
std::optional<int> command2Index(const QString& name) {
    static const QRegularExpression pattern(QStringLiteral("^Command2\\((\\d+)\\)$"));
    const QRegularExpressionMatch m = pattern.match(name);
    if (!m.hasMatch())
        return std::nullopt;
    return m.captured(1).toInt();
}

} // namespace

ElementButtons::ElementButtons(QWidget& toolsPanel)
    : QObject(&toolsPanel), command2_(kCount, nullptr) {
    std::vector<anybutton::DesignedButton> design;
    try {
        design = anybutton::readSavedDesign(savedDesignText());
    } catch (const std::invalid_argument&) {
        return; // a damaged design leaves the panel empty; the editor still works
    }
    for (const anybutton::DesignedButton& d : design) {
        const std::optional<int> index = command2Index(d.name);
        if (d.name != QLatin1String("Command1") && !(index && *index < kCount))
            continue;
        anybutton::AnyButton* button = nullptr;
        try {
            button = anybutton::loadDesignedButton(d, &toolsPanel);
        } catch (const std::exception&) {
            continue;
        }
        if (index) {
            command2_[static_cast<size_t>(*index)] = button;
            connect(button, &anybutton::AnyButton::Click, this,
                    [this, i = *index] { emit Command2_Click(i); });
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
