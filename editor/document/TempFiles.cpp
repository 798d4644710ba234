#include "editor/document/TempFiles.h"

#include <QRandomGenerator>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace editor {

namespace {

constexpr char kPrefix[] = ".ostra-";
constexpr size_t kPrefixLength = sizeof kPrefix - 1;
constexpr int kLetters = 6;

QByteArray randomLetters() {
    static constexpr char kAlphabet[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray letters;
    for (int i = 0; i < kLetters; ++i)
        letters += kAlphabet[QRandomGenerator::global()->bounded(36)];
    return letters;
}

// The process id in a name of our pattern; nothing for any other name.
std::optional<pid_t> pidOf(const char* name) {
    if (std::strncmp(name, kPrefix, kPrefixLength) != 0)
        return std::nullopt;
    const char* digits = name + kPrefixLength;
    char* end = nullptr;
    errno = 0;
    const long pid = std::strtol(digits, &end, 10);
    if (end == digits || *end != '-' || errno != 0 || pid <= 0 ||
        std::strlen(end + 1) != static_cast<size_t>(kLetters))
        return std::nullopt;
    return static_cast<pid_t>(pid);
}

bool processIsGone(pid_t pid) {
    return ::kill(pid, 0) != 0 && errno == ESRCH;
}

} // namespace

std::optional<TempFile> createTempFile(int folder, mode_t mode) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        QByteArray name = kPrefix + QByteArray::number(::getpid()) + '-' + randomLetters();
        platform::UniqueFd fd(::openat(folder, name.constData(),
                                       O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
        if (fd) {
            ::flock(fd.get(), LOCK_EX | LOCK_NB);
            return TempFile{std::move(name), std::move(fd)};
        }
        if (errno != EEXIST)
            return std::nullopt;
    }
    return std::nullopt;
}

void sweepDeadTempFiles(int folder) {
    const int listing = ::dup(folder);
    DIR* dir = listing >= 0 ? ::fdopendir(listing) : nullptr;
    if (!dir) {
        if (listing >= 0)
            ::close(listing);
        return;
    }
    ::rewinddir(dir);
    std::vector<QByteArray> dead;
    while (const dirent* entry = ::readdir(dir)) {
        const auto pid = pidOf(entry->d_name);
        if (!pid || *pid == ::getpid() || !processIsGone(*pid))
            continue;
        platform::UniqueFd fd(
            ::openat(folder, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        struct stat st {};
        if (fd && ::fstat(fd.get(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid() &&
            ::flock(fd.get(), LOCK_EX | LOCK_NB) == 0)
            dead.emplace_back(entry->d_name);
    }
    ::closedir(dir);
    for (const QByteArray& name : dead)
        ::unlinkat(folder, name.constData(), 0);
}

} // namespace editor
