#include "editor/recovery/RecoveryKeeper.h"

#include "core/AppIdentity.h"
#include "core/text/PathBytes.h"
#include "editor/recovery/RecoveryStore.h"
#include "platform/prompts/Prompts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>

namespace editor {

using platform::PromptAnswer;
using platform::PromptButtons;
using platform::PromptIcon;

namespace {

// A journal longer than the text (and this) is written afresh as a base.
constexpr std::uint64_t kSmallestCompaction = 1 << 20;

// Copies answered but not removable (their folder cannot change), so that
// they are not offered again: a list in the cache folder.
QString answeredList() {
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
           QStringLiteral("/answered-recoveries");
}

QString identity(const QString& path) {
    const QFileInfo info(path);
    return QStringLiteral("%1 %2 %3")
        .arg(info.size())
        .arg(info.lastModified().toMSecsSinceEpoch())
        .arg(QString::fromLatin1(core::pathBytes(path).toPercentEncoding("/")));
}

bool answered(const QString& path) {
    QFile list(answeredList());
    return list.open(QIODevice::ReadOnly) &&
           QString::fromUtf8(list.readAll()).split(QLatin1Char('\n')).contains(identity(path));
}

void rememberAnswered(const QString& path) {
    if (!QFile::exists(path))
        return; // removed: nothing to remember
    QDir().mkpath(QFileInfo(answeredList()).absolutePath());
    QFile list(answeredList());
    if (list.open(QIODevice::Append))
        list.write((identity(path) + QLatin1Char('\n')).toUtf8());
}

// What the question adds when the file is no longer as the copy found it.
QString fileNote(const QString& file, std::int64_t size, std::int64_t time) {
    if (file.isEmpty())
        return {};
    const std::optional<FileStamp> now = stampOf(file);
    if (!now)
        return QStringLiteral(" The file no longer exists on disk.");
    if (size >= 0 && (now->size != size || now->timeNs != time))
        return QStringLiteral(" The file on disk has changed since those changes were made.");
    return {};
}

} // namespace

RecoveryKeeper::RecoveryKeeper(DocumentText& text, std::function<Document()> describe,
                               const RecoveryStore& store, Timing timing, QObject* parent)
    : QObject(parent), text_(text), describe_(std::move(describe)), store_(store), timing_(timing) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &RecoveryKeeper::writeNow);
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
    const std::string previous = compacting ? baseName_ : std::string();
    records_.clear();
    insertion_.reset();
    baseName_ = store_.baseName(++generation_);
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
    post([store = &store_, base = baseName_, head = encodeJournalHeader(header_), previous] {
        QString problem = store->commitBase(base);
        if (problem.isEmpty())
            problem = store->startJournal(head);
        if (problem.isEmpty())
            store->removeBase(previous); // only once the new journal is durable
        return problem;
    });
}

void RecoveryKeeper::writeNow() {
    timer_.stop();
    if (base_ == Base::None)
        return;
    resolveInsertion();
    if (broken_->load() || !started_) {
        // A first write, or one after a failure: the text itself, unless the
        // file it was read from is the base and all went well so far.
        if (base_ == Base::File && !started_ && !broken_->load()) {
            const Document d = describe_();
            baseName_ = store_.baseName(++generation_);
            header_ = {d.file, d.encoding, d.lineEnd,    d.type,        baseName_,
                       0,      0,          d.stamp.size, d.stamp.timeNs};
            started_ = true;
            journalBytes_ = 0;
            post([store = &store_, base = baseName_, header = header_, file = d.file,
                  stamp = d.stamp]() mutable {
                RecoveryStore::Base written;
                QString problem = store->writeBaseFromFile(base, file, stamp, written);
                header.baseLength = written.length;
                header.baseChecksum = written.checksum;
                if (problem.isEmpty())
                    problem = store->startJournal(encodeJournalHeader(header));
                return problem;
            });
        } else {
            base_ = Base::Text;
            startFromText(false);
            if (started_)
                report(QString());
            return;
        }
    }
    if (records_.empty())
        return;
    if (journalBytes_ + records_.size() >
        std::max<std::uint64_t>(text_.length(), kSmallestCompaction)) {
        startFromText(true);
        return;
    }
    journalBytes_ += records_.size();
    post(
        [store = &store_, records = std::move(records_)] { return store->appendJournal(records); });
    records_.clear();
}

bool RecoveryKeeper::flush() {
    writeNow();
    writer_.flush();
    return !broken_->load();
}

void RecoveryKeeper::discard() {
    timer_.stop();
    records_.clear();
    insertion_.reset();
    if (base_ != Base::None && started_) {
        broken_->store(false);
        post([store = &store_, base = baseName_] {
            store->removeSession(base);
            return QString();
        });
    }
    base_ = Base::None;
    started_ = false;
}

void RecoveryKeeper::offerLeftBehind(platform::Prompts& prompts, QWidget* parent,
                                     const std::function<bool(const Restored&)>& restore) {
    std::optional<QString> path;
    for (const QString& candidate : store_.leftBehind()) {
        if (!answered(candidate)) {
            path = candidate;
            break;
        }
    }
    if (!path)
        return;
    auto taken = store_.take(*path);
    if (const auto* damaged = std::get_if<RecoveryStore::Damaged>(&taken)) {
        prompts.message(
            parent,
            QStringLiteral("The recovery copy of the last session cannot be restored: %1. "
                           "It was kept as \u201c%2\u201d.")
                .arg(damaged->why, damaged->keptAs),
            core::kAppTitle, PromptIcon::Warning, PromptButtons::Ok);
        rememberAnswered(*path);
        return;
    }
    auto* journal = std::get_if<RecoveryStore::Journal>(&taken);
    Restored restored;
    if (journal) {
        std::optional<ParsedJournal> head =
            parseJournal(journal->stored, [&](const JournalEdit& e) {
                if (e.kind == JournalEdit::Kind::Type && e.length < 4)
                    restored.document.type = static_cast<core::DocumentType>(e.length);
                return true;
            });
        const JournalHeader& h = head->header;
        restored.base = journal->base;
        restored.decodeBase = h.fileSize >= 0;
        restored.document = {h.file, h.encoding, h.lineEnd,
                             head->edits ? restored.document.type : h.type, FileStamp{}};
        if (!head->edits)
            restored.document.type = h.type;
    } else {
        const RecoveryCopy& copy = std::get<RecoveryCopy>(taken);
        restored.text = copy.text;
        restored.document = {copy.file, copy.encoding, copy.lineEnd, copy.type, FileStamp{}};
    }
    const QString target = restored.document.file.isEmpty() ? QStringLiteral("an untitled page")
                                                            : restored.document.file;
    QString note = fileNote(restored.document.file, -1, 0);
    if (journal) {
        const JournalHeader h =
            parseJournal(journal->stored, [](const JournalEdit&) { return false; })->header;
        note = fileNote(h.file, h.fileSize, h.fileTime);
    }
    const PromptAnswer answer = prompts.message(
        parent,
        QStringLiteral("Ostra was not closed properly. Recover the unsaved changes to %1?")
                .arg(target) +
            note,
        core::kAppTitle, PromptIcon::Warning, PromptButtons::YesNo);
    if (answer != PromptAnswer::Yes || !restore(restored)) {
        store_.discard(*path);
        rememberAnswered(*path);
        return;
    }
    if (!journal) {
        // The older form: protected afresh before its copy goes.
        base_ = Base::Text;
        startFromText(false);
        post([store = &store_, old = *path] {
            store->discard(old);
            return QString();
        });
        return;
    }
    // The journal's edits on the base, then the journal is this run's own.
    replaying_ = true;
    const std::optional<ParsedJournal> replayed =
        parseJournal(journal->stored, [&](const JournalEdit& e) {
            const std::size_t length = text_.length();
            switch (e.kind) {
            case JournalEdit::Kind::Insert:
                if (e.position > length)
                    return false;
                text_.insertBytes(static_cast<std::size_t>(e.position), e.text);
                return true;
            case JournalEdit::Kind::Delete:
                if (e.position > length || e.length > length - e.position)
                    return false;
                text_.deleteBytes(static_cast<std::size_t>(e.position),
                                  static_cast<std::size_t>(e.length));
                return true;
            case JournalEdit::Kind::Type:
                return true;
            }
            return false;
        });
    replaying_ = false;
    header_ = replayed->header;
    header_.type = restored.document.type;
    const QString problem = store_.adopt(*journal, replayed->validBytes);
    base_ = Base::Text;
    if (!problem.isEmpty()) {
        report(problem);
        rememberAnswered(*path);
        startFromText(false);
        return;
    }
    baseName_ = header_.baseName;
    journalBytes_ = replayed->validBytes;
    started_ = true;
}

} // namespace editor
