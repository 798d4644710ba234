#pragma once

#include "core/DocumentType.h"
#include "editor/document/DocumentText.h"
#include "editor/document/FileStamp.h"
#include "editor/recovery/RecoveryJournal.h"
#include "editor/recovery/RecoveryWriter.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

class QWidget;

namespace platform {
class Prompts;
}

namespace editor {

class RecoveryStore;

// Keeps the unsaved text recoverable: a journal of every edit over a base (the
// file as it was read or saved, or the text itself). Once the journal has its
// base, each edit is appended at once (a killed program loses no key), and
// the journal is synced to the disk a moment after each pause in typing and at
// least every second while it goes on, so each copy costs what the edits
// since the last one cost. The file itself is the base at first; its copy is
// made once typing rests (0.3 s), at once when the program is left
// (where another program may change the file), and 3 s on at the latest, so
// the keys never wait on copying a large page. Nothing runs while the
// text is at its save point; the journal goes when the text is saved, loaded
// or reset, and when the document is closed.
class RecoveryKeeper : public QObject, private DocumentText::Listener {
    Q_OBJECT
public:
    struct Timing {
        std::chrono::milliseconds quiet{150};    // after the last change
        std::chrono::milliseconds longest{1000}; // after the first change not yet written
        std::chrono::milliseconds ownBase{3000}; // the file is the base until then at most
        std::chrono::milliseconds rest{300};     // typing rests: the file's copy is made
    };
    // What the journal keeps of the document besides its text.
    struct Document {
        QString file;
        TextEncoding encoding = TextEncoding::Utf8;
        LineEnd lineEnd = LineEnd::CrLf;
        core::DocumentType type = core::DocumentType::HTML;
        FileStamp stamp;         // the file as last read or written
        std::uint64_t digest{0}; // its bytes' content digest
    };
    // A copy to put back: its base (a file to open as it is) or, for a copy of
    // the older form, its text; and what the document was.
    struct Restored {
        QString base;
        bool decodeBase = false; // a copy of the document's file, not of the text
        std::string_view text;
        Document document;
    };

    RecoveryKeeper(DocumentText& text, std::function<Document()> describe,
                   const RecoveryStore& store, Timing timing, QObject* parent);
    ~RecoveryKeeper() override;

    // The document was closed (saved, or its changes declined): nothing to recover.
    void discard();
    // Writes what is pending now and waits until it is on disk; false when
    // the copy could not be written.
    bool flush();
    void typeChanged(core::DocumentType type);

    // Asks whether to restore a copy left by a run that did not end normally.
    // `restore` loads the base (or the older form's text); the journal's edits
    // are then replayed on the text, and the journal becomes this run's own,
    // so the restored text is protected at every moment. A copy is offered
    // once: answered No it is removed (or, in a folder that cannot change,
    // remembered); one that cannot be read is set aside with a message.
    void offerLeftBehind(platform::Prompts& prompts, QWidget* parent,
                         const std::function<bool(const Restored&)>& restore);

signals:
    // Unsaved text is not protected, and why; an empty text once it is again.
    void protectionChanged(const QString& problem);

private:
    // The file as read is the base, or will be when the journal starts: its
    // copy is still to be made.
    bool fileIsBase() const { return overFile_ || (base_ == Base::File && !started_); }
    void textAboutToChange(bool insertion, std::size_t position, std::size_t length) override;
    void savePointChanged(bool modified) override;
    void schedule();
    // Appends what is pending; `sync` makes the journal durable too.
    void writeNow(bool sync);
    void resolveInsertion();
    void startFromText(bool compacting);
    void takeOwnBase();
    void report(const QString& problem);
    void post(std::function<QString()> job);

    DocumentText& text_;
    std::function<Document()> describe_;
    const RecoveryStore& store_;
    Timing timing_;
    QTimer timer_; // a durable write after a pause
    QTimer soon_;  // the edits written, at the next turn of the event loop
    bool unsynced_ = false;
    QElapsedTimer firstPending_;

    // The session: the journal on disk, its base and what is yet to be written.
    enum class Base { None, File, Text };
    Base base_ = Base::None;
    bool started_ = false;
    std::uint64_t generation_ = 0;
    std::string baseName_;
    JournalHeader header_;
    std::uint64_t journalBytes_ = 0;
    std::string records_;
    // The journal is over the document's file itself, as `fileStamp_` says it was.
    bool overFile_ = false;
    FileStamp fileStamp_;
    QTimer ownBaseTimer_;
    std::string
        staleBase_; // a base whose journal a failed compaction left; removed after the next start
    QTimer restTimer_; // the file's copy, once typing rests
    std::optional<std::pair<std::size_t, std::size_t>> insertion_; // made, bytes not yet read
    bool replaying_ = false;
    // Set by the writer when a session's file work failed: the next write
    // starts the journal again from the text.
    std::shared_ptr<std::atomic<bool>> broken_ = std::make_shared<std::atomic<bool>>(false);
    QString problem_;
    RecoveryWriter writer_; // last: its thread stops first
};

} // namespace editor
