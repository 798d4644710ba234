#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

namespace editor {

class SourceEditor;

// How the source editor shows its text beyond the text itself: the line
// numbers margin, word wrap, the zoom, and where the caret is. Nothing here
// scans the document at a keystroke.
class EditorView : public QObject {
    Q_OBJECT
public:
    explicit EditorView(SourceEditor& coding);

    void setLineNumbers(bool shown);
    void setWordWrap(bool wrapped);
    // The editor's text size, from the window's design font; not remembered.
    void zoomIn();
    void zoomOut();
    void zoomReset();

    // What a command says ("Search wrapped"), shown for a few seconds.
    void showNotice(const QString& text);
    // A lasting warning (unsaved text not protected, and why); empty clears it.
    void setWarning(const QString& text);
    // How many problems the markup check found, and why it stopped early if it did.
    void setProblems(int count, const QString& stoppedBecause);

    // "Ln 12, Col 5", "Modified" while the text differs from the saved one,
    // and the notice while it lasts.
    QString statusText() const;

signals:
    void statusChanged(const QString& text);

private:
    void updateMargin();
    void positionMoved();
    void updatePosition();

    SourceEditor& coding_;
    bool lineNumbers_ = false;
    int digits_ = 0;
    // In a long line the column waits for a pause in typing.
    QTimer longLinePause_;
    QTimer noticeTime_;
    QString position_;
    QString notice_;
    QString problems_;
    QString warning_;
};

} // namespace editor
