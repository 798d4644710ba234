#include "editor/recovery/RecoveryStore.h"

#include "core/text/PathBytes.h"
#include "editor/recovery/RecoveryFiles.h"
#include "platform/files/ContentDigest.h"
#include "platform/files/UniqueFd.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSet>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace editor {

namespace {

using platform::UniqueFd;

const QString kJournal = QStringLiteral(".journal");
const QString kOldCopy = QStringLiteral(".recovery");
const QString kLock = QStringLiteral(".lock");
const QString kBase = QStringLiteral(".base");
const QString kNew = QStringLiteral(".new");

QByteArray bytes(const QString& path) {
    return core::pathBytes(path);
}

QString why() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

// The session a file of the folder belongs to: "<pid>-<token>" is the name
// up to its first dot, or for a base, up to its last "-" (its generation).
QString sessionOf(const QString& fileName) {
    const QString stem = fileName.section(QLatin1Char('.'), 0, 0);
    return fileName.endsWith(kBase) || fileName.endsWith(kBase + kNew)
               ? stem.section(QLatin1Char('-'), 0, -2)
               : stem;
}

// True while some running program holds the session's lock.
bool alive(const QString& folder, const QString& session) {
    UniqueFd fd(::open(bytes(QDir(folder).filePath(session + kLock)).constData(),
                       O_RDWR | O_CLOEXEC | O_NOFOLLOW));
    if (!fd)
        return false; // no lock file: nobody can hold it
    return ::flock(fd.get(), LOCK_EX | LOCK_NB) != 0;
}

// A regular file of ours (another user's copy in a shared folder is not).
bool ours(const QString& path, struct stat& st) {
    return ::lstat(bytes(path).constData(), &st) == 0 && S_ISREG(st.st_mode) &&
           st.st_uid == ::getuid();
}

// Writes what `fill` hands on to a fresh file, its length and checksum kept.
template <typename Fill>
QString writeFresh(const QString& path, Fill fill, RecoveryStore::Base& written) {
    UniqueFd out(::open(bytes(path).constData(),
                        O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, S_IRUSR | S_IWUSR));
    if (!out)
        return why();
    written = {};
    platform::ContentDigest digest;
    bool ok = true;
    fill([&](std::string_view piece) {
        ok = ok && platform::writeAll(out.get(), piece);
        written.length += piece.size();
        digest.add(piece);
        return ok;
    });
    written.checksum = digest.value();
    if (!ok) {
        const QString reason = why();
        ::unlink(bytes(path).constData());
        return reason;
    }
    return out.close() ? QString() : why();
}

} // namespace

RecoveryStore::RecoveryStore(const QString& folder) : folder_(folder) {
    name_ = QStringLiteral("%1-%2")
                .arg(QCoreApplication::applicationPid())
                .arg(QRandomGenerator::global()->generate64(), 0, 36);
    ready();

    // What killed runs left: half-written files, locks of sessions with
    // nothing in them, bases no journal names.
    const QDir dir(folder_);
    QSet<QString> named;
    for (const QString& journal : dir.entryList({QStringLiteral("*") + kJournal}, QDir::Files))
        named.insert(QString::fromStdString(journalBaseName(dir.filePath(journal))));
    for (const QString& entry : dir.entryList(QDir::Files)) {
        const QString session = sessionOf(entry);
        struct stat st {};
        if (session == name_ || !ours(dir.filePath(entry), st) || alive(folder_, session))
            continue;
        const bool stale = entry.endsWith(kNew) ||
                           (entry.endsWith(kBase) && !named.contains(entry)) ||
                           (entry.endsWith(kLock) && !dir.exists(session + kJournal) &&
                            !dir.exists(session + kOldCopy));
        if (stale)
            ::unlink(bytes(dir.filePath(entry)).constData());
    }
}

bool RecoveryStore::ready() const {
    if (lock_ >= 0)
        return true;
    QDir().mkpath(QFileInfo(folder_).absolutePath());
    // Made for this user alone: unsaved pages are nobody else's to read.
    if (::mkdir(bytes(folder_).constData(), S_IRWXU) != 0 && errno == EEXIST) {
        struct stat st {};
        if (::lstat(bytes(folder_).constData(), &st) == 0 && S_ISDIR(st.st_mode) &&
            st.st_uid == ::getuid() && (st.st_mode & 077))
            ::chmod(bytes(folder_).constData(), S_IRWXU);
    }
    lock_ =
        ::open(bytes(pathOf(kLock)).constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (lock_ >= 0)
        ::flock(lock_, LOCK_EX | LOCK_NB);
    return lock_ >= 0;
}

RecoveryStore::~RecoveryStore() {
    if (lock_ >= 0) {
        ::unlink(bytes(pathOf(kLock)).constData());
        ::close(lock_);
    }
}

QString RecoveryStore::defaultFolder() {
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (!QDir::isAbsolutePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return state + QStringLiteral("/ostra");
}

QString RecoveryStore::pathOf(const QString& suffix) const {
    return QDir(folder_).filePath(name_ + suffix);
}

std::string RecoveryStore::baseName(std::uint64_t generation) const {
    return (name_ + QStringLiteral("-%1").arg(generation) + kBase).toStdString();
}

QString RecoveryStore::writeBaseFromFile(const std::string& base, const QString& file,
                                         const FileStamp& stamp, std::uint64_t digest) const {
    if (!ready())
        return why();
    // Non-blocking: a pipe put in the file's place must not hold the writer up.
    UniqueFd in(::open(bytes(file).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (!in)
        return why();
    const auto unchanged = [&] {
        struct stat st {};
        return ::fstat(in.get(), &st) == 0 && S_ISREG(st.st_mode) && st.st_size == stamp.size &&
               static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec ==
                   stamp.timeNs &&
               st.st_ino == stamp.inode && st.st_dev == stamp.device;
    };
    if (!unchanged())
        return QStringLiteral("the file changed since it was read");
    const QString temp = QDir(folder_).filePath(QString::fromStdString(base) + kNew);
    bool readFailed = false;
    Base written;
    QString error = writeFresh(
        temp, [&](const auto& sink) { readFailed = !readPieces(in.get(), sink); }, written);
    if (error.isEmpty() && (readFailed || !unchanged() || written.checksum != digest))
        error = QStringLiteral("the file changed while it was copied");
    if (!error.isEmpty()) {
        ::unlink(bytes(temp).constData());
        return error;
    }
    return commitBase(base);
}

QString RecoveryStore::writeBaseFromText(
    const std::string& base,
    const std::function<void(const std::function<bool(std::string_view)>&)>& text,
    Base& written) const {
    if (!ready())
        return why();
    return writeFresh(QDir(folder_).filePath(QString::fromStdString(base) + kNew), text, written);
}

QString RecoveryStore::commitBase(const std::string& base) const {
    const QString path = QDir(folder_).filePath(QString::fromStdString(base));
    return durableRename(path + kNew, path, folder_);
}

QString RecoveryStore::startJournal(const std::string& header) const {
    if (!ready())
        return why();
    const QString temp = pathOf(kJournal + kNew);
    UniqueFd out(::open(bytes(temp).constData(),
                        O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, S_IRUSR | S_IWUSR));
    if (!out || !platform::writeAll(out.get(), header) || !out.close()) {
        const QString reason = why();
        ::unlink(bytes(temp).constData());
        return reason;
    }
    return durableRename(temp, pathOf(kJournal), folder_);
}

QString RecoveryStore::rebaseJournal(const std::string& header) const {
    QString error;
    const std::optional<std::string> stored = readWhole(pathOf(kJournal), error);
    if (!stored)
        return error;
    // The header ends at its first empty line; the edits follow it as they are.
    const std::size_t end = stored->find("\n\n");
    if (end == std::string::npos)
        return QStringLiteral("the journal is damaged");
    return startJournal(header + stored->substr(end + 2));
}

QString RecoveryStore::appendJournal(std::string_view records, bool sync) const {
    UniqueFd out(
        ::open(bytes(pathOf(kJournal)).constData(), O_WRONLY | O_APPEND | O_CLOEXEC | O_NOFOLLOW));
    if (!out || !platform::writeAll(out.get(), records) || (sync && ::fdatasync(out.get()) != 0))
        return why();
    return {};
}

void RecoveryStore::removeBase(const std::string& base) const {
    if (!base.empty())
        ::unlink(bytes(QDir(folder_).filePath(QString::fromStdString(base))).constData());
}

void RecoveryStore::removeSession(const std::string& base) const {
    // The journal first: a base without its journal is only a leftover.
    ::unlink(bytes(pathOf(kJournal)).constData());
    removeBase(base);
    const QDir dir(folder_);
    for (const QString& own : dir.entryList({name_ + QStringLiteral("-*") + kBase}, QDir::Files))
        ::unlink(bytes(dir.filePath(own)).constData());
}

QStringList RecoveryStore::leftBehind() const {
    const QFileInfoList copies = QDir(folder_).entryInfoList(
        {QStringLiteral("*") + kJournal, QStringLiteral("*") + kOldCopy}, QDir::Files, QDir::Time);
    QStringList found;
    for (const QFileInfo& info : copies) {
        struct stat st {};
        const QString session = sessionOf(info.fileName());
        if (session != name_ && ours(info.filePath(), st) && !alive(folder_, session))
            found << info.filePath();
    }
    return found;
}

std::variant<RecoveryCopy, RecoveryStore::Journal, RecoveryStore::Damaged>
RecoveryStore::take(const QString& path) const {
    QString error;
    const std::optional<std::string> stored = readWhole(path, error);
    const auto setAside = [&](const QString& reason) -> Damaged {
        const QString keptAs = path + QStringLiteral(".damaged");
        ::rename(bytes(path).constData(), bytes(keptAs).constData());
        ::unlink(bytes(QDir(folder_).filePath(sessionOf(QFileInfo(path).fileName()) + kLock))
                     .constData());
        return Damaged{keptAs, reason};
    };
    if (!stored)
        return setAside(error);
    if (path.endsWith(kOldCopy)) {
        std::optional<RecoveryCopy> copy = parseRecovery(*stored);
        if (!copy || (!copy->file.isEmpty() && !QDir::isAbsolutePath(copy->file)))
            return setAside(QStringLiteral("it is damaged"));
        return std::move(*copy);
    }
    const auto header = parseJournal(*stored, [](const JournalEdit&) { return false; });
    if (!header)
        return setAside(QStringLiteral("it is damaged"));
    if (!header->header.file.isEmpty() && !QDir::isAbsolutePath(header->header.file))
        return setAside(QStringLiteral("it names a file by a path that is not whole"));
    const JournalHeader& h = header->header;
    const bool overFile = h.baseName.empty();
    Journal journal{path, std::move(*stored),
                    overFile ? h.file : QDir(folder_).filePath(QString::fromStdString(h.baseName))};
    // The base must be the one the journal was written over.
    const std::optional<MeasuredFile> found =
        measureFile(journal.base, overFile ? Links::Follow : Links::Refuse);
    if (!found || found->length != h.baseLength || found->checksum != h.baseChecksum)
        return setAside(overFile
                            ? QStringLiteral("the file it was kept over has changed since")
                            : QStringLiteral("the text it was kept over is missing or damaged"));
    return journal;
}

QString RecoveryStore::adopt(const Journal& journal, std::size_t validBytes) const {
    if (!ready())
        return why();
    // Cut to its last whole edit first: edits appended after a torn record
    // could never be read.
    UniqueFd fd(::open(bytes(journal.path).constData(), O_WRONLY | O_CLOEXEC | O_NOFOLLOW));
    if (!fd || ::ftruncate(fd.get(), static_cast<off_t>(validBytes)) != 0 || ::fsync(fd.get()) != 0)
        return why();
    if (::rename(bytes(journal.path).constData(), bytes(pathOf(kJournal)).constData()) != 0)
        return why();
    syncFolder(folder_);
    ::unlink(bytes(QDir(folder_).filePath(sessionOf(QFileInfo(journal.path).fileName()) + kLock))
                 .constData());
    return {};
}

void RecoveryStore::discard(const QString& path) const {
    const QString session = sessionOf(QFileInfo(path).fileName());
    if (path.endsWith(kJournal)) {
        const std::string base = journalBaseName(path);
        ::unlink(bytes(path).constData());
        removeBase(base);
    } else {
        ::unlink(bytes(path).constData());
    }
    ::unlink(bytes(QDir(folder_).filePath(session + kLock)).constData());
}

} // namespace editor
