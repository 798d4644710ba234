#include "editor/editing/SourceEditor.h"

#include "editor/document/DocumentReader.h"
#include "platform/desktop/DesignFont.h"
#include "platform/files/LocalPath.h"

#include <Qsci/qscicommandset.h>
#include <Qsci/qscidocument.h>

#include <QAccessible>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>

#include <new>

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
        // The component reports a failed allocation through its status.
        if (SendScintilla(SCI_GETSTATUS) == SC_STATUS_BADALLOC) {
            SendScintilla(SCI_SETSTATUS, 0UL);
            throw std::bad_alloc();
        }
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

std::string SourceEditor::textCopy() {
    const long length = SendScintilla(SCI_GETLENGTH);
    const long gap = SendScintilla(SCI_GETGAPPOSITION);
    std::string copy;
    copy.reserve(static_cast<size_t>(length));
    for (const auto& [start, end] : {std::pair{0L, gap}, std::pair{gap, length}}) {
        if (end <= start)
            continue;
        const auto* data = reinterpret_cast<const char*>(
            SendScintilla(SCI_GETRANGEPOINTER, static_cast<unsigned long>(start), end - start));
        copy.append(data, static_cast<size_t>(end - start));
    }
    return copy;
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

namespace {

QStringList localFiles(const QMimeData* data) {
    QStringList paths;
    for (const QUrl& url : data->urls()) {
        if (const auto path = platform::localPath(url))
            paths << *path;
    }
    return paths;
}

} // namespace

// Files win over the text a file manager sends with them. Text goes to the
// editor's own handling: moved when dragged within the editor, inserted when
// it comes from elsewhere. Anything else is taken and ignored, so no drop
// falls through to the window surface.
SourceEditor::DropKind SourceEditor::dropKind(const QMimeData* data) const {
    if (!localFiles(data).isEmpty())
        return DropKind::Files;
    return canInsertFromMimeData(data) ? DropKind::Text : DropKind::Other;
}

void SourceEditor::dragEnterEvent(QDragEnterEvent* event) {
    if (dropKind(event->mimeData()) == DropKind::Text)
        return QsciScintilla::dragEnterEvent(event);
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void SourceEditor::dragMoveEvent(QDragMoveEvent* event) {
    if (dropKind(event->mimeData()) == DropKind::Text)
        return QsciScintilla::dragMoveEvent(event);
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void SourceEditor::dropEvent(QDropEvent* event) {
    const DropKind kind = dropKind(event->mimeData());
    if (kind == DropKind::Text)
        return QsciScintilla::dropEvent(event);
    event->setDropAction(Qt::CopyAction);
    event->accept();
    if (kind == DropKind::Files)
        emit filesDropped(localFiles(event->mimeData()));
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
