#include "editor/editing/SourceEditor.h"

#include "editor/document/DocumentReader.h"
#include "editor/editing/EditRoom.h"
#include "editor/editing/EditorAccessibility.h"
#include "editor/editing/InputMethodText.h"
#include "editor/editing/LineSegmenter.h"
#include "editor/editing/PrimarySelection.h"
#include "platform/desktop/DesignFont.h"
#include "platform/files/LocalPath.h"

#include <Qsci/qscicommandset.h>

#include <QAccessible>
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

// The editor asserts on a null text pointer, even for an empty text.
const char* nonNull(std::string_view text) {
    return text.data() ? text.data() : "";
}

// Remembered run widths: the component's default, and room for every run of a
// line up to DocumentReader::kLongestLine cut by LineSegmenter.
constexpr unsigned long kPositionCache = 1024;
constexpr unsigned long kLongLinePositionCache = 1 << 18;
constexpr long kStylePiece = 1 << 20;
} // namespace

SourceEditor::SourceEditor(QWidget* parent) : QsciScintilla(parent) {
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
    // The component turns every insertion and deletion it reports into a
    // character offset counted from the start of the text, to publish it to
    // assistive technology: 0.6 s a key at the middle of a 100 MB page. Unless
    // such a tool is listening, it is asked to report only the notices that
    // come before an edit, which it passes on as they are.
    if (!QAccessible::isActive())
        SendScintilla(SCI_SETMODEVENTMASK, kEditNotices);
    connect(this, &QsciScintillaBase::SCN_MODIFIED, this, [this](int, int type) {
        if (type & kEditNotices)
            editing();
    });
    installQuietEditorAccessibility();
    blinkPeriod_ = static_cast<unsigned long>(SendScintilla(SCI_GETCARETPERIOD));
    connect(this, &QsciScintillaBase::SCN_UPDATEUI, this, &SourceEditor::followCaretLine);
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
    // One byte more than the text: the component grows its buffer by a sixth,
    // through a second copy, when an append would fill it exactly.
    const long fresh =
        SendScintilla(SCI_CREATEDOCUMENT, static_cast<unsigned long>(size + 1), options);
    SendScintilla(SCI_SETDOCPOINTER, 0UL, fresh);
    SendScintilla(SCI_RELEASEDOCUMENT, 0UL, fresh); // the editor holds it now
    setUtf8(true);
    longLines_ = false; // until the text is in (see prepareForLines)
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
    prepareForLines(reader.longestLine());
    emit textChanged();
    return true;
}

void SourceEditor::prepareForLines(std::size_t longestLine) {
    const bool longLines = longestLine > kLongLine;
    longLines_ = longLines;
    SendScintilla(SCI_SETPOSITIONCACHE, longLines ? kLongLinePositionCache : kPositionCache);
    if (!longLines)
        return;
    // We choose: a page with long lines stays plain. A lexer's styles would
    // replace the short runs that keep such a line quick to lay out.
    if (lexer())
        setLexer(nullptr);
    const long lines = SendScintilla(SCI_GETLINECOUNT);
    for (long line = 0; line < lines; ++line) {
        const long length = SendScintilla(SCI_LINELENGTH, static_cast<unsigned long>(line));
        if (static_cast<std::size_t>(length) > kLongLine) {
            const long start =
                SendScintilla(SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
            segment(start, start + length);
        }
    }
}

void SourceEditor::segment(long from, long to) {
    // A lexer styles the text itself; a document without style bytes keeps none.
    if (lexer() || (SendScintilla(SCI_GETDOCUMENTOPTIONS) & SC_DOCUMENTOPTION_STYLES_NONE))
        return;
    const std::string_view text = textBytes();
    const auto before =
        from > 0 ? SendScintilla(SCI_GETSTYLEAT, static_cast<unsigned long>(from - 1)) : 1;
    LineSegmenter segmenter(static_cast<char>(before));
    std::string styles;
    for (long pos = from; pos < to; pos += kStylePiece) {
        const long length = std::min(kStylePiece, to - pos);
        styles.clear();
        segmenter.append(text.substr(static_cast<size_t>(pos), static_cast<size_t>(length)),
                         styles);
        SendScintilla(SCI_STARTSTYLING, static_cast<unsigned long>(pos));
        SendScintilla(SCI_SETSTYLINGEX, static_cast<unsigned long>(length), styles.data());
    }
}

bool SourceEditor::lineIsLong(long position) {
    const long line = SendScintilla(SCI_LINEFROMPOSITION, static_cast<unsigned long>(position));
    return static_cast<std::size_t>(
               SendScintilla(SCI_LINELENGTH, static_cast<unsigned long>(line))) > kLongLine;
}

void SourceEditor::followCaretLine() {
    // Each blink repaints the caret's line, and repainting a long line walks
    // all of it: a steady caret there keeps an idle editor idle.
    const CaretBlink wanted =
        lineIsLong(SendScintilla(SCI_GETCURRENTPOS)) ? CaretBlink::Off : CaretBlink::On;
    if (wanted == blink_)
        return;
    blink_ = wanted;
    SendScintilla(SCI_SETCARETPERIOD, wanted == CaretBlink::On ? blinkPeriod_ : 0UL);
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

bool SourceEditor::selectionHasPieces() {
    return SendScintilla(SCI_GETSELECTIONS) > 1 || SendScintilla(SCI_SELECTIONISRECTANGLE) != 0;
}

std::vector<std::pair<long, long>> SourceEditor::selectionPieces() {
    const long count = SendScintilla(SCI_GETSELECTIONS);
    std::vector<std::pair<long, long>> pieces;
    pieces.reserve(static_cast<size_t>(count));
    for (long n = 0; n < count; ++n) {
        const auto index = static_cast<unsigned long>(n);
        pieces.emplace_back(SendScintilla(SCI_GETSELECTIONNSTART, index),
                            SendScintilla(SCI_GETSELECTIONNEND, index));
    }
    std::sort(pieces.begin(), pieces.end());
    return pieces;
}

void SourceEditor::replaceEachPiece(
    const std::function<std::string(std::string_view)>& replacement) {
    const auto main = static_cast<unsigned long>(SendScintilla(SCI_GETMAINSELECTION));
    const long mainStart = SendScintilla(SCI_GETSELECTIONNSTART, main);
    const std::vector<std::pair<long, long>> pieces = selectionPieces();
    long caret = 0;
    long growthBefore = 0; // of the pieces before the main one
    SendScintilla(SCI_BEGINUNDOACTION);
    // From the last piece up, so that the positions still to come stay valid.
    for (auto it = pieces.rbegin(); it != pieces.rend(); ++it) {
        const auto [start, end] = *it;
        const std::string_view text = textBytes();
        // Made before the edit: the piece's bytes live in the editor's buffer.
        const std::string made =
            replacement(text.substr(static_cast<size_t>(start), static_cast<size_t>(end - start)));
        SendScintilla(SCI_SETTARGETRANGE, static_cast<unsigned long>(start), end);
        SendScintilla(SCI_REPLACETARGET, static_cast<unsigned long>(made.size()), nonNull(made));
        const long growth = static_cast<long>(made.size()) - (end - start);
        if (start == mainStart)
            caret = start + static_cast<long>(made.size());
        else if (start < mainStart)
            growthBefore += growth;
    }
    SendScintilla(SCI_ENDUNDOACTION);
    SendScintilla(SCI_GOTOPOS, static_cast<unsigned long>(caret + growthBefore));
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
    replaceRange(start, SendScintilla(SCI_GETSELECTIONEND), utf8);
    SendScintilla(SCI_GOTOPOS, static_cast<unsigned long>(start + static_cast<long>(utf8.size())));
}

void SourceEditor::replaceRange(long start, long end, std::string_view utf8) {
    SendScintilla(SCI_SETTARGETRANGE, static_cast<unsigned long>(start), end);
    // SCI_REPLACESEL stops at a NUL byte; a target replacement takes a length.
    SendScintilla(SCI_REPLACETARGET, static_cast<unsigned long>(utf8.size()), nonNull(utf8));
    if (lineIsLong(start))
        segment(start, start + static_cast<long>(utf8.size()));
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
    const Qt::KeyboardModifiers mods = event->modifiers();
    if ((mods & (Qt::ControlModifier | Qt::AltModifier)) && !event->text().isEmpty() &&
        event->text().at(0).isPrint()) {
        const int key = event->keyCombination().toCombined() & ~Qt::KeypadModifier;
        if (!QsciCommand::validKey(key) || !standardCommands()->boundTo(key)) {
            event->ignore();
            return;
        }
    }
    const bool newLine = (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
                         !(mods & ~(Qt::ShiftModifier | Qt::KeypadModifier)) &&
                         !selectionHasPieces();
    if (!newLine)
        return QsciScintilla::keyPressEvent(event);
    // Return keeps the indentation of its line (up to the caret), its spaces
    // and tabs as they are, in the same edit as the line end.
    const long caret = SendScintilla(SCI_GETSELECTIONSTART);
    const long line = SendScintilla(SCI_LINEFROMPOSITION, static_cast<unsigned long>(caret));
    const long lineStart = SendScintilla(SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    std::string indent;
    for (long pos = lineStart; pos < caret; ++pos) {
        const auto c =
            static_cast<char>(SendScintilla(SCI_GETCHARAT, static_cast<unsigned long>(pos)));
        if (c != ' ' && c != '\t')
            break;
        indent += c;
    }
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
    // The save point's notice follows every load, save and reset.
    connect(this, &SourceEditor::textEdited, this, [&listener] { listener.textEdited(); });
    connect(this, &QsciScintilla::modificationChanged, this,
            [&listener](bool modified) { listener.savePointChanged(modified); });
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
