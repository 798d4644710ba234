#include "editor/editing/EditorAccessibility.h"

#include "editor/editing/EditorAccessible.h"

#include <Qsci/qsciscintillabase.h>

#include <algorithm>
#include <utility>

namespace editor {

namespace {

using Sci = QsciScintillaBase;

QAccessibleInterface* editorAccessible(const QString& className, QObject* object) {
    // Declining hands the object on to the other factories.
    if (className != QLatin1String("editor::SourceEditor"))
        return nullptr;
    // Qt's accessibility cache owns the interface and deletes it with the widget.
    return new EditorAccessible(*static_cast<QsciScintillaBase*>(object));
}

} // namespace

void attachEditorAccessibility(QsciScintillaBase& editor) {
    // Factories installed later are asked first, so this one precedes the
    // component's, which installs itself when its first editor is built.
    static const bool installed = [] {
        QAccessible::installFactory(editorAccessible);
        return true;
    }();
    (void)installed;
    new EditorEvents(editor);
}

EditorEvents::EditorEvents(Sci& editor, Sink sink)
    : QObject(&editor), editor_(editor), offsets_(editor), sink_(std::move(sink)) {
    if (!sink_)
        sink_ = [](QAccessibleEvent& event) { QAccessible::updateAccessibility(&event); };
    QAccessible::installActivationObserver(this);
    accessibilityActiveChanged(QAccessible::isActive());
    // The text of a notice before an insertion never reaches the signal.
    connect(&editor, &Sci::SCN_MODIFIED, this,
            [this](int position, int type, const char*, int length) {
                modified(position, type, length);
            });
    connect(&editor, &Sci::SCN_UPDATEUI, this, &EditorEvents::updated);
}

EditorEvents::~EditorEvents() {
    QAccessible::removeActivationObserver(this);
}

void EditorEvents::accessibilityActiveChanged(bool active) {
    active_ = active;
    // Only the notices sent before a change, listening or not (the window
    // follows edits by them): the component turns those of a change done
    // into a count from the start of the text.
    editor_.SendScintilla(
        Sci::SCI_SETMODEVENTMASK,
        static_cast<unsigned long>(Sci::SC_MOD_BEFOREINSERT | Sci::SC_MOD_BEFOREDELETE));
    caret_ = -1;
}

void EditorEvents::modified(int position, int type, int length) {
    // The next change begins only once the one before it is done.
    tellInsertion();
    if (!active_ || length <= 0)
        return;
    // Offsets up to the change are the same before and after it.
    const auto offset = static_cast<int>(offsets_.offset(position));
    if (type & Sci::SC_MOD_BEFOREINSERT) {
        // Its text is told once it is in: at the next notice, or when the
        // event loop comes back.
        insertion_ = {position, length, offset, editor_.SendScintilla(Sci::SCI_GETDOCPOINTER)};
        QMetaObject::invokeMethod(this, &EditorEvents::tellInsertion, Qt::QueuedConnection);
    } else if (type & Sci::SC_MOD_BEFOREDELETE) {
        QByteArray removed(length + 1, Qt::Uninitialized);
        editor_.SendScintilla(Sci::SCI_GETTEXTRANGE, static_cast<long>(position),
                              static_cast<long>(position + length), removed.data());
        QAccessibleTextRemoveEvent event(&editor_, offset,
                                         QString::fromUtf8(removed.constData(), length));
        sink_(event);
    }
    caret_ = -1; // the caret's offset may have moved with the text
}

void EditorEvents::tellInsertion() {
    if (insertion_.position < 0)
        return;
    const Insertion insertion = std::exchange(insertion_, {});
    // A file opened since (in the same event, as at the start) put another
    // text in its place, without notices: the insertion is gone with the old.
    if (editor_.SendScintilla(Sci::SCI_GETDOCPOINTER) != insertion.document ||
        insertion.position + insertion.length > editor_.SendScintilla(Sci::SCI_GETLENGTH))
        return;
    QByteArray inserted(static_cast<qsizetype>(insertion.length + 1), Qt::Uninitialized);
    editor_.SendScintilla(Sci::SCI_GETTEXTRANGE, insertion.position,
                          insertion.position + insertion.length, inserted.data());
    QAccessibleTextInsertEvent event(
        &editor_, insertion.offset,
        QString::fromUtf8(inserted.constData(), static_cast<qsizetype>(insertion.length)));
    sink_(event);
}

void EditorEvents::updated(int what) {
    tellInsertion();
    if (!active_ || !(what & (Sci::SC_UPDATE_CONTENT | Sci::SC_UPDATE_SELECTION)))
        return;
    const long anchor = editor_.SendScintilla(Sci::SCI_GETANCHOR);
    const long caret = editor_.SendScintilla(Sci::SCI_GETCURRENTPOS);
    if (caret == caretPosition_ && anchor == anchor_ && caret_ >= 0)
        return;
    const auto offset = static_cast<int>(offsets_.offset(caret));
    const bool selected = anchor != caret;
    const bool wasSelected = anchor_ != caretPosition_;
    if ((selected || wasSelected) && (anchor != anchor_ || caret != caretPosition_)) {
        const int anchorOffset = selected ? static_cast<int>(offsets_.offset(anchor)) : offset;
        QAccessibleTextSelectionEvent event(&editor_, std::min(anchorOffset, offset),
                                            std::max(anchorOffset, offset));
        event.setCursorPosition(offset);
        sink_(event);
    }
    if (offset != caret_) {
        QAccessibleTextCursorEvent event(&editor_, offset);
        sink_(event);
    }
    caret_ = offset;
    caretPosition_ = caret;
    anchor_ = anchor;
}

} // namespace editor
