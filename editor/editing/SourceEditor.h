#pragma once

#include "editor/document/DocumentReader.h"
#include "editor/document/DocumentText.h"
#include "editor/document/TextEncoding.h"
#include "editor/editing/LongLines.h"

#include <Qsci/qsciscintilla.h>

#include <QElapsedTimer>

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace editor {

class DocumentReader;

// The source editor `coding`: a plain-text QScintilla editor that keeps every
// byte and line end of the text it is given. It holds the document's text.
class SourceEditor : public QsciScintilla, public DocumentText {
    Q_OBJECT
public:
    explicit SourceEditor(QWidget* parent = nullptr);

    // A line longer than this is laid out in remembered pieces (see LongLines).
    static constexpr std::size_t kLongLine = LongLines::kLongLine;
    // True while the document holds a line longer than kLongLine: it is then
    // shown without colouring.
    bool holdsLongLines() const { return longLines_.present(); }
    // A document this large is held without style bytes, which would double it.
    static constexpr qint64 kUnstyledFrom = DocumentReader::kUnstyledFrom;

    // The document's text (see DocumentText).
    bool loadFrom(DocumentReader& reader) override;
    void replaceText(std::string_view utf8) override;
    std::string_view textBytes() override;
    // Taken around the editor's gap, so that taking it does not move half
    // the text to close the gap (and back at the next key).
    std::string textCopy() override;
    std::size_t length() override;
    std::string_view bytesAt(std::size_t position, std::size_t length) override;
    void forEachPiece(const std::function<bool(std::string_view)>& sink) override;
    void insertBytes(std::size_t position, std::string_view bytes) override;
    void deleteBytes(std::size_t position, std::size_t length) override;
    void setSavePoint() override { setModified(false); }
    // An undo step of no text: undoing past it comes back to the save point.
    void leaveSavePoint() override { SendScintilla(SCI_ADDUNDOACTION, 0UL, 0L); }
    // Asked of the component itself: the wrapper's own flag follows only the
    // save point's notices, which an undo step of no text does not send.
    bool isModified() const override { return SendScintilla(SCI_GETMODIFY) != 0; }
    void clearUndoHistory() override;
    void setLineEnd(LineEnd lineEnd) override;
    // Caret to the start of the text, scrolled into view.
    void moveCaretToStart() override;
    long caretPosition() override { return SendScintilla(SCI_GETCURRENTPOS); }
    // How long ago the text last changed. The event that changes it may go on
    // long after (a key in a line of megabytes is laid out for half a
    // second), and a pause in typing counts from the change.
    qint64 msSinceEdit() const { return lastEdit_.isValid() ? lastEdit_.elapsed() : 0; }
    void setCaretPosition(long position) override {
        SendScintilla(SCI_GOTOPOS,
                      static_cast<unsigned long>(std::min(position, SendScintilla(SCI_GETLENGTH))));
    }
    void addListener(Listener& listener) override;
    void removeListener(Listener& listener) override;

    // The selection as stored (UTF-8) and its replacement; the caret ends
    // after the inserted text. Every byte is kept, NULs and line ends included.
    std::string_view selectedBytes();
    void replaceSelection(std::string_view utf8);
    // Replaces the bytes [start, end) and leaves the selection to the editor.
    void replaceRange(long start, long end, std::string_view utf8);
    // Selection in characters of the text as stored (a CR LF pair is two).
    int selStart();
    int selLength();
    void setSelection(int startChar, int lengthChars);
    int textLength();
    // Selects the whole text without copying it anywhere.
    void selectWholeText();

    // Whether the memory the editor may need to take `bytes` more is there:
    // its buffers grow by up to a third through a second copy, and a growth
    // that fails leaves them broken (the component cannot undo it).
    bool hasRoomFor(std::size_t bytes);

    // Styles again from `start` as the text is drawn, never the whole text at once.
    void recolor(int start = 0, int end = -1) override;

signals:
    // The right button was released over the text, at this global position.
    void rightButtonReleased(const QPoint& globalPos);
    // Local files were dropped onto the editor, in the order given.
    void filesDropped(const QStringList& paths);
    // A fresh, still empty document took the place of the old one.
    void documentReplaced();
    // The text changed: told once at the end of the input event that changed
    // it, or soon after a change made from outside one (see msSinceEdit).
    void textEdited();
    // An edit was refused, the text left as it was: too little memory is left.
    void outOfMemory();

protected:
    bool event(QEvent* e) override;
    bool viewportEvent(QEvent* e) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // The editor asserts on a null text pointer, even for an empty text.
    static const char* nonNull(std::string_view text) { return text.data() ? text.data() : ""; }

    enum class DropKind { Files, Text, Other };
    DropKind dropKind(const QMimeData* data) const;

    bool refusedForMemory(QEvent* e);
    int charPosition(long bytePosition);
    long bytePosition(int charPosition);

    // The notices the component sends before an insertion or a deletion.
    static constexpr unsigned long kEditNotices = SC_MOD_BEFOREINSERT | SC_MOD_BEFOREDELETE;
    void editing();
    void tellEdited();
    template <typename Handle> bool inEvent(Handle handle);

    bool inEvent_ = false;
    bool editPending_ = false;
    QElapsedTimer lastEdit_;
    LongLines longLines_;
    std::vector<Listener*> listeners_;
};

} // namespace editor
