#include "editor/editing/SourceEditor.h"

#include "editor/document/DocumentReader.h"
#include "editor/editing/BlockSelection.h"
#include "editor/editing/EditRoom.h"
#include "editor/editing/EditorAccessibility.h"
#include "editor/editing/EditorKeys.h"
#include "editor/editing/InputMethodText.h"
#include "editor/editing/PrimarySelection.h"
#include "platform/desktop/DesignFont.h"
#include "platform/files/LocalPath.h"

#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <new>
#include <string>

namespace editor {

namespace {

constexpr qint64 kTypingRoom = 1 << 20;
} // namespace

SourceEditor::SourceEditor(QWidget* parent) : QsciScintilla(parent), longLines_(*this) {
    setUtf8(true);
    setFont(platform::verdana(9.75, false));
    // Every style draws like the default one: LineSegmenter's two styles must
    // not show.
    SendScintilla(SCI_STYLECLEARALL);
    setEolVisibility(false);
    setWrapMode(WrapNone);
    setMarginWidth(1, 0);
    setLineEnd(LineEnd::CrLf);
    // The window's own context menu replaces the editor's.
    SendScintilla(SCI_USEPOPUP, static_cast<unsigned long>(SC_POPUP_NEVER));
    setContextMenuPolicy(Qt::PreventContextMenu);
    // Our own accessible: the component's counts from the start of the text.
    // It asks the component for the notices sent before each edit only, and
    // those tell the window that the text changed.
    attachEditorAccessibility(*this);
    // The save point's notice follows every load, save and reset.
    connect(this, &SourceEditor::textEdited, this, [this] {
        for (Listener* listener : std::vector<Listener*>(listeners_))
            listener->textEdited();
    });
    connect(this, &QsciScintilla::modificationChanged, this, [this](bool modified) {
        for (Listener* listener : std::vector<Listener*>(listeners_))
            listener->savePointChanged(modified);
    });
    connect(this, &QsciScintillaBase::SCN_MODIFIED, this,
            [this](int position, int type, const char*, int length) {
                if (!(type & kEditNotices))
                    return;
                for (Listener* listener : listeners_)
                    listener->textAboutToChange(type & SC_MOD_BEFOREINSERT,
                                                static_cast<std::size_t>(position),
                                                static_cast<std::size_t>(length));
                editing();
            });
    connect(this, &QsciScintillaBase::SCN_UPDATEUI, this, [this] { longLines_.followCaret(); });
    // The component's own follower counts the caret's column from the start
    // of its line after every key, for a signal nothing here uses (60 ms a
    // key at the end of a 10 MB line), and matches no braces.
    disconnect(this, SIGNAL(SCN_UPDATEUI(int)), this, SLOT(handleUpdateUI(int)));
}

bool SourceEditor::loadFrom(DocumentReader& reader) {
    // A fresh document, so that a failed read leaves the current text in
    // place, created at the size of the text so that appending never moves it.
    // QsciDocument cannot create one without style bytes, so the component's
    // documents are swapped directly; document() and setDocument() must not
    // be used on this editor.
    const long previous = SendScintilla(SCI_GETDOCPOINTER);
    SendScintilla(SCI_ADDREFDOCUMENT, 0UL, previous);
    const qint64 size = reader.fileSize();
    const long options = size >= kUnstyledFrom ? SC_DOCUMENTOPTION_STYLES_NONE : 0;
    // Room beyond the text: the component grows a full buffer by a sixth,
    // through a second copy of the whole text (0.4 s and 100 MiB more for a
    // 100 MB page), at the append that fills it or the first key typed.
    const long fresh =
        SendScintilla(SCI_CREATEDOCUMENT, static_cast<unsigned long>(size + kTypingRoom), options);
    SendScintilla(SCI_SETDOCPOINTER, 0UL, fresh);
    SendScintilla(SCI_RELEASEDOCUMENT, 0UL, fresh); // the editor holds it now
    setUtf8(true);
    longLines_.forget(); // until the text is in
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
    if (!ok)
        SendScintilla(SCI_SETDOCPOINTER, 0UL, previous);
    SendScintilla(SCI_RELEASEDOCUMENT, 0UL, previous);
    if (!ok)
        return false;
    longLines_.prepare(reader.longestLine());
    for (Listener* listener : std::vector<Listener*>(listeners_))
        listener->textLoaded();
    emit textChanged();
    return true;
}

void SourceEditor::selectWholeText() {
    const long length = SendScintilla(SCI_GETLENGTH);
    // Not SCI_SETSEL: it also copies the selection at once into the X11
    // primary selection, as UTF-16 through two more copies, five times the
    // text for a whole large page. The primary selection is read from here
    // when a program asks for it.
    SendScintilla(SCI_SETSELECTION, static_cast<unsigned long>(length), 0L);
    SendScintilla(SCI_SCROLLCARET);
    QClipboard* clipboard = QApplication::clipboard();
    if (length > 0 && clipboard->supportsSelection())
        clipboard->setMimeData(std::make_unique<PrimarySelection>(*this).release(),
                               QClipboard::Selection);
    emit selectionChanged();
}

QVariant SourceEditor::inputMethodQuery(Qt::InputMethodQuery query) const {
    // The component answers these with the whole paragraph around the caret
    // (up to the nearest blank lines) or the whole selection, as UTF-16, and
    // Qt asks after every key: a second a key at the end of a 100 MB page
    // without blank lines. Input methods only need the text near the caret.
    switch (query) {
    case Qt::ImSurroundingText:
        return textNearCaret(*this).text;
    case Qt::ImCursorPosition:
        return textNearCaret(*this).cursor;
    case Qt::ImCurrentSelection:
        return selectionStart(*this);
    default:
        return QsciScintilla::inputMethodQuery(query);
    }
}

void SourceEditor::editing() {
    lastEdit_.start();
    if (editPending_)
        return;
    editPending_ = true;
    // Told at the end of the input event that makes the edit, so that the
    // commands are current before the next key; an edit made from outside
    // an event of the editor's is told once the event loop comes round.
    if (!inEvent_)
        QTimer::singleShot(0, this, &SourceEditor::tellEdited);
}

void SourceEditor::tellEdited() {
    if (!editPending_)
        return;
    editPending_ = false;
    emit textEdited();
}

template <typename Handle> bool SourceEditor::inEvent(Handle handle) {
    const bool outer = !inEvent_;
    inEvent_ = true;
    const bool handled = handle();
    if (outer) {
        inEvent_ = false;
        tellEdited();
    }
    return handled;
}

bool SourceEditor::hasRoomFor(std::size_t bytes) {
    return roomFor(*this, bytes);
}

// A failed allocation inside the component leaves its buffers broken, so an
// edit that might need more memory than is left never reaches it.
bool SourceEditor::refusedForMemory(QEvent* e) {
    const auto bytes = insertionOf(e);
    if (!bytes || hasRoomFor(*bytes))
        return false;
    e->accept();
    emit outOfMemory();
    return true;
}

bool SourceEditor::event(QEvent* e) {
    if (refusedForMemory(e))
        return true;
    return inEvent([&] { return QsciScintilla::event(e); });
}

// Mouse, drag and drop and wheel events come through the viewport.
bool SourceEditor::viewportEvent(QEvent* e) {
    if (refusedForMemory(e))
        return true;
    return inEvent([&] { return QsciScintilla::viewportEvent(e); });
}

void SourceEditor::keyPressEvent(QKeyEvent* event) {
    // The component types the character of any key it has no command for,
    // so Alt+I would type "i". A key held with Ctrl or Alt is a command or
    // nothing; AltGr characters come without either modifier.
    if (typesNothing(*this, *event)) {
        event->ignore();
        return;
    }
    const Qt::KeyboardModifiers mods = event->modifiers();
    const bool newLine = (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
                         !(mods & ~(Qt::ShiftModifier | Qt::KeypadModifier)) &&
                         !selectionHasPieces(*this);
    if (!newLine)
        return QsciScintilla::keyPressEvent(event);
    // Return keeps the indentation of its line (up to the caret), its spaces
    // and tabs as they are, in the same edit as the line end.
    const std::string indent = indentationBefore(*this, SendScintilla(SCI_GETSELECTIONSTART));
    SendScintilla(SCI_BEGINUNDOACTION);
    QsciScintilla::keyPressEvent(event);
    if (!indent.empty())
        SendScintilla(SCI_ADDTEXT, static_cast<unsigned long>(indent.size()), indent.data());
    SendScintilla(SCI_ENDUNDOACTION);
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

void SourceEditor::clearUndoHistory() {
    SendScintilla(SCI_EMPTYUNDOBUFFER);
}

void SourceEditor::addListener(Listener& listener) {
    listeners_.push_back(&listener);
}

void SourceEditor::removeListener(Listener& listener) {
    listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), &listener),
                     listeners_.end());
}

void SourceEditor::recolor(int start, int) {
    // Drawing styles what it shows, up from the first unstyled position.
    if (start < SendScintilla(SCI_GETENDSTYLED))
        SendScintilla(SCI_STARTSTYLING, static_cast<unsigned long>(start));
    viewport()->update();
}

} // namespace editor
