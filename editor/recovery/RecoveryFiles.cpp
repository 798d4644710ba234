#include "editor/recovery/RecoveryFiles.h"

#include "core/text/PathBytes.h"
#include "platform/files/ContentDigest.h"
#include "platform/files/UniqueFd.h"
#include "platform/system/AvailableMemory.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace editor {

namespace {

using platform::UniqueFd;

QByteArray bytes(const QString& path) {
    return core::pathBytes(path);
}

QString why() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

void syncFolder(const QString& folder) {
    UniqueFd dir(::open(bytes(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir)
        ::fsync(dir.get());
}

// The base a journal names, read from its header alone.
std::string journalBaseName(const QString& journal) {
    UniqueFd fd(::open(bytes(journal).constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW));
    char head[4096];
    const ssize_t n = fd ? ::read(fd.get(), head, sizeof head) : -1;
    if (n <= 0)
        return {};
    const std::string_view text(head, static_cast<std::size_t>(n));
    const std::size_t at = text.find("\nbase: ");
    const std::size_t end = at == std::string_view::npos ? at : text.find('\n', at + 7);
    return end == std::string_view::npos ? std::string()
                                         : std::string(text.substr(at + 7, end - at - 7));
}

// Reads a file whole, its size checked against the memory left first.
std::optional<std::string> readWhole(const QString& path, QString& error) {
    UniqueFd fd(::open(bytes(path).constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW));
    struct stat st {};
    if (!fd || ::fstat(fd.get(), &st) != 0) {
        error = why();
        return std::nullopt;
    }
    const auto room = platform::availableMemory();
    if (room && static_cast<std::uint64_t>(st.st_size) > *room / 2) {
        error = QStringLiteral("it is too large to read (%1 MB) with the memory left")
                    .arg(st.st_size >> 20);
        return std::nullopt;
    }
    std::string out;
    try {
        out.resize(static_cast<std::size_t>(st.st_size));
    } catch (const std::bad_alloc&) {
        error = QStringLiteral("there is not enough memory to read it");
        return std::nullopt;
    }
    std::size_t done = 0;
    while (done < out.size()) {
        const ssize_t n = ::read(fd.get(), out.data() + done, out.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    out.resize(done);
    return out;
}

bool readPieces(int fd, const std::function<bool(std::string_view)>& sink) {
    std::string buffer(1 << 20, '\0');
    for (;;) {
        const ssize_t n = ::read(fd, buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n == 0;
        if (!sink(std::string_view(buffer.data(), static_cast<std::size_t>(n))))
            return true;
    }
}

std::optional<MeasuredFile> measureFile(const QString& path, Links links) {
    // Non-blocking, and a regular file only: a pipe or a device at the path
    // would hold the reading up for good.
    UniqueFd in(::open(bytes(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK |
                                                    (links == Links::Refuse ? O_NOFOLLOW : 0)));
    struct stat st {};
    if (!in || ::fstat(in.get(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    MeasuredFile found;
    platform::ContentDigest digest;
    const bool read = readPieces(in.get(), [&](std::string_view piece) {
        found.length += piece.size();
        digest.add(piece);
        return true;
    });
    found.checksum = digest.value();
    return read ? std::optional(found) : std::nullopt;
}

// Makes `from` durable as `to`: synced, renamed, its folder synced.
QString durableRename(const QString& from, const QString& to, const QString& folder) {
    UniqueFd fd(::open(bytes(from).constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW));
    if (!fd || ::fsync(fd.get()) != 0 ||
        ::rename(bytes(from).constData(), bytes(to).constData()) != 0) {
        const QString reason = why();
        ::unlink(bytes(from).constData());
        return reason;
    }
    syncFolder(folder);
    return {};
}

} // namespace editor
