#include "editor/editing/SourceEditor.h"

#include "editor/document/DocumentReader.h"
#include "platform/desktop/DesignFont.h"

#include <Qsci/qscicommandset.h>
#include <Qsci/qscidocument.h>

#include <QAccessible>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>

namespace editor {

namespace {

// The editor asserts on a null text pointer, even for an empty text.
const char* nonNull(std::string_view text) {
    return text.data() ? text.data() : "";
}

} // namespace

SourceEditor::SourceEditor(QWidget* parent) : QsciScintilla(parent) {
    setUtf8(true);
    setFont(platform::verdana(9.75, false));
    setEolVisibility(false);
    setWrapMode(WrapNone);
    setMarginWidth(1, 0);
    setLineEnd(LineEnd::CrLf);
    // The window's own context menu replaces the editor's.
    SendScintilla(SCI_USEPOPUP, static_cast<unsigned long>(SC_POPUP_NEVER));
    setContextMenuPolicy(Qt::PreventContextMenu);
    // The component turns every insertion and deletion it reports into a
    // character offset counted from the start of the text, to publish it to
    // assistive technology: 0.6 s a key at the middle of a 100 MB page. Unless
    // such a tool is listening, it is asked to report none; the document
    // window learns of changes from the save point instead.
    if (!QAccessible::isActive())
        SendScintilla(SCI_SETMODEVENTMASK, 0UL);
}

bool SourceEditor::loadFrom(DocumentReader& reader) {
    // A fresh document, so that a failed read leaves the current text in place.
    const QsciDocument previous = document();
    setDocument(QsciDocument());
    setUtf8(true);
    emit documentReplaced();
    SendScintilla(SCI_SETUNDOCOLLECTION, 0UL);
    // Change notifications cost time in proportion to the text already there;
    // without them appending a large file stays linear.
    const long eventMask = SendScintilla(SCI_GETMODEVENTMASK);
    SendScintilla(SCI_SETMODEVENTMASK, 0UL);
    const bool ok = reader.read([this](std::string_view piece) {
        SendScintilla(SCI_APPENDTEXT, static_cast<unsigned long>(piece.size()), nonNull(piece));
    });
    SendScintilla(SCI_SETMODEVENTMASK, static_cast<unsigned long>(eventMask));
    SendScintilla(SCI_SETUNDOCOLLECTION, 1UL);
    // A failed read changes nothing: the old document, its state untouched.
    if (!ok) {
        setDocument(previous);
        return false;
    }
    emit textChanged();
    return true;
}

void SourceEditor::replaceText(std::string_view utf8) {
    // SCI_SETTEXT stops at a NUL byte; clearing and appending keeps every byte.
    SendScintilla(SCI_BEGINUNDOACTION);
    SendScintilla(SCI_CLEARALL);
    SendScintilla(SCI_APPENDTEXT, static_cast<unsigned long>(utf8.size()), nonNull(utf8));
    SendScintilla(SCI_ENDUNDOACTION);
}

std::string_view SourceEditor::textBytes() {
    const auto length = static_cast<size_t>(SendScintilla(SCI_GETLENGTH));
    const auto* data = static_cast<const char*>(SendScintillaPtrResult(SCI_GETCHARACTERPOINTER));
    return {data, length};
}

std::string_view SourceEditor::selectedBytes() {
    const long start = SendScintilla(SCI_GETSELECTIONSTART);
    const long end = SendScintilla(SCI_GETSELECTIONEND);
    if (end <= start)
        return {};
    const auto* data = static_cast<const char*>(reinterpret_cast<void*>(
        SendScintilla(SCI_GETRANGEPOINTER, static_cast<unsigned long>(start), end - start)));
    return {data, static_cast<size_t>(end - start)};
}

void SourceEditor::replaceSelection(std::string_view utf8) {
    const long start = SendScintilla(SCI_GETSELECTIONSTART);
    const long end = SendScintilla(SCI_GETSELECTIONEND);
    SendScintilla(SCI_SETTARGETRANGE, static_cast<unsigned long>(start), end);
    // SCI_REPLACESEL stops at a NUL byte; a target replacement takes a length.
    SendScintilla(SCI_REPLACETARGET, static_cast<unsigned long>(utf8.size()), nonNull(utf8));
    SendScintilla(SCI_GOTOPOS, static_cast<unsigned long>(start + static_cast<long>(utf8.size())));
}

int SourceEditor::charPosition(long bytePosition) {
    return static_cast<int>(SendScintilla(SCI_COUNTCHARACTERS, 0UL, bytePosition));
}

long SourceEditor::bytePosition(int charPosition) {
    return SendScintilla(SCI_POSITIONRELATIVE, 0UL, static_cast<long>(charPosition));
}

int SourceEditor::selStart() {
    return charPosition(SendScintilla(SCI_GETSELECTIONSTART));
}

int SourceEditor::selLength() {
    const long start = SendScintilla(SCI_GETSELECTIONSTART);
    const long end = SendScintilla(SCI_GETSELECTIONEND);
    return static_cast<int>(
        SendScintilla(SCI_COUNTCHARACTERS, static_cast<unsigned long>(start), end));
}

void SourceEditor::setSelection(int startChar, int lengthChars) {
    const long start = bytePosition(startChar);
    long end = SendScintilla(SCI_POSITIONRELATIVE, static_cast<unsigned long>(start),
                             static_cast<long>(lengthChars));
    if (end == 0 && lengthChars > 0)
        end = SendScintilla(SCI_GETLENGTH); // past the end: up to the end
    SendScintilla(SCI_SETSEL, static_cast<unsigned long>(start), end);
}

int SourceEditor::textLength() {
    return charPosition(SendScintilla(SCI_GETLENGTH));
}

void SourceEditor::mouseReleaseEvent(QMouseEvent* event) {
    QsciScintilla::mouseReleaseEvent(event);
    if (event->button() == Qt::RightButton)
        emit rightButtonReleased(event->globalPosition().toPoint());
}

// Every drop is taken here, so none falls through to the window surface. It is
// always taken as a copy: a text dragged out of the editor is never deleted.
void SourceEditor::dragEnterEvent(QDragEnterEvent* event) {
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void SourceEditor::dragMoveEvent(QDragMoveEvent* event) {
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void SourceEditor::dropEvent(QDropEvent* event) {
    // Only files count; dropped text leaves the document alone.
    event->setDropAction(Qt::CopyAction);
    event->accept();
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile())
            paths << url.toLocalFile();
    }
    if (!paths.isEmpty())
        emit filesDropped(paths);
}

void SourceEditor::setLineEnd(LineEnd lineEnd) {
    setEolMode(lineEnd == LineEnd::Lf ? EolUnix : lineEnd == LineEnd::Cr ? EolMac : EolWindows);
}

void SourceEditor::moveCaretToStart() {
    SendScintilla(SCI_GOTOPOS, 0UL);
}

void SourceEditor::recolor(int start, int) {
    // Drawing styles what it shows, up from the first unstyled position.
    if (start < SendScintilla(SCI_GETENDSTYLED))
        SendScintilla(SCI_STARTSTYLING, static_cast<unsigned long>(start));
    viewport()->update();
}

void SourceEditor::releaseKeys(const QList<QKeySequence>& keys) {
    for (const QKeySequence& sequence : keys) {
        if (sequence.isEmpty())
            continue;
        const int key = sequence[0].toCombined();
        // The editor only knows keys it can bind; others cannot clash.
        if (!QsciCommand::validKey(key))
            continue;
        while (QsciCommand* command = standardCommands()->boundTo(key)) {
            if (command->key() == key)
                command->setKey(0);
            else
                command->setAlternateKey(0);
        }
    }
}

} // namespace editor
