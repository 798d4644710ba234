#include "editor/recovery/RecoveryStore.h"

#include "core/text/PathBytes.h"
#include "platform/files/UniqueFd.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace editor {

namespace {

const QString kCopySuffix = QStringLiteral(".recovery");
const QString kLockSuffix = QStringLiteral(".lock");

QByteArray bytes(const QString& path) {
    return core::pathBytes(path);
}

QString lockOf(const QString& copyPath) {
    return copyPath.chopped(kCopySuffix.size()) + kLockSuffix;
}

// True while some running program holds the lock beside this copy.
bool lockedByALiveRun(const QString& copyPath) {
    platform::UniqueFd fd(::open(bytes(lockOf(copyPath)).constData(), O_RDWR | O_CLOEXEC));
    if (!fd)
        return false; // no lock file: nobody can hold it
    return ::flock(fd.get(), LOCK_EX | LOCK_NB) != 0;
}

} // namespace

RecoveryStore::RecoveryStore(const QString& folder) : folder_(folder) {
    QDir().mkpath(folder_);
    name_ = QStringLiteral("%1-%2")
                .arg(QCoreApplication::applicationPid())
                .arg(QRandomGenerator::global()->generate64(), 0, 36);
    lock_ = ::open(bytes(QDir(folder_).filePath(name_ + kLockSuffix)).constData(),
                   O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (lock_ >= 0)
        ::flock(lock_, LOCK_EX | LOCK_NB);
}

RecoveryStore::~RecoveryStore() {
    if (lock_ >= 0) {
        ::unlink(bytes(QDir(folder_).filePath(name_ + kLockSuffix)).constData());
        ::close(lock_);
    }
}

QString RecoveryStore::defaultFolder() {
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (!QDir::isAbsolutePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return state + QStringLiteral("/ostra");
}

bool RecoveryStore::write(const RecoveryCopy& copy) const {
    if (lock_ < 0)
        return false; // without a lock, another start would take the copy as left behind
    const QByteArray target = bytes(QDir(folder_).filePath(name_ + kCopySuffix));
    const QByteArray temp = target + ".new";
    platform::UniqueFd file(
        ::open(temp.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, S_IRUSR | S_IWUSR));
    const bool ok = file && platform::writeAll(file.get(), recoveryHeader(copy)) &&
                    platform::writeAll(file.get(), copy.text) && ::fsync(file.get()) == 0 &&
                    file.close() && ::rename(temp.constData(), target.constData()) == 0;
    if (!ok) {
        ::unlink(temp.constData());
        return false;
    }
    platform::UniqueFd dir(::open(bytes(folder_).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir)
        ::fsync(dir.get());
    return true;
}

void RecoveryStore::remove() const {
    ::unlink(bytes(QDir(folder_).filePath(name_ + kCopySuffix)).constData());
}

std::optional<QString> RecoveryStore::newestLeftBehind() const {
    const QFileInfoList copies =
        QDir(folder_).entryInfoList({QStringLiteral("*") + kCopySuffix}, QDir::Files, QDir::Time);
    for (const QFileInfo& info : copies) {
        if (info.fileName() != name_ + kCopySuffix && !lockedByALiveRun(info.filePath()))
            return info.filePath();
    }
    return std::nullopt;
}

std::variant<RecoveryCopy, RecoveryStore::Damaged> RecoveryStore::take(const QString& path) const {
    QFile file(path);
    std::optional<RecoveryCopy> copy;
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray stored = file.readAll();
        copy = parseRecovery(std::string_view(stored.constData(), stored.size()));
    }
    if (copy)
        return std::move(*copy);
    const QString keptAs = path + QStringLiteral(".damaged");
    QFile::rename(path, keptAs);
    ::unlink(bytes(lockOf(path)).constData());
    return Damaged{keptAs};
}

void RecoveryStore::discard(const QString& path) const {
    ::unlink(bytes(path).constData());
    ::unlink(bytes(lockOf(path)).constData());
}

} // namespace editor
