#include "editor/SourceEditor.h"

#include "editor/DocumentReader.h"

#include <Qsci/qscicommandset.h>
#include <Qsci/qscidocument.h>

namespace editor {

SourceEditor::SourceEditor(QWidget* parent) : QsciScintilla(parent) {
    setUtf8(true);
    QFont font;
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(9.75);
    setFont(font);
    setEolVisibility(false);
    setWrapMode(WrapNone);
    setMarginWidth(1, 0);
    setLineEnd(LineEnd::CrLf);
}

bool SourceEditor::loadFrom(DocumentReader& reader) {
    // A fresh document, so that a failed read leaves the current text in place.
    const QsciDocument previous = document();
    setDocument(QsciDocument());
    setUtf8(true);
    SendScintilla(SCI_SETUNDOCOLLECTION, 0UL);
    const bool ok = reader.read([this](std::string_view piece) {
        SendScintilla(SCI_APPENDTEXT, static_cast<unsigned long>(piece.size()), piece.data());
    });
    SendScintilla(SCI_SETUNDOCOLLECTION, 1UL);
    if (!ok)
        setDocument(previous);
    return ok;
}

void SourceEditor::replaceText(std::string_view utf8) {
    // SCI_SETTEXT stops at a NUL byte; clearing and appending keeps every byte.
    SendScintilla(SCI_BEGINUNDOACTION);
    SendScintilla(SCI_CLEARALL);
    SendScintilla(SCI_APPENDTEXT, static_cast<unsigned long>(utf8.size()), utf8.data());
    SendScintilla(SCI_ENDUNDOACTION);
}

std::string_view SourceEditor::textBytes() {
    const auto length = static_cast<size_t>(SendScintilla(SCI_GETLENGTH));
    const auto* data = static_cast<const char*>(SendScintillaPtrResult(SCI_GETCHARACTERPOINTER));
    return {data, length};
}

void SourceEditor::setLineEnd(LineEnd lineEnd) {
    setEolMode(lineEnd == LineEnd::Lf ? EolUnix : lineEnd == LineEnd::Cr ? EolMac : EolWindows);
}

void SourceEditor::moveCaretToStart() {
    SendScintilla(SCI_GOTOPOS, 0UL);
}

void SourceEditor::releaseKeys(const QList<QKeySequence>& keys) {
    for (const QKeySequence& sequence : keys) {
        if (sequence.isEmpty())
            continue;
        const int key = sequence[0].toCombined();
        while (QsciCommand* command = standardCommands()->boundTo(key)) {
            if (command->key() == key)
                command->setKey(0);
            else
                command->setAlternateKey(0);
        }
    }
}

} // namespace editor
