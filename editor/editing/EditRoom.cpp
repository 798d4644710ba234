#include "editor/editing/EditRoom.h"

#include "platform/system/AvailableMemory.h"

#include <Qsci/qsciscintillabase.h>

#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>

namespace editor {

bool roomFor(QsciScintillaBase& editor, std::size_t bytes) {
    const auto length =
        static_cast<std::size_t>(editor.SendScintilla(QsciScintillaBase::SCI_GETLENGTH));
    const bool styled = !(editor.SendScintilla(QsciScintillaBase::SCI_GETDOCUMENTOPTIONS) &
                          QsciScintillaBase::SC_DOCUMENTOPTION_STYLES_NONE);
    // Up to a third more, the insertion, and room for its undo record.
    const std::size_t grown = length + length / 3 + 2 * bytes + (1 << 20);
    return platform::canReserve({grown, styled ? grown : 0});
}

std::optional<std::size_t> insertionOf(const QEvent* e) {
    // Three UTF-8 bytes at most for each UTF-16 unit, and a little for
    // the indentation Return repeats.
    constexpr std::size_t kSlack = 64;
    switch (e->type()) {
    case QEvent::KeyPress: {
        const auto* key = static_cast<const QKeyEvent*>(e);
        const bool newLine = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (key->text().isEmpty() && !newLine)
            return std::nullopt;
        return static_cast<std::size_t>(key->text().size()) * 3 + kSlack;
    }
    case QEvent::InputMethod:
        return static_cast<std::size_t>(
                   static_cast<const QInputMethodEvent*>(e)->commitString().size()) *
                   3 +
               kSlack;
    case QEvent::Drop:
        if (const QMimeData* data = static_cast<const QDropEvent*>(e)->mimeData())
            return static_cast<std::size_t>(data->data(QStringLiteral("text/plain")).size()) +
                   kSlack;
        return kSlack;
    default:
        return std::nullopt;
    }
}

} // namespace editor
