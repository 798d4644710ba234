#include "platform/prompts/QtPrompts.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

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
