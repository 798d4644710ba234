#pragma once

#include "editor/editing/TextOffsets.h"

#include <QAccessible>
#include <QObject>

#include <functional>

class QsciScintillaBase;

namespace editor {

// Gives a source editor our own accessible (EditorAccessible) and tells
// assistive technology of its changes, caret and selection while any listens.
//
// The component's accessible counts the characters from the start of the text
// to publish an offset: for every insertion and deletion it reports, whether
// or not anything listens, and again for the caret after every key (0.6 s a
// key at the end of a 100 MB page). So the component reports no single change
// at all; while accessibility is active it reports them before they happen,
// which are told on with offsets found through the line index (TextOffsets).
// The window learns of changes from the save point and the update notice.
void attachEditorAccessibility(QsciScintillaBase& editor);

// Tells assistive technology what changes in one editor: insertions and
// deletions, caret moves, selections. Lives as the editor's child; events go
// to `sink` (Qt's accessibility by default).
class EditorEvents : public QObject, public QAccessible::ActivationObserver {
public:
    using Sink = std::function<void(QAccessibleEvent&)>;
    explicit EditorEvents(QsciScintillaBase& editor, Sink sink = {});
    ~EditorEvents() override;

    void accessibilityActiveChanged(bool active) override;

private:
    void modified(int position, int type, int length);
    // Tells of the insertion noticed last, now that its text is in place.
    void tellInsertion();
    void updated(int what);

    QsciScintillaBase& editor_;
    TextOffsets offsets_;
    Sink sink_;
    bool active_ = false;
    struct Insertion {
        long position = -1; // -1: none waiting
        long length = 0;
        int offset = 0;
        long document = 0; // the text it went into
    } insertion_;
    int caret_ = -1; // the offset last told, -1 when it must be told again
    long caretPosition_ = -1;
    long anchor_ = -1;
};

} // namespace editor
