#pragma once

#include "editor/document/DocumentText.h"
#include "editor/recovery/RecoveryWriter.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <chrono>
#include <functional>

class QWidget;

namespace platform {
class Prompts;
}

namespace editor {

class RecoveryStore;

// Keeps a recovery copy of the document while it has unsaved changes: a short
// while after the user stops typing, and at least every few seconds while
// they go on. No timer runs while nothing is unsaved. The copy goes when the
// text is saved, loaded or reset, and when the document is closed.
class RecoveryKeeper : public QObject, private DocumentText::Listener {
    Q_OBJECT
public:
    struct Timing {
        std::chrono::milliseconds quiet{1000};   // after the last change
        std::chrono::milliseconds longest{5000}; // after the first change not yet copied
    };
    using Snapshot = std::function<RecoveryCopy()>;

    RecoveryKeeper(DocumentText& text, Snapshot snapshot, const RecoveryStore& store, Timing timing,
                   QObject* parent);

    // The document was closed (saved, or its changes declined): nothing to recover.
    void discard();
    // Waits until the copies asked for so far are on disk or removed.
    void flush() { writer_.flush(); }

    // Asks whether to restore a copy left by a run that did not end normally;
    // `restore` loads it. The copy is gone afterwards, either way, so the
    // question comes once. A damaged copy is reported and set aside.
    void offerLeftBehind(platform::Prompts& prompts, QWidget* parent,
                         const std::function<void(RecoveryCopy&&)>& restore);

private:
    void textEdited() override { changed(); }
    void savePointChanged(bool) override { changed(); }
    void changed();
    void writeNow();

    DocumentText& text_;
    Snapshot snapshot_;
    const RecoveryStore& store_;
    Timing timing_;
    QTimer timer_;
    QElapsedTimer firstPending_;
    bool mayHaveCopy_ = false;
    RecoveryWriter writer_;
};

} // namespace editor
