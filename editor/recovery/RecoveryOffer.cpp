#include "editor/recovery/RecoveryKeeper.h"

#include "core/AppIdentity.h"
#include "core/text/PathBytes.h"
#include "editor/recovery/RecoveryStore.h"
#include "platform/prompts/Prompts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace editor {

using platform::PromptAnswer;
using platform::PromptButtons;
using platform::PromptIcon;

namespace {

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
    if (baseName_.empty())
        startFromText(false); // over the file itself, which may not stay as it is
}

} // namespace editor
