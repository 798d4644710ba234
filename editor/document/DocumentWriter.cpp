#include "editor/document/DocumentWriter.h"

#include "core/text/PathBytes.h"
#include "core/text/Utf8.h"
#include "core/text/Windows1252.h"
#include "platform/files/UniqueFd.h"

#include <QCoreApplication>
#include <QDir>
#include <QRandomGenerator>
#include <QStandardPaths>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace editor {

namespace {

constexpr size_t kChunk = 1 << 20;

// Length of the run of ASCII bytes starting at pos: they need no conversion.
size_t asciiRun(std::string_view s, size_t pos) {
    size_t end = pos;
    while (end < s.size() && static_cast<unsigned char>(s[end]) < 0x80)
        ++end;
    return end - pos;
}

bool fitsWindows1252(std::string_view utf8) {
    for (size_t pos = 0; pos < utf8.size();) {
        pos += asciiRun(utf8, pos);
        if (pos == utf8.size())
            break;
        const auto cp = core::decodeUtf8(utf8, pos);
        if (!cp || !core::unicodeToWindows1252(*cp))
            return false;
    }
    return true;
}

QString failure(const QString& path, const QString& reason) {
    return QCoreApplication::translate("DocumentWriter",
                                       "Could not save \u201c%1\u201d: %2. The file on disk "
                                       "was not changed.")
        .arg(path, reason);
}

// Hands the encoded text to `out` in pieces of about kChunk bytes.
template <typename Out> bool writeWindows1252(std::string_view utf8, Out&& out) {
    std::string piece;
    piece.reserve(kChunk + 64);
    for (size_t pos = 0; pos < utf8.size();) {
        const size_t run = std::min(asciiRun(utf8, pos), kChunk);
        piece.append(utf8.substr(pos, run));
        pos += run;
        if (pos < utf8.size() && static_cast<unsigned char>(utf8[pos]) >= 0x80)
            piece += static_cast<char>(*core::unicodeToWindows1252(*core::decodeUtf8(utf8, pos)));
        if (piece.size() >= kChunk || pos == utf8.size()) {
            if (!out(piece))
                return false;
            piece.clear();
        }
    }
    return true;
}

bool writeEncoded(int fd, std::string_view utf8, TextEncoding encoding) {
    const auto out = [fd](std::string_view piece) { return platform::writeAll(fd, piece); };
    if (encoding == TextEncoding::Utf8WithBom && !out("\xEF\xBB\xBF"))
        return false;
    if (encoding == TextEncoding::Windows1252)
        return writeWindows1252(utf8, out);
    for (size_t pos = 0; pos < utf8.size(); pos += kChunk) {
        if (!out(utf8.substr(pos, kChunk)))
            return false;
    }
    return true;
}

QString tr(const char* text) {
    return QCoreApplication::translate("DocumentWriter", text);
}

QString systemError() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

struct SplitPath {
    QByteArray folder;
    QByteArray name;
};

SplitPath split(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return {".", path};
    return {slash == 0 ? QByteArray("/") : path.left(slash), path.mid(slash + 1)};
}

// Renaming a new file over the old one gives it a new identity: our owner and
// group, a single link. Where that would change the file, or the folder
// cannot take a new file, the file is written in place instead.
bool keepsIdentityOnlyInPlace(const QByteArray& target, const struct stat& st) {
    return st.st_nlink > 1 || st.st_uid != ::geteuid() || st.st_gid != ::getegid() ||
           ::access(split(target).folder.constData(), W_OK) != 0;
}

bool copyFile(int from, int to) {
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(from, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        if (!platform::writeAll(to, std::string_view(buffer, static_cast<size_t>(n))))
            return false;
    }
}

// Writes in place after a copy of the old content is safe in the cache
// folder; a failed write puts the old content back. The copy is removed once
// the new content is durable.
WriteResult writeInPlace(const QString& path, const QByteArray& target, std::string_view utf8,
                         TextEncoding encoding) {
    WriteResult result;
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    QDir().mkpath(cache);
    const QByteArray backup = core::pathBytes(QDir(cache).filePath(
        QStringLiteral("save-copy-%1").arg(QCoreApplication::applicationPid())));
    platform::UniqueFd old(::open(target.constData(), O_RDWR | O_CLOEXEC));
    if (!old) {
        result.errorMessage = failure(path, systemError());
        return result;
    }
    platform::UniqueFd copy(
        ::open(backup.constData(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, S_IRUSR | S_IWUSR));
    if (!copy || !copyFile(old.get(), copy.get()) || ::fsync(copy.get()) != 0) {
        ::unlink(backup.constData());
        result.errorMessage =
            failure(path, tr("no safety copy of the old content could be made in ") + cache);
        return result;
    }
    const bool ok = ::ftruncate(old.get(), 0) == 0 && ::lseek(old.get(), 0, SEEK_SET) == 0 &&
                    writeEncoded(old.get(), utf8, encoding) && ::fsync(old.get()) == 0;
    const QString reason = systemError();
    if (!ok) {
        // Best effort: the copy stays in the cache folder when this fails too.
        if (::lseek(copy.get(), 0, SEEK_SET) == 0 && ::ftruncate(old.get(), 0) == 0 &&
            ::lseek(old.get(), 0, SEEK_SET) == 0 && copyFile(copy.get(), old.get()) &&
            ::fsync(old.get()) == 0)
            ::unlink(backup.constData());
        result.errorMessage = failure(path, reason);
        return result;
    }
    ::unlink(backup.constData());
    result.ok = true;
    result.encoding = encoding;
    return result;
}

// A new file next to the target, renamed over it once it is durable: the old
// file stays whole until the rename, and the folder is synced after it.
WriteResult writeReplacing(const QString& path, const QByteArray& target,
                           const std::optional<mode_t>& keepMode, std::string_view utf8,
                           TextEncoding encoding) {
    WriteResult result;
    const SplitPath parts = split(target);
    platform::UniqueFd folder(::open(parts.folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder) {
        result.errorMessage = failure(path, systemError());
        return result;
    }
    QByteArray temp;
    platform::UniqueFd file;
    for (int attempt = 0; !file && attempt < 100; ++attempt) {
        temp = "." + parts.name + ".ostra-" +
               QByteArray::number(QRandomGenerator::global()->generate(), 36);
        file = platform::UniqueFd(::openat(folder.get(), temp.constData(),
                                           O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (!file && errno != EEXIST)
            break;
    }
    if (!file) {
        result.errorMessage = failure(path, systemError());
        return result;
    }
    const bool ok =
        (!keepMode || ::fchmod(file.get(), *keepMode) == 0) &&
        writeEncoded(file.get(), utf8, encoding) && ::fsync(file.get()) == 0 && file.close() &&
        ::renameat(folder.get(), temp.constData(), folder.get(), parts.name.constData()) == 0;
    if (!ok) {
        const QString reason = systemError();
        ::unlinkat(folder.get(), temp.constData(), 0);
        result.errorMessage = failure(path, reason);
        return result;
    }
    ::fsync(folder.get());
    result.ok = true;
    result.encoding = encoding;
    return result;
}

} // namespace

WriteResult writeDocument(const QString& path, std::string_view utf8, TextEncoding encoding) {
    WriteResult result;
    const QByteArray bytes = core::pathBytes(path);
    struct stat st {};
    const bool exists = ::stat(bytes.constData(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode)) {
        result.errorMessage = failure(path, tr("it is a folder, not a file"));
        return result;
    }
    // A device or a pipe would be replaced by a plain file: refused.
    if (exists && !S_ISREG(st.st_mode)) {
        result.errorMessage =
            failure(path, tr("it is not a regular file (a device, a pipe or a socket)"));
        return result;
    }
    if (encoding == TextEncoding::Windows1252 && !fitsWindows1252(utf8))
        encoding = TextEncoding::Utf8;
    if (!exists)
        return writeReplacing(path, bytes, std::nullopt, utf8, encoding);

    // Through a symbolic link to the file itself.
    QByteArray target = bytes;
    if (char* real = ::realpath(bytes.constData(), nullptr)) {
        target = real;
        std::free(real);
    }
    if (keepsIdentityOnlyInPlace(target, st))
        return writeInPlace(path, target, utf8, encoding);
    return writeReplacing(path, target, st.st_mode & 07777, utf8, encoding);
}

} // namespace editor
