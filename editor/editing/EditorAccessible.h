#pragma once

#include "editor/editing/TextOffsets.h"

#include <QAccessibleWidget>

class QsciScintillaBase;

namespace editor {

// The source editor as assistive technology sees it: an editable text whose
// text, caret and selection are read in UTF-16 offsets found through
// TextOffsets, so no question costs more than the caret's line.
class EditorAccessible : public QAccessibleWidget,
                         public QAccessibleTextInterface,
                         public QAccessibleEditableTextInterface {
public:
    explicit EditorAccessible(QsciScintillaBase& editor);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::State state() const override;

    // QAccessibleTextInterface
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                             int* startOffset, int* endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                            int* startOffset, int* endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                         int* endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

    // QAccessibleEditableTextInterface
    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString& text) override;
    void replaceText(int startOffset, int endOffset, const QString& text) override;

private:
    struct Range {
        long start = 0;
        long end = 0;
    };
    // The piece of `boundary` kind around a byte position; nothing when
    // there is none (a sentence, or past the last line).
    bool boundaries(long position, QAccessible::TextBoundaryType boundary, Range& range) const;
    QString textAround(int offset, QAccessible::TextBoundaryType boundary, int step,
                       int* startOffset, int* endOffset) const;
    QString bytesText(long start, long end) const;
    long send(unsigned int message, unsigned long wParam = 0, long lParam = 0) const;

    QsciScintillaBase& editor_;
    TextOffsets offsets_;
};

} // namespace editor
