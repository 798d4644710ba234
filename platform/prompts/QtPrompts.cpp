#include "platform/prompts/QtPrompts.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>
#include <vector>

namespace platform {

namespace {

QMessageBox::Icon toQt(PromptIcon icon) {
    switch (icon) {
    case PromptIcon::Critical:
        return QMessageBox::Critical;
    case PromptIcon::Warning:
        return QMessageBox::Warning;
    case PromptIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

PromptAnswer QtPrompts::message(QWidget* parent, const QString& text, const QString& title,
                                PromptIcon icon, PromptButtons buttons) {
    QMessageBox::StandardButtons qtButtons = QMessageBox::Ok;
    if (buttons == PromptButtons::YesNo)
        qtButtons = QMessageBox::Yes | QMessageBox::No;
    else if (buttons == PromptButtons::YesNoCancel)
        qtButtons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    QMessageBox box(toQt(icon), title, text, qtButtons, parent);
    box.setObjectName(QStringLiteral("prompt"));
    // File names may hold < and &: a message is never read as markup.
    box.setTextFormat(Qt::PlainText);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return PromptAnswer::Yes;
    case QMessageBox::No:
        return PromptAnswer::No;
    case QMessageBox::Cancel:
        return PromptAnswer::Cancel;
    default:
        // Escape closes an OK box with OK and a question with its safe answer.
        switch (buttons) {
        case PromptButtons::Ok:
            return PromptAnswer::Ok;
        case PromptButtons::YesNo:
            return PromptAnswer::No;
        case PromptButtons::YesNoCancel:
            break;
        }
        return PromptAnswer::Cancel;
    }
}

int QtPrompts::choose(QWidget* parent, const QString& text, const QString& title, PromptIcon icon,
                      const QStringList& choices) {
    QMessageBox box(toQt(icon), title, text, QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("prompt"));
    box.setTextFormat(Qt::PlainText);
    std::vector<QAbstractButton*> buttons;
    for (const QString& choice : choices)
        buttons.push_back(box.addButton(choice, QMessageBox::AcceptRole));
    if (buttons.empty())
        return -1;
    // A question that comes up while the user types must not be answered by
    // the keys meant for the text: Return and Escape both give the answer that
    // changes nothing, and a letter answers nothing (no access keys).
    box.setDefaultButton(static_cast<QPushButton*>(buttons.back()));
    box.setEscapeButton(buttons.back());
    box.exec();
    const auto clicked = std::find(buttons.begin(), buttons.end(), box.clickedButton());
    return clicked == buttons.end() ? static_cast<int>(buttons.size()) - 1
                                    : static_cast<int>(clicked - buttons.begin());
}

QString QtPrompts::openFileName(QWidget* parent, const QString& startPath, const QString& filter) {
    return QFileDialog::getOpenFileName(parent, QString(), startPath, filter);
}

QString QtPrompts::saveFileName(QWidget* parent, const QString& startPath, const QString& filter) {
    // No default suffix and no overwrite question: the name typed is the name written.
    return QFileDialog::getSaveFileName(parent, QString(), startPath, filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

std::optional<QString> QtPrompts::askText(QWidget* parent, const QString& title,
                                          const QString& label, const QString& initial) {
    QInputDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("askText"));
    dialog.setWindowTitle(title);
    dialog.setLabelText(label);
    dialog.setTextValue(initial);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

} // namespace platform
