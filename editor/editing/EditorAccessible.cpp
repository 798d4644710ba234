#include "editor/editing/EditorAccessible.h"

#include <Qsci/qsciscintillabase.h>

#include <QByteArray>

namespace editor {

namespace {

using Sci = QsciScintillaBase;

QString rgb(long colour) {
    return QStringLiteral("rgb(%1,%2,%3)")
        .arg(colour & 0xff)
        .arg((colour >> 8) & 0xff)
        .arg((colour >> 16) & 0xff);
}

} // namespace

EditorAccessible::EditorAccessible(QsciScintillaBase& editor)
    : QAccessibleWidget(&editor, QAccessible::EditableText), editor_(editor), offsets_(editor) {}

long EditorAccessible::send(unsigned int message, unsigned long wParam, long lParam) const {
    return editor_.SendScintilla(message, wParam, lParam);
}

void* EditorAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State EditorAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.selectableText = true;
    state.multiLine = true;
    state.editable = !send(Sci::SCI_GETREADONLY);
    state.readOnly = !state.editable;
    return state;
}

void EditorAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || send(Sci::SCI_GETSELECTIONEMPTY))
        return;
    *startOffset = static_cast<int>(offsets_.offset(send(Sci::SCI_GETSELECTIONSTART)));
    *endOffset = static_cast<int>(offsets_.offset(send(Sci::SCI_GETSELECTIONEND)));
}

int EditorAccessible::selectionCount() const {
    return send(Sci::SCI_GETSELECTIONEMPTY) ? 0 : 1;
}

void EditorAccessible::addSelection(int startOffset, int endOffset) {
    setSelection(0, startOffset, endOffset);
}

void EditorAccessible::removeSelection(int selectionIndex) {
    if (selectionIndex == 0)
        send(Sci::SCI_SETEMPTYSELECTION, static_cast<unsigned long>(send(Sci::SCI_GETCURRENTPOS)));
}

void EditorAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
    if (selectionIndex != 0)
        return;
    send(Sci::SCI_SETSEL, static_cast<unsigned long>(offsets_.position(startOffset)),
         offsets_.position(endOffset));
}

int EditorAccessible::cursorPosition() const {
    return static_cast<int>(offsets_.offset(send(Sci::SCI_GETCURRENTPOS)));
}

void EditorAccessible::setCursorPosition(int position) {
    send(Sci::SCI_GOTOPOS, static_cast<unsigned long>(offsets_.position(position)));
}

QString EditorAccessible::bytesText(long start, long end) const {
    if (end <= start)
        return {};
    // The component writes a terminating NUL after the range.
    QByteArray bytes(static_cast<qsizetype>(end - start + 1), Qt::Uninitialized);
    editor_.SendScintilla(Sci::SCI_GETTEXTRANGE, start, end, bytes.data());
    return QString::fromUtf8(bytes.constData(), end - start);
}

QString EditorAccessible::text(int startOffset, int endOffset) const {
    const long start = offsets_.position(startOffset);
    const long end = endOffset < 0 ? send(Sci::SCI_GETLENGTH) : offsets_.position(endOffset);
    return bytesText(start, end);
}

int EditorAccessible::characterCount() const {
    return static_cast<int>(offsets_.length());
}

bool EditorAccessible::boundaries(long position, QAccessible::TextBoundaryType boundary,
                                  Range& range) const {
    const auto at = static_cast<unsigned long>(position);
    switch (boundary) {
    case QAccessible::CharBoundary:
        range = {position, send(Sci::SCI_POSITIONAFTER, at)};
        return true;
    case QAccessible::WordBoundary:
        // The word the position touches; between words, the one before it.
        range = {send(Sci::SCI_WORDSTARTPOSITION, at, 1), send(Sci::SCI_WORDENDPOSITION, at, 1)};
        if (range.start == range.end) {
            range.end = send(Sci::SCI_WORDSTARTPOSITION, at, 0);
            if (range.end == 0)
                return false;
            range.start =
                send(Sci::SCI_WORDSTARTPOSITION, static_cast<unsigned long>(range.end), 1);
        }
        return true;
    case QAccessible::LineBoundary: {
        const long line = send(Sci::SCI_LINEFROMPOSITION, at);
        range = {send(Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line)),
                 send(Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line + 1))};
        return range.start != range.end;
    }
    case QAccessible::NoBoundary:
        range = {0, send(Sci::SCI_GETLENGTH)};
        return true;
    default: // sentences and paragraphs mean nothing in markup source
        return false;
    }
}

// step: -1 the piece before the one at offset, 0 that one, 1 the one after.
QString EditorAccessible::textAround(int offset, QAccessible::TextBoundaryType boundary, int step,
                                     int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = -1;
    const long count = offsets_.length();
    if (offset == -1)
        offset = static_cast<int>(count);
    if (count == 0 || offset < 0 || offset > count)
        return {};
    Range range;
    if (!boundaries(offsets_.position(offset), boundary, range))
        return {};
    if (step < 0) {
        if (range.start == 0 ||
            !boundaries(send(Sci::SCI_POSITIONBEFORE, static_cast<unsigned long>(range.start)),
                        boundary, range))
            return {};
    } else if (step > 0) {
        if (range.end >= send(Sci::SCI_GETLENGTH) || !boundaries(range.end, boundary, range))
            return {};
    }
    *startOffset = static_cast<int>(offsets_.offset(range.start));
    *endOffset = static_cast<int>(offsets_.offset(range.end));
    return bytesText(range.start, range.end);
}

QString EditorAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                           int* startOffset, int* endOffset) const {
    return textAround(offset, boundaryType, -1, startOffset, endOffset);
}

QString EditorAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                          int* startOffset, int* endOffset) const {
    return textAround(offset, boundaryType, 1, startOffset, endOffset);
}

QString EditorAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                       int* startOffset, int* endOffset) const {
    return textAround(offset, boundaryType, 0, startOffset, endOffset);
}

QRect EditorAccessible::characterRect(int offset) const {
    const long position = offsets_.position(offset);
    const auto at = static_cast<unsigned long>(position);
    const QPoint topLeft(static_cast<int>(send(Sci::SCI_POINTXFROMPOSITION, 0, position)),
                         static_cast<int>(send(Sci::SCI_POINTYFROMPOSITION, 0, position)));
    const QByteArray character = bytesText(position, send(Sci::SCI_POSITIONAFTER, at)).toUtf8();
    const long width =
        character.isEmpty()
            ? 0
            : editor_.SendScintilla(Sci::SCI_TEXTWIDTH,
                                    static_cast<uintptr_t>(send(Sci::SCI_GETSTYLEAT, at)),
                                    character.constData());
    const long height =
        send(Sci::SCI_TEXTHEIGHT, static_cast<unsigned long>(send(Sci::SCI_LINEFROMPOSITION, at)));
    return {editor_.viewport()->mapToGlobal(topLeft),
            QSize(static_cast<int>(width), static_cast<int>(height))};
}

int EditorAccessible::offsetAtPoint(const QPoint& point) const {
    const QPoint local = editor_.viewport()->mapFromGlobal(point);
    const long position =
        send(Sci::SCI_POSITIONFROMPOINTCLOSE, static_cast<unsigned long>(local.x()), local.y());
    return position < 0 ? -1 : static_cast<int>(offsets_.offset(position));
}

void EditorAccessible::scrollToSubstring(int startIndex, int endIndex) {
    send(Sci::SCI_SCROLLRANGE, static_cast<unsigned long>(offsets_.position(endIndex)),
         offsets_.position(startIndex));
}

QString EditorAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
    // The style of the one character at offset: runs of a style are not
    // looked for, which would walk the text.
    *startOffset = offset;
    *endOffset = offset + 1;
    const auto style = static_cast<unsigned long>(
        send(Sci::SCI_GETSTYLEAT, static_cast<unsigned long>(offsets_.position(offset))));
    char font[128] = {};
    editor_.SendScintilla(Sci::SCI_STYLEGETFONT, style, static_cast<void*>(font));
    return QStringLiteral("font-family:\"%1\";font-size:%2pt;color:%3;background-color:%4;")
        .arg(QString::fromUtf8(font))
        .arg(send(Sci::SCI_STYLEGETSIZE, style))
        .arg(rgb(send(Sci::SCI_STYLEGETFORE, style)), rgb(send(Sci::SCI_STYLEGETBACK, style)));
}

void EditorAccessible::deleteText(int startOffset, int endOffset) {
    replaceText(startOffset, endOffset, {});
}

void EditorAccessible::insertText(int offset, const QString& text) {
    replaceText(offset, offset, text);
}

void EditorAccessible::replaceText(int startOffset, int endOffset, const QString& text) {
    if (send(Sci::SCI_GETREADONLY))
        return;
    const QByteArray bytes = text.toUtf8();
    send(Sci::SCI_SETTARGETRANGE, static_cast<unsigned long>(offsets_.position(startOffset)),
         offsets_.position(endOffset));
    editor_.SendScintilla(Sci::SCI_REPLACETARGET, static_cast<uintptr_t>(bytes.size()),
                          bytes.constData());
}

} // namespace editor
