#pragma once

#include "editor/document/DocumentReader.h"
#include "editor/document/DocumentText.h"
#include "editor/document/TextEncoding.h"

#include <Qsci/qsciscintilla.h>

#include <algorithm>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace editor {

class DocumentReader;

// The source editor `coding`: a plain-text QScintilla editor that keeps every
// byte and line end of the text it is given. It holds the document's text.
class SourceEditor : public QsciScintilla, public DocumentText {
    Q_OBJECT
public:
    explicit SourceEditor(QWidget* parent = nullptr);

    // A line longer than this is laid out in remembered pieces (see
    // LineSegmenter) and the caret stops blinking while it is in one.
    static constexpr std::size_t kLongLine = 8192;
    // True while the document holds a line longer than kLongLine: it is then
    // shown without colouring.
    bool holdsLongLines() const { return longLines_; }
    // A document this large is held without style bytes, which would double it.
    static constexpr qint64 kUnstyledFrom = DocumentReader::kUnstyledFrom;

    // The document's text (see DocumentText).
    bool loadFrom(DocumentReader& reader) override;
    void replaceText(std::string_view utf8) override;
    std::string_view textBytes() override;
    // Taken around the editor's gap, so that taking it does not move half
    // the text to close the gap (and back at the next key).
    std::string textCopy() override;
    void setSavePoint() override { setModified(false); }
    bool isModified() const override { return QsciScintilla::isModified(); }
    void clearUndoHistory() override;
    void setLineEnd(LineEnd lineEnd) override;
    // Caret to the start of the text, scrolled into view.
    void moveCaretToStart() override;
    long caretPosition() override { return SendScintilla(SCI_GETCURRENTPOS); }
    void setCaretPosition(long position) override {
        SendScintilla(SCI_GOTOPOS,
                      static_cast<unsigned long>(std::min(position, SendScintilla(SCI_GETLENGTH))));
    }
    void addListener(Listener& listener) override;

    // True while the selection is a block (or several ranges): commands then
    // act on each piece the user sees, not on the span from first to last.
    bool selectionHasPieces();
    // The selected ranges as byte positions [start, end), in document order.
    std::vector<std::pair<long, long>> selectionPieces();
    // Replaces each piece with what `replacement` makes of its bytes, as one
    // edit; the caret ends after the main piece's replacement, nothing selected.
    void replaceEachPiece(const std::function<std::string(std::string_view)>& replacement);

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

    // Removes the editor's own key bindings for keys the window's menus use.
    void releaseKeys(const QList<QKeySequence>& keys);
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
    // it, or soon after a change made from outside one.
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
    enum class DropKind { Files, Text, Other };
    DropKind dropKind(const QMimeData* data) const;
    enum class CaretBlink { On, Off };

    bool refusedForMemory(QEvent* e);
    int charPosition(long bytePosition);
    long bytePosition(int charPosition);
    void prepareForLines(std::size_t longestLine);
    void segment(long from, long to);
    bool lineIsLong(long position);
    void followCaretLine();

    // The notices the component sends before an insertion or a deletion.
    static constexpr unsigned long kEditNotices = SC_MOD_BEFOREINSERT | SC_MOD_BEFOREDELETE;
    void editing();
    void tellEdited();
    template <typename Handle> bool inEvent(Handle handle);

    bool inEvent_ = false;
    bool editPending_ = false;
    unsigned long blinkPeriod_ = 0;
    CaretBlink blink_ = CaretBlink::On;
    bool longLines_ = false;
};

} // namespace editor
