#include "editor/editing/EditingCommands.h"

#include "editor/editing/BlockSelection.h"
#include "editor/editing/SourceEditor.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

#include <memory>
#include <new>

namespace editor {

namespace {

const QString kPlainText = QStringLiteral("text/plain");
// How the editor marks a block on the clipboard, so that it pastes as one.
const QString kBlock = QStringLiteral("text/x-qscintilla-rectangular");

} // namespace

// A block (or several ranges) goes through the editor's own commands, which
// act on each piece shown and mark a block as such; a plain selection is
// moved as its bytes.
void EditingCommands::cut() {
    if (selectionHasPieces(coding_))
        return coding_.cut();
    copy();
    coding_.replaceSelection({});
}

void EditingCommands::copy() {
    if (selectionHasPieces(coding_))
        return coding_.copy();
    const std::string_view selection = coding_.selectedBytes();
    // The bytes themselves as text/plain (UTF-8, Qt's reading of it): one copy
    // of the selection, where a QString would hold it twice over in UTF-16.
    auto data = std::make_unique<QMimeData>();
    data->setData(kPlainText,
                  QByteArray(selection.data(), static_cast<qsizetype>(selection.size())));
    QApplication::clipboard()->setMimeData(data.release());
}

bool EditingCommands::paste() {
    try {
        const QMimeData* data = QApplication::clipboard()->mimeData();
        if (data && !coding_.hasRoomFor(static_cast<std::size_t>(data->data(kPlainText).size())))
            return false;
        if (selectionHasPieces(coding_) || (data && data->hasFormat(kBlock)))
            coding_.paste();
        else
            pasteBytes(data);
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

void EditingCommands::pasteBytes(const QMimeData* data) {
    QByteArray text;
    if (data && data->hasText()) {
        // Text copied here comes back as the same bytes, shared, not converted.
        text = data->data(kPlainText);
        if (text.isEmpty())
            text = data->text().toUtf8();
    }
    coding_.replaceSelection(std::string_view(text.constData(), static_cast<size_t>(text.size())));
}

void EditingCommands::selectAll() {
    coding_.setFocus();
    coding_.selectWholeText();
}

} // namespace editor
