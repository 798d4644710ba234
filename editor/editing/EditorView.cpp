#include "editor/editing/EditorView.h"

#include "editor/editing/SourceEditor.h"

namespace editor {

using Sci = QsciScintillaBase;

namespace {

constexpr int kNumbersMargin = 0;
// The margin is this much wider than its widest number.
constexpr int kMarginPadding = 8;

int digitsOf(long n) {
    int digits = 1;
    for (; n >= 10; n /= 10)
        ++digits;
    return digits;
}

} // namespace

EditorView::EditorView(SourceEditor& coding) : QObject(&coding), coding_(coding) {
    coding_.SendScintilla(Sci::SCI_SETMARGINTYPEN, kNumbersMargin, Sci::SC_MARGIN_NUMBER);
    connect(&coding_, &Sci::SCN_UPDATEUI, this, [this](int updated) {
        if (updated & Sci::SC_UPDATE_CONTENT)
            updateMargin();
        positionMoved();
    });
    connect(&coding_, &Sci::SCN_ZOOM, this, [this] {
        digits_ = 0; // the same digits take another width
        updateMargin();
    });
    connect(&coding_, &QsciScintilla::modificationChanged, this, &EditorView::updatePosition);
    longLinePause_.setSingleShot(true);
    longLinePause_.setInterval(150);
    connect(&longLinePause_, &QTimer::timeout, this, &EditorView::updatePosition);
    noticeTime_.setSingleShot(true);
    noticeTime_.setInterval(4000);
    connect(&noticeTime_, &QTimer::timeout, this, [this] { showNotice(QString()); });
    updatePosition();
}

void EditorView::setLineNumbers(bool shown) {
    lineNumbers_ = shown;
    digits_ = 0;
    updateMargin();
}

void EditorView::updateMargin() {
    if (!lineNumbers_) {
        coding_.SendScintilla(Sci::SCI_SETMARGINWIDTHN, kNumbersMargin, 0L);
        return;
    }
    // The line count is kept by the editor: asking costs nothing, and the
    // width changes only when the number of digits does.
    const int digits = std::max(3, digitsOf(coding_.SendScintilla(Sci::SCI_GETLINECOUNT)));
    if (digits == digits_)
        return;
    digits_ = digits;
    const QByteArray widest(digits, '9');
    const long width =
        coding_.SendScintilla(Sci::SCI_TEXTWIDTH, Sci::STYLE_LINENUMBER, widest.constData());
    coding_.SendScintilla(Sci::SCI_SETMARGINWIDTHN, kNumbersMargin, width + kMarginPadding);
}

void EditorView::setWordWrap(bool wrapped) {
    coding_.SendScintilla(Sci::SCI_SETWRAPMODE, wrapped ? Sci::SC_WRAP_WORD : Sci::SC_WRAP_NONE);
}

void EditorView::zoomIn() {
    coding_.SendScintilla(Sci::SCI_ZOOMIN);
}

void EditorView::zoomOut() {
    coding_.SendScintilla(Sci::SCI_ZOOMOUT);
}

void EditorView::zoomReset() {
    coding_.SendScintilla(Sci::SCI_SETZOOM, 0UL);
}

void EditorView::positionMoved() {
    // The column costs the stretch of the line before the caret: in a long
    // line it is counted once typing pauses, not at every key.
    const long caret = coding_.SendScintilla(Sci::SCI_GETCURRENTPOS);
    const long line =
        coding_.SendScintilla(Sci::SCI_LINEFROMPOSITION, static_cast<unsigned long>(caret));
    const long lineStart =
        coding_.SendScintilla(Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    if (caret - lineStart > static_cast<long>(SourceEditor::kLongLine))
        longLinePause_.start();
    else
        updatePosition();
}

void EditorView::updatePosition() {
    // The modified flag changes in the middle of an edit, before the editor
    // has moved its caret: after a deletion the caret may still lie past the
    // end of the text, so it is read clamped to the text.
    const long caret = std::min(coding_.SendScintilla(Sci::SCI_GETCURRENTPOS),
                                coding_.SendScintilla(Sci::SCI_GETLENGTH));
    const long line =
        coding_.SendScintilla(Sci::SCI_LINEFROMPOSITION, static_cast<unsigned long>(caret));
    const long lineStart =
        coding_.SendScintilla(Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    // Characters are the bytes that do not continue a UTF-8 sequence. The
    // bytes before the caret lie before the editor's gap after typing, so
    // reading them moves nothing.
    const auto* bytes = reinterpret_cast<const unsigned char*>(coding_.SendScintilla(
        Sci::SCI_GETRANGEPOINTER, static_cast<unsigned long>(lineStart), caret - lineStart));
    long column = 1;
    for (long i = 0; bytes && i < caret - lineStart; ++i)
        column += (bytes[i] & 0xC0) != 0x80;
    QString text = QStringLiteral("Ln %1, Col %2").arg(line + 1).arg(column);
    if (coding_.isModified())
        text += QStringLiteral("  Modified");
    if (text != position_) {
        position_ = text;
        emit statusChanged(statusText());
    }
}

void EditorView::showNotice(const QString& text) {
    notice_ = text;
    if (!text.isEmpty())
        noticeTime_.start();
    emit statusChanged(statusText());
}

void EditorView::setProblems(int count, const QString& stoppedBecause) {
    problems_ = count == 0   ? QString()
                : count == 1 ? QStringLiteral("1 problem")
                             : QStringLiteral("%1 problems").arg(count);
    if (!stoppedBecause.isEmpty())
        problems_ += (problems_.isEmpty() ? QString() : QStringLiteral("; ")) + stoppedBecause;
    emit statusChanged(statusText());
}

void EditorView::setWarning(const QString& text) {
    warning_ = text.isEmpty() ? QString()
                              : QStringLiteral("Unsaved changes are not protected: %1").arg(text);
    emit statusChanged(statusText());
}

QString EditorView::statusText() const {
    QString text = position_;
    if (!warning_.isEmpty())
        text += QStringLiteral("  \u00b7  ") + warning_;
    if (!problems_.isEmpty())
        text += QStringLiteral("  \u00b7  ") + problems_;
    return notice_.isEmpty() ? text : notice_ + QStringLiteral("  \u2014  ") + text;
}

} // namespace editor
