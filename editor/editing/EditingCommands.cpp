#include "editor/editing/EditingCommands.h"

#include "editor/editing/SourceEditor.h"

#include <QApplication>
#include <QClipboard>

namespace editor {

void EditingCommands::cut() {
    copy();
    coding_.replaceSelection({});
}

void EditingCommands::copy() {
    const std::string_view selection = coding_.selectedBytes();
    QApplication::clipboard()->setText(
        QString::fromUtf8(selection.data(), static_cast<qsizetype>(selection.size())));
}

void EditingCommands::paste() {
    const QByteArray text = QApplication::clipboard()->text().toUtf8();
    coding_.replaceSelection(std::string_view(text.constData(), static_cast<size_t>(text.size())));
}

void EditingCommands::selectAll() {
    coding_.setFocus();
    coding_.setSelection(0, coding_.textLength());
}

} // namespace editor
