#include "editor/document/SaveJournal.h"

#include "core/text/PathBytes.h"
#include "platform/files/ContentDigest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <csignal>
#include <map>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace editor {

namespace {

constexpr std::string_view kMagic = "Ostra interrupted save 1\n";
constexpr char kRecordSuffix[] = ".save";
constexpr char kCopySuffix[] = ".old";

// Copies everything `from` holds to `to` from their starts, with the digest.
bool copyAll(int from, int to, platform::ContentDigest* digest = nullptr) {
    std::vector<char> buffer(1 << 20);
    for (off_t offset = 0;;) {
        const ssize_t n = ::pread(from, buffer.data(), buffer.size(), offset);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        const std::string_view piece(buffer.data(), static_cast<size_t>(n));
        if (digest)
            digest->add(piece);
        if (!platform::writeAll(to, piece))
            return false;
        offset += n;
    }
}

QByteArray hex(std::uint64_t value) {
    return QByteArray::number(static_cast<qulonglong>(value), 16);
}

std::map<std::string, std::string> fields(const QByteArray& text) {
    std::map<std::string, std::string> result;
    if (!text.startsWith(QByteArray(kMagic.data(), kMagic.size())))
        return result;
    for (const QByteArray& line : text.mid(static_cast<qsizetype>(kMagic.size())).split('\n')) {
        const qsizetype colon = line.indexOf(": ");
        if (colon > 0)
            result[line.left(colon).toStdString()] = line.mid(colon + 2).toStdString();
    }
    return result;
}

std::uint64_t number(const std::string& text, int base) {
    return QByteArray::fromStdString(text).toULongLong(nullptr, base);
}

} // namespace

QString SaveJournal::defaultFolder() {
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (!QDir::isAbsolutePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return state + QStringLiteral("/ostra/saves");
}

std::optional<SaveJournal> SaveJournal::begin(const QString& folder, const QByteArray& targetPath,
                                              int target, const Content& next) {
    QDir().mkpath(folder);
    SaveJournal journal;
    journal.folder_ = platform::UniqueFd(
        ::open(core::pathBytes(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!journal.folder_)
        return std::nullopt;
    const int dir = journal.folder_.get();
    journal.token_ = QByteArray::number(::getpid()) + '-' +
                     QByteArray::number(QRandomGenerator::global()->generate64(), 36);
    const QByteArray copyName = journal.token_ + kCopySuffix;
    journal.copy_ = platform::UniqueFd(::openat(
        dir, copyName.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    platform::ContentDigest old;
    if (!journal.copy_ || !copyAll(target, journal.copy_.get(), &old) ||
        ::fsync(journal.copy_.get()) != 0) {
        const int error = errno;
        ::unlinkat(dir, copyName.constData(), 0);
        errno = error;
        return std::nullopt;
    }
    struct stat copied {};
    ::fstat(journal.copy_.get(), &copied);
    const QByteArray record = QByteArray(kMagic.data(), kMagic.size()) +
                              "file: " + targetPath.toPercentEncoding("/") + "\n" +
                              "old-size: " + QByteArray::number(qlonglong(copied.st_size)) + "\n" +
                              "old-digest: " + hex(old.value()) + "\n" +
                              "new-size: " + QByteArray::number(qulonglong(next.size)) + "\n" +
                              "new-digest: " + hex(next.digest) + "\n";
    // Written under another name and renamed: a record is whole or absent.
    const QByteArray recordName = journal.token_ + kRecordSuffix;
    const QByteArray temp = recordName + ".new";
    journal.record_ = platform::UniqueFd(
        ::openat(dir, temp.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!journal.record_ || ::flock(journal.record_.get(), LOCK_EX) != 0 ||
        !platform::writeAll(journal.record_.get(),
                            std::string_view(record.constData(), size_t(record.size()))) ||
        ::fsync(journal.record_.get()) != 0 ||
        ::renameat(dir, temp.constData(), dir, recordName.constData()) != 0 || ::fsync(dir) != 0) {
        const int error = errno;
        ::unlinkat(dir, temp.constData(), 0);
        ::unlinkat(dir, recordName.constData(), 0);
        ::unlinkat(dir, copyName.constData(), 0);
        errno = error;
        return std::nullopt;
    }
    return journal;
}

bool SaveJournal::restoreInto(int target) const {
    return ::ftruncate(target, 0) == 0 && ::lseek(target, 0, SEEK_SET) == 0 &&
           copyAll(copy_.get(), target) && ::fsync(target) == 0;
}

void SaveJournal::finish() {
    ::unlinkat(folder_.get(), (token_ + kCopySuffix).constData(), 0);
    ::unlinkat(folder_.get(), (token_ + kRecordSuffix).constData(), 0);
    record_ = {};
}

namespace {

// Copies and half-written records whose save died before its record was
// in place: the file was not touched yet.
void removeStrays(const QDir& dir) {
    for (const QString& name : dir.entryList(
             {QStringLiteral("*") + QLatin1String(kCopySuffix), QStringLiteral("*.save.new")},
             QDir::Files)) {
        const QString token = name.section(QLatin1Char('.'), 0, 0);
        const pid_t pid = token.section(QLatin1Char('-'), 0, 0).toInt();
        if (dir.exists(token + QLatin1String(kRecordSuffix)) || pid <= 0 || pid == ::getpid() ||
            ::kill(pid, 0) == 0 || errno != ESRCH)
            continue;
        QFile::remove(dir.filePath(name));
    }
}

} // namespace

std::vector<InterruptedSave> findInterruptedSaves(const QString& folder) {
    std::vector<InterruptedSave> found;
    const QDir dir(folder);
    removeStrays(dir);
    for (const QString& name :
         dir.entryList({QStringLiteral("*") + QLatin1String(kRecordSuffix)}, QDir::Files)) {
        InterruptedSave save;
        save.record = dir.filePath(name);
        platform::UniqueFd record(
            ::open(core::pathBytes(save.record).constData(), O_RDONLY | O_CLOEXEC));
        if (!record || ::flock(record.get(), LOCK_EX | LOCK_NB) != 0)
            continue; // a save still running
        QByteArray text(4096, '\0');
        const ssize_t n = ::read(record.get(), text.data(), size_t(text.size()));
        auto f = fields(text.left(n > 0 ? n : 0));
        if (f["file"].empty())
            continue;
        const QByteArray file =
            QByteArray::fromPercentEncoding(QByteArray::fromStdString(f["file"]));
        save.file = core::pathFromBytes(std::string_view(file.constData(), size_t(file.size())));
        const QString copy = save.record.chopped(int(sizeof kRecordSuffix - 1)) + kCopySuffix;
        if (QFileInfo::exists(copy))
            save.oldCopy = copy;
        platform::UniqueFd target(::open(file.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
        struct stat st {};
        if (!target || ::fstat(target.get(), &st) != 0 || !S_ISREG(st.st_mode)) {
            save.state = InterruptedSave::State::Missing;
        } else {
            const auto digest = platform::ContentDigest::ofFile(target.get());
            const auto size = static_cast<std::uint64_t>(st.st_size);
            if (digest && size == number(f["new-size"], 10) &&
                *digest == number(f["new-digest"], 16))
                save.state = InterruptedSave::State::Finished;
            else if (digest && size == number(f["old-size"], 10) &&
                     *digest == number(f["old-digest"], 16))
                save.state = InterruptedSave::State::Untouched;
        }
        found.push_back(std::move(save));
    }
    return found;
}

bool restoreInterruptedSave(const InterruptedSave& save) {
    if (save.oldCopy.isEmpty())
        return false;
    platform::UniqueFd copy(
        ::open(core::pathBytes(save.oldCopy).constData(), O_RDONLY | O_CLOEXEC));
    platform::UniqueFd target(
        ::open(core::pathBytes(save.file).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
    if (!copy || !target || ::ftruncate(target.get(), 0) != 0 ||
        !copyAll(copy.get(), target.get()) || ::fsync(target.get()) != 0)
        return false;
    discardInterruptedSave(save, false);
    return true;
}

void discardInterruptedSave(const InterruptedSave& save, bool keepCopy) {
    if (!keepCopy && !save.oldCopy.isEmpty())
        ::unlink(core::pathBytes(save.oldCopy).constData());
    ::unlink(core::pathBytes(save.record).constData());
}

} // namespace editor
