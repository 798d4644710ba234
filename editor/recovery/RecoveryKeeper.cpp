#include "editor/recovery/RecoveryKeeper.h"

#include "editor/recovery/RecoveryStore.h"

#include <QGuiApplication>

#include <algorithm>
#include <utility>

namespace editor {

namespace {

// A journal longer than the text (and this) is written afresh as a base.
constexpr std::uint64_t kSmallestCompaction = 1 << 20;

} // namespace

RecoveryKeeper::RecoveryKeeper(DocumentText& text, std::function<Document()> describe,
                               const RecoveryStore& store, Timing timing, QObject* parent)
    : QObject(parent), text_(text), describe_(std::move(describe)), store_(store), timing_(timing) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, [this] { writeNow(true); });
    // Typing rests: the moment to copy the file the journal is over. Not at
    // the sync's short pause, which comes between a slow typist's keys: the
    // copy of a large page would share the processor with them.
    restTimer_.setSingleShot(true);
    connect(&restTimer_, &QTimer::timeout, this, [this] {
        writeNow(true);
        takeOwnBase();
    });
    // Each edit reaches the journal at the next turn of the event loop, so a
    // killed program loses no key; syncing to the disk waits for a pause.
    soon_.setSingleShot(true);
    connect(&soon_, &QTimer::timeout, this, [this] { writeNow(false); });
    ownBaseTimer_.setSingleShot(true);
    connect(&ownBaseTimer_, &QTimer::timeout, this, &RecoveryKeeper::takeOwnBase);
    // Left for another program, which may change the file: copy it now.
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state != Qt::ApplicationActive && fileIsBase()) {
                    writeNow(false);
                    takeOwnBase();
                }
            });
    text_.addListener(*this);
}

RecoveryKeeper::~RecoveryKeeper() {
    text_.removeListener(*this);
}

void RecoveryKeeper::post(std::function<QString()> job) {
    writer_.post([this, job = std::move(job), broken = broken_] {
        if (broken->load())
            return;
        const QString problem = job();
        if (problem.isEmpty())
            return;
        broken->store(true);
        QMetaObject::invokeMethod(
            this, [this, problem] { report(problem); }, Qt::QueuedConnection);
    });
}

void RecoveryKeeper::report(const QString& problem) {
    const QString told =
        problem.isEmpty()
            ? QString()
            : QStringLiteral("its recovery copy cannot be written in \u201c%1\u201d (%2)")
                  .arg(store_.folder(), problem);
    if (told == problem_)
        return;
    problem_ = told;
    emit protectionChanged(told);
}

void RecoveryKeeper::textAboutToChange(bool insertion, std::size_t position, std::size_t length) {
    if (replaying_)
        return;
    resolveInsertion();
    if (base_ == Base::None) {
        // The first change since the save point: the text is still the file
        // as read or written when its stamp says so; otherwise the text
        // itself will be the base.
        const Document d = describe_();
        const bool fileBase = !d.file.isEmpty() && d.stamp.size >= 0 && !text_.isModified() &&
                              stampOf(d.file) == d.stamp;
        base_ = fileBase ? Base::File : Base::Text;
        started_ = false;
        records_.clear();
    }
    if (insertion)
        insertion_ = std::make_pair(position, length);
    else
        records_ += encodeJournalEdit({JournalEdit::Kind::Delete, position, length, {}});
    schedule();
}

void RecoveryKeeper::resolveInsertion() {
    // An insertion's bytes are in the text once it is made: read before the
    // next change, or when the journal is written.
    if (!insertion_)
        return;
    const auto [position, length] = *insertion_;
    insertion_.reset();
    records_ += encodeJournalEdit(
        {JournalEdit::Kind::Insert, position, length, text_.bytesAt(position, length)});
}

void RecoveryKeeper::typeChanged(core::DocumentType type) {
    if (base_ == Base::None || replaying_)
        return;
    resolveInsertion();
    records_ +=
        encodeJournalEdit({JournalEdit::Kind::Type, 0, static_cast<std::uint64_t>(type), {}});
    schedule();
}

void RecoveryKeeper::savePointChanged(bool modified) {
    if (!modified && !replaying_)
        discard();
}

void RecoveryKeeper::schedule() {
    soon_.start(0);
    if (fileIsBase())
        restTimer_.start(timing_.rest);
    if (!timer_.isActive()) {
        firstPending_.start();
        timer_.start(timing_.quiet);
        return;
    }
    // Restarted by each change, but never put off past the longest wait.
    if (firstPending_.elapsed() + timing_.quiet.count() <= timing_.longest.count())
        timer_.start(timing_.quiet);
}

void RecoveryKeeper::startFromText(bool compacting) {
    // The whole text as it stands is the new base: what was pending is in it.
    // From here on the text is the footing, even if this write fails: a
    // journal started over the file as read would miss the edits dropped here.
    base_ = Base::Text;
    if (compacting && staleBase_.empty())
        staleBase_ = baseName_;
    records_.clear();
    insertion_.reset();
    baseName_ = store_.baseName(++generation_);
    overFile_ = false;
    ownBaseTimer_.stop();
    restTimer_.stop();
    const Document d = describe_();
    header_ = {d.file, d.encoding, d.lineEnd, d.type, baseName_, 0, 0, -1, 0};
    RecoveryStore::Base written;
    // Written from where the editor holds it, nothing copied; synced off
    // the interface thread.
    const QString problem = store_.writeBaseFromText(
        baseName_, [this](const auto& sink) { text_.forEachPiece(sink); }, written);
    if (!problem.isEmpty()) {
        report(problem);
        started_ = false;
        return;
    }
    header_.baseLength = written.length;
    header_.baseChecksum = written.checksum;
    journalBytes_ = 0;
    started_ = true;
    broken_->store(false);
    post([store = &store_, base = baseName_, head = encodeJournalHeader(header_),
          previous = std::exchange(staleBase_, std::string())] {
        QString problem = store->commitBase(base);
        if (problem.isEmpty())
            problem = store->startJournal(head);
        if (problem.isEmpty())
            store->removeBase(previous); // only once the new journal is durable
        return problem;
    });
}

void RecoveryKeeper::writeNow(bool sync) {
    soon_.stop();
    if (sync)
        timer_.stop();
    if (base_ == Base::None)
        return;
    resolveInsertion();
    // A base written from the text, or tried again after a failure, waits
    // for a pause: not at every key.
    if (!sync && (broken_->load() || (!started_ && base_ != Base::File)))
        return;
    if (broken_->load() || !started_) {
        // A first write, or one after a failure: the text itself, unless the
        // file it was read from is the base and all went well so far. The
        // file is then the base as it stands; its copy waits for a pause.
        if (base_ == Base::File && !started_ && !broken_->load()) {
            const Document d = describe_();
            ++generation_;
            baseName_.clear();
            header_ = {d.file,   d.encoding,   d.lineEnd,
                       d.type,   {},           static_cast<std::uint64_t>(d.stamp.size),
                       d.digest, d.stamp.size, d.stamp.timeNs};
            started_ = true;
            journalBytes_ = 0;
            overFile_ = true;
            fileStamp_ = d.stamp;
            ownBaseTimer_.start(timing_.ownBase);
            post([store = &store_, head = encodeJournalHeader(header_)] {
                return store->startJournal(head);
            });
        } else {
            base_ = Base::Text;
            startFromText(false);
            if (started_)
                report(QString());
            return;
        }
    }
    if (records_.empty() && !(sync && unsynced_))
        return;
    if (journalBytes_ + records_.size() >
        std::max<std::uint64_t>(text_.length(), kSmallestCompaction)) {
        startFromText(true);
        return;
    }
    journalBytes_ += records_.size();
    unsynced_ = !sync;
    post([store = &store_, records = std::move(records_), sync] {
        return store->appendJournal(records, sync);
    });
    records_.clear();
}

void RecoveryKeeper::takeOwnBase() {
    if (!overFile_ || broken_->load())
        return;
    overFile_ = false;
    ownBaseTimer_.stop();
    restTimer_.stop();
    header_.baseName = baseName_ = store_.baseName(generation_);
    post([this, store = &store_, base = baseName_, head = encodeJournalHeader(header_),
          file = header_.file, stamp = fileStamp_, digest = header_.baseChecksum,
          generation = generation_] {
        const QString problem = store->writeBaseFromFile(base, file, stamp, digest);
        if (problem.isEmpty())
            return store->rebaseJournal(head);
        // The file is no longer the text's footing: the text itself becomes
        // the base, if this session still goes on.
        QMetaObject::invokeMethod(
            this,
            [this, generation] {
                if (started_ && generation_ == generation && !broken_->load()) {
                    base_ = Base::Text;
                    startFromText(false);
                }
            },
            Qt::QueuedConnection);
        return QString();
    });
}

bool RecoveryKeeper::flush() {
    writeNow(true);
    writer_.flush();
    return !broken_->load();
}

void RecoveryKeeper::discard() {
    timer_.stop();
    soon_.stop();
    ownBaseTimer_.stop();
    restTimer_.stop();
    overFile_ = false;
    records_.clear();
    insertion_.reset();
    // Also after a failed start: an older journal may still be on the disk.
    if (base_ != Base::None) {
        broken_->store(false);
        post([store = &store_, base = baseName_] {
            store->removeSession(base);
            return QString();
        });
    }
    base_ = Base::None;
    started_ = false;
    staleBase_.clear();
}

} // namespace editor
