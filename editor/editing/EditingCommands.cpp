#include "editor/editing/EditingCommands.h"

#include "editor/editing/SourceEditor.h"

#include <QApplication>
#include <QClipboard>

#include <new>

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

bool EditingCommands::paste() {
    try {
        const QByteArray text = QApplication::clipboard()->text().toUtf8();
        coding_.replaceSelection(
            std::string_view(text.constData(), static_cast<size_t>(text.size())));
    } catch (const std::bad_alloc&) {
        return false;
    }
    // The component reports its own failed allocation through its status.
    if (coding_.SendScintilla(QsciScintilla::SCI_GETSTATUS) == QsciScintilla::SC_STATUS_BADALLOC) {
        coding_.SendScintilla(QsciScintilla::SCI_SETSTATUS, 0UL);
        return false;
    }
    return true;
}

void EditingCommands::selectAll() {
    coding_.setFocus();
    coding_.setSelection(0, coding_.textLength());
}

} // namespace editor
